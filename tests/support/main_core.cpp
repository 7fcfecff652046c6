// Test main of the core: a GUI application object (offscreen) so that fonts and text
// layout work; the numbers use the C locale unless a test pins another one.
#include "base/numeri.h"
#include "support/ambiente.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {
// After every test, whatever it left: the next one starts as the program does.
class Ripristino : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override { ambiente::ripristinaStato(); }
};
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    numeri::impostaLocale(QLocale::c());
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new Ripristino);
    return RUN_ALL_TESTS();
}
