// Column widths of the tables, which the page layout and the saved file share, and
// the faces the document's font names are drawn with.
#include "report/documento.h"

#include "report/aspettoTabella.h"
#include "report/docx.h"
#include "report/impaginazioneInterna.h"

#include <QFont>
#include <QFontMetricsF>

#include <algorithm>
#include <map>
#include <memory>
#include <tuple>

namespace documento {

using dettaglio::fontMisurato;
using dettaglio::mmPerPollice;
using dettaglio::unitaPerPunto;

namespace {

constexpr double paddingCellaMm = dettaglio::margineCellaTwips / 1440.0 * mmPerPollice;
constexpr double bordoMm = dettaglio::ariaBordoMm;
// The narrowest cell margin a table of many columns may take.
constexpr double margineMinimoMm = 0.5;

} // namespace

namespace dettaglio {

QFont fontMisurato(const Carattere& c)
{
    installaSostituzioniCaratteri();
    QFont f(c.nome);
    f.setPixelSize(std::max(1, qRound(c.dimensione * unitaPerPunto)));
    f.setBold(c.grassetto);
    return f;
}

} // namespace dettaglio

namespace {

// The measure of a font as the fitting measures it, kept for the program's life: each
// keeps the advances and the pairs of characters it has met, table after table.
const dettaglio::Misura& misuraDi(const Carattere& c)
{
    static std::map<std::tuple<QString, int, bool>, std::unique_ptr<dettaglio::Misura>> misure;
    const QFont font = fontMisurato(c);
    auto& voce = misure[{font.family().toLower(), font.pixelSize(), c.grassetto}];
    if (!voce)
        voce = std::make_unique<dettaglio::Misura>(font);
    return *voce;
}

// Column widths and cell margins of a table, in mm: natural widths of the content
// when they fit, else shrunk towards the longest words, as a word processor fits a
// table to its content. A table whose longest words do not fit even so (many columns
// of figures) narrows its cell margins first, so that its figures are not broken.
ColonneTabella colonneAdattate(const Griglia& g)
{
    const double disponibile = larghezzaPaginaMm - 2 * marginePaginaMm;
    Carattere normale = g.carattere;
    normale.grassetto = false;
    Carattere grassetto = g.carattere;
    grassetto.grassetto = true;
    const dettaglio::Misura& metricaNormale = misuraDi(normale);
    const dettaglio::Misura& metricaGrassetto = misuraDi(grassetto);
    const double mmPerUnita = mmPerPollice / 72.0 / unitaPerPunto;

    // Natural widths first; the longest words only when the content does not fit.
    auto perRighe = [&](auto&& misura) {
        for (int r = 1; r <= g.righe; ++r) {
            const dettaglio::Misura& m = (g.formattata && r == 1) || g.carattere.grassetto ? metricaGrassetto : metricaNormale;
            for (int c = 1; c <= g.colonne; ++c) {
                const QString& testo = g.cella(r, c);
                if (!testo.isEmpty())
                    misura(m, testo, std::size_t(c - 1));
            }
        }
    };
    auto linee = [](const QString& testo) {
        if (!testo.contains(QLatin1Char('\n')) && !testo.contains(QChar(0x0B)))
            return QStringList{testo};
        QString t = testo;
        t.replace(QChar(0x0B), QLatin1Char('\n'));
        return t.split(QLatin1Char('\n'));
    };
    const auto n = std::size_t(g.colonne);
    std::vector<double> naturale(n, 0.0);
    std::vector<double> minimo(n, 0.0);
    ColonneTabella colonne;
    perRighe([&](const dettaglio::Misura& m, const QString& testo, std::size_t c) {
        for (const QString& linea : linee(testo))
            naturale[c] = std::max(naturale[c], m.larghezza(linea) * mmPerUnita);
    });
    // Some air: the file may be opened where the font is drawn a little wider.
    constexpr double aria = 1.1;
    colonne.margine = paddingCellaMm;
    double sommaProva = 0;
    for (double l : naturale)
        sommaProva += l * aria + 2 * colonne.margine + bordoMm + 1.0;
    if (sommaProva > disponibile) {
        perRighe([&](const dettaglio::Misura& m, const QString& testo, std::size_t c) {
            for (const QString& linea : linee(testo))
                for (const QString& parola : linea.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                    minimo[c] = std::max(minimo[c], m.larghezza(parola) * mmPerUnita);
        });
        double parole = 0;
        for (double l : minimo)
            parole += l * aria + bordoMm;
        if (parole + 2 * double(n) * colonne.margine > disponibile)
            colonne.margine = std::clamp((disponibile - parole) / (2 * double(n)), margineMinimoMm, paddingCellaMm);
    }
    const double extra = 2 * colonne.margine + bordoMm;
    double sommaNaturale = 0, sommaMinimo = 0;
    for (std::size_t c = 0; c < n; ++c) {
        naturale[c] = naturale[c] * aria + extra + 1.0;
        minimo[c] = minimo[c] * aria + extra;
        sommaNaturale += naturale[c];
        sommaMinimo += minimo[c];
    }
    colonne.larghezze.resize(n);
    for (std::size_t c = 0; c < n; ++c) {
        if (sommaNaturale <= disponibile)
            colonne.larghezze[c] = naturale[c];
        else if (sommaMinimo >= disponibile)
            colonne.larghezze[c] = minimo[c] * disponibile / sommaMinimo;
        else
            colonne.larghezze[c]
                = minimo[c] + (naturale[c] - minimo[c]) * (disponibile - sommaMinimo) / (sommaNaturale - sommaMinimo);
    }
    return colonne;
}

ColonneTabella colonneDi(const Griglia& g)
{
    if (g.formattata)
        return colonneAdattate(g);
    const double disponibile = larghezzaPaginaMm - 2 * marginePaginaMm;
    return {std::vector<double>(std::size_t(g.colonne), disponibile / g.colonne), paddingCellaMm};
}

} // namespace

namespace dettaglio {

int FormaTabella::larghezza() const
{
    int totale = 0;
    for (int l : colonne)
        totale += l;
    return totale;
}

int FormaTabella::larghezzaTesto(int colonna) const { return std::max(1, colonne[std::size_t(colonna - 1)] - 2 * margine); }

int FormaTabella::sinistra(int colonna) const
{
    int x = -margine;
    for (int k = 1; k < colonna; ++k)
        x += colonne[std::size_t(k - 1)];
    return x;
}

Carattere FormaTabella::carattere(const Griglia& g, int riga) const
{
    Carattere c = g.carattere;
    if (intestazione(riga))
        c.grassetto = true;
    return c;
}

std::optional<QRgb> FormaTabella::sfondo(int riga, int colonna) const
{
    if (intestazione(riga))
        return sfondoIntestazione;
    if (formattata && colonna == 1)
        return sfondoPrimaColonna;
    return std::nullopt;
}

FormaTabella formaTabella(const Documento& documento, int tabella)
{
    FormaTabella forma;
    const Griglia* g = documento.griglia(tabella);
    if (!g)
        return forma;
    const ColonneTabella colonne = documento.colonne(tabella);
    forma.margine = docx::twips(colonne.margine);
    for (double mm : colonne.larghezze)
        forma.colonne.push_back(docx::twips(mm));
    forma.formattata = g->formattata;
    return forma;
}

} // namespace dettaglio

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

ColonneTabella Documento::colonne(int tabella) const
{
    const Griglia* g = griglia(tabella);
    if (!g)
        return {};
    // Widths depend on the tables alone: texts and alignments set elsewhere keep them.
    if (versioneLarghezze_ != versioneTabelle_) {
        larghezze_.clear();
        versioneLarghezze_ = versioneTabelle_;
    }
    auto& voce = larghezze_[tabella];
    if (voce.larghezze.empty())
        voce = colonneDi(*g);
    return voce;
}

std::vector<double> Documento::larghezzeColonne(int tabella) const { return colonne(tabella).larghezze; }

} // namespace documento
