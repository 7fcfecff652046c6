// The tables of the detailed results as the reports write them: the five tables with
// their number forms in the Italian and the C locale, the year table sized by the
// plant life of the last calculation, a collector that delivers nothing, and the
// state before any calculation.
#include "detailed/tabelleDettagliato.h"

#include "base/ModKorvel.h"
#include "base/numeri.h"
#include "detailed/calcoloDettagliato.h"
#include "detailed/datiDettagliato.h"
#include "report/canaleWord.h"
#include "support/ambiente.h"
#include "support/doppi.h"

#include <gtest/gtest.h>

using documento::Griglia;

namespace {

class TabelleDett : public ::testing::Test {
protected:
    void SetUp() override
    {
        ambiente::ripristinaStato();
        ModKorvel::inizializzaDati();
    }
    void TearDown() override { ambiente::ripristinaStato(); }

    // A stored calculation with round values to read back: month 1 and the years.
    static void memorizza(double durata, bool energia = true)
    {
        calcoli::RisultatiDett ris;
        for (int m = 1; m <= 12; ++m) {
            const auto i = std::size_t(m);
            ris.radOrizzontale[i] = 3132;
            ris.radCollettori[i] = 4252;
            ris.rapportoRadiazioni[i] = 1.36;
            ris.radOrizzontaleKwh[i] = 0.87;
            ris.radCollettoriKwh[i] = 1.181;
            ris.radExtraterrestre[i] = 11745;
            ris.indiceNuvolosita[i] = 0.267;
            ris.angoloTramonto[i] = 67.2;
            ris.angoloTramontoCollettore[i] = 67;
            ris.rapportoDiffusa[i] = 0.7;
            ris.prodottoTauAlfa[i] = 0.86;
            ris.angoloIncidenza[i] = 51.75;
            ris.fabbisognoMensile[i] = 3501;
            ris.frazioneMensile[i] = 0.014;
            ris.energiaUtileMensile[i] = 50;
        }
        ris.fabbisognoAnnuoDett = 12345;
        ris.frazioneAnnua = 0.175;
        ris.energiaUtileAnnua = energia ? 3149 : 0;
        ris.economia.durata = durata;
        ris.economia.anni = int(durata);
        ris.economia.costoSolareDefinito = energia;
        ris.economia.tempoRecupero = energia ? calcoli::testoRecupero(7) : QStringLiteral("Investimento non conveniente.");
        for (int y = 1; y <= ris.economia.anni; ++y) {
            ris.economia.costoAttuale[std::size_t(y)] = 84 + y;
            ris.economia.costoSolare[std::size_t(y)] = energia ? 88 : 0;
            ris.economia.bilancio[std::size_t(y)] = y == 1 ? -10.3 : 12.5 * y;
        }
        calcoli::memorizzaDett(ris);
    }
    // The five tables and the payback line, as the window's report writes them.
    static void scrivi()
    {
        ASSERT_TRUE(ModKorvel::avviaWord());
        tabelleDett::sintesi(10);
        ModKorvel::aggiungiParagrafo();
        tabelleDett::legendaMesi(10);
        tabelleDett::mesi(8);
        tabelleDett::legendaAnni({QStringLiteral("a"), QStringLiteral("s"), QStringLiteral("b")}, 10);
        tabelleDett::anni(10);
        ModKorvel::testoParagrafo(tabelleDett::rigaRecupero());
    }
    static QStringList riga(const Griglia& g, int r)
    {
        QStringList esito;
        for (int c = 1; c <= g.colonne; ++c)
            esito << g.cella(r, c);
        return esito;
    }
    static const Griglia& tabella(int k) { return *ModKorvel::wordDoc->griglia(k); }
    doppi::Messaggi messaggi;
};

} // namespace

