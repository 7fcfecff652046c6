// The results window: paging and highlighting its three blocks, and every re-run of
// the calculation it starts, which must use the feasibility window's checked inputs.
#include "support/ambienteCalcolo.h"
#include "support/barre.h"

#include "detailed/datiDettagliato.h"
#include "base/numeri.h"

#include <QFile>

using namespace ModKorvel;

namespace {

class Risultati : public AmbienteCalcolo {
protected:
    static QStringList riga(const std::array<Etichetta*, 6>& a, const std::array<Etichetta*, 6>& b,
                            const std::array<Etichetta*, 6>& c, const std::array<Etichetta*, 6>& d, int i)
    {
        return {a[i]->Caption(), b[i]->Caption(), c[i]->Caption(), d[i]->Caption()};
    }
    static QStringList attesa(int s, int k)
    {
        return {QString::number(s), numeri::testoNumero(superfici[s][k]), numeri::testoNumero(percentuali[s][k]),
                numeri::testoNumero(energiaSolare[s][k])};
    }
    // Background of the four labels of row i of block k: true where yellow.
    static QList<bool> gialli(int k)
    {
        risultati& w = rf();
        const auto& numeri = k == 1 ? w.num : k == 2 ? w.num2 : w.num3;
        const auto& util = k == 1 ? w.util : k == 2 ? w.util2 : w.util3;
        QList<bool> esito;
        for (int i = 1; i <= 5; ++i) {
            const QColor n = numeri[i]->palette().color(QPalette::Window);
            const QColor u = util[i]->palette().color(QPalette::Window);
            EXPECT_EQ(n, u) << "a row is coloured whole";
            EXPECT_TRUE(n == risultati::coloreNormale || n == risultati::coloreEvidenziato);
            esito << (n == risultati::coloreEvidenziato);
        }
        return esito;
    }
};

} // namespace

TEST_F(Risultati, BlocksPageOverTheThousandAreasAndHighlightTheRowUnderThePointer)
{
    risultati& w = rf();
    w.VScroll1_Change();
    EXPECT_EQ(riga(w.num, w.areac, w.fraz, w.util, 1), (QStringList{QStringLiteral("1"), {}, {}, {}}))
        << "nothing calculated yet: empty values";

    compilaFattib(true);
    f().cmdavanti_Click();
    EXPECT_EQ(w.windowTitle(),
              QStringLiteral("Korvel: risultati del calcolo di fattibilità di un impianto a pannelli solari"));
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(riga(w.num2, w.areac2, w.fraz2, w.util2, i), attesa(i, 2));
    EXPECT_EQ(w.areac3[5]->Caption(), QStringLiteral("1.4"));

    w.VScroll2->setValue(w.VScroll2->Max());
    EXPECT_EQ(w.VScroll2->Max(), 996);
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(riga(w.num2, w.areac2, w.fraz2, w.util2, i), attesa(995 + i, 2));
    EXPECT_EQ(w.areac2[5]->Caption(), QStringLiteral("100.9"));
    EXPECT_EQ(w.num2[1]->toolTip(),
              QStringLiteral("vengono visualizzati i risultati con pannelli solari ad un vetro e con piastra selettiva"));
    EXPECT_EQ(w.num[1]->Caption(), QStringLiteral("1")) << "the other blocks keep their place";

    w.num_MouseMove(5);
    emit w.num2[3]->MouseMove();
    EXPECT_EQ(gialli(2), (QList<bool>{false, false, true, false, false}));
    EXPECT_EQ(gialli(1), (QList<bool>{false, false, false, false, true})) << "block 1 keeps its own highlight";
    EXPECT_EQ(gialli(3), QList<bool>(5, false));
    emit w.num2[1]->MouseMove();
    EXPECT_EQ(gialli(2), (QList<bool>{true, false, false, false, false}));

    w.VScroll2->setValue(1);
    EXPECT_EQ(gialli(2), QList<bool>(5, false)) << "scrolling removes the highlight";
    EXPECT_EQ(riga(w.num2, w.areac2, w.fraz2, w.util2, 1), attesa(1, 2));
}

