// Event rules of the controls: which settings run a handler and which do not.
#include "platform/controlli.h"
#include "support/barre.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QWheelEvent>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct Contatore {
    int volte = 0;
    void operator()() { ++volte; }
};

TEST(Elenco, SettingThePositionRunsClickOnlyWhenItChanges)
{
    QWidget finestra;
    Elenco lista(&finestra, QStringLiteral("loc"));
    int click = 0;
    QObject::connect(&lista, &Elenco::Click, [&] { ++click; });
    for (const char* voce : {"Bolzano", "Belluno", "Trento"})
        lista.AddItem(QString::fromLatin1(voce));
    EXPECT_EQ(lista.ListIndex(), -1) << "filling a list selects nothing";
    EXPECT_EQ(click, 0);

    lista.setListIndex(1);
    EXPECT_EQ(click, 1);
    lista.setListIndex(1);
    EXPECT_EQ(click, 1) << "the same position again runs nothing";
    lista.setListIndex(2);
    EXPECT_EQ(click, 2);
    EXPECT_EQ(lista.Text(), QStringLiteral("Trento"));

    lista.Clear();
    EXPECT_EQ(click, 2) << "clearing runs nothing";
    EXPECT_EQ(lista.ListIndex(), -1);
}

TEST(Elenco, TextSignalsOfTheComboDoNotCountAsClicks)
{
    QWidget finestra;
    Elenco lista(&finestra);
    lista.AddItem(QStringLiteral("a"));
    lista.AddItem(QStringLiteral("b"));
    int click = 0;
    QObject::connect(&lista, &Elenco::Click, [&] { ++click; });
    QSignalSpy testo(&lista, &QComboBox::currentTextChanged);
    lista.setListIndex(0);
    lista.setItemText(0, QStringLiteral("A"));
    EXPECT_EQ(click, 1);
    EXPECT_GE(testo.count(), 1);
}

TEST(Elenco, OutOfRangePositionMeansNone)
{
    QWidget finestra;
    Elenco lista(&finestra);
    lista.AddItem(QStringLiteral("a"));
    lista.setListIndex(0);
    lista.setListIndex(5);
    EXPECT_EQ(lista.ListIndex(), -1);
}

TEST(CasellaTesto, SettingTheTextRunsChangeOnlyWhenItDiffers)
{
    QWidget finestra;
    CasellaTesto casella(&finestra, QStringLiteral("trasm"));
    int change = 0;
    QObject::connect(&casella, &CasellaTesto::Change, [&] { ++change; });
    casella.setText(QStringLiteral("12.5"));
    EXPECT_EQ(change, 1);
    casella.setText(QStringLiteral("12.5"));
    EXPECT_EQ(change, 1);
    casella.setText(QString());
    EXPECT_EQ(change, 2);
    casella.setText(QString());
    EXPECT_EQ(change, 2);
    // Also through the toolkit's own setter.
    static_cast<QLineEdit&>(casella).setText(QStringLiteral("3"));
    static_cast<QLineEdit&>(casella).setText(QStringLiteral("3"));
    EXPECT_EQ(change, 3);
}

TEST(CasellaTesto, ALongTextIsKeptWhole)
{
    QWidget finestra;
    CasellaTesto casella(&finestra, QStringLiteral("allegati"));
    const QString lungo(100000, QLatin1Char('x'));
    casella.setText(lungo);
    EXPECT_EQ(casella.Text().size(), lungo.size());
    casella.end(false);
    QTest::keyClicks(&casella, QStringLiteral("yz"));
    EXPECT_EQ(casella.Text(), lungo + QStringLiteral("yz")) << "and the user can still type at its end";
}

TEST(CasellaTesto, AChangeHandlerThatRewritesItsOwnTextSettles)
{
    // The numeric filter writes its result back from inside the change handler.
    QWidget finestra;
    CasellaTesto casella(&finestra);
    int change = 0;
    QObject::connect(&casella, &CasellaTesto::Change, [&] {
        ++change;
        QString t = casella.Text();
        t.replace(QLatin1Char(','), QLatin1Char('.'));
        casella.setText(t);
    });
    casella.setText(QStringLiteral("1,5"));
    EXPECT_EQ(casella.Text(), QStringLiteral("1.5"));
    EXPECT_EQ(change, 2);
}

