// The town choice shared by the three town choosers: the climate table's scroll bar
// and the lists of the feasibility and detailed windows.
#include "climate/datiClimatici.h"
#include "climate/tabella.h"
#include "detailed/dettagliato.h"
#include "feasibility/fattib.h"
#include "platform/messaggi.h"
#include "base/ModKorvel.h"

namespace ModKorvel {

void scegliLocalita()
{
    fattib& fattibilita = finestra<fattib>();
    if (fattibilita.localitaFuoriElenco()) {
        piattaforma::msgBox(QStringLiteral("Attenzione: scegliere i dati dalla lista preimpostata."),
                            piattaforma::vbCritical, titoloControllo);
        fattibilita.cancellaLocalitaDigitata();
        return;
    }
    fattibilita.abilitaUso();
    finestra<dettagliato>().abilitaUso();

    caricaDatiClimatici();

    // The shown number, name and record all belong to the town that was loaded.
    const int n = localitaValida(numLocalita);
    finestra<tabella>().mostraDatiLocalita(n);

    fattibilita.mostraNomeLocalita(localita[n]);
}

} // namespace ModKorvel
