#pragma once
// What the column fitting, the pagination and the drawing of the pages share; private
// to report/.
//
// The pages are laid out as the word processor lays out the saved file: lengths in
// twips (the file's unit), glyphs measured at 8640 pixels an inch (six to a twip, the
// resolution its layout measures fonts at), each line as high as its fonts' ascent and
// descent rounded as it rounds them.
#include "report/documento.h"

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <QTextLayout>

#include <map>
#include <memory>
#include <vector>

namespace documento::dettaglio {

inline constexpr double mmPerPollice = 25.4;

// The column fitting measures fonts in hundredths of a point: p points at 100 p
// pixels, so that no size is rounded to whole pixels on the way.
inline constexpr double unitaPerPunto = 100.0;
QFont fontMisurato(const Carattere& c);

// Text with '\v' as a line break inside the paragraph.
QString testoQt(const QString& testo);

// --- The page layout ----------------------------------------------------------

inline constexpr int unitaPerTwip = 6;   // layout units: pixels at 8640 dpi
inline constexpr int twipsPerPunto = 20;
inline constexpr int bordoTwips = 10;     // the saved tables' borders: half a point
inline constexpr int tabulazioneTwips = 709; // default tab stops: every 1.25 cm

// The page's text area and margin as the saved file gives them.
int larghezzaTestoTwips();
int altezzaTestoTwips();
int margineTwips();

// Column widths and cell margin of a table as the saved file writes them.
struct ColonneTwips {
    std::vector<int> larghezze;
    int margine = 0;
};
ColonneTwips colonneTwips(const ColonneTabella& colonne);

// A font at the layout's resolution, with the line height the word processor gives it.
struct Metrica {
    QFont font;            // pixel size in layout units
    QFontMetricsF misura;
    int altezza = 0;       // line height, twips
    int ascesa = 0;        // baseline from the line's top, twips
};

// The metrics of the fonts of one layout, kept while it runs.
class Metriche {
public:
    const Metrica& di(const Carattere& c);

private:
    std::map<std::tuple<QString, int, bool>, std::unique_ptr<Metrica>> voci_;
};

// One line of a paragraph: its text and its height.
struct Riga {
    int inizio = 0;
    int lunghezza = 0;
    int altezza = 0; // twips
    int ascesa = 0;  // twips
};

// A paragraph broken into lines at `larghezza` twips. With `testo`, the layout that
// draws the lines is kept there (laid out, lines at no position).
void righeDi(const std::vector<Sequenza>& sequenze, const Carattere& marca, Allineamento allineamento, int larghezza,
             Metriche& metriche, std::vector<Riga>& righe, QTextLayout* testo = nullptr);

// A cell's paragraphs (its text split at '\n') in the table's font.
std::vector<std::vector<Sequenza>> paragrafiCella(const QString& testo, const Carattere& c);

} // namespace documento::dettaglio
