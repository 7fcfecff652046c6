// The town choice: the climate table's scroll bar and the two calculation windows'
// lists follow each other and load the record of the chosen town.
#include "finestreClima.h"
#include "climate/datiClimatici.h"
#include "climate/tabella.h"
#include "detailed/dettagliato.h"
#include "feasibility/fattib.h"
#include "platform/controlli.h"
#include "base/ModKorvel.h"
#include "base/numeri.h"
#include "support/compilaFinestre.h"
#include "support/doppi.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QTest>
#include <gtest/gtest.h>

using namespace ModKorvel;

namespace {

class SceltaLocalita : public FinestreClima {
protected:
    // Every chooser and every label of the climate table stands on town n.
    static void tuttoSu(int n, const QString& nome)
    {
        tabella& t = finestra<tabella>();
        EXPECT_EQ(numLocalita, n);
        EXPECT_EQ(t.VScroll1->Value(), n);
        EXPECT_EQ(finestra<fattib>().loc->ListIndex(), n - 1);
        EXPECT_EQ(finestra<dettagliato>().loc->ListIndex(), n - 1);
        EXPECT_EQ(finestra<fattib>().loc->Text(), nome);
        EXPECT_EQ(t.Label6->Caption(), QString::number(n));
        EXPECT_EQ(t.loc->Caption(), nome);
    }

    doppi::Messaggi messaggi;
};

} // namespace

