// Installs the desktop services of the running program.
#include "platform/serviziDesktop.h"

#include "platform/musicaFluid.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QLibraryInfo>
#include <QProcess>
#include <QTimer>
#include <QTranslator>
#include <QUrl>

#include <memory>

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

void DesktopQt::apriFile(const QString& percorso, std::function<void(bool)> esito)
{
    // No parent: the opener may outlive the window that asked, and a process object
    // destroyed while running kills its process. It deletes itself once it ends.
    auto* opener = new QProcess;
    opener->setProgram(QStringLiteral("xdg-open"));
    opener->setArguments({percorso});
    // No pipes: a program left running in the opener's foreground must not lose its
    // output channels when this program ends.
    opener->setStandardInputFile(QProcess::nullDevice());
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->setStandardErrorFile(QProcess::nullDevice());
    auto risposto = std::make_shared<bool>(false);
    auto rispondi = [risposto, esito = std::move(esito)](bool aperto) {
        if (*risposto)
            return;
        *risposto = true;
        if (esito)
            esito(aperto);
    };
    QObject::connect(opener, &QProcess::finished, opener, [opener, rispondi](int codice, QProcess::ExitStatus stato) {
        rispondi(stato == QProcess::NormalExit && codice == 0);
        opener->deleteLater();
    });
    QObject::connect(opener, &QProcess::errorOccurred, opener, [opener, rispondi](QProcess::ProcessError errore) {
        if (errore != QProcess::FailedToStart)
            return;
        rispondi(false);
        opener->deleteLater();
    });
    QTimer::singleShot(attesaMs_, opener, [rispondi] { rispondi(true); });
    opener->start();
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
