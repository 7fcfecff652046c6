#include "feasibility/fattib.h"

#include "climate/datiClimatici.h"
#include "climate/tabella.h"
#include "platform/controlli.h"
#include "shell/ModKorvel.h"

fattib::fattib() : FinestraLavoro(4)
{
    loc = new Elenco(area(), QStringLiteral("loc"));
    Finestra::posa(loc, 2640, 960, 3015, 315);
    connect(loc, &Elenco::Click, this, &fattib::loc_Click);

    Frame9 = new Cornice(area(), QStringLiteral("Frame9"), QStringLiteral("Uso dell'impianto"));
    Finestra::posa(Frame9, 6120, 960, 3015, 1095);
    Frame9->setToolTip(QStringLiteral("scegliere la tipologia di impianto da realizzare"));
}

void fattib::Form_Load()
{
    ModKorvel::inizializzaDati();
    preparaFinestra();
    setWindowTitle(QStringLiteral("Calcolo di fattibilità"));
    ModKorvel::caricaLocalita();
    for (int i = 1; i <= ModKorvel::totaleLocalita; ++i)
        loc->AddItem(ModKorvel::localita[i]);
    // Locked until a town is chosen.
    Frame9->setEnabled(false);
}

void fattib::loc_Click()
{
    if (loc->ListIndex() == -1)
        loc->setListIndex(0);
    ModKorvel::numLocalita = loc->ListIndex() + 1;
    finestra<tabella>().VScroll1->setValue(ModKorvel::numLocalita);
    ModKorvel::scegliLocalita();
}
