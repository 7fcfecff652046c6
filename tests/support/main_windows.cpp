// Test main of the windows: a widgets application, offscreen.
#include "base/numeri.h"
#include "shell/navigazione.h"
#include "support/ambiente.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {
// After every test, whatever it left: the next one starts as the program does.
class Ripristino : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override { ambiente::ripristinaFinestre(); }
};
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    numeri::impostaLocale(QLocale::c());
    navigazione::installa();
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new Ripristino);
    return RUN_ALL_TESTS();
}