TEST(BarraScorrimento, SettingTheValueRunsChangeOnlyWhenItChanges)
{
    QWidget finestra;
    BarraScorrimento barra(Qt::Vertical, &finestra, QStringLiteral("VScroll1"));
    barra.setMin(1);
    barra.setMax(64);
    int change = 0;
    QObject::connect(&barra, &BarraScorrimento::Change, [&] { ++change; });
    barra.setValue(17);
    EXPECT_EQ(change, 1);
    barra.setValue(17);
    EXPECT_EQ(change, 1);
    barra.setValue(200);
    EXPECT_EQ(barra.Value(), 64) << "kept within the range";
    EXPECT_EQ(change, 2);
}

void rotella(QWidget& w, int gradiOttavi)
{
    QWheelEvent evento(QPointF(5, 5), w.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, gradiOttavi), Qt::NoButton,
                       Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&w, &evento);
}

TEST(BarraScorrimento, KeysAndWheelMoveTowardsTheEndTheyPointAt)
{
    QWidget finestra;
    BarraScorrimento barra(Qt::Vertical, &finestra);
    barra.setMin(0);
    barra.setMax(100);
    barra.setSmallChange(1);
    barra.setLargeChange(10);
    barra.setValue(50);
    int change = 0;
    QObject::connect(&barra, &BarraScorrimento::Change, [&] { ++change; });
    QTest::keyClick(&barra, Qt::Key_Down);
    EXPECT_EQ(barra.Value(), 51) << "down moves towards Max at the bottom";
    QTest::keyClick(&barra, Qt::Key_PageUp);
    EXPECT_EQ(barra.Value(), 41);
    EXPECT_EQ(change, 2) << "the user's moves run Change too";
    rotella(barra, -120);
    EXPECT_EQ(barra.Value(), 44) << "the wheel turned towards the user scrolls down";
}

TEST(BarraScorrimento, MinAboveMaxKeepsMinAtTheTopAndValuesInRange)
{
    QWidget finestra;
    BarraScorrimento barra(Qt::Vertical, &finestra);
    barra.setMin(100);
    barra.setMax(0);
    EXPECT_EQ(barra.Value(), 100);
    EXPECT_EQ(barra.sliderPosition(), barra.minimum()) << "Min stands at the top";
    barra.setValue(30);
    EXPECT_EQ(barra.Value(), 30);
    barra.setValue(-5);
    EXPECT_EQ(barra.Value(), 0);
    barra.setValue(500);
    EXPECT_EQ(barra.Value(), 100);
    barra.setValue(30);
    QTest::keyClick(&barra, Qt::Key_Down);
    EXPECT_EQ(barra.Value(), 29) << "down moves towards Max, here the smaller value";
}

TEST(BarraScorrimento, ARangeThatExcludesTheValueMovesItWithOneChange)
{
    QWidget finestra;
    BarraScorrimento barra(Qt::Vertical, &finestra);
    barra.setMin(0);
    barra.setMax(100);
    barra.setValue(50);
    int change = 0;
    QObject::connect(&barra, &BarraScorrimento::Change, [&] { ++change; });
    barra.setMax(20);
    EXPECT_EQ(barra.Value(), 20);
    EXPECT_EQ(change, 1);
    barra.setMax(20);
    barra.setMin(0);
    EXPECT_EQ(change, 1);
    // Turning the range round keeps a value that is still inside it.
    barra.setValue(5);
    change = 0;
    barra.setMin(30);
    EXPECT_EQ(barra.Value(), 20) << "Min 30, Max 20: the value comes into 20..30";
    EXPECT_EQ(change, 1);
    barra.setMax(0);
    EXPECT_EQ(barra.Value(), 20);
    barra.setValue(5);
    change = 0;
    barra.setMax(-10);
    EXPECT_EQ(barra.Value(), 5);
    EXPECT_EQ(change, 0);
}

