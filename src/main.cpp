// Korvel: sizing of solar thermal collector plants.
#include "shell/avvio.h"
#include "shell/fileProgramma.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvel"));
    QApplication::setOrganizationName(QStringLiteral("Korvel"));
    // The desktop matches the windows to the menu entry, and so to its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.example.korvel"));
    // An installation check: where the files read by name are found; no window opens.
    if (QCoreApplication::arguments().contains(fileProgramma::opzioneVerifica))
        return fileProgramma::verifica();
    QApplication::setQuitOnLastWindowClosed(false);
    avviaProgramma();
    return QApplication::exec();
}
