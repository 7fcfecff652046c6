#include "feasibility/calcoloFattib.h"

#include "base/numeri.h"
#include "base/unita.h"
#include "feasibility/datiFattib.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace calcoli {

namespace {

QString rifiuto(const char* motivo)
{
    return QStringLiteral("Calcolo non eseguibile: ") + QString::fromUtf8(motivo);
}

// Values beyond what a double holds would show as "inf" or as no number at all, or
// hide behind a result that looks sound (an optimal area of 0 from an infinite cost).
QString fuoriScala()
{
    return rifiuto("i valori immessi sono troppo grandi o troppo piccoli per dare risultati validi.");
}

// kWh delivered by one unit of the alternative fuel.
double energiaPerUnita(int combustibile)
{
    switch (combustibile) {
    case 1: return 6.6279069;  // litre of gas oil
    case 2: return 7.90697975; // cubic metre of methane
    default: return 1.0;       // kWh of electricity
    }
}

} // namespace

QString calcolaFattib(const IngressiFattib& in, RisultatiFattib& ris)
{
    const auto& c = in.coefficienti;
    if (in.usoImpianto != 1 && in.usoImpianto != 2)
        return rifiuto("scegliere la tipologia di impianto (riscaldamento degli ambienti o "
                       "produzione di acqua calda sanitaria).");
    const bool riscaldamento = in.usoImpianto == 1;
    if (!numeri::finiti({in.consumoAcqua, in.temperaturaAcqua, in.trasmittanza, in.durataImpianto,
                         in.costoCollettori, in.costoElettricita, in.costoCombustibile, in.tassoSconto,
                         in.tassoAumento})
        || !numeri::finiti(in.coefficienti))
        return fuoriScala();

    // Daily hot-water load; the fits are made for water heated from 12 °C.
    const double carico = (in.temperaturaAcqua - 12) * 0.001 * in.consumoAcqua;
    if (riscaldamento) {
        if (!(in.trasmittanza > 0))
            return rifiuto("la trasmittanza dell'edificio deve essere maggiore di zero.");
    } else {
        if (!(in.temperaturaAcqua > 12))
            return rifiuto("la temperatura di consumo dell'acqua deve superare i 12 gradi.");
        if (!(in.consumoAcqua > 0))
            return rifiuto("il consumo giornaliero d'acqua deve essere maggiore di zero.");
    }

    // Reference area of each kind: the fraction is intercept + slope x ln(A / X).
    std::array<double, 4> riferimento{};
    for (int k = 1; k <= numeroTipi; ++k) {
        const auto& tipo = tipiFattib[k];
        const double denominatore = riscaldamento
            ? 0.85 * tipo.eta0 - 0.95 * tipo.perdite * c[6]
            : 0.85 * tipo.eta0 - 0.95 * tipo.perdite * c[2];
        const double numeratore = riscaldamento ? in.trasmittanza * c[5] : carico * c[1];
        const double x = denominatore != 0 ? numeratore / denominatore : 0.0;
        if (!std::isfinite(x) || (x == 0 && numeratore != 0 && denominatore != 0))
            return fuoriScala();
        if (!(x > 0))
            return rifiuto("i coefficienti climatici della località non danno un'area di "
                           "riferimento valida per i collettori.");
        riferimento[k] = x;
    }
    const double fabbisogno = riscaldamento ? 24 * in.trasmittanza * c[9] / unita::megajoulePerKwh
                                            : carico * 1000 * 365 / 860;
    if (!numeri::finiti({carico, fabbisogno}))
        return fuoriScala();
    // Below one kWh the need is stored as 0, and every area would cover all of it.
    if (!(std::floor(fabbisogno) > 0))
        return rifiuto("il fabbisogno annuo di energia è nullo.");
    const double intercetta = riscaldamento ? c[7] : c[3];
    const double pendenza = riscaldamento ? c[8] : c[4];

    // Economics. The rates come as single precision and their quotients stay so.
    if (in.combustibile < 1 || in.combustibile > 3)
        return rifiuto("scegliere il tipo di combustibile usato in alternativa ai pannelli solari.");
    const double anni = in.durataImpianto;
    if (!(anni > 0))
        return rifiuto("la durata dell'impianto deve essere maggiore di zero.");
    const float r = in.tassoSconto / 100;
    const float e = in.tassoAumento / 100;
    const float unoPiuE = 1 + e;
    const float i = unoPiuE != 0 ? (r - e) / unoPiuE : -1.0F;
    const float unoPiuI = 1 + i;
    if (!(unoPiuE > 0) || !(unoPiuI > 0))
        return rifiuto("il tasso di sconto e il tasso di aumento dell'energia non danno un "
                       "tasso netto valido.");
    const double valoreAttuale = i == 0 ? anni
                                        : (1 - std::pow(double(unoPiuI), -anni)) / double(i);
    const double prezzoEnergia = in.costoCombustibile / energiaPerUnita(in.combustibile);
    const double costoArea = in.costoCollettori + valoreAttuale * in.costoElettricita;
    if (!numeri::finiti({valoreAttuale, prezzoEnergia, costoArea}))
        return fuoriScala();
    if (!(costoArea > 0))
        return rifiuto("il costo dei collettori e quello dell'elettricità devono essere "
                       "maggiori di zero.");

    // The fraction stops at 1: beyond the area at which every kind covers the whole
    // need a larger plant only costs more, whatever the slope of the fit says.
    double ottimoDieci = 10 * fabbisogno * pendenza * prezzoEnergia * valoreAttuale / costoArea;
    if (!std::isfinite(ottimoDieci))
        return fuoriScala();
    if (pendenza > 0) {
        double pieno = 0;
        for (int k = 1; k <= numeroTipi; ++k)
            pieno = std::max(pieno, riferimento[k] * std::exp((1 - intercetta) / pendenza));
        if (!std::isfinite(10 * pieno))
            return fuoriScala();
        ottimoDieci = std::min(ottimoDieci, 10 * pieno);
    }

    // Every kind tries the same sequence of areas, accumulated step by step. The
    // results go to `ris` only once every step has given finite values.
    auto nuovi = std::make_unique<RisultatiFattib>();
    const double passo = riscaldamento ? 1.0 : 0.1;
    double area = riscaldamento ? 1.0 : 0.9;
    for (int s = 1; s <= numeroSuperfici; ++s) {
        area = area + passo;
        const double superficie = std::floor(area * 10 + 0.5) / 10;
        auto& rigaSuperfici = nuovi->superfici[s];
        auto& rigaPercentuali = nuovi->percentuali[s];
        auto& rigaEnergia = nuovi->energiaSolare[s];
        for (int k = 1; k <= numeroTipi; ++k) {
            double f = intercetta + pendenza * std::log(area / riferimento[k]);
            if (!std::isfinite(f))
                return fuoriScala();
            f = std::clamp(f, 0.0, 1.0);
            rigaPercentuali[k] = std::floor(f * 1000) / 10;
            rigaEnergia[k] = std::floor(fabbisogno * f);
            rigaSuperfici[k] = superficie;
        }
    }
    nuovi->fabbisognoAnnuo = std::floor(fabbisogno);
    nuovi->areaOttimale = std::floor(ottimoDieci + 0.5) / 10;
    ris = *nuovi;
    return {};
}

void memorizzaFattib(const RisultatiFattib& ris)
{
    for (int s = 1; s <= numeroSuperfici; ++s) {
        for (int k = 1; k <= numeroTipi; ++k) {
            ModKorvel::superfici[s][k] = ris.superfici[s][k];
            ModKorvel::percentuali[s][k] = ris.percentuali[s][k];
            ModKorvel::energiaSolare[s][k] = ris.energiaSolare[s][k];
        }
    }
    ModKorvel::fabbisognoAnnuo = ris.fabbisognoAnnuo;
    ModKorvel::areaOttimale = ris.areaOttimale;
}

} // namespace calcoli