TEST(Contrasto, KnownPairs)
{
    EXPECT_NEAR(controlli::contrasto(Qt::black, Qt::white), 21.0, 0.01);
    EXPECT_NEAR(controlli::contrasto(Qt::white, Qt::black), 21.0, 0.01);
    EXPECT_NEAR(controlli::contrasto(QColor(128, 128, 128), Qt::white), 3.95, 0.01);
    EXPECT_NEAR(controlli::contrasto(QColor(208, 208, 208), QColor(128, 128, 128)), 2.56, 0.01);
    EXPECT_DOUBLE_EQ(controlli::contrasto(QColor(10, 200, 30), QColor(10, 200, 30)), 1.0);
}

TEST(BarraScorrimento, EveryLengthKeepsATroughBesideASmallThumb)
{
    // The shortest bars of the windows: 17 x 49 and 16 x 98 pixels.
    const auto corta = controlli::disposizioneBarra(49, 17);
    EXPECT_GE(49 - 2 * corta.freccia - corta.cursore, 2 * corta.cursore) << "room for a page step either side";
    EXPECT_GE(corta.freccia, 8) << "arrows still big enough to hit";
    EXPECT_EQ(controlli::disposizioneBarra(193, 33).cursore, 32) << "square at most";
    for (int lunghezza = 0; lunghezza <= 600; ++lunghezza) {
        for (int spessore : {1, 8, 16, 17, 33, 60}) {
            const auto d = controlli::disposizioneBarra(lunghezza, spessore);
            const int solco = lunghezza - 2 * d.freccia;
            ASSERT_GE(d.freccia, 0);
            ASSERT_LE(d.freccia, spessore);
            ASSERT_LE(d.cursore, std::max(spessore, lunghezza / 3)) << lunghezza << " " << spessore;
            ASSERT_GE(solco, d.cursore) << lunghezza << " " << spessore;
            if (lunghezza >= 12) {
                ASSERT_GE(solco - d.cursore, d.cursore) << lunghezza << " " << spessore;
            }
        }
    }
}

// A bar in a shown window, at the size of the feasibility window's bars.
class BarraVera : public ::testing::Test {
protected:
    void SetUp() override
    {
        finestra.resize(200, 200);
        barra.setGeometry(10, 10, 17, 49);
        barra.impostaIntervallo(10, 32000, 5, 50);
        altro.setGeometry(50, 10, 100, 20);
        finestra.show();
        finestra.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&finestra));
        altro.setFocus();
    }
    QWidget finestra;
    BarraScorrimento barra{Qt::Vertical, &finestra, QStringLiteral("VScroll1")};
    QLineEdit altro{&finestra};
};

