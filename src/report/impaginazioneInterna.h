#pragma once
// What the column fitting, the pagination and the drawing of the pages share; private
// to report/.
//
// The pages are laid out as the word processor lays out the saved file: lengths in
// twips (the file's unit), glyphs measured at 8640 pixels an inch (six to a twip, the
// resolution its layout measures fonts at) without kerning, each line as high as its
// fonts' ascent and descent rounded as it rounds them.
#include "report/documento.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>

#include <map>
#include <memory>
#include <vector>

namespace documento::dettaglio {

inline constexpr double mmPerPollice = 25.4;

// The column fitting measures fonts in hundredths of a point: p points at 100 p
// pixels, so that no size is rounded to whole pixels on the way.
inline constexpr double unitaPerPunto = 100.0;
QFont fontMisurato(const Carattere& c);

// --- The page layout ----------------------------------------------------------

inline constexpr int unitaPerTwip = 6;   // layout units: pixels at 8640 dpi
inline constexpr int twipsPerPunto = 20;
inline constexpr int tabulazioneTwips = 709; // default tab stops: every 1.25 cm

// The page's text area and margin as the saved file gives them.
int larghezzaTestoTwips();
int altezzaTestoTwips();
int margineTwips();

// Widths of texts in one font as its shaped runs measure them, fast: measuring a
// shaped run loads every glyph again at these sizes, so each character's advance is
// kept and a text measures as the sum of them, unless two neighbours join into one
// glyph or kern, which only the shaped run gives.
class Misura {
public:
    explicit Misura(const QFont& font) : metriche_(font) {}
    const QFontMetricsF& metriche() const { return metriche_; }
    double larghezza(QStringView testo) const;
    // How many characters of `testo` fit in `spazio` (whole characters).
    int quantiEntrano(QStringView testo, double spazio) const;

private:
    double avanzamento(QChar c) const;
    bool separabili(QChar a, QChar b) const; // a b is a's advance and b's
    bool additivo(QStringView testo) const;
    QFontMetricsF metriche_;
    mutable QHash<char16_t, double> avanzamenti_;
    mutable QHash<quint32, bool> coppie_;
};

// A font at the layout's resolution, with the line height the word processor gives it.
struct Metrica {
    explicit Metrica(const QFont& f) : font(f), misura(f) {}
    QFont font;            // pixel size in layout units, no kerning
    Misura misura;         // widths in layout units
    int altezza = 0;       // line height, twips
    int ascesa = 0;        // baseline from the line's top, twips
};

// The metrics of the fonts of a document, kept as long as the document.
class Metriche {
public:
    const Metrica& di(const Carattere& c);

private:
    std::map<std::tuple<QString, int, bool>, std::unique_ptr<Metrica>> voci_;
};

// A paragraph broken into lines at `larghezza` twips, as the word processor breaks it;
// each line's pieces placed from the paragraph's left edge (x in twips), its range
// counted in the runs' text joined. An empty paragraph is one empty line as high as
// its mark.
void righeDi(const std::vector<Sequenza>& sequenze, const Carattere& marca, Allineamento allineamento, int larghezza,
             Metriche& metriche, std::vector<Linea>& righe);

// A cell's paragraphs (its text split at '\n'), each with where it starts in the text.
struct ParagrafoCella {
    std::vector<Sequenza> sequenze; // empty for an empty paragraph
    int inizio = 0;
};
std::vector<ParagrafoCella> paragrafiCella(const QString& testo, const Carattere& c);

// Where position `posizione` of a line's text stands, in twips from the left edge of
// the page's text area; and the position nearest to `x`.
double xInLinea(const Linea& linea, int posizione);
int posizioneInLinea(const Linea& linea, double x);

} // namespace documento::dettaglio
