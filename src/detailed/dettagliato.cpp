#include "detailed/dettagliato.h"

#include "climate/datiClimatici.h"
#include "climate/elencoLocalita.h"
#include "platform/controlli.h"
#include "platform/modulo.h"
#include "base/ModKorvel.h"
#include "transmittance/datiTrasmittanza.h"

dettagliato::dettagliato() : FinestraLavoro(6)
{
    loc = new Elenco(area(), QStringLiteral("loc"));
    Finestra::posa(loc, 2400, 960, 3255, 315);

    Frame1 = modulo::riquadro(area(), QStringLiteral("Frame1"), QStringLiteral("Uso dell'impianto"),
                              {6360, 960, 3015, 1335}, QStringLiteral("scegliere la tipologia di impianto da realizzare"));
    sceltaLocalita_ = new ElencoLocalita(loc, nullptr, [this] { return !Frame1->isEnabled(); });

    Frame5 = modulo::riquadro(area(), QStringLiteral("Frame5"), QStringLiteral("Trasmittanza dell'edificio (W/°K)."),
                              {3240, 3360, 3000, 1095},
                              QStringLiteral("la trasmittanza totale dell'edificio espressa in Watt su gradi centigradi "
                                             "Kelvin"));
    trasm = modulo::casella(Frame5, QStringLiteral("trasm"), {120, 435, 1695, 315});
    ver = new Pulsante(Frame5, QStringLiteral("ver"), QStringLiteral("calcola"));
    Finestra::posa(ver, 1935, 405, 1035, 375);
    ver->setToolTip(QStringLiteral("cliccare per calcolare la trasmittanza dell'edificio"));
    connect(ver, &Pulsante::Click, this, &dettagliato::ver_Click);
}

void dettagliato::ver_Click()
{
    ModKorvel::chiamanteTrasm = 2;
    mostraFinestraNumero(3);
}

void dettagliato::caricaFinestra()
{
    ModKorvel::caricaLocalita();
    sceltaLocalita_->riempi();
    // Locked until a town is chosen.
    Frame1->setEnabled(false);
}
