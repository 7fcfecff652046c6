// Economic analysis of the detailed calculation: the yearly tables and the payback.
#include "detailed/calcoloDettagliato.h"

#include "detailed/calcoloDettagliatoInterno.h"
#include "base/numeri.h"

#include <algorithm>
#include <cmath>

namespace calcoli {

using dettaglio::intero;

namespace {

double energiaPerUnita(int combustibile)
{
    if (combustibile == 2)
        return 28492;  // kJ per cubic metre of methane
    if (combustibile == 3)
        return 3603.4; // kJ per kWh of electricity
    return 23883;      // kJ per litre of gas oil
}

} // namespace

QString testoRecupero(double anniRecupero)
{
    return numeri::testoConSegno(intero(anniRecupero)) + QStringLiteral(" anni.");
}

void calcolaEconomia(const IngressiDett& in, double energiaUtile, EconomiaDett& eco)
{
    const double energiaUnita = energiaPerUnita(in.combustibileDett);
    // The rates come as single precision and their quotients stay so.
    const float d = in.tassoScontoDett / 100;
    const float i = in.tassoInflazione / 100;
    const float e = in.tassoAumentoDett / 100;
    const float r = (d - i) / (1 + i);
    const float aumentoReale = (e - i) / (1 + i);

    const double n = in.durataImpiantoDett;
    const double costoCentesimi = in.costoImpianto * 100;
    const double crescita = r == 0 ? 0.0 : std::pow(double(1 + r), n) - 1;
    eco.costoAnnuoSolare = crescita == 0 ? costoCentesimi / n
                                         : (r + r / crescita) * in.costoImpianto * 100;
    // Without solar energy there is nothing to price per unit.
    eco.costoSolareDefinito = energiaUtile > 0;
    const double costoSolareUnita = eco.costoSolareDefinito
        ? intero((eco.costoAnnuoSolare / energiaUtile) * energiaUnita)
        : 0.0;

    eco.durata = n;
    eco.anni = std::clamp(int(std::floor(n)), 0, 100);
    double bilancioCumulato = 0;
    for (int y = 1; y <= eco.anni; ++y) {
        const double costoEnergiaAnno = in.costoCombustibile * std::pow(double(1 + aumentoReale), y - 1);
        const double risparmioAnno = (costoEnergiaAnno / energiaUnita) * energiaUtile - eco.costoAnnuoSolare;
        bilancioCumulato = risparmioAnno + bilancioCumulato;
        eco.costoAttuale[y] = intero(costoEnergiaAnno);
        eco.costoSolare[y] = costoSolareUnita;
        eco.bilancio[y] = intero(bilancioCumulato) / 100;
    }

    const float rNetto = (d - e) / (1 + e);
    const QString nonConveniente = QStringLiteral("Investimento non conveniente.");
    eco.anniRecupero = 0;
    if (!(energiaUtile > 0)) {
        eco.tempoRecupero = nonConveniente;
        return;
    }
    const double argomento = 1 - (((rNetto * in.costoImpianto * 100) * energiaUnita) / in.costoCombustibile) / energiaUtile;
    if (argomento <= 0) {
        eco.tempoRecupero = nonConveniente;
        return;
    }
    eco.anniRecupero = rNetto == 0
        ? (((in.costoImpianto * 100) * energiaUnita) / energiaUtile) / in.costoCombustibile
        : -std::log(argomento) / std::log(double(1 + rNetto));
    eco.tempoRecupero = testoRecupero(eco.anniRecupero);
}

} // namespace calcoli