TEST_F(TabelleDett, NumberFormsInTheItalianAndTheCLocale)
{
    memorizza(20);
    struct Caso {
        QLocale locale;
        QStringList sintesi;
        QStringList gennaio;
        QStringList primoAnno;
        QStringList secondoAnno;
    };
    const Caso casi[] = {
        {QLocale(QLocale::Italian, QLocale::Italy),
         {" 12345  kwh", "0,175", " 3149 kwh"},
         {"Gen", "3132", "4252", "1,36", "0,87", "1,181", "11745", "0,267", "67,2", "67,0", "0,700", "0,860", "51,8",
          "3501", "0,014", "50"},
         {"1", "85", "88", "-10,30"},
         {"2", "86", "88", "25,00"}},
        {QLocale::c(),
         {" 12345  kwh", "0.175", " 3149 kwh"},
         {"Gen", "3132", "4252", "1.36", "0.87", "1.181", "11745", "0.267", "67.2", "67.0", "0.700", "0.860", "51.8",
          "3501", "0.014", "50"},
         {"1", "85", "88", "-10.30"},
         {"2", "86", "88", "25.00"}},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.locale.name().toStdString());
        numeri::impostaLocale(caso.locale);
        scrivi();
        ASSERT_EQ(ModKorvel::wordDoc->numeroTabelle(), 5);
        EXPECT_EQ(riga(tabella(1), 1), (QStringList{"tipologia", "valore"}));
        EXPECT_EQ((QStringList{tabella(1).cella(2, 2), tabella(1).cella(3, 2), tabella(1).cella(4, 2)}), caso.sintesi);
        EXPECT_EQ(tabella(2).righe, 17);
        EXPECT_EQ(riga(tabella(2), 14), (QStringList{"incid.", "angolo medio mensile di incidenza delle radiazioni sul "
                                                               "collettore"}));
        EXPECT_EQ(riga(tabella(3), 1), (QStringList{"mese", "r.0°", "r.s°", "rapp.", "r.0°k", "r.s°k", "r.ext.",
                                                    "nuvol.", "tram.", "coll.", "r.diff.", "ta", "incid.", "fabb.",
                                                    "f", "utile"}));
        EXPECT_EQ(riga(tabella(3), 2), caso.gennaio);
        EXPECT_EQ(tabella(3).cella(13, 1), QStringLiteral("Dic"));
        EXPECT_EQ(riga(tabella(4), 1), (QStringList{"tipologia", "valore"}));
        EXPECT_EQ(riga(tabella(4), 3), (QStringList{"attuale", "a"}));
        EXPECT_EQ(riga(tabella(5), 1), (QStringList{"anno", "attuale", "solare", "bilancio"}));
        EXPECT_EQ(riga(tabella(5), 2), caso.primoAnno);
        EXPECT_EQ(riga(tabella(5), 3), caso.secondoAnno);
        EXPECT_EQ(tabella(5).righe, 21);
        EXPECT_EQ(tabella(5).cella(21, 1), QStringLiteral("20"));
        EXPECT_EQ(tabelleDett::rigaRecupero(), QStringLiteral("\rTempo di recupero =  7 anni.\r"));
    }
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

TEST_F(TabelleDett, YearTableFollowsThePlantLifeOfTheLastCalculation)
{
    // Rows of data for a life of L years: L + 1 rounded, halves to even, less the heading.
    const std::pair<double, int> durate[] = {{1, 1}, {3, 3}, {20.4, 20}, {20.5, 21}, {21.5, 21}, {100, 100}};
    for (const auto& [durata, righe] : durate) {
        memorizza(durata);
        EXPECT_EQ(tabelleDett::righeAnni(), righe) << durata;
    }

    memorizza(20.6);
    scrivi();
    const Griglia& anni = tabella(5);
    ASSERT_EQ(anni.righe, 22);
    EXPECT_EQ(anni.cella(21, 1), QStringLiteral("20"));
    EXPECT_EQ(riga(anni, 22), QStringList(4, QString())) << "the whole years only";
    EXPECT_FALSE(tabelleDett::annoCalcolato(21));
    EXPECT_TRUE(tabelleDett::valoreAnno(2, 101).vuoto());
    EXPECT_TRUE(tabelleDett::valoreAnno(2, 0).vuoto());
}

TEST_F(TabelleDett, ACollectorThatDeliversNothingHasNoSolarCost)
{
    memorizza(10, false);
    scrivi();
    const Griglia& anni = tabella(5);
    for (int r = 2; r <= 11; ++r) {
        EXPECT_EQ(anni.cella(r, 3), QString()) << r;
        EXPECT_FALSE(anni.cella(r, 2).isEmpty()) << r;
    }
    EXPECT_EQ(tabella(1).cella(4, 2), QStringLiteral(" 0 kwh"));
    EXPECT_EQ(tabelleDett::rigaRecupero(), QStringLiteral("\rTempo di recupero = Investimento non conveniente.\r"));

    // The calculation itself: no useful energy, no cost per unit.
    calcoli::IngressiDett in;
    in.costoImpianto = 5000;
    in.durataImpiantoDett = 10;
    in.combustibileDett = 1;
    in.costoCombustibile = 100;
    in.tassoScontoDett = 5;
    in.tassoInflazione = 2;
    in.tassoAumentoDett = 3;
    calcoli::EconomiaDett eco;
    calcoli::calcolaEconomia(in, 0, eco);
    EXPECT_FALSE(eco.costoSolareDefinito);
    EXPECT_EQ(eco.durata, 10);
    EXPECT_EQ(eco.tempoRecupero, QStringLiteral("Investimento non conveniente."));
    calcoli::calcolaEconomia(in, 1e6, eco);
    EXPECT_TRUE(eco.costoSolareDefinito);
}

TEST_F(TabelleDett, BeforeAnyCalculationTheTablesHoldTheirHeadingsOnly)
{
    EXPECT_FALSE(tabelleDett::calcolato());
    scrivi();
    EXPECT_EQ(riga(tabella(1), 2), (QStringList{"fabbisogno annuo dell'edificio", QString()}));
    EXPECT_EQ(riga(tabella(3), 2), QStringList(16, QString()));
    EXPECT_EQ(tabella(5).righe, 1);
    EXPECT_EQ(tabelleDett::rigaRecupero(), QStringLiteral("\rTempo di recupero = \r"));
    EXPECT_TRUE(messaggi.mostrati.isEmpty());

    // The technical report sets no size of its own: the tables take the one in force.
    ASSERT_TRUE(ModKorvel::avviaWord());
    ASSERT_TRUE(ModKorvel::aggiungiParagrafo(12));
    EXPECT_EQ(tabelleDett::sintesi(std::nullopt), 1);
    EXPECT_EQ(tabella(1).carattere.dimensione, 12);
}
