// The resize helper: sizing to a share of the screen and proportional rescaling
// from the recorded layout, with the Tag anchors.
#include "platform/controlli.h"
#include "platform/finestra.h"
#include "shell/clsResize.h"

#include <QLineEdit>
#include <QPointer>
#include <gtest/gtest.h>

namespace {

QRect inTwipsRect(const QWidget* w)
{
    const QRect g = w->geometry();
    return QRect(int(inTwips(g.x())), int(inTwips(g.y())), int(inTwips(g.width())), int(inTwips(g.height())));
}

// A window of 9600 x 6000 twips with a few controls at design positions.
struct Prova : ::testing::Test {
    Prova()
    {
        clsResize::impostaSchermo(QSize(15360, 11520));
        finestra = new Finestra;
        finestra->impostaDimensioniTwips(9600, 6000);
        libero = new Etichetta(finestra->area(), QStringLiteral("libero"), QStringLiteral("x"));
        Finestra::posa(libero, 600, 900, 1500, 300);
        fermo = new Etichetta(finestra->area(), QStringLiteral("fermo"));
        Finestra::posa(fermo, 300, 450, 1200, 600);
        controlli::impostaTag(fermo, QStringLiteral("@"));
        mobile = new Etichetta(finestra->area(), QStringLiteral("mobile"));
        Finestra::posa(mobile, 1200, 1500, 900, 450);
        controlli::impostaTag(mobile, QStringLiteral("@l,t"));
        ignorato = new Etichetta(finestra->area(), QStringLiteral("ignorato"));
        Finestra::posa(ignorato, 3000, 3000, 1500, 1500);
        controlli::impostaTag(ignorato, QStringLiteral("nota dello sviluppatore"));
        anonimo = new QWidget(finestra->area());
        Finestra::posa(anonimo, 150, 150, 300, 300);
        interno = new QWidget(finestra->area());
        interno->setObjectName(QStringLiteral("qt_interno"));
        Finestra::posa(interno, 150, 150, 300, 300);

        helper.setSourceForm(finestra);
    }
    ~Prova() override
    {
        delete finestra;
        clsResize::impostaSchermo(QSize());
    }
    void dimensioni(int larghezza, int altezza)
    {
        finestra->impostaDimensioniTwips(larghezza, altezza);
        helper.ResizeControls();
    }

