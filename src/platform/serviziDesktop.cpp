// Installs the desktop services of the running program.
#include "platform/serviziDesktop.h"

#include "platform/musicaFluid.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QLibraryInfo>
#include <QTranslator>
#include <QUrl>

namespace piattaforma {

bool DesktopQt::apriIndirizzo(const QString& indirizzo)
{
    const QString testo = indirizzo.trimmed();
    if (testo.isEmpty())
        return false;
    // "www.…" without a scheme is a web page; "mailto:…" and full addresses stand as they are.
    QUrl url(testo, QUrl::TolerantMode);
    if (url.scheme().isEmpty())
        url = QUrl::fromUserInput(testo);
    return url.isValid() && QDesktopServices::openUrl(url);
}

void installaServiziDesktop()
{
    static MessaggiDesktop messaggiDesktop;
    static DialoghiDesktop dialoghiDesktop;
    static DesktopQt desktopQt;
    static MusicaFluidSynth* musicaDesktop = nullptr;
    impostaMessaggi(&messaggiDesktop);
    impostaDialoghi(&dialoghiDesktop);
    impostaDesktop(&desktopQt);
    if (!musicaDesktop) {
        musicaDesktop = new MusicaFluidSynth;
        impostaMusica(musicaDesktop);
        // The tune stops with the program, before the libraries it uses go away.
        if (auto* app = QCoreApplication::instance()) {
            QObject::connect(app, &QCoreApplication::aboutToQuit, app, [] {
                impostaMusica(nullptr);
                delete musicaDesktop;
                musicaDesktop = nullptr;
            });
        }
    }
    // The toolkit's own texts (file dialog, colour dialog, context menus) in Italian.
    static QTranslator* traduttore = nullptr;
    if (!traduttore && QCoreApplication::instance()) {
        traduttore = new QTranslator(QCoreApplication::instance());
        if (traduttore->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(traduttore);
    }
}

} // namespace piattaforma
