#pragma once
// Fonts and their measures, for the page layout and for the column fitting, side by
// side. Private to report/.
//
// The two set up their fonts apart, on purpose:
// - the page layout measures as the word processor lays out the saved file: each size
//   rounded to the file's half points, glyphs at 8640 pixels an inch (six to a twip),
//   unhinted, without kerning, each glyph's advance rounded to a whole pixel, each line as high as the face's ascent and descent
//   rounded as it rounds them;
// - the column fitting measures texts in hundredths of a point with the font's own
//   hinting and kerning, as it always has: the column widths it gives are written
//   into the saved files, and a change of measure would move them.
#include "report/documento.h"
#include "report/unita.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>

#include <map>
#include <memory>
#include <tuple>
#include <vector>

namespace documento::dettaglio {

// Widths of texts in one font as its shaped runs measure them, fast: measuring a
// shaped run loads every glyph again at these sizes, so each character's advance is
// kept and a text measures as the sum of them, unless two neighbours join into one
// glyph or kern, which only the shaped run gives.
class Misura {
public:
    // Glyphs advance by their design width at the font's pixel size or, `aPixelInteri`,
    // by that width rounded to whole pixels, glyph by glyph, as the word processor's
    // layout advances them.
    explicit Misura(const QFont& font, bool aPixelInteri = false);
    const QFontMetricsF& metriche() const { return metriche_; }
    double larghezza(QStringView testo) const;
    // How many characters of `testo` fit in `spazio` (whole characters, whole glyphs).
    int quantiEntrano(QStringView testo, double spazio) const;

private:
    double avanzamento(QChar c) const;
    bool separabili(QChar a, QChar b) const; // a b is a's advance and b's
    bool additivo(QStringView testo) const;
    double arrotondato(double avanzamento) const;
    std::vector<double> avanzamentiSagomati(const QString& testo) const;
    double sagomata(QStringView testo) const;
    // What the measures of one font have met, kept for the program's life: shaping
    // a pair anew for every document would cost more than the layout itself.
    struct Memoria {
        QHash<char16_t, double> avanzamenti;
        QHash<quint32, bool> coppie;
        QHash<QString, double> sagomate; // texts whose glyphs join, rounded glyph by glyph
    };
    static std::shared_ptr<Memoria> memoriaDi(const QFont& font, bool pixelInteri);
    QFontMetricsF metriche_;
    QFont font_;
    bool pixelInteri_;
    double unitaPerEm_ = 0;
    std::shared_ptr<Memoria> memoria_;
};

// --- The page layout ----------------------------------------------------------

// A font at the layout's resolution, with the line height the word processor gives it.
struct Metrica {
    explicit Metrica(const QFont& f) : font(f), misura(f, true) {}
    QFont font;            // pixel size in layout units, no kerning
    Misura misura;         // widths in layout units, each glyph's rounded to whole units
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

// --- The column fitting -------------------------------------------------------

// The fitting measures fonts in hundredths of a point: p points at 100 p pixels, so
// that no size is rounded to whole pixels on the way.
inline constexpr double unitaPerPunto = 100.0;
QFont fontPerLeColonne(const Carattere& c);
// The measure of a font as the fitting measures it, kept for the program's life: each
// keeps the advances and the pairs of characters it has met, table after table.
const Misura& misuraPerLeColonne(const Carattere& c);

} // namespace documento::dettaglio
