// The detailed results window: the month table and its highlight, the year pager
// over the plant life of the last calculation, a collector that delivers nothing, the
// re-run on checked inputs only, reopening, and the file commands it passes on.
#include "support/ambienteCalcolo.h"

#include <QFile>

using namespace ModKorvel;

namespace {

class RisDettagliato : public AmbienteCalcolo {
protected:
    // Rows 1..5 of the year table: year, fuel price, solar cost, balance.
    static QList<QStringList> anni()
    {
        risdettagliato& w = rd();
        QList<QStringList> esito;
        for (std::size_t i = 1; i <= 5; ++i)
            esito << QStringList{w.numann[i]->Caption(), w.att[i]->Caption(), w.sol[i]->Caption(),
                                 w.bil[i]->Caption()};
        return esito;
    }
    static QStringList anno(int y)
    {
        return {QString::number(y), numeri::testoNumero(costoAttuale[std::size_t(y)]),
                numeri::testoNumero(costoSolare[std::size_t(y)]), numeri::testoNumero(bilancio[std::size_t(y)])};
    }
    static QStringList vuoto(int y) { return {QString::number(y), {}, {}, {}}; }
    static bool giallo(const Etichetta* e)
    {
        return e->palette().color(QPalette::Window) == risdettagliato::coloreEvidenziato;
    }
    // Calculates with the plant life given.
    static void calcolaPer(const QString& anni)
    {
        compilaDettagliato(2);
        d().ann->setText(anni);
        d().cmdavanti_Click();
    }
};

} // namespace

TEST_F(RisDettagliato, MonthTableShowsTheStoredResultsAndHighlightsARow)
{
    risdettagliato& w = rd();
    EXPECT_TRUE(giallo(w.num[1])) << "the month numbers are yellow at first";
    w.VScroll1->setValue(2);
    EXPECT_EQ(anni()[0], vuoto(1)) << "before any calculation the pager changes nothing";

    calcolaPer(QStringLiteral("20"));
    for (std::size_t m : {1, 12}) {
        EXPECT_EQ(w.radsk[m]->Caption(), numeri::testoNumero(radCollettoriKwh[m]));
        EXPECT_EQ(w.util[m]->Caption(), numeri::testoNumero(energiaUtileMensile[m]));
    }
    EXPECT_EQ(w.frazann->Caption(), numeri::testoNumero(frazioneAnnua));

    emit w.num[5]->MouseMove();
    for (std::size_t m = 1; m <= 12; ++m)
        for (const risdettagliato::Colonna* c : {&w.num, &w.rad0, &w.tau, &w.util})
            EXPECT_EQ(giallo((*c)[m]), m == 5) << m;
    w.num_MouseMove(6);
    EXPECT_TRUE(giallo(w.ef[6]));
    EXPECT_FALSE(giallo(w.ef[5]));
    EXPECT_FALSE(giallo(w.num[1])) << "only the row under the pointer from now on";
}

TEST_F(RisDettagliato, YearPagerOverAPlantOfTwentyYears)
{
    calcolaPer(QStringLiteral("20"));
    risdettagliato& w = rd();
    EXPECT_EQ(w.VScroll1->Value(), 1);
    EXPECT_EQ(anni(), (QList<QStringList>{anno(1), anno(2), anno(3), anno(4), anno(5)}));

    w.VScroll1->setValue(18);
    EXPECT_EQ(anni(), (QList<QStringList>{anno(18), anno(19), anno(20), vuoto(21), vuoto(22)}));
    w.numann_MouseMove(2);
    EXPECT_TRUE(giallo(w.bil[2]));

    w.VScroll1->setValue(21);
    EXPECT_EQ(anni()[0], anno(18)) << "a first year beyond the plant life leaves the page";
    EXPECT_TRUE(giallo(w.bil[2])) << "colours included";
    w.VScroll1->setValue(96);
    EXPECT_EQ(anni()[0], anno(18));

    w.VScroll1->setValue(20);
    EXPECT_EQ(anni()[0], anno(20));
    EXPECT_FALSE(giallo(w.bil[2])) << "paging removes the highlight";
    EXPECT_EQ(costoSolare[20], costoSolare[1]);
}

TEST_F(RisDettagliato, YearPagerOverAPlantOfThreeYearsFollowsTheCalculation)
{
    calcolaPer(QStringLiteral("3"));
    EXPECT_EQ(anni(), (QList<QStringList>{anno(1), anno(2), anno(3), vuoto(4), vuoto(5)}));

    // A longer life typed since: the table still ends where the calculation did,
    // whatever the year arrays held from an earlier, longer plant.
    costoAttuale[4] = 777;
    d().ann->setText(QStringLiteral("20"));
    rd().VScroll1->setValue(2);
    EXPECT_EQ(anni(), (QList<QStringList>{anno(2), anno(3), vuoto(4), vuoto(5), vuoto(6)}));
    rd().VScroll1->setValue(4);
    EXPECT_EQ(anni()[0], anno(2));
    EXPECT_EQ(tabelleDett::righeAnni(), 3);
}

