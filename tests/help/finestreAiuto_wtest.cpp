// The help and information windows as the frame and the exit rely on them:
// captions, sizes and positions.
#include "help/frmTip.h"
#include "help/guide.h"
#include "help/informa.h"
#include "help/licenza.h"
#include "help/prodotti.h"
#include "help/sommario.h"
#include "help/supportoclienti.h"
#include "base/ModKorvel.h"
#include "shell/clsResize.h"

#include "support/ambiente.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

QRect inTwips(const QWidget& w)
{
    return QRect(int(::inTwips(w.x())), int(::inTwips(w.y())), int(::inTwips(w.width())), int(::inTwips(w.height())));
}

struct Aiuto : ::testing::Test {
    Aiuto()
    {
        ModKorvel::inizializzaDati();
        clsResize::impostaSchermo(QSize(15360, 11520));
    }
    ~Aiuto() override
    {
        ambiente::ripristinaFinestre();
        clsResize::impostaSchermo(QSize());
    }
};

TEST_F(Aiuto, TopicWindowsStandInTheRightHalfOfTheScreen)
{
    for (Finestra* f : std::initializer_list<Finestra*>{&finestra<guidatabella>(), &finestra<guidafrontespizio>(),
                                                        &finestra<guidaarchivio>(), &finestra<licenza>()}) {
        // Left 5467 to the nearest pixel; top where the centring of 75 % put it.
        EXPECT_EQ(inTwips(*f), QRect(5460, 1440, 5640, 6825)) << f->metaObject()->className();
    }
    EXPECT_EQ(finestra<guidatabella>().windowTitle(), "Guida in linea");
    EXPECT_EQ(finestra<licenza>().windowTitle(), "LICENZA D'USO");
}

TEST_F(Aiuto, ManualContentsAndPriceListSizes)
{
    EXPECT_EQ(inTwips(finestra<manuale>()), QRect(1920, 1440, 9600, 6825));
    EXPECT_EQ(inTwips(finestra<prodotti>()), QRect(1920, 1440, 9600, 6825));
    EXPECT_EQ(inTwips(finestra<sommario>()), QRect(1920, 1440, 3975, 6825));
    EXPECT_EQ(finestra<sommario>().windowTitle(), "Korvel: guida in linea");
    EXPECT_EQ(finestra<prodotti>().windowTitle(), "prodotti software BRENTHAL");
}

TEST_F(Aiuto, FixedWindowsKeepTheirDesignSize)
{
    EXPECT_EQ(inTwips(finestra<informa>()).size(), QSize(6975, 4020));
    EXPECT_EQ(finestra<informa>().windowTitle(), "Informazioni su Korvel");
    EXPECT_EQ(inTwips(finestra<supportoclienti>()).size(), QSize(6975, 4020));
    EXPECT_EQ(finestra<supportoclienti>().windowTitle(), "Servizi di supporto ai clienti");
    EXPECT_EQ(inTwips(finestra<frmTip>()).size(), QSize(6195, 3285));
    EXPECT_EQ(finestra<frmTip>().windowTitle(), "Suggerimento del giorno");
    EXPECT_EQ(finestra<frmTip>().minimumSize(), finestra<frmTip>().maximumSize());
}

} // namespace
