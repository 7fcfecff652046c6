// Column widths of the tables, which the page layout and the saved file share.
#include "report/documento.h"

#include "report/aspettoTabella.h"
#include "report/metriche.h"

#include <algorithm>

namespace documento {

using dettaglio::FormaTabella;
using dettaglio::mmPerPollice;
using dettaglio::unitaPerPunto;

namespace {

constexpr double paddingCellaMm = dettaglio::margineCellaTwips / double(dettaglio::twipsPerPollice) * mmPerPollice;
constexpr double bordoMm = dettaglio::ariaBordoMm;
// The narrowest cell margin a table of many columns may take.
constexpr double margineMinimoMm = 0.5;
// Some air: the file may be opened where the font is drawn a little wider.
constexpr double aria = 1.1;
// The room a column's natural width leaves beyond its longest line.
constexpr double agioMm = 1.0;

// Column widths and cell margins of a table, in mm: natural widths of the content
// when they fit, else shrunk towards the longest words, as a word processor fits a
// table to its content. A table whose longest words do not fit even so (many columns
// of figures) narrows its cell margins first, so that its figures are not broken.
ColonneTabella colonneAdattate(const Griglia& g)
{
    const double disponibile = dettaglio::larghezzaTestoMm;
    const dettaglio::Misura& misuraTestata = dettaglio::misuraPerLeColonne(FormaTabella::carattere(g, 1));
    const dettaglio::Misura& misuraCorpo = dettaglio::misuraPerLeColonne(FormaTabella::carattere(g, 2));
    const double mmPerUnita = mmPerPollice / dettaglio::puntiPerPollice / unitaPerPunto;

    // Natural widths first; the longest words only when the content does not fit.
    auto perRighe = [&](auto&& misura) {
        for (int r = 1; r <= g.righe; ++r) {
            const dettaglio::Misura& m = r == 1 ? misuraTestata : misuraCorpo;
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
    colonne.margine = paddingCellaMm;
    double sommaProva = 0;
    for (double l : naturale)
        sommaProva += l * aria + 2 * colonne.margine + bordoMm + agioMm;
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
        naturale[c] = naturale[c] * aria + extra + agioMm;
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
    const double disponibile = dettaglio::larghezzaTestoMm;
    return {std::vector<double>(std::size_t(g.colonne), disponibile / g.colonne), paddingCellaMm};
}

} // namespace

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

} // namespace documento
