// The windows from the keyboard: Tab reaches every scroll bar, since some inputs
// have no other control.
#include "base/ModKorvel.h"
#include "climate/tabella.h"
#include "detailed/dettagliato.h"
#include "detailed/risdettagliato.h"
#include "feasibility/fattib.h"
#include "feasibility/risultati.h"
#include "help/prodotti.h"
#include "platform/controlli.h"
#include "support/ambiente.h"
#include "support/doppi.h"
#include "transmittance/trasmitt.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The scroll bars of W in the order Tab visits them (disabled frames included: they
// open as the user goes on), after checking that Tab visits every one.
template <class W>
QStringList barreNelGiroDelTab()
{
    W& w = finestra<W>();
    QStringList barre;
    int passi = 0;
    for (QWidget* x = w.nextInFocusChain(); x != &w && passi < 5000; x = x->nextInFocusChain(), ++passi)
        if (auto* b = qobject_cast<BarraScorrimento*>(x); b && b->window() == &w && (b->focusPolicy() & Qt::TabFocus))
            barre << b->objectName();
    EXPECT_EQ(barre.size(), w.template findChildren<BarraScorrimento*>().size()) << w.objectName().toStdString();
    return barre;
}

struct Tastiera : ::testing::Test {
    Tastiera() { ModKorvel::inizializzaDati(); }
    ~Tastiera() override { ambiente::ripristinaFinestre(); }
    doppi::Messaggi messaggi;
};

} // namespace

TEST_F(Tastiera, TabReachesEveryScrollBarInTheOrderOfItsFrame)
{
    EXPECT_EQ(barreNelGiroDelTab<fattib>(), (QStringList{"VScroll1", "VScroll2", "VScroll4", "VScroll5"}));
    EXPECT_EQ(barreNelGiroDelTab<dettagliato>(), (QStringList{"VScroll1", "VScroll2", "VScroll3", "VScroll4", "VScroll5",
                                                              "HScroll1", "HScroll2", "HScroll3"}));
    EXPECT_EQ(barreNelGiroDelTab<risultati>(), (QStringList{"VScroll1", "VScroll2", "VScroll3", "VScroll4", "VScroll5"}));
    EXPECT_EQ(barreNelGiroDelTab<risdettagliato>(), QStringList{"VScroll1"});
    QStringList elementi;
    for (const char* griglia : {"1", "2"}) {
        for (int riga = 1; riga <= 5; ++riga)
            elementi << QStringLiteral("scrolla%1(%2)").arg(QLatin1String(griglia)).arg(riga);
        elementi << QStringLiteral("VScroll%1").arg(QLatin1String(griglia));
    }
    elementi << "scrollaes" << "scrollain";
    EXPECT_EQ(barreNelGiroDelTab<trasmitt>(), elementi);
    EXPECT_EQ(barreNelGiroDelTab<tabella>(), QStringList{"VScroll1"});
    EXPECT_EQ(barreNelGiroDelTab<prodotti>(), QStringList{"VScroll1"});

    // From the town, Tab goes on to the tilt, whose arrow keys then move it, and on to the azimuth.
    dettagliato& d = mostra<dettagliato>();
    d.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    d.loc->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), d.VScroll1);
    const int inclinazione = d.VScroll1->Value();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_NE(d.VScroll1->Value(), inclinazione);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), d.VScroll2);
}
