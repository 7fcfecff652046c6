// Test main of the core: a GUI application object (offscreen) so that fonts and text
// layout work; the numbers use the C locale unless a test pins another one.
#include "base/numeri.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    numeri::impostaLocale(QLocale::c());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
