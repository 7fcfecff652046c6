// The report of the detailed results window: the results document with its five
// tables and the payback line.
#include "support/ambienteCalcolo.h"

using namespace ModKorvel;
using documento::Capoverso;
using documento::Griglia;

namespace {

class StampaRisdettagliato : public AmbienteCalcolo {
protected:
    // The document's paragraphs, a table as "<tabella>".
    static QStringList blocchi()
    {
        QStringList testi;
        for (const auto& b : wordDoc->blocchi())
            testi << (std::holds_alternative<Griglia>(b) ? QStringLiteral("<tabella>") : std::get<Capoverso>(b).testo());
        return testi;
    }
};

} // namespace

TEST_F(StampaRisdettagliato, ResultsDocument)
{
    compilaDettagliato(3);
    d().Option4[1]->setValue(true);
    d().cmdavanti_Click();
    risdettagliato& w = rd();
    w.stampa_Click();
    ASSERT_TRUE(wordDoc);
    EXPECT_EQ(wordDoc->titolo(), QStringLiteral("RISULTATI DEL CALCOLO DETTAGLIATO"));
    ASSERT_EQ(wordDoc->numeroTabelle(), 5);
    const int righe[] = {0, 4, 17, 13, 5, 21};
    const int colonne[] = {0, 2, 2, 16, 2, 4};
    const double dimensioni[] = {0, 10, 10, 8, 10, 10};
    for (int k = 1; k <= 5; ++k) {
        const Griglia& g = *wordDoc->griglia(k);
        EXPECT_EQ(g.righe, righe[k]) << k;
        EXPECT_EQ(g.colonne, colonne[k]) << k;
        EXPECT_EQ(g.carattere.dimensione, dimensioni[k]) << k;
        EXPECT_TRUE(g.formattata) << k;
    }
    const QStringList testi = blocchi();
    const QStringList attesi = {
        nomeProgramma, sottotitolo, QString(), QStringLiteral("RISULTATI DEL CALCOLO DETTAGLIATO"), QString(),
        QStringLiteral("<tabella>"), QString(), QString(), QStringLiteral("Legenda:"), QStringLiteral("<tabella>"),
        QString(), QStringLiteral("<tabella>"), QString(), QStringLiteral("Legenda:"), QStringLiteral("<tabella>"),
        QString(), QStringLiteral("<tabella>"), QString(), QStringLiteral("Tempo di recupero = ") + tempoRecupero,
        QString(),
    };
    EXPECT_EQ(testi, attesi);

    const Griglia& legenda = *wordDoc->griglia(4);
    EXPECT_EQ(legenda.cella(3, 2), QStringLiteral("costo attuale in centesimi di euro al l. di gasolio"));
    EXPECT_EQ(legenda.cella(4, 2), QStringLiteral("costo solare corrispondente in centesimi di euro al l. di gasolio"));
    EXPECT_EQ(legenda.cella(5, 2), QStringLiteral("bilancio progressivo (in euro) tra i costi dei due tipi di energia"));

    // The month and year tables are right-aligned, the others are not.
    for (int c = 1; c <= 16; ++c)
        EXPECT_EQ(wordDoc->griglia(3)->allineamenti[std::size_t(c - 1)], documento::Allineamento::Destra) << c;
    for (int c = 1; c <= 4; ++c)
        EXPECT_EQ(wordDoc->griglia(5)->allineamenti[std::size_t(c - 1)], documento::Allineamento::Destra) << c;
    EXPECT_NE(wordDoc->griglia(1)->allineamenti[1], documento::Allineamento::Destra);
    EXPECT_EQ(w.passo->Caption(), QStringLiteral("ho visualizzato i risultati su WORD"));
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}