    Finestra* finestra = nullptr;
    Etichetta* libero = nullptr;
    Etichetta* fermo = nullptr;
    Etichetta* mobile = nullptr;
    Etichetta* ignorato = nullptr;
    QWidget* anonimo = nullptr;
    QWidget* interno = nullptr;
    clsResize helper;
};

TEST_F(Prova, SizeFormToScreenPlacesTheWindowAtAnEighthOfTheScreen)
{
    helper.SizeFormToScreen(75);
    EXPECT_EQ(inTwips(finestra->height()), 8640);
    EXPECT_EQ(inTwips(finestra->width()), 11520);
    EXPECT_EQ(inTwips(finestra->y()), 1440);
    EXPECT_EQ(inTwips(finestra->x()), 1920);

    // The load preamble: then the design size, corner kept.
    finestra->impostaDimensioniTwips(9600, 6825);
    helper.ResizeControls();
    EXPECT_EQ(inTwips(finestra->width()), 9600);
    EXPECT_EQ(inTwips(finestra->height()), 6825);
    EXPECT_EQ(QPoint(int(inTwips(finestra->x())), int(inTwips(finestra->y()))), QPoint(1920, 1440));
}

TEST_F(Prova, SizeFormToScreenRecordsTheDesignLayoutFirst)
{
    helper.SizeFormToScreen(75);
    // 11520 / 9600 = 1.2 across, 8640 / 6000 = 1.44 down, to the nearest pixel.
    const QRect g = inTwipsRect(libero);
    EXPECT_EQ(g.x(), 720);
    EXPECT_EQ(g.width(), 1800);
    EXPECT_NEAR(g.y(), 1296, 8);
    EXPECT_NEAR(g.height(), 432, 8);
    dimensioni(9600, 6000);
    EXPECT_EQ(inTwipsRect(libero), QRect(600, 900, 1500, 300)) << "back at design size, back at design layout";
}

TEST_F(Prova, DoublingDoublesEveryMeasureAndShrinkingRestoresThemExactly)
{
    helper.ResizeControls(); // the first call only records
    EXPECT_EQ(inTwipsRect(libero), QRect(600, 900, 1500, 300));

    dimensioni(19200, 12000);
    EXPECT_EQ(inTwipsRect(libero), QRect(1200, 1800, 3000, 600));
    EXPECT_EQ(inTwipsRect(ignorato), QRect(6000, 6000, 3000, 3000)) << "a Tag without '@' counts as full rescaling";

    // Many odd sizes in between: rescaling always starts from the record.
    for (int passo = 1; passo <= 7; ++passo)
        dimensioni(9600 + 1234 * passo, 6000 + 777 * passo);
    dimensioni(9600, 6000);
    EXPECT_EQ(inTwipsRect(libero), QRect(600, 900, 1500, 300));
    EXPECT_EQ(inTwipsRect(mobile), QRect(1200, 1500, 900, 450));
    EXPECT_EQ(inTwipsRect(ignorato), QRect(3000, 3000, 1500, 1500));
}

TEST_F(Prova, TagAnchorsRestrictTheRescaledMeasures)
{
    helper.ResizeControls();
    dimensioni(19200, 12000);
    EXPECT_EQ(inTwipsRect(fermo), QRect(300, 450, 1200, 600)) << "'@' freezes the control";
    EXPECT_EQ(inTwipsRect(mobile), QRect(2400, 3000, 900, 450)) << "'@l,t' moves it without resizing";
}

TEST_F(Prova, ToolkitChildrenAreNeverTouched)
{
    helper.ResizeControls();
    dimensioni(19200, 12000);
    EXPECT_EQ(inTwipsRect(anonimo), QRect(150, 150, 300, 300));
    EXPECT_EQ(inTwipsRect(interno), QRect(150, 150, 300, 300));
}

TEST_F(Prova, NothingMovesWhileMinimised)
{
    finestra->show();
    helper.ResizeControls();
    finestra->showMinimized();
    if (!finestra->isMinimized())
        GTEST_SKIP() << "the platform cannot minimise";
    finestra->impostaDimensioniTwips(19200, 12000);
    helper.ResizeControls();
    EXPECT_EQ(inTwipsRect(libero), QRect(600, 900, 1500, 300));
}

TEST_F(Prova, ReInitialiseRecordsThePresentLayout)
{
    helper.ResizeControls();
    dimensioni(19200, 12000);
    helper.ReInitialise(); // the doubled layout becomes the record
    dimensioni(9600, 6000);
    EXPECT_EQ(inTwipsRect(libero), QRect(600, 900, 1500, 300));
    dimensioni(19200, 12000);
    EXPECT_EQ(inTwipsRect(libero), QRect(1200, 1800, 3000, 600));
}

TEST_F(Prova, ControlsGoneOrAddedSinceTheRecordingAreHandled)
{
    helper.ResizeControls();
    delete libero;
    libero = nullptr;
    dimensioni(19200, 12000); // no crash on the deleted control
    EXPECT_EQ(inTwipsRect(ignorato), QRect(6000, 6000, 3000, 3000));

    dimensioni(9600, 6000);
    auto* nuovo = new QLineEdit(finestra->area());
    nuovo->setObjectName(QStringLiteral("nuovo"));
    Finestra::posa(nuovo, 900, 1200, 600, 300);
    helper.ResizeControls(); // at the recorded size: the new control joins the record
    dimensioni(19200, 12000);
    EXPECT_EQ(inTwipsRect(nuovo), QRect(1800, 2400, 1200, 600));
}

TEST(clsResize, ControlsBuiltAfterARecordingOfNoneStillJoinTheRecord)
{
    clsResize::impostaSchermo(QSize(15360, 11520));
    Finestra finestra;
    finestra.impostaDimensioniTwips(9600, 6000);
    clsResize helper;
    helper.setSourceForm(&finestra);
    helper.SizeFormToScreen(75); // the design size recorded while the window is still empty

    auto* tardivo = new Etichetta(finestra.area(), QStringLiteral("tardivo"));
    Finestra::posa(tardivo, 600, 900, 1500, 300);
    finestra.impostaDimensioniTwips(9600, 6000);
    helper.ResizeControls(); // back at the recorded size: the control joins
    finestra.impostaDimensioniTwips(19200, 12000);
    helper.ResizeControls();
    EXPECT_EQ(inTwipsRect(tardivo), QRect(1200, 1800, 3000, 600));
    clsResize::impostaSchermo(QSize());
}

TEST(clsResize, AWindowWithoutSizeOrWithoutControlsIsNoTrouble)
{
    Finestra vuota;
    auto* c = new Etichetta(vuota.area(), QStringLiteral("c"));
    Finestra::posa(c, 150, 150, 300, 300);
    vuota.area()->setFixedSize(0, 0); // a client area with nothing to scale from
    clsResize helper;
    helper.ResizeControls(); // no window yet
    helper.setSourceForm(&vuota);
    helper.ResizeControls(); // records the zero-sized client area
    vuota.area()->setMinimumSize(0, 0);
    vuota.area()->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    vuota.impostaDimensioniTwips(3000, 3000);
    helper.ResizeControls(); // must not divide by the zero record: records anew
    EXPECT_EQ(inTwipsRect(c), QRect(150, 150, 300, 300));
    vuota.impostaDimensioniTwips(6000, 6000);
    helper.ResizeControls();
    EXPECT_EQ(inTwipsRect(c), QRect(300, 300, 600, 600));

    Finestra senzaControlli;
    clsResize altro;
    altro.setSourceForm(&senzaControlli);
    altro.SizeFormToScreen(50);
    altro.ResizeControls();
    EXPECT_EQ(altro.SourceForm(), &senzaControlli);
}

} // namespace
