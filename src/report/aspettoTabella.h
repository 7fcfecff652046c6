#pragma once
// The look of the document's tables, in one place: the DOCX writer writes it, the page
// layout lays the rows out with it, the column fitting measures with it and the
// drawing draws it. Private to report/.
#include "report/documento.h"
#include "report/unita.h"

#include <QRgb>

#include <optional>
#include <vector>

namespace documento::dettaglio {

// Borders: single lines of half a point on every side and between every two cells,
// written in eighths of a point, laid out and drawn in twips.
inline constexpr int bordoOttaviDiPunto = 4;
inline constexpr int bordoTwips = bordoOttaviDiPunto * twipsPerPunto / 8;
static_assert(bordoTwips * 8 == bordoOttaviDiPunto * twipsPerPunto, "the border is a whole number of twips");
// The room the column fitting leaves a column for its border: a little more than the
// border itself, as the tables of the files written so far have it.
inline constexpr double ariaBordoMm = 0.18;

// The cell margins on the left and right of a cell's text, unless a table of many
// columns narrows them (ColonneTabella::margine); none above and below.
inline constexpr int margineCellaTwips = 108;

inline constexpr QRgb coloreBordo = 0x808080;
inline constexpr QRgb sfondoIntestazione = 0x1F3864; // the header row of a formatted table
inline constexpr QRgb testoIntestazione = 0xFFFFFF; // in bold
inline constexpr QRgb sfondoPrimaColonna = 0xDEEAF6; // the first column of a formatted table

// One table as the file writes it and the pages show it.
struct FormaTabella {
    std::vector<int> colonne; // widths, twips
    std::vector<int> celle;   // the cells' widths as the word processor reads the columns (celleLette)
    int margine = 0;          // left and right cell margin, twips
    bool formattata = false;

    int larghezza() const;
    // The text width of a cell of column `colonna` (from 1): the last column's cell
    // takes what the others leave of the table's width.
    int larghezzaTesto(int colonna) const;
    // Where column `colonna` (from 1) starts, twips from the page's text edge: the
    // table stands a cell margin to the left, so that its text lines up with the page's.
    int sinistra(int colonna) const;
    // A formatted table's first row: shaded, in white bold text, repeated on every page
    // the table goes on to.
    bool intestazione(int riga) const { return formattata && riga == 1; }
    // The font of row `riga` of `g`: the table's, bold in its header row. (The column
    // fitting asks before the table has its widths.)
    static Carattere carattere(const Griglia& g, int riga);
    // The colour of a row's text, none for the document's black.
    std::optional<QRgb> coloreTesto(int riga) const;
    std::optional<QRgb> sfondo(int riga, int colonna) const;
};

// Table `tabella` (from 1) of a document; no columns when it has no such table.
FormaTabella formaTabella(const Documento& documento, int tabella);

// The widths the word processor gives the cells of a row whose columns the saved file
// has `colonne` twips wide: a twip less or more here and there, from the way it reads
// them.
std::vector<int> celleLette(const std::vector<int>& colonne);

} // namespace documento::dettaglio
