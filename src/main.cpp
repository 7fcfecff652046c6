// Korvel: sizing of solar thermal collector plants.
#include "shell/avvio.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvel"));
    QApplication::setOrganizationName(QStringLiteral("Korvel"));
    QApplication::setQuitOnLastWindowClosed(false);
    avviaProgramma();
    return QApplication::exec();
}
