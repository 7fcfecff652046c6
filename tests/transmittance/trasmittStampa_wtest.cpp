// The window's report: the two element tables, the coefficients and the overall
// figures, and their alignments.
#include "ambienteTrasm.h"

#include "report/canaleWord.h"

using namespace ModKorvel;
using documento::Allineamento;

namespace {

class StampaTrasm : public AmbienteTrasm {
protected:
    static QStringList rigaDi(const documento::Griglia& g, int riga)
    {
        QStringList esito;
        for (int c = 1; c <= g.colonne; ++c)
            esito << g.cella(riga, c);
        return esito;
    }
    static QList<int> destra(const documento::Griglia& g)
    {
        QList<int> colonne;
        for (int c = 1; c <= g.colonne; ++c)
            if (g.allineamenti[std::size_t(c - 1)] == Allineamento::Destra)
                colonne << c;
        return colonne;
    }
};

} // namespace

TEST_F(StampaTrasm, TheFourTablesOfTheWindow)
{
    trasmitt& w = t();
    elemento(1, 1, muratura, QStringLiteral("12.5"));
    elemento(1, 2, vetrate, QStringLiteral("3"));
    w.scegliTipo(1, 3, 9); // "Saracinesche metalliche", no area yet
    digitaTipo(w.Combo1[2], QString()); // element 2 goes: the list closes up
    elemento(2, 1, pilastri, QStringLiteral("2"));
    w.VScroll1->setValue(4);
    w.stampa_Click();

    ASSERT_TRUE(wordDoc);
    EXPECT_EQ(wordDoc->titolo(), QStringLiteral("Tipologia di calcolo: trasmittanza complessiva dell'edificio"));
    ASSERT_EQ(wordDoc->numeroTabelle(), 4);
    const documento::Griglia& esterni = *wordDoc->griglia(1);
    ASSERT_EQ(esterni.righe, 4);
    EXPECT_EQ(rigaDi(esterni, 1), (QStringList{"numero", "tipologia", "area", "trasmittanza unitaria",
                                               "trasmittanza unitaria", "trasmittanza totale", "trasmittanza totale"}));
    EXPECT_EQ(rigaDi(esterni, 2), (QStringList{"", "", "mq", "W/mq°C", "kcal/mq°C", "W/mq°C", "kcal/mq°C"}));
    EXPECT_EQ(rigaDi(esterni, 3), (QStringList{" 1", "Muratura con intercapedine", "12.50", "1.31", "1.13", "16.38",
                                               "14.09"}));
    EXPECT_EQ(rigaDi(esterni, 4), (QStringList{" 3", "Saracinesche metalliche", "0.00", "6.00", "5.16", "", ""}));
    EXPECT_EQ(esterni.carattere.dimensione, 8);
    EXPECT_TRUE(esterni.formattata);

    const documento::Griglia& interni = *wordDoc->griglia(2);
    ASSERT_EQ(interni.righe, 3);
    EXPECT_EQ(rigaDi(interni, 3), (QStringList{" 1", "Porta", "2.00", "3.00", "2.58", "6.00", "5.16"}));

    const documento::Griglia& coefficienti = *wordDoc->griglia(3);
    EXPECT_EQ(rigaDi(coefficienti, 1), (QStringList{"coefficiente liminare", "W/mq°C"}));
    EXPECT_EQ(rigaDi(coefficienti, 2), (QStringList{"esterno", "29.00"}));
    EXPECT_EQ(rigaDi(coefficienti, 3), (QStringList{"intero", "8.90"}));
    EXPECT_EQ(coefficienti.carattere.dimensione, 10);

    const documento::Griglia& complessivi = *wordDoc->griglia(4);
    ASSERT_EQ(complessivi.righe, 5);
    EXPECT_EQ(rigaDi(complessivi, 1), (QStringList{"tipologia", "W/mq°C"}));
    EXPECT_EQ(rigaDi(complessivi, 2),
              (QStringList{"trasmittanza dovuta ai coefficienti liminari esterno e interno", "2.65"}));
    EXPECT_EQ(rigaDi(complessivi, 3), (QStringList{"conduttanza totale", "22.38"}));
    EXPECT_EQ(rigaDi(complessivi, 4), (QStringList{"trasmittanza per ricambi d'aria", "990.00"}));
    EXPECT_EQ(rigaDi(complessivi, 5), (QStringList{"trasmittanza complessiva dell'edificio", "1015.03"}));

    EXPECT_EQ(destra(esterni), (QList<int>{1, 3, 4, 5, 6, 7}));
    EXPECT_EQ(destra(interni), (QList<int>{1, 3, 4, 5, 6, 7}));
    EXPECT_EQ(destra(coefficienti), QList<int>{2});
    EXPECT_EQ(destra(complessivi), QList<int>{2});

    EXPECT_EQ(w.num[1]->Caption(), QStringLiteral("1")) << "the external grid is back on its first page";
    EXPECT_EQ(w.passo->Caption(), QStringLiteral("ho visualizzato i dati su WORD"));
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}
