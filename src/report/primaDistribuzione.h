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
// where it cut a table. A table that went back two pages or more from its first piece's
// and is sent on from there (its header, or first row, reached the page's foot and the
// row after did not fit) finds a page it left empty, and the rest of the table after it:
// the row it took with it stands alone on that page. After a header sent on from the
// page of its first piece, the row stands alone when the table was cut into many pieces
// (restaSola).
struct TaglioIniziale {
    bool tagliata = false; // the table was cut into pieces
    int pagina = 1;        // the page of its first piece, from 1
    int pezzi = 1;         // how many
};

// One for each table of the document, in their order.
std::vector<TaglioIniziale> primaDistribuzione(const Documento& documento);

} // namespace documento::dettaglio