// Without useful energy the solar energy has no cost per unit: its cells stay empty,
// never a 0 that reads as free.
TEST_F(RisDettagliato, ACollectorThatDeliversNothing)
{
    calcolaPer(QStringLiteral("10"));
    calcoli::RisultatiDett ris;
    ris.economia.durata = 10;
    ris.economia.anni = 10;
    ris.economia.tempoRecupero = QStringLiteral("Investimento non conveniente.");
    for (int y = 1; y <= 10; ++y) {
        ris.economia.costoAttuale[std::size_t(y)] = 85 + y;
        ris.economia.bilancio[std::size_t(y)] = -500.0 * y;
    }
    calcoli::memorizzaDett(ris);
    rd().mostraRisultati();

    EXPECT_EQ(rd().rec->Caption(), QStringLiteral("Investimento non conveniente."));
    EXPECT_EQ(anni()[0], (QStringList{QStringLiteral("1"), QStringLiteral("86"), QString(), QStringLiteral("-500")}));
    EXPECT_EQ(rd().utann->Caption(), QStringLiteral("0"));
}

TEST_F(RisDettagliato, ReRunOnlyOnCheckedInputsAndConfirmsUnlessASilentCheckFailed)
{
    calcolaPer(QStringLiteral("20"));
    d().loc->setListIndex(63); // another town, chosen after the hand-off
    rd().VScroll1->setValue(10);
    rd().controlla_Click();
    EXPECT_EQ(messaggi.testi(), QStringList{QStringLiteral("I dati sono stati immessi correttamente.")});
    EXPECT_TRUE(comeAtteso(ingressiAttesi(2))) << "the values of the new town";
    EXPECT_TRUE(rd().loc->Caption().startsWith(QStringLiteral("Catania   "))) << "named after it";
    EXPECT_EQ(rd().VScroll1->Value(), 1) << "back to the first years";

    messaggi.azzera();
    controlloSilenzioso = 1;
    rd().controlla_Click();
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
    EXPECT_EQ(controlloSilenzioso, 0);

    const auto fabbisogni = fabbisognoMensile;
    d().cancella_click();
    rd().controlla_Click();
    EXPECT_EQ(messaggi.testi(), QStringList{dettagliato::messaggioControllo(dettagliato::controlloUso)});
    EXPECT_EQ(fabbisognoMensile, fabbisogni) << "nothing recalculated";
}

TEST_F(RisDettagliato, OpenedAgainItShowsTheLastResults)
{
    calcolaPer(QStringLiteral("20"));
    const QString riga = rd().loc->Caption();
    Unica<risdettagliato>::scarica();
    modelloFinestre::eliminaScaricate();

    risdettagliato& w = rd();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.loc->Caption(), riga);
    EXPECT_EQ(w.rec->Caption(), tempoRecupero);
    EXPECT_EQ(w.fabbis[2]->Caption(), numeri::testoNumero(fabbisognoMensile[2]));
    EXPECT_EQ(anni()[4], anno(5));
    EXPECT_EQ(w.Label19->toolTip(), QStringLiteral("costo solare corrispondente in centesimi di euro al mc. di metano"))
        << "the unit of the fuel the detailed window shows";
}

TEST_F(RisDettagliato, FileCommandsAreTheDetailedWindowsOwn)
{
    QTemporaryDir cartella;
    const QString nome = cartella.filePath(QStringLiteral("Korvel-dett-uno"));
    compilaDettagliato(2);
    finestra<frontespizio>().progetto->setText(QStringLiteral("Scuola"));
    nomeFile = QStringLiteral("/altrove/Korvel-fattib-x");

    dialoghi.scegliFile(nome);
    rd().salvanome_Click();
    ASSERT_EQ(dialoghi.mostrati.size(), 1) << "save as always asks";
    EXPECT_EQ(dialoghi.mostrati[0].richiesta.filtro, QStringLiteral("File Korvel-dett- | Korvel-dett-*"));
    EXPECT_EQ(nomeFile, nome);
    ASSERT_TRUE(QFile::exists(nome));

    rd().salva_Click();
    EXPECT_EQ(dialoghi.mostrati.size(), 1) << "a plain save writes to the file just chosen";

    d().cancella_click();
    dialoghi.scegliFile(nome);
    rd().apri_Click();
    EXPECT_EQ(d().VScroll5->Value(), 300);
    EXPECT_EQ(d().passo->Caption(), dettagliato::testoPasso(0));
    EXPECT_FALSE(tabelleDett::calcolato()) << "a file holds inputs, never results";
}
