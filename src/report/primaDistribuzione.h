#pragma once
// How the word processor first spreads a saved file's content over pages, before it
// measures anything. Private to report/.
#include "report/documento.h"

#include <vector>

namespace documento::dettaglio {

// Opening a file, the word processor guesses its pages by counting: so many
// paragraphs a page (more for a larger file), a table row counting as one, a paragraph
// with a page break before it starting a page. A table that takes it past that count by
// more than ten is cut there into pieces, one a page, the first on the page it reached.
// Layout then moves everything to where it fits; what shows of that guess afterwards is
// where it cut a table. A table whose first row (or header row, with the row after it)
// is sent on from a page's foot may find pages the guess left empty behind that row:
// the row stands alone on its page (restaSola tells when).
struct TaglioIniziale {
    bool tagliata = false; // the table was cut into pieces
    int pagina = 1;        // the page of its first piece, from 1
    int pezzi = 1;         // how many
    bool lunga = false;    // cut into pieces of a page's count of paragraphs (a table over three pages)
    int righePezzo = 0;    // rows of the first piece; every later one holds one fewer after the repeated header
};

// One for each table of the document, in their order.
std::vector<TaglioIniziale> primaDistribuzione(const Documento& documento);

} // namespace documento::dettaglio
