#include "shell/avvio.h"

#include "platform/finestra.h"
#include "platform/serviziDesktop.h"
#include "report/finestraDocumento.h"
#include "base/ModKorvel.h"
#include "shell/frmSplash.h"
#include "shell/immagini.h"
#include "shell/navigazione.h"

#include <QApplication>

void avviaProgramma()
{
    // Message boxes, dialogs, the tune and links on the desktop's own means.
    piattaforma::installaServiziDesktop();
    // Every window and message box shows the program's own icon.
    QApplication::setWindowIcon(immagini::iconaProgramma());
    ModKorvel::caricaStudio();
    modelloFinestre::impostaUscitaAutomatica(true);
    // The window table reaches every window through the hooks filled here.
    navigazione::installa();
    // Every report opens its document in a window of its own.
    finestraDocumento::installa();
    // The title screen is the program's first window.
    mostra<frmSplash>();
}
