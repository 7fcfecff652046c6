#include "shell/avvio.h"

#include "platform/finestra.h"
#include "report/finestraDocumento.h"
#include "shell/ModKorvel.h"
#include "shell/frmSplash.h"

void avviaProgramma()
{
    ModKorvel::caricaStudio();
    modelloFinestre::impostaUscitaAutomatica(true);
    // Every report opens its document in a window of its own.
    finestraDocumento::installa();
    // The title screen is the program's first window.
    mostra<frmSplash>();
}