TEST_F(BarraVera, AClickBesideTheThumbPagesAndGivesTheBarTheKeys)
{
    const QRect cursore = barra.parte(QStyle::SC_ScrollBarSlider);
    EXPECT_LT(cursore.height(), 12) << "a small thumb";
    ASSERT_TRUE(cliccaSottoIlCursore(barra));
    EXPECT_EQ(barra.Value(), 60);
    EXPECT_TRUE(barra.hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    EXPECT_EQ(barra.Value(), 110);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(barra.Value(), 115);
    // Above the thumb pages back; the arrows still step by SmallChange.
    barra.setValue(16000);
    const QRect sopra = barra.parte(QStyle::SC_ScrollBarSubPage);
    ASSERT_GE(sopra.height(), 4);
    QTest::mouseClick(&barra, Qt::LeftButton, {}, sopra.center());
    EXPECT_EQ(barra.Value(), 15950);
    QTest::mouseClick(&barra, Qt::LeftButton, {}, barra.parte(QStyle::SC_ScrollBarAddLine).center());
    EXPECT_EQ(barra.Value(), 15955);
}

TEST_F(BarraVera, TheThumbCanBeDraggedToEitherEnd)
{
    int change = 0;
    QObject::connect(&barra, &BarraScorrimento::Change, [&] { ++change; });
    const QPoint presa = barra.parte(QStyle::SC_ScrollBarSlider).center();
    const QRect solco = barra.parte(QStyle::SC_ScrollBarGroove);
    QTest::mousePress(&barra, Qt::LeftButton, {}, presa);
    QTest::mouseMove(&barra, QPoint(presa.x(), presa.y() + solco.height() / 2));
    QTest::mouseMove(&barra, QPoint(presa.x(), solco.bottom() + 20));
    QTest::mouseRelease(&barra, Qt::LeftButton, {}, QPoint(presa.x(), solco.bottom() + 20));
    EXPECT_EQ(barra.Value(), 32000);
    EXPECT_GE(change, 1);
    const QPoint giu = barra.parte(QStyle::SC_ScrollBarSlider).center();
    QTest::mousePress(&barra, Qt::LeftButton, {}, giu);
    QTest::mouseMove(&barra, QPoint(giu.x(), -20));
    QTest::mouseRelease(&barra, Qt::LeftButton, {}, QPoint(giu.x(), -20));
    EXPECT_EQ(barra.Value(), 10);
}

TEST(PulsanteOpzione, AUserClickRunsClick)
{
    QWidget finestra;
    PulsanteOpzione uno(&finestra, QStringLiteral("Option1"), QStringLiteral("uno"));
    PulsanteOpzione due(&finestra, QStringLiteral("Option2"), QStringLiteral("due"));
    uno.setGeometry(0, 0, 80, 20);
    due.setGeometry(0, 30, 80, 20);
    finestra.show();
    int clickUno = 0, clickDue = 0;
    QObject::connect(&uno, &PulsanteOpzione::Click, [&] { ++clickUno; });
    QObject::connect(&due, &PulsanteOpzione::Click, [&] { ++clickDue; });
    QTest::mouseClick(&uno, Qt::LeftButton, {}, QPoint(8, 10));
    EXPECT_EQ(clickUno, 1);
    EXPECT_TRUE(uno.Value());
    QTest::mouseClick(&due, Qt::LeftButton, {}, QPoint(8, 10));
    EXPECT_EQ(clickDue, 1);
    EXPECT_FALSE(uno.Value());
}

TEST(Etichetta, AClickAndTheMouseOverItRunTheirHandlers)
{
    QWidget finestra;
    Etichetta etichetta(&finestra, QStringLiteral("passo"), QStringLiteral("testo"));
    etichetta.setGeometry(0, 0, 100, 20);
    finestra.show();
    int click = 0, movimenti = 0;
    QObject::connect(&etichetta, &Etichetta::Click, [&] { ++click; });
    QObject::connect(&etichetta, &Etichetta::MouseMove, [&] { ++movimenti; });
    QTest::mouseClick(&etichetta, Qt::LeftButton);
    QTest::mouseClick(&etichetta, Qt::RightButton);
    EXPECT_EQ(click, 1) << "only the left button clicks";
    QTest::mouseMove(&etichetta, QPoint(10, 5));
    QTest::mouseMove(&etichetta, QPoint(20, 5));
    EXPECT_GE(movimenti, 1);
    EXPECT_EQ(etichetta.objectName(), QStringLiteral("passo"));
}

TEST(PulsanteOpzione, SettingTrueRunsClickAndFalseRunsNothing)
{
    QWidget finestra;
    PulsanteOpzione uno(&finestra, QStringLiteral("Option1"), QStringLiteral("uno"));
    PulsanteOpzione due(&finestra, QStringLiteral("Option2"), QStringLiteral("due"));
    int clickUno = 0, clickDue = 0;
    QObject::connect(&uno, &PulsanteOpzione::Click, [&] { ++clickUno; });
    QObject::connect(&due, &PulsanteOpzione::Click, [&] { ++clickDue; });

    uno.setValue(true);
    EXPECT_TRUE(uno.Value());
    EXPECT_EQ(clickUno, 1);
    due.setValue(true);
    EXPECT_FALSE(uno.Value()) << "the group stays exclusive";
    EXPECT_EQ(clickDue, 1);
    EXPECT_EQ(clickUno, 1);

    due.setValue(false);
    EXPECT_FALSE(due.Value()) << "the selected button of a group can be cleared";
    EXPECT_FALSE(uno.Value());
    EXPECT_EQ(clickDue, 1);

    uno.setValue(true);
    EXPECT_TRUE(uno.Value()) << "the group is still exclusive after clearing";
    due.setValue(true);
    EXPECT_FALSE(uno.Value());
}

} // namespace

