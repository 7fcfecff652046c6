#include "transmittance/calcoloTrasmittanza.h"

#include "base/numeri.h"

#include <QLocale>

#include <array>
#include <charconv>
#include <cmath>

namespace calcoli {

namespace {

using ModKorvel::elementiPerGruppo;

const std::array<TipoElemento, 11> tipiPeriferici = {{
    {QStringLiteral("Muratura con intercapedine"), 1.31},
    {QStringLiteral("Orizzontamenti tra piano e piano"), 2.8},
    {QStringLiteral("Pilastri"), 2.1},
    {QStringLiteral("Parete piena"), 1.6},
    {QStringLiteral("Cassettoni"), 2.5},
    {QStringLiteral("Solaio di copertura"), 2.9},
    {QStringLiteral("Pavimento su porticato"), 2.7},
    {QStringLiteral("Pavimento su garage"), 1.8},
    {QStringLiteral("Vetrate"), 6},
    {QStringLiteral("Saracinesche metalliche"), 6},
    {QStringLiteral("Portoni in legno, doppi infissi"), 2.51},
}};

const std::array<TipoElemento, 5> tipiInterni = {{
    {QStringLiteral("Muratura a doppia fodera"), 1.31},
    {QStringLiteral("Orizzontamenti fra piano e piano"), 2.8},
    {QStringLiteral("Porta"), 3},
    {QStringLiteral("Pilastri"), 2.1},
    {QStringLiteral("Muro pieno"), 1.64},
}};

double centesimi(double x) { return numeri::taglia(x, 2); }

std::optional<double> coefficiente(const QString& testo)
{
    if (testo.isEmpty())
        return std::nullopt;
    return numeri::val(testo);
}

} // namespace

RisultatiTrasmittanza calcolaTrasmittanza(const IngressiTrasmittanza& in)
{
    RisultatiTrasmittanza ris;
    double somma = 0.0;
    for (int g = 1; g <= 2; ++g) {
        for (int i = 1; i <= elementiPerGruppo; ++i) {
            if (in.tipologia[g][i].isEmpty())
                continue;
            (g == 1 ? ris.numPeriferici : ris.numInterni) += 1;
            if (in.area[g][i].isEmpty())
                continue;
            const double totale = centesimi(numeri::val(in.area[g][i]) * numeri::val(in.unitaria[g][i]));
            ris.totali[g][i] = totale;
            somma += totale;
        }
    }
    ris.totale = centesimi(somma);

    // A coefficient of 0 would divide by zero: no correction, as with an empty one.
    const double he = in.esterno.value_or(0.0);
    const double hi = in.interno.value_or(0.0);
    if (he > 0 && hi > 0) {
        double correzione = 0.0;
        for (int i = 1; i <= elementiPerGruppo; ++i) {
            const auto& totale = ris.totali[1][i];
            const double area = numeri::val(in.area[1][i]);
            const double unitaria = numeri::val(in.unitaria[1][i]);
            // An element without area or unit value has nothing to correct; the
            // others still are.
            if (!totale || !(area > 0) || !(unitaria > 0))
                continue;
            const double k = 1.0 / (1.0 / unitaria + 1.0 / he + 1.0 / hi);
            correzione += *totale - centesimi(area * k);
        }
        ris.correzione = centesimi(correzione);
    }
    ris.complessiva = ris.totale + ris.correzione + in.ricambi;
    return ris;
}

IngressiTrasmittanza ingressiTrasmittanzaDaModulo(const QString& esterno, const QString& interno,
                                                  const QString& ricambi)
{
    IngressiTrasmittanza in;
    in.tipologia = ModKorvel::tipologiaElem;
    in.area = ModKorvel::areaElem;
    in.unitaria = ModKorvel::trasUnitaria;
    in.esterno = coefficiente(esterno);
    in.interno = coefficiente(interno);
    in.ricambi = numeri::val(ricambi);
    return in;
}

void memorizzaTrasmittanza(const RisultatiTrasmittanza& ris)
{
    ModKorvel::trasTotale = ris.totali;
    ModKorvel::numPeriferici = ris.numPeriferici;
    ModKorvel::numInterni = ris.numInterni;
}

QString testoCalcolato(double x)
{
    if (!std::isfinite(x))
        return QString();
    // Fifteen significant digits first, so that the sum of hundredths shows as such.
    char cifre[40];
    const auto scritto = std::to_chars(cifre, cifre + sizeof cifre, x, std::chars_format::scientific, 14);
    double arrotondato = 0.0;
    std::from_chars(cifre, scritto.ptr, arrotondato);
    if (arrotondato == 0.0)
        return QStringLiteral("0");
    static const QLocale punto = [] {
        QLocale c = QLocale::c();
        c.setNumberOptions(QLocale::OmitGroupSeparator);
        return c;
    }();
    return punto.toString(arrotondato, 'f', QLocale::FloatingPointShortest);
}

std::vector<int> elementiConTipo(int gruppo)
{
    std::vector<int> elementi;
    if (gruppo != 1 && gruppo != 2)
        return elementi;
    for (int i = 1; i <= elementiPerGruppo; ++i)
        if (!ModKorvel::tipologiaElem[gruppo][i].isEmpty())
            elementi.push_back(i);
    return elementi;
}

std::span<const TipoElemento> tipiElemento(int gruppo)
{
    if (gruppo == 1)
        return tipiPeriferici;
    if (gruppo == 2)
        return tipiInterni;
    return {};
}

} // namespace calcoli
