// Fonts and their measures: the line heights the word processor gives each face, and
// the widths of texts, for the page layout and for the column fitting.
#include "report/metriche.h"

#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace documento::dettaglio {

namespace {

// Where the values the line height comes from stand in a face's tables (OpenType).
namespace hhea {
constexpr int ascender = 4, descender = 6, lineGap = 8;
constexpr int dimensione = lineGap + 2;
} // namespace hhea
namespace os2 {
constexpr int fsSelection = 62;
constexpr int sTypoAscender = 68, sTypoDescender = 70, sTypoLineGap = 72;
constexpr int usWinAscent = 74, usWinDescent = 76;
constexpr int dimensione = usWinDescent + 2;
constexpr quint16 usaMetricheTipografiche = 1 << 7; // USE_TYPO_METRICS in fsSelection
} // namespace os2

qint16 intero16(const QByteArray& tabella, int posizione)
{
    if (posizione + int(sizeof(qint16)) > tabella.size())
        return 0;
    return qFromBigEndian<qint16>(tabella.constData() + posizione);
}

// The line height and ascent in twips of a face at `pixel` layout units, from the
// face's own tables as the word processor reads them: the horizontal header's
// ascender, descender and line gap; the OS/2 table's Windows metrics when the header
// has none, its typographic ones when the face asks for them. Each is rounded to
// whole pixels, and ascent and descent together to whole twips, the gap apart.
bool metricaDelCarattere(const QFont& font, int pixel, int& altezza, int& ascesa)
{
    const QRawFont grezzo = QRawFont::fromFont(font);
    const QByteArray tabellaHhea = grezzo.fontTable("hhea");
    const double unita = grezzo.unitsPerEm();
    if (!grezzo.isValid() || tabellaHhea.size() < hhea::dimensione || unita <= 0)
        return false;
    const double scala = pixel / unita;
    double sopra = intero16(tabellaHhea, hhea::ascender) * scala;
    double sotto = -intero16(tabellaHhea, hhea::descender) * scala;
    double interlinea = intero16(tabellaHhea, hhea::lineGap) * scala;
    const QByteArray tabellaOs2 = grezzo.fontTable("OS/2");
    if (tabellaOs2.size() >= os2::dimensione) {
        const double tipoSopra = intero16(tabellaOs2, os2::sTypoAscender);
        const double tipoSotto = intero16(tabellaOs2, os2::sTypoDescender);
        const double tipoInterlinea = intero16(tabellaOs2, os2::sTypoLineGap);
        const double winSopra = quint16(intero16(tabellaOs2, os2::usWinAscent));
        const double winSotto = quint16(intero16(tabellaOs2, os2::usWinDescent));
        if (sopra == 0 && sotto == 0) {
            sopra = winSopra * scala;
            sotto = winSotto * scala;
            interlinea = 0;
        }
        if ((quint16(intero16(tabellaOs2, os2::fsSelection)) & os2::usaMetricheTipografiche)
            && (tipoSopra != 0 || tipoSotto != 0)) {
            sopra = tipoSopra * scala;
            sotto = -tipoSotto * scala;
            interlinea = tipoInterlinea * scala;
        }
    }
    const int pxSopra = arrotonda(sopra), pxSotto = arrotonda(sotto), pxInterlinea = arrotonda(interlinea);
    altezza = arrotonda(double(pxSopra + pxSotto) / unitaPerTwip) + arrotonda(double(pxInterlinea) / unitaPerTwip);
    ascesa = arrotonda(double(pxSopra) / unitaPerTwip);
    return altezza > 0;
}

// The saved file keeps sizes in half points, one at least.
constexpr int mezziPuntiMinimi = 2;

} // namespace

const Metrica& Metriche::di(const Carattere& c)
{
    const int mezziPunti = std::max(mezziPuntiMinimi, arrotonda(c.dimensione * 2));
    const auto chiave = std::make_tuple(c.nome.toLower(), mezziPunti, c.grassetto);
    auto trovata = voci_.find(chiave);
    if (trovata != voci_.end())
        return *trovata->second;
    installaSostituzioniCaratteri();
    const int pixel = mezziPunti * twipsPerPunto * unitaPerTwip / 2;
    QFont f(c.nome);
    f.setPixelSize(pixel);
    f.setBold(c.grassetto);
    // Unhinted glyphs advance by their design width rounded to whole pixels, as there.
    f.setHintingPreference(QFont::PreferNoHinting);
    // The saved file asks for no kerning, and the word processor sets none.
    f.setKerning(false);
    auto voce = std::make_unique<Metrica>(f);
    if (!metricaDelCarattere(f, pixel, voce->altezza, voce->ascesa)) {
        voce->altezza = std::max(1, arrotonda(voce->misura.metriche().lineSpacing() / unitaPerTwip));
        voce->ascesa = arrotonda(voce->misura.metriche().ascent() / unitaPerTwip);
    }
    return *voci_.emplace(chiave, std::move(voce)).first->second;
}

QFont fontPerLeColonne(const Carattere& c)
{
    installaSostituzioniCaratteri();
    QFont f(c.nome);
    f.setPixelSize(std::max(1, qRound(c.dimensione * unitaPerPunto)));
    f.setBold(c.grassetto);
    return f;
}

const Misura& misuraPerLeColonne(const Carattere& c)
{
    static std::map<std::tuple<QString, int, bool>, std::unique_ptr<Misura>> misure;
    const QFont font = fontPerLeColonne(c);
    auto& voce = misure[{font.family().toLower(), font.pixelSize(), c.grassetto}];
    if (!voce)
        voce = std::make_unique<Misura>(font);
    return *voce;
}