// The figures each block shows are its own kind's, with their decimal: worked out
// apart from the program for Milano, 300 litres at 45 degrees and methane at 0.8 euro
// (tests/feasibility/valori_fattib.py).
TEST_F(Risultati, EachBlockShowsItsOwnKindsFigures)
{
    compilaFattib(true);
    f().cmdavanti_Click();
    risultati& w = rf();
    EXPECT_EQ(w.fabb->Caption(), QStringLiteral("4201"));
    EXPECT_EQ(w.ottim->Caption(), QStringLiteral("5.7"));
    const QStringList aree{QStringLiteral("3"), QStringLiteral("3.1"), QStringLiteral("3.2"), QStringLiteral("3.3"),
                           QStringLiteral("3.4")};
    struct Blocco {
        BarraScorrimento* barra;
        const std::array<Etichetta*, 6>& num;
        const std::array<Etichetta*, 6>& areac;
        const std::array<Etichetta*, 6>& fraz;
        const std::array<Etichetta*, 6>& util;
        QStringList quote;
        QStringList energia;
    };
    const Blocco blocchi[] = {
        {w.VScroll1, w.num, w.areac, w.fraz, w.util, {"19", "20", "20.9", "21.8", "22.7"},
         {"799", "841", "880", "919", "956"}},
        {w.VScroll2, w.num2, w.areac2, w.fraz2, w.util2, {"34.7", "35.7", "36.6", "37.6", "38.4"},
         {"1460", "1501", "1541", "1580", "1617"}},
        {w.VScroll3, w.num3, w.areac3, w.fraz3, w.util3, {"33.1", "34", "35", "35.9", "36.8"},
         {"1391", "1432", "1472", "1511", "1548"}},
    };
    for (const Blocco& b : blocchi) {
        SCOPED_TRACE(b.barra->objectName().toStdString());
        b.barra->setValue(21);
        for (int i = 1; i <= 5; ++i) {
            const auto r = qsizetype(i - 1);
            EXPECT_EQ(riga(b.num, b.areac, b.fraz, b.util, i),
                      (QStringList{QString::number(20 + i), aree[r], b.quote[r], b.energia[r]}));
        }
    }
}

