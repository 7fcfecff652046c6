// The report of the feasibility window: the inputs table of each use and of a window
// with nothing chosen.
#include "support/ambienteCalcolo.h"

using namespace ModKorvel;

namespace {

class StampeFattib : public AmbienteCalcolo {
protected:
    static QStringList colonna2(const documento::Griglia& g)
    {
        QStringList esito;
        for (int riga = 1; riga <= g.righe; ++riga)
            esito << g.cella(riga, 2);
        return esito;
    }
};

} // namespace

TEST_F(StampeFattib, InputsTableOfAHotWaterPlant)
{
    compilaFattib(true);
    f().stampa_Click();
    ASSERT_TRUE(wordDoc);
    EXPECT_EQ(wordDoc->titolo(), QStringLiteral("DATI PER IL CALCOLO DI FATTIBILITA'"));
    const documento::Griglia* g = wordDoc->griglia(1);
    ASSERT_NE(g, nullptr);
    ASSERT_EQ(g->righe, 13);
    EXPECT_EQ(g->cella(13, 1), QStringLiteral("tasso di aumento del costo dell'energia"));
    EXPECT_EQ(colonna2(*g), (QStringList{
                                QStringLiteral("dati"), QStringLiteral("Milano"),
                                QStringLiteral("produzione di acqua calda sanitaria"), QString(),
                                QStringLiteral(" 300 litri"), QStringLiteral(" 45 gradi"), QStringLiteral("20 anni"),
                                QStringLiteral("300 euro"), QStringLiteral("5 euro"), QStringLiteral("metano"),
                                QStringLiteral("0.8 euro al mc."), QStringLiteral(" 3.5 %"), QStringLiteral(" 2 %"),
                            }));
    EXPECT_TRUE(g->formattata);
    EXPECT_EQ(f().passo->Caption(), QStringLiteral("ho visualizzato i dati su WORD"));
}

TEST_F(StampeFattib, InputsTableWithHeatingAndWithNothingChosen)
{
    compilaFattib(false);
    f().Option3[1]->setValue(true);
    f().stampa_Click();
    const QStringList riscaldamento = colonna2(*wordDoc->griglia(1));
    EXPECT_EQ(riscaldamento[2], QStringLiteral("riscaldamento degli ambienti"));
    EXPECT_EQ(riscaldamento[3], QStringLiteral("250  W/°C"));
    EXPECT_EQ(riscaldamento[10], QStringLiteral("0.8 euro al litro"));

    // No use and no fuel chosen: their cells stay empty.
    f().cancella_click();
    f().stampa_Click();
    const QStringList vuota = colonna2(*wordDoc->griglia(1));
    EXPECT_EQ(vuota[1], QStringLiteral("Bolzano"));
    EXPECT_EQ(vuota[2], QString());
    EXPECT_EQ(vuota[3], QString());
    EXPECT_EQ(vuota[4], QString());
    EXPECT_EQ(vuota[6], QStringLiteral(" anni"));
    EXPECT_EQ(vuota[9], QString());
    EXPECT_EQ(vuota[10], QStringLiteral(" euro"));
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}