Misura::Misura(const QFont& font, bool aPixelInteri)
    : metriche_(font), font_(font), pixelInteri_(aPixelInteri), memoria_(memoriaDi(font, aPixelInteri))
{
    if (pixelInteri_) {
        const QRawFont grezzo = QRawFont::fromFont(font);
        unitaPerEm_ = grezzo.isValid() ? grezzo.unitsPerEm() : 0;
    }
}

std::shared_ptr<Misura::Memoria> Misura::memoriaDi(const QFont& font, bool pixelInteri)
{
    static std::map<std::tuple<QString, int, int, bool, bool>, std::shared_ptr<Memoria>> memorie;
    auto& memoria = memorie[{font.key(), int(font.hintingPreference()), font.pixelSize(), font.kerning(), pixelInteri}];
    if (!memoria)
        memoria = std::make_shared<Memoria>();
    return memoria;
}

// The word processor shapes a text with its face's design advances and scales each
// glyph's to its device's pixels, rounding it half away from zero. The design advance
// comes back from the scaled one, whose error is far below half a design unit.
double Misura::arrotondato(double avanzamento) const
{
    if (!pixelInteri_)
        return avanzamento;
    const double pixel = font_.pixelSize();
    if (unitaPerEm_ <= 0 || pixel <= 0)
        return std::round(avanzamento);
    return std::round(std::round(avanzamento * unitaPerEm_ / pixel) * pixel / unitaPerEm_);
}

double Misura::avanzamento(QChar c) const
{
    const auto trovato = memoria_->avanzamenti.constFind(c.unicode());
    if (trovato != memoria_->avanzamenti.constEnd())
        return *trovato;
    return *memoria_->avanzamenti.insert(c.unicode(), arrotondato(metriche_.horizontalAdvance(c)));
}

bool Misura::separabili(QChar a, QChar b) const
{
    const quint32 chiave = quint32(a.unicode()) << 16 | b.unicode();
    const auto trovata = memoria_->coppie.constFind(chiave);
    if (trovata != memoria_->coppie.constEnd())
        return *trovata;
    const double aa = metriche_.horizontalAdvance(a), bb = metriche_.horizontalAdvance(b);
    // Rounded glyph by glyph, a ligature as wide as its letters is still one glyph.
    const bool si = pixelInteri_ ? avanzamentiSagomati(QString(a) + b) == std::vector<double>{aa, bb}
                                 : metriche_.horizontalAdvance(QString(a) + b) == aa + bb;
    return *memoria_->coppie.insert(chiave, si);
}

bool Misura::additivo(QStringView testo) const
{
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const QChar c = testo[i];
        if (c.unicode() < 0x20 || c.isSurrogate() || c.isMark() || (i > 0 && !separabili(testo[i - 1], c)))
            return false;
    }
    return true;
}

// The advances of the glyphs of a text shaped whole.
std::vector<double> Misura::avanzamentiSagomati(const QString& testo) const
{
    QTextLayout layout(testo, font_);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    std::vector<double> avanzamenti;
    for (const QGlyphRun& sequenza : layout.glyphRuns()) {
        const QList<QPointF> posizioni = sequenza.positions();
        const QList<QPointF> propri = sequenza.rawFont().advancesForGlyphIndexes(sequenza.glyphIndexes());
        for (qsizetype i = 0; i < posizioni.size(); ++i)
            avanzamenti.push_back(i + 1 < posizioni.size() ? posizioni[i + 1].x() - posizioni[i].x() : propri.value(i).x());
    }
    return avanzamenti;
}

// A text whose glyphs join or combine, shaped whole and rounded glyph by glyph.
double Misura::sagomata(QStringView testo) const
{
    const QString chiave = testo.toString();
    const auto trovata = memoria_->sagomate.constFind(chiave);
    if (trovata != memoria_->sagomate.constEnd())
        return *trovata;
    double somma = 0;
    for (const double a : avanzamentiSagomati(chiave))
        somma += arrotondato(a);
    return *memoria_->sagomate.insert(chiave, somma);
}

double Misura::larghezza(QStringView testo) const
{
    if (!additivo(testo))
        return pixelInteri_ ? sagomata(testo) : metriche_.horizontalAdvance(testo.toString());
    double somma = 0;
    for (const QChar c : testo)
        somma += avanzamento(c);
    return somma;
}

int Misura::quantiEntrano(QStringView testo, double spazio) const
{
    int dentro = 0;
    if (additivo(testo)) {
        double x = 0;
        while (dentro < testo.size() && (x += avanzamento(testo[dentro])) <= spazio)
            ++dentro;
        return dentro;
    }
    int fuori = int(testo.size());
    while (fuori - dentro > 1) {
        const int mezzo = (dentro + fuori) / 2;
        if (larghezza(testo.left(mezzo)) <= spazio)
            dentro = mezzo;
        else
            fuori = mezzo;
    }
    // A ligature is one glyph, its whole width on its first character: a text is not
    // cut inside it ("super|ficie", not "superf|icie", where the "fi" does not fit).
    while (dentro > 0 && dentro < testo.size()
           && (testo[dentro].isLowSurrogate() || testo[dentro].isMark() || !separabili(testo[dentro - 1], testo[dentro])))
        --dentro;
    return dentro;
}

} // namespace documento::dettaglio

namespace documento {

void installaSostituzioniCaratteri()
{
    // The faces the word processor of this desktop draws the two names with where
    // they are not installed, so that the pages here are the pages it shows.
    static const bool fatto = [] {
        QFont::insertSubstitutions(QStringLiteral("Century Gothic"), {QStringLiteral("DejaVu Sans")});
        QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                                   {QStringLiteral("Liberation Serif"), QStringLiteral("Nimbus Roman")});
        return true;
    }();
    (void)fatto;
}

} // namespace documento