TEST_F(Risultati, WaterChangesRecalculateThroughTheFeasibilityWindow)
{
    compilaFattib(true);
    f().cmdavanti_Click();
    risultati& w = rf();
    EXPECT_EQ(w.VScroll4->Value(), 300);

    w.VScroll4->setValue(15);
    EXPECT_EQ(w.acq->Caption(), QStringLiteral(" 15 litri"));
    EXPECT_EQ(f().VScroll1->Value(), 15);
    EXPECT_EQ(f().acq->Caption(), QStringLiteral(" 15 litri"));
    EXPECT_TRUE(comeAtteso(*atteso(2, 15, 45, 0)));
    EXPECT_EQ(w.fabb->Caption(), numeri::testoNumero(fabbisognoAnnuo));

    w.VScroll5->setValue(60);
    EXPECT_EQ(w.temper->Caption(), QStringLiteral(" 60 gradi"));
    EXPECT_EQ(f().temper->Caption(), QStringLiteral(" 60 gradi"));
    EXPECT_TRUE(comeAtteso(*atteso(2, 15, 60, 0)));
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

TEST_F(Risultati, NoReRunOnInputsTheCheckRefuses)
{
    compilaFattib(true);
    f().cmdavanti_Click();
    const double fabbisogno = fabbisognoAnnuo;
    const double prima = percentuali[200][1];
    f().cancella_click();
    tipoElaborazione = 0;

    rf().controlla_Click();
    rf().VScroll4->setValue(40);
    rf().VScroll5->setValue(30);
    EXPECT_EQ(messaggi.testi(), QStringList(3, fattib::messaggioControllo(2)));
    EXPECT_EQ(fabbisognoAnnuo, fabbisogno) << "nothing recalculated";
    EXPECT_EQ(percentuali[200][1], prima);
    EXPECT_EQ(tipoElaborazione, 0);
}

TEST_F(Risultati, CheckEntryRecalculatesAndConfirmsUnlessAFailedSilentCheckIsPending)
{
    compilaFattib(false);
    f().cmdavanti_Click();
    f().trasm->setText(QStringLiteral("500")); // changed after the calculation
    rf().controlla_Click();
    EXPECT_EQ(messaggi.testi(), QStringList{QStringLiteral("I dati sono stati immessi correttamente.")});
    EXPECT_EQ(messaggi.mostrati[0].pulsanti, piattaforma::vbInformation);
    EXPECT_TRUE(comeAtteso(*atteso(1, 0, 0, 500)));

    messaggi.azzera();
    controlloSilenzioso = 1;
    rf().controlla_Click();
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
    EXPECT_EQ(controlloSilenzioso, 0);
}

// The detailed window has the same water, fuel cost (in cents there) and use: a re-run
// takes this window's.
TEST_F(Risultati, ReRunsUseTheFeasibilityInputsAfterTheDetailedWindowWasUsed)
{
    compilaFattib(true);
    f().cmdavanti_Click();
    compilaDettagliato(3);
    d().VScroll5->setValue(900);
    d().Option4[1]->setValue(true);
    calcoli::memorizzaFattib(calcoli::RisultatiFattib{});

    rf().controlla_Click();
    EXPECT_TRUE(comeAtteso(*atteso(2, 300, 45, 0)));

    rf().VScroll5->setValue(50);
    EXPECT_TRUE(comeAtteso(*atteso(2, 300, 50, 0)));
    EXPECT_EQ(messaggi.testi(), QStringList{QStringLiteral("I dati sono stati immessi correttamente.")});
}

TEST_F(Risultati, FileCommandsAreTheFeasibilityWindowsOwn)
{
    QTemporaryDir cartella;
    const QString nome = cartella.filePath(QStringLiteral("Korvel-fattib-uno"));
    compilaFattib(true);
    finestra<frontespizio>().progetto->setText(QStringLiteral("Scuola"));
    nomeFile = QStringLiteral("/altrove/Korvel-dett-x");

    dialoghi.scegliFile(nome);
    rf().salvanome_Click();
    ASSERT_EQ(dialoghi.mostrati.size(), 1) << "save as always asks";
    EXPECT_EQ(dialoghi.mostrati[0].tipo, doppi::Dialogo::Salva);
    EXPECT_EQ(dialoghi.mostrati[0].richiesta.filtro, QStringLiteral("File Korvel-fattib- | Korvel-fattib-*"));
    EXPECT_EQ(nomeFile, nome);
    ASSERT_TRUE(QFile::exists(nome));

    rf().salva_Click();
    EXPECT_EQ(dialoghi.mostrati.size(), 1) << "a plain save writes to the file just chosen";

    f().cancella_click();
    dialoghi.scegliFile(nome);
    rf().apri_Click();
    EXPECT_EQ(f().VScroll1->Value(), 300);
    EXPECT_EQ(f().passo->Caption(), fattib::testoPasso(0));
}

// Closing the results window unloads it; opened again, its water controls must stand
// where the feasibility window is, not on their design values.
TEST_F(Risultati, AResultsWindowOpenedAgainTakesUpTheWaterOfTheFeasibilityWindow)
{
    compilaFattib(true);
    f().cmdavanti_Click();
    Unica<risultati>::scarica();
    modelloFinestre::eliminaScaricate();
    EXPECT_TRUE(rf().Frame4->isEnabled());
    EXPECT_TRUE(rf().Frame5->isEnabled());
    EXPECT_EQ(rf().VScroll4->Value(), 300);
    EXPECT_EQ(rf().acq->Caption(), QStringLiteral(" 300 litri"));
    EXPECT_EQ(rf().VScroll5->Value(), 45);
    EXPECT_EQ(rf().temper->Caption(), QStringLiteral(" 45 gradi"));
    EXPECT_FALSE(rf().isVisible()) << "nothing recalculated or shown";

    f().Option1[1]->setValue(true);
    Unica<risultati>::scarica();
    modelloFinestre::eliminaScaricate();
    EXPECT_FALSE(rf().Frame4->isEnabled()) << "a heating plant has no water to change";
    EXPECT_FALSE(rf().Frame5->isEnabled());
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

TEST_F(Risultati, AtDesignSizeAClickBelowEachThumbPagesByLargeChange)
{
    compilaFattib(true);
    f().cmdavanti_Click();
    risultati& w = rf();
    const std::tuple<BarraScorrimento*, int, QSize> barre[] = {
        {w.VScroll1, 10, QSize(16, 98)}, {w.VScroll2, 10, QSize(16, 98)}, {w.VScroll3, 10, QSize(16, 98)},
        {w.VScroll4, 50, QSize(17, 67)}, {w.VScroll5, 5, QSize(17, 67)}};
    for (const auto& [barra, pagina, misura] : barre) {
        SCOPED_TRACE(barra->objectName().toStdString());
        EXPECT_EQ(barra->size(), misura);
        const int prima = barra->Value();
        ASSERT_TRUE(cliccaSottoIlCursore(*barra));
        EXPECT_EQ(barra->Value(), prima + pagina);
    }
    EXPECT_EQ(w.num2[1]->Caption(), QStringLiteral("11"));
    EXPECT_EQ(f().VScroll1->Value(), 350) << "the water follows into the feasibility window";
}
