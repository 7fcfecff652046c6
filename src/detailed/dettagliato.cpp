#include "detailed/dettagliato.h"

#include "climate/datiClimatici.h"
#include "climate/elencoLocalita.h"
#include "platform/controlli.h"
#include "platform/modulo.h"
#include "base/ModKorvel.h"

dettagliato::dettagliato() : FinestraLavoro(6)
{
    loc = new Elenco(area(), QStringLiteral("loc"));
    Finestra::posa(loc, 2400, 960, 3255, 315);

    Frame1 = modulo::riquadro(area(), QStringLiteral("Frame1"), QStringLiteral("Uso dell'impianto"),
                              {6360, 960, 3015, 1335}, QStringLiteral("scegliere la tipologia di impianto da realizzare"));
    sceltaLocalita_ = new ElencoLocalita(loc, nullptr, [this] { return !Frame1->isEnabled(); });
}

void dettagliato::caricaFinestra()
{
    ModKorvel::caricaLocalita();
    sceltaLocalita_->riempi();
    // Locked until a town is chosen.
    Frame1->setEnabled(false);
}
