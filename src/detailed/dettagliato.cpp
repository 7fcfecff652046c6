#include "detailed/dettagliato.h"

#include "climate/datiClimatici.h"
#include "climate/tabella.h"
#include "platform/controlli.h"
#include "base/ModKorvel.h"

dettagliato::dettagliato() : FinestraLavoro(6)
{
    loc = new Elenco(area(), QStringLiteral("loc"));
    Finestra::posa(loc, 2400, 960, 3255, 315);
    connect(loc, &Elenco::Click, this, &dettagliato::loc_Click);

    Frame1 = new Cornice(area(), QStringLiteral("Frame1"), QStringLiteral("Uso dell'impianto"));
    Finestra::posa(Frame1, 6360, 960, 3015, 1335);
    Frame1->setToolTip(QStringLiteral("scegliere la tipologia di impianto da realizzare"));
}

void dettagliato::caricaFinestra()
{
    ModKorvel::caricaLocalita();
    for (int i = 1; i <= ModKorvel::totaleLocalita; ++i)
        loc->AddItem(ModKorvel::localita[i]);
    // Locked until a town is chosen.
    Frame1->setEnabled(false);
}

void dettagliato::loc_Click()
{
    if (loc->ListIndex() == -1)
        loc->setListIndex(0);
    ModKorvel::numLocalita = loc->ListIndex() + 1;
    finestra<tabella>().VScroll1->setValue(ModKorvel::numLocalita);
    ModKorvel::scegliLocalita();
}
