#include "shell/avvio.h"

#include "platform/finestra.h"
#include "shell/ModKorvel.h"
#include "shell/frmSplash.h"

void avviaProgramma()
{
    ModKorvel::caricaStudio();
    modelloFinestre::impostaUscitaAutomatica(true);
    // The title screen is the program's first window.
    mostra<frmSplash>();
}
