// The report builder: its tables as the reports need them, and the channel's rule
// that the first failure ends the report with one message.
#include "report/relazione.h"

#include "base/ModKorvel.h"
#include "base/numeri.h"
#include "report/canaleWord.h"
#include "support/ambiente.h"
#include "support/doppi.h"

#include <gtest/gtest.h>

using documento::Capoverso;
using documento::Griglia;

namespace {

const QString CR(1, QChar(13));

class Relazione : public ::testing::Test {
protected:
    void SetUp() override
    {
        ambiente::ripristinaStato();
        ModKorvel::inizializzaDati();
        ASSERT_TRUE(ModKorvel::avviaWord());
    }
    const Griglia& tabella(int k) { return *ModKorvel::wordDoc->griglia(k); }
    doppi::Messaggi messaggi;
};

const relazione::Riga sintesi[] = {
    {QStringLiteral("tipologia"), QStringLiteral("valore")},
    {QStringLiteral("fabbisogno annuo"), QStringLiteral(" 12345  kwh")},
};

} // namespace

TEST_F(Relazione, TwoColumnTablesAndLegendsAreFormattedAndNumbered)
{
    EXPECT_EQ(relazione::tabellaDueColonne(sintesi, 10), 1);
    ASSERT_TRUE(ModKorvel::aggiungiParagrafo(10));
    EXPECT_EQ(relazione::legenda(sintesi, 8), 2);

    const Griglia& prima = tabella(1);
    EXPECT_EQ(prima.righe, 2);
    EXPECT_TRUE(prima.formattata);
    EXPECT_EQ(prima.carattere.dimensione, 10);
    EXPECT_EQ(prima.cella(2, 2), QStringLiteral(" 12345  kwh"));
    EXPECT_EQ(tabella(2).carattere.dimensione, 8);

    // The legend's heading stands above its table, a paragraph end after it.
    QStringList testi;
    for (const auto& b : ModKorvel::wordDoc->blocchi())
        testi << (std::holds_alternative<Griglia>(b) ? QStringLiteral("<tabella>") : std::get<Capoverso>(b).testo());
    EXPECT_EQ(testi.mid(testi.size() - 5),
              (QStringList{QString(), QStringLiteral("Legenda:"), QStringLiteral("<tabella>"), QString(), QString()}));
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

TEST_F(Relazione, DataTableTakesEachColumnsPatternAndLeavesNothingEmpty)
{
    numeri::impostaLocale(QLocale(QLocale::Italian, QLocale::Italy));
    static constexpr char16_t dueDecimali[] = u"##0.00";
    const relazione::Colonna colonne[] = {
        {QStringLiteral("mese"), {}},
        {QStringLiteral("rapp."), dueDecimali},
        {QStringLiteral("fabb."), {}},
    };
    const int k = relazione::tabellaDati(colonne, 2, 8, [](int riga, int colonna) -> Valore {
        if (colonna == 1)
            return riga == 1 ? QStringLiteral("Gen") : QStringLiteral("Feb");
        if (colonna == 2)
            return riga == 1 ? 1.005 : 2.675;
        return riga == 1 ? Valore(1234.5) : Valore();
    });
    ASSERT_EQ(k, 1);
    const Griglia& g = tabella(1);
    EXPECT_EQ(g.righe, 3);
    EXPECT_EQ(g.cella(1, 2), QStringLiteral("rapp."));
    EXPECT_EQ(g.cella(2, 1), QStringLiteral("Gen"));
    // The decimal value is rounded, in the user's separator.
    EXPECT_EQ(g.cella(2, 2), QStringLiteral("1,01"));
    EXPECT_EQ(g.cella(3, 2), QStringLiteral("2,68"));
    EXPECT_EQ(g.cella(2, 3), QStringLiteral("1234,5"));
    EXPECT_EQ(g.cella(3, 3), QString());
    EXPECT_TRUE(g.formattata);
}

TEST_F(Relazione, AHeadingRowOnlyWhenThereAreNoRows)
{
    const relazione::Colonna colonne[] = {{QStringLiteral("anno"), {}}, {QStringLiteral("bilancio"), u"##0.00"}};
    int chiamate = 0;
    EXPECT_EQ(relazione::tabellaDati(colonne, 0, 10, [&chiamate](int, int) { ++chiamate; return Valore(1); }), 1);
    EXPECT_EQ(tabella(1).righe, 1);
    EXPECT_EQ(chiamate, 0);
}

TEST_F(Relazione, TheFirstFailureEndsTheReportWithOneMessage)
{
    // A table of more columns than a document can hold fails; what follows does nothing.
    std::vector<relazione::Colonna> troppe(64, relazione::Colonna{QStringLiteral("x"), {}});
    int chiamate = 0;
    EXPECT_EQ(relazione::tabellaDati(troppe, 3, 8, [&chiamate](int, int) { ++chiamate; return Valore(1); }), 0);
    EXPECT_EQ(chiamate, 0);
    EXPECT_EQ(relazione::tabellaDueColonne(sintesi, 10), 0);
    EXPECT_EQ(relazione::legenda(sintesi, 8), 0);
    EXPECT_EQ(ModKorvel::wordDoc->numeroTabelle(), 0);
    ASSERT_EQ(messaggi.mostrati.size(), 1);
    EXPECT_TRUE(messaggi.mostrati[0].testo.startsWith(QStringLiteral("Il documento non è stato completato.")));
    EXPECT_EQ(relazione::tabellaCorrente(), 0);
}

TEST_F(Relazione, TheNumberOfATableCountsEveryTableBeforeIt)
{
    ASSERT_TRUE(ModKorvel::aggiungiTabella(2, 2));
    ASSERT_TRUE(ModKorvel::aggiungiTabella(2, 2));
    EXPECT_EQ(relazione::tabellaDueColonne(sintesi, 10), 3);
}
