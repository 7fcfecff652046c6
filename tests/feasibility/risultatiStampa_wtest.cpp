// The report of the feasibility results window: the rows of the table of plants in
// every case of the stored shares.
#include "support/ambienteCalcolo.h"

#include "base/numeri.h"

#include <cmath>

using namespace ModKorvel;

namespace {

class StampaRisultati : public AmbienteCalcolo {
protected:
    // Kind k covers nothing up to area `nulla`, then a rising share, everything from
    // area `piena` on (never, beyond 1000).
    static void quote(int k, int nulla, int piena)
    {
        for (int s = 1; s <= 1000; ++s) {
            double p = 100;
            if (s <= nulla)
                p = 0;
            else if (s < piena)
                p = std::floor(1000.0 * (s - nulla) / (piena - nulla)) / 10;
            percentuali[s][k] = p;
            energiaSolare[s][k] = std::floor(34 * p);
            superfici[s][k] = numeri::taglia(0.9 + 0.1 * s, 1);
        }
    }
    static const documento::Griglia& tabellaPiante()
    {
        rf().stampa_Click();
        EXPECT_EQ(rf().passo->Caption(), QStringLiteral("ho visualizzato i risultati su WORD"));
        EXPECT_EQ(wordDoc->numeroTabelle(), 3);
        const documento::Griglia* g = wordDoc->griglia(3);
        EXPECT_NE(g, nullptr);
        return *g;
    }
    static QStringList rigaDi(const documento::Griglia& g, int riga)
    {
        QStringList esito;
        for (int c = 1; c <= g.colonne; ++c)
            esito << g.cella(riga, c);
        return esito;
    }
};

} // namespace

TEST_F(StampaRisultati, ResultsFromTheLastAreaWithNothingToTheFirstWithEverything)
{
    quote(1, 3, 40);
    quote(2, 3, 35);
    quote(3, 3, 50);
    fabbisognoAnnuo = 3400;
    areaOttimale = 12.5;

    const documento::Griglia& g = tabellaPiante();
    const documento::Griglia& prima = *wordDoc->griglia(1);
    EXPECT_EQ(prima.cella(2, 2), QStringLiteral(" 3400  kwh"));
    EXPECT_EQ(prima.cella(3, 2), QStringLiteral(" 12.5  mq"));
    EXPECT_EQ(wordDoc->griglia(2)->righe, 9);
    EXPECT_EQ(wordDoc->griglia(2)->cella(9, 1), QStringLiteral("solare3"));

    ASSERT_EQ(g.righe, 48) << "areas 4 to 50";
    ASSERT_EQ(g.colonne, 8);
    EXPECT_EQ(rigaDi(g, 1), (QStringList{"impianto (num.)", "superf. (mq.)", "perc.1 (%)", "solare1 (kwh)", "perc.2 (%)",
                                         "solare2 (kwh)", "perc.3 (%)", "solare3 (kwh)"}));
    EXPECT_EQ(rigaDi(g, 2), (QStringList{"4", "1.30", "2.70", "91", "3.10", "105", "2.10", "71"}));
    auto riga = [&](int s) { return rigaDi(g, s - 4 + 2); };
    EXPECT_EQ(riga(35).mid(4, 2), (QStringList{"100.00", "3400"})) << "the first area at 100 % still shows";
    EXPECT_EQ(riga(36).mid(4, 2), (QStringList{QString(), QString()}));
    EXPECT_EQ(riga(40).mid(2, 2), (QStringList{"100.00", "3400"}));
    EXPECT_EQ(riga(41).mid(2, 4), QStringList(4, QString()));
    EXPECT_EQ(riga(50), (QStringList{"50", "5.90", {}, {}, {}, {}, "100.00", "3400"}));
    for (int c = 1; c <= 8; ++c)
        EXPECT_EQ(g.allineamenti[size_t(c - 1)], documento::Allineamento::Destra) << c;
    EXPECT_NE(prima.allineamenti[1], documento::Allineamento::Destra) << "the first tables are not aligned";
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

TEST_F(StampaRisultati, ResultsWhenNoAreaCoversEverythingOrNothing)
{
    // Something from the first area on, everything at 12: the table starts at 1.
    quote(1, 0, 12);
    quote(2, 3, 10);
    quote(3, 5, 11);
    EXPECT_EQ(tabellaPiante().righe, 13);
    EXPECT_EQ(rigaDi(*wordDoc->griglia(3), 2).first(), QStringLiteral("1"));

    // Nothing up to 10, never everything: from 11 to the last area.
    for (int k = 1; k <= 3; ++k)
        quote(k, 10, 1010);
    const documento::Griglia& mai = tabellaPiante();
    ASSERT_EQ(mai.righe, 991);
    EXPECT_EQ(mai.cella(2, 1), QStringLiteral("11"));
    EXPECT_EQ(mai.cella(991, 1), QStringLiteral("1000"));
    EXPECT_EQ(mai.cella(991, 3), numeri::formatta(percentuali[1000][1], u"##0.00"));

    // Something everywhere, never everything: every area.
    for (int k = 1; k <= 3; ++k)
        quote(k, -9, 1001);
    const documento::Griglia& tutte = tabellaPiante();
    ASSERT_EQ(tutte.righe, 1001);
    EXPECT_EQ(tutte.cella(2, 1), QStringLiteral("1"));
    EXPECT_EQ(wordDoc->griglia(2)->cella(1, 1), QStringLiteral("colonna")) << "the legend stays as written";

    // Before any calculation: the headings only.
    calcoli::memorizzaFattib(calcoli::RisultatiFattib{});
    const documento::Griglia& nessuna = tabellaPiante();
    EXPECT_EQ(nessuna.righe, 1);
    EXPECT_EQ(nessuna.cella(1, 8), QStringLiteral("solare3 (kwh)"));
    EXPECT_EQ(wordDoc->griglia(1)->cella(2, 2), QStringLiteral(" 0  kwh"));
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

TEST_F(StampaRisultati, ResultsOfARealCalculation)
{
    compilaFattib(true);
    f().cmdavanti_Click();
    const risultati::Intervallo righe = risultati::intervalloStampa();
    const documento::Griglia& g = tabellaPiante();
    ASSERT_EQ(g.righe, righe.righe() + 1);
    EXPECT_EQ(g.cella(2, 1), numeri::testoNumero(righe.primo));
    int piene = 0;
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(percentuali[righe.ultimo][k], 100);
        piene += percentuali[righe.ultimo - 1][k] == 100;
    }
    EXPECT_LT(piene, 3) << "the table ends at the first area where every kind covers everything";
}
