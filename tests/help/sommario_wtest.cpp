// The help contents and the help windows as a user meets them: rows that open
// their topic, the bold caption under the pointer, the pressed look, hide and
// unload, the prints.
#include "help/frmTip.h"
#include "help/guide.h"
#include "help/licenza.h"
#include "help/prodotti.h"
#include "help/sommario.h"

#include "base/ModKorvel.h"
#include "help/testoLungo.h"
#include "platform/controlli.h"
#include "report/canaleWord.h"
#include "shell/clsResize.h"
#include "shell/frmSplash.h"
#include "support/ambiente.h"
#include "support/doppi.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using documento::Capoverso;

namespace {

struct Sommario : ::testing::Test {
    Sommario()
    {
        ModKorvel::inizializzaDati();
        clsResize::impostaSchermo(QSize(15360, 11520));
        qputenv("HOME", casa.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", casa.filePath(QStringLiteral(".config")).toUtf8());
    }
    ~Sommario() override
    {
        ambiente::ripristinaFinestre();
        clsResize::impostaSchermo(QSize());
    }
    QStringList grassetti(const sommario& s)
    {
        QStringList b;
        for (int i = 1; i <= sommario::righe; ++i)
            if (s.lbl[std::size_t(i)]->font().bold())
                b << QString::number(i);
        return b;
    }
    QTemporaryDir casa;
    doppi::Messaggi messaggi;
    doppi::Musica musica;
};

TEST_F(Sommario, RowsCaptionsAndButtons)
{
    sommario& s = mostra<sommario>();
    EXPECT_EQ(s.lbl[1]->Caption(), "  Manuale d'uso rapido");
    EXPECT_EQ(s.lbl[5]->Caption(), " Finestra Menu");
    EXPECT_EQ(s.lbl[14]->Caption(), " Licenza d'uso di 'Korvel'");
    EXPECT_EQ(s.lbl[15]->Caption(), "  altri prodotti Software Brenthal");
    for (int i = 1; i <= sommario::righe; ++i)
        EXPECT_EQ(s.puls[std::size_t(i)]->Caption(), "--->");
    EXPECT_EQ(s.Command1->toolTip(), "cliccare per uscire da Korvel");
    // Three groups: rows 4 and 5, and rows 12 and 13, stand further apart than the rows of a group.
    auto top = [&](int i) { return s.lbl[std::size_t(i)]->y(); };
    EXPECT_EQ(top(2) - top(1), top(6) - top(5));
    EXPECT_GT(top(5) - top(4), top(2) - top(1));
    EXPECT_GT(top(13) - top(12), top(5) - top(4));
}

TEST_F(Sommario, EveryRowOpensItsWindowOnThePress)
{
    sommario& s = mostra<sommario>();
    s.puls[15]->click();
    EXPECT_TRUE(Unica<prodotti>::caricata() && finestra<prodotti>().isVisible());
    ambiente::ripristinaFinestre();

    sommario& t = mostra<sommario>();
    QTest::mousePress(t.lbl[15], Qt::RightButton);
    EXPECT_TRUE(Unica<prodotti>::caricata()) << "any button, on the press";
    EXPECT_EQ(t.lbl[15]->frameShape(), QFrame::NoFrame);
    QTest::mouseRelease(t.lbl[15], Qt::RightButton);
    EXPECT_EQ(t.lbl[15]->frameShape(), QFrame::Box);

    t.puls_Click(2);
    EXPECT_TRUE(finestra<guidafunzionamento>().isVisible());
    t.puls_Click(12);
    EXPECT_TRUE(finestra<guidafrontespizio>().isVisible());
    t.puls_Click(13);
    EXPECT_TRUE(finestra<frmTip>().isVisible());
    t.puls_Click(14);
    EXPECT_TRUE(finestra<licenza>().isVisible());
    EXPECT_FALSE(Unica<manuale>::caricata());
    t.puls_Click(99);
    EXPECT_TRUE(Unica<manuale>::caricata() && finestra<manuale>().isVisible());
}

TEST_F(Sommario, OnlyTheCaptionUnderThePointerIsBold)
{
    sommario& s = mostra<sommario>();
    QTest::mouseMove(s.lbl[3]);
    EXPECT_EQ(grassetti(s), QStringList{"3"});
    QTest::mouseMove(s.lbl[9]);
    EXPECT_EQ(grassetti(s), QStringList{"9"});
    QTest::mouseMove(s.area(), QPoint(s.area()->width() - 3, s.lbl[9]->y()));
    EXPECT_TRUE(grassetti(s).isEmpty());

    // Hidden and shown again from the frame: the same state.
    s.lbl_MouseMove(7);
    s.cmdChiudi->click();
    EXPECT_FALSE(s.isVisible());
    EXPECT_EQ(&mostra<sommario>(), &s);
    EXPECT_EQ(grassetti(s), QStringList{"7"});
}

TEST_F(Sommario, ExitFromTheContentsAsksAndUnloadsIt)
{
    sommario& s = mostra<sommario>();
    messaggi.rispondi(piattaforma::vbYes);
    s.Command1->click();
    ASSERT_EQ(messaggi.mostrati.size(), 1);
    EXPECT_EQ(messaggi.mostrati[0].testo, "Vuoi uscire da Korvel?");
    EXPECT_FALSE(Unica<sommario>::caricata());
    modelloFinestre::eliminaScaricate();
}

TEST_F(Sommario, PrintOfAllTextsNeedsNoHelpWindow)
{
    mostra<sommario>().cmdStampa->click();
    for (bool caricata : {Unica<manuale>::caricata(), Unica<guidastampa>::caricata(), Unica<guidafrontespizio>::caricata()})
        EXPECT_FALSE(caricata);
    ASSERT_TRUE(ModKorvel::wordDoc);
    int titoli = 0;
    for (const auto& b : ModKorvel::wordDoc->blocchi())
        titoli += std::get<Capoverso>(b).testo().startsWith(QStringLiteral("Guida: ")) ? 1 : 0;
    EXPECT_EQ(titoli, 12);
    EXPECT_TRUE(QFileInfo::exists(ModKorvel::percorsoGuida()));
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

// ---- the help windows ----

TEST_F(Sommario, HelpWindowsShowTheirTopic)
{
    manuale& m = mostra<manuale>();
    EXPECT_EQ(m.windowTitle(), "Guida in linea");
    EXPECT_EQ(m.Label1->Caption(), "MANUALE D'USO RAPIDO");
    EXPECT_TRUE(m.Label2->Text().startsWith(QStringLiteral("Il programma Korvel è")));
    EXPECT_TRUE(m.Label2->isReadOnly());
    EXPECT_EQ(m.cmdStampa->toolTip(), "cliccare per avere la copia su carta del MANUALE D'USO RAPIDO");
    guidarisultati& r = mostra<guidarisultati>();
    EXPECT_EQ(r.Label1->Caption(), QStringLiteral("Finestra RISULTATI del calcolo di fattibilità"));
    EXPECT_TRUE(r.cmdStampa->toolTip().isEmpty()) << "only the quick manual's buttons have tooltips";
    // The title is never cut.
    EXPECT_GE(r.Label1->width(), r.Label1->sizeHint().width());
}

TEST_F(Sommario, SommarioKeepsTheHelpWindowChiudiUnloadsIt)
{
    guidastampa& g = mostra<guidastampa>();
    g.cmdSommario->click();
    EXPECT_TRUE(finestra<sommario>().isVisible());
    EXPECT_TRUE(g.isVisible());
    g.cmdChiudi->click();
    EXPECT_FALSE(Unica<guidastampa>::caricata());
    modelloFinestre::eliminaScaricate();
    EXPECT_EQ(finestra<guidastampa>().Label1->Caption(), "COME STAMPARE") << "loaded afresh";
}

TEST_F(Sommario, PrintOfOneTopic)
{
    mostra<guidastampa>().cmdStampa->click();
    ASSERT_TRUE(ModKorvel::wordDoc);
    const auto& b = ModKorvel::wordDoc->blocchi();
    const Capoverso& titolo = std::get<Capoverso>(b.at(4));
    EXPECT_EQ(titolo.testo(), "Guida: COME STAMPARE");
    EXPECT_EQ(titolo.sequenze.at(0).carattere.dimensione, 16);
    EXPECT_TRUE(std::get<Capoverso>(b.at(6)).testo().startsWith(QStringLiteral("Si possono stampare liberamente")));
    EXPECT_EQ(ModKorvel::titoloGuida, "COME STAMPARE");
}

} // namespace