TEST_F(SceltaLocalita, FirstOpeningOfTheClimateTableChoosesTownOneEverywhere)
{
    EXPECT_FALSE(Unica<fattib>::caricata());
    tabella& t = finestra<tabella>();
    EXPECT_TRUE(Unica<fattib>::caricata()) << "the town choice loads the calculation windows";
    EXPECT_TRUE(Unica<dettagliato>::caricata());
    EXPECT_FALSE(finestra<fattib>().isVisible());
    EXPECT_FALSE(t.isVisible());

    tuttoSu(1, QStringLiteral("Bolzano"));
    EXPECT_EQ(t.VScroll1->Min(), 1);
    EXPECT_EQ(t.VScroll1->Max(), 64);
    EXPECT_EQ(t.La->Caption(), QStringLiteral("46.466"));
    EXPECT_EQ(t.inc[1]->Text(), QStringLiteral("4248"));
    EXPECT_EQ(t.tem[1]->Text(), QStringLiteral("0.8"));
    EXPECT_EQ(t.tem[8]->Text(), QStringLiteral("23")) << "a whole temperature shows no decimals";
    EXPECT_EQ(t.mes[1]->Text(), QStringLiteral("gennaio"));
    EXPECT_EQ(t.mes[12]->Text(), QStringLiteral("dicembre"));
    EXPECT_TRUE(finestra<fattib>().Frame9->isEnabled());
    EXPECT_TRUE(finestra<dettagliato>().Frame1->isEnabled());
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

TEST_F(SceltaLocalita, NumbersFollowTheUsersDecimalSeparator)
{
    numeri::impostaLocale(QLocale(QLocale::Italian, QLocale::Italy));
    tabella& t = finestra<tabella>();
    EXPECT_EQ(t.La->Caption(), QStringLiteral("46,466"));
    EXPECT_EQ(t.tem[1]->Text(), QStringLiteral("0,8"));
    EXPECT_EQ(t.inc[1]->Text(), QStringLiteral("4248")) << "no thousands separator";
}

TEST_F(SceltaLocalita, MovingTheScrollBarLoadsTheRecordThreeTimesAndStops)
{
    tabella& t = finestra<tabella>();
    caricamentiClimatici = 0;
    t.VScroll1->setValue(17);
    EXPECT_EQ(caricamentiClimatici, 3) << "once from each list, once from the scroll bar";
    tuttoSu(17, QStringLiteral("Milano"));
    EXPECT_EQ(t.La->Caption(), QStringLiteral("45.433"));
    EXPECT_EQ(t.inc[12]->Text(), QStringLiteral("2520"));
    EXPECT_DOUBLE_EQ(latitudine, 45.433);

    t.VScroll1->setValue(17);
    EXPECT_EQ(caricamentiClimatici, 3) << "the same town again runs nothing";
}

TEST_F(SceltaLocalita, ChoosingInTheFeasibilityListMovesTheOtherChoosers)
{
    finestra<tabella>();
    finestra<fattib>().loc->setListIndex(16);
    tuttoSu(17, QStringLiteral("Milano"));
    EXPECT_EQ(finestra<tabella>().La->Caption(), QStringLiteral("45.433"));

    finestra<dettagliato>().loc->setListIndex(63);
    tuttoSu(64, QStringLiteral("Catania"));
    EXPECT_EQ(finestra<tabella>().tem[1]->Text(), QStringLiteral("12.1"));
    EXPECT_FALSE(finestra<tabella>().isVisible()) << "a hidden climate table is kept up to date";
}

TEST_F(SceltaLocalita, TownChosenBeforeTheClimateTableWasOpenedStaysChosen)
{
    fattib& f = finestra<fattib>();
    EXPECT_FALSE(f.Frame9->isEnabled());
    EXPECT_FALSE(Unica<tabella>::caricata());
    f.loc->setListIndex(16); // loads the climate table on the way
    EXPECT_TRUE(Unica<tabella>::caricata());
    tuttoSu(17, QStringLiteral("Milano"));
    EXPECT_TRUE(f.Frame9->isEnabled());
    EXPECT_DOUBLE_EQ(latitudine, 45.433);
}

TEST_F(SceltaLocalita, ReopenedClimateTableShowsTheTownChosenMeanwhile)
{
    finestra<tabella>().VScroll1->setValue(17);
    Unica<tabella>::scarica();
    modelloFinestre::eliminaScaricate();

    finestra<dettagliato>().loc->setListIndex(39); // Arezzo: reloads the table
    Unica<tabella>::scarica();
    modelloFinestre::eliminaScaricate();
    caricamentiClimatici = 0;
    tabella& t = finestra<tabella>();
    tuttoSu(40, QStringLiteral("Arezzo"));
    EXPECT_EQ(t.VScroll1->Value(), 40);
    EXPECT_EQ(caricamentiClimatici, 1) << "the lists already stand on the town";
}

TEST_F(SceltaLocalita, NoTownOrOneOutsideTheTableOpensOnTownOne)
{
    for (int n : {0, 65, -2}) {
        numLocalita = n;
        tabella& t = finestra<tabella>();
        EXPECT_EQ(t.VScroll1->Value(), 1) << n;
        tuttoSu(1, QStringLiteral("Bolzano"));
        Unica<tabella>::scarica();
        modelloFinestre::eliminaScaricate();
    }
}

TEST_F(SceltaLocalita, RecordAndLabelsUseTheSameClampedTown)
{
    tabella& t = finestra<tabella>();
    t.VScroll1->setValue(17);
    numLocalita = 70;
    scegliLocalita();
    EXPECT_EQ(t.Label6->Caption(), QStringLiteral("1"));
    EXPECT_EQ(t.loc->Caption(), QStringLiteral("Bolzano"));
    EXPECT_EQ(t.La->Caption(), QStringLiteral("46.466"));
    EXPECT_EQ(finestra<fattib>().loc->Text(), QStringLiteral("Bolzano"));
}

TEST_F(SceltaLocalita, TypedTextThatIsNoTownIsRefusedAndLoadsNothing)
{
    tabella& t = finestra<tabella>();
    t.VScroll1->setValue(5);
    Elenco* lista = finestra<fattib>().loc;
    lista->setEditable(true);
    {
        const QSignalBlocker blocco(lista);
        lista->setCurrentIndex(-1);
        lista->setEditText(QStringLiteral("Pordenon"));
    }
    caricamentiClimatici = 0;
    numLocalita = 30;
    titoloControllo = QStringLiteral("Controllo");
    scegliLocalita();

    ASSERT_EQ(messaggi.mostrati.size(), 1);
    EXPECT_EQ(messaggi.mostrati[0].testo, QStringLiteral("Attenzione: scegliere i dati dalla lista preimpostata."));
    EXPECT_EQ(messaggi.mostrati[0].pulsanti, piattaforma::vbCritical);
    EXPECT_EQ(messaggi.mostrati[0].titolo, QStringLiteral("Controllo"));
    EXPECT_EQ(lista->currentText(), QString());
    EXPECT_EQ(caricamentiClimatici, 0);
    EXPECT_EQ(t.Label6->Caption(), QStringLiteral("5")) << "the climate table keeps the previous town";
    EXPECT_EQ(t.loc->Caption(), QStringLiteral("Gorizia"));
}

TEST_F(SceltaLocalita, MistypedTownShowsTheFirstTownInBothCalculationWindows)
{
    tabella& t = finestra<tabella>();
    for (Elenco* lista : {finestra<fattib>().loc, finestra<dettagliato>().loc}) {
        QLineEdit* riga = lista->lineEdit();
        for (int partenza : {17, 1}) {
            t.VScroll1->setValue(partenza);
            riga->selectAll();
            QTest::keyClicks(riga, QStringLiteral("Zzz"));
            EXPECT_EQ(riga->text(), QStringLiteral("Bolzano")) << lista->objectName().toStdString() << " from town " << partenza;
            QTest::keyClick(riga, Qt::Key_Return);
            EXPECT_EQ(riga->text(), QStringLiteral("Bolzano"));
            EXPECT_EQ(lista->ListIndex(), 0);
            EXPECT_EQ(numLocalita, 1);
        }
        t.VScroll1->setValue(17);
        riga->selectAll();
        QTest::keyClicks(riga, QStringLiteral("mILANO"));
        EXPECT_EQ(riga->text(), QStringLiteral("Milano")) << "a whole name shows as the list spells it";
    }
    EXPECT_TRUE(messaggi.mostrati.isEmpty());

    // A name still being typed when the inputs are read (a toolbar button takes no
    // focus) ends as leaving the box would: the check, the files and the reports that
    // follow it never hold a name that is not in the list.
    auto aMeta = [&](Elenco* lista, const std::function<void()>& leggi) {
        t.VScroll1->setValue(17);
        QLineEdit* riga = lista->lineEdit();
        riga->selectAll();
        QTest::keyClicks(riga, QStringLiteral("Mil"));
        ASSERT_EQ(riga->text(), QStringLiteral("Mil"));
        leggi();
        EXPECT_EQ(riga->text(), QStringLiteral("Bolzano")) << lista->objectName().toStdString();
        EXPECT_EQ(numLocalita, 1);
    };
    fattib& f = finestra<fattib>();
    dettagliato& d = finestra<dettagliato>();
    aMeta(f.loc, [&] { f.controlla_Click(); });
    aMeta(d.loc, [&] { d.controlla_Click(); });
}

TEST_F(SceltaLocalita, EmptiedTownBoxStaysEmptyAndChoosesNoTown)
{
    fattib& f = finestra<fattib>();
    dettagliato& d = finestra<dettagliato>();
    struct Finestra {
        FinestraLavoro& w;
        Elenco* lista;
        std::function<void()> controlla;
        std::function<void()> salva;
        QString chiedeLocalita;
        QString passoLocalita;
    };
    const Finestra finestre[] = {
        {f, f.loc, [&] { f.controlla_Click(); }, [&] { f.salva_Click(); }, fattib::messaggioControllo(1),
         fattib::testoPasso(1)},
        {d, d.loc, [&] { d.controlla_Click(); }, [&] { d.salva_Click(); }, dettagliato::messaggioControllo(1),
         dettagliato::testoPasso(1)},
    };
    auto entraEEsci = [](QLineEdit* riga) {
        riga->setFocus();
        ASSERT_TRUE(riga->hasFocus());
        QTest::keyClick(riga, Qt::Key_Tab);
        EXPECT_FALSE(riga->hasFocus());
    };
    // A fresh box left empty stays empty.
    for (const Finestra& x : finestre) {
        x.w.Show();
        x.w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&x.w));
        entraEEsci(x.lista->lineEdit());
        EXPECT_EQ(x.lista->lineEdit()->text(), QString()) << x.w.objectName().toStdString();
        EXPECT_EQ(x.lista->ListIndex(), -1);
    }
    EXPECT_EQ(numLocalita, 0);

    // A town chosen and then erased: the check, pressed at once or later, asks for the
    // town, and nothing is saved.
    compilaFattib(true);
    compilaDettagliato(2);
    doppi::Dialoghi dialoghi;
    for (const Finestra& x : finestre) {
        const std::string nome = x.w.objectName().toStdString();
        x.w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&x.w)) << nome;
        QLineEdit* riga = x.lista->lineEdit();
        ASSERT_EQ(riga->text(), QStringLiteral("Milano")) << nome;
        riga->setFocus();
        riga->selectAll();
        QTest::keyClick(riga, Qt::Key_Backspace);
        messaggi.azzera();
        x.controlla();
        entraEEsci(riga); // as the message box takes the focus
        entraEEsci(riga);
        EXPECT_EQ(riga->text(), QString()) << nome;
        EXPECT_EQ(x.lista->ListIndex(), -1) << nome;
        EXPECT_EQ(x.w.passo->Caption(), x.passoLocalita) << nome;
        x.controlla();
        x.salva();
        EXPECT_EQ(messaggi.testi(), QStringList(3, x.chiedeLocalita)) << nome;
        EXPECT_TRUE(dialoghi.mostrati.isEmpty()) << nome;
        EXPECT_EQ(numLocalita, 17) << "the other window still shows Milano";

        // Choosing Milano again is a choice.
        x.lista->setListIndex(16);
        EXPECT_EQ(riga->text(), QStringLiteral("Milano")) << nome;
        messaggi.azzera();
        x.controlla();
        ASSERT_EQ(messaggi.mostrati.size(), 1) << nome;
        EXPECT_EQ(messaggi.mostrati[0].pulsanti, piattaforma::vbInformation) << nome;
    }
}
