#include "shell/avvio.h"

#include "platform/finestra.h"
#include "shell/ModKorvel.h"

void avviaProgramma()
{
    ModKorvel::caricaStudio();
    modelloFinestre::impostaUscitaAutomatica(true);
}
