// Rows of cells with a highlighted row and a paging scroll bar, as the read-only
// tables of the windows use them.
#include "platform/controlli.h"
#include "platform/righePaginate.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

const QColor ciano(0, 255, 255);
const QColor bianco(255, 255, 255);
const QColor giallo(255, 255, 0);

QColor sfondo(const QWidget* cella)
{
    return qobject_cast<const Etichetta*>(cella) ? cella->palette().color(QPalette::Window)
                                                  : cella->palette().color(QPalette::Base);
}

struct Tabella {
    QWidget genitore;
    RighePaginate righe{&genitore, 5, 285, 300, 270};
    std::vector<Etichetta*> numeri = righe.colonna(QStringLiteral("num"), 105, 435, Qt::AlignHCenter, ciano);
    std::vector<Etichetta*> valori = righe.colonna(QStringLiteral("util"), 585, 660, Qt::AlignRight, ciano);
    std::vector<QWidget*> caselle;
    Tabella()
    {
        caselle.push_back(nullptr);
        for (int i = 1; i <= 5; ++i)
            caselle.push_back(new CasellaTesto(&genitore, QStringLiteral("mes(%1)").arg(i)));
        righe.aggiungiColonna(caselle, bianco);
        righe.evidenziaDa(numeri);
    }
};

} // namespace

TEST(RighePaginate, CellsStandOnTheGridWithTheirNames)
{
    Tabella t;
    ASSERT_EQ(t.numeri.size(), 6U);
    EXPECT_EQ(t.numeri[0], nullptr);
    EXPECT_EQ(t.numeri[3]->objectName(), QStringLiteral("num(3)"));
    // Row 3 at 285 + 2 * 300 twips, 15 twips a pixel.
    EXPECT_EQ(t.numeri[3]->geometry(), QRect(7, 59, 29, 18));
    EXPECT_EQ(t.valori[5]->geometry().top(), 99);
}

TEST(RighePaginate, OneRowHighlightedAndEveryColumnBackToItsOwnColour)
{
    Tabella t;
    int sopra = 0;
    QObject::connect(&t.righe, &RighePaginate::sopraRiga, [&sopra](int riga) { sopra = riga; });
    emit t.numeri[4]->MouseMove();
    EXPECT_EQ(sopra, 4);

    t.righe.evidenzia(2);
    t.righe.evidenzia(4);
    for (int i = 1; i <= 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(sfondo(t.numeri[std::size_t(i)]), i == 4 ? giallo : ciano);
        EXPECT_EQ(sfondo(t.valori[std::size_t(i)]), i == 4 ? giallo : ciano);
        EXPECT_EQ(sfondo(t.caselle[std::size_t(i)]), i == 4 ? giallo : bianco);
    }
    // A row outside the table only restores.
    t.righe.evidenzia(6);
    EXPECT_EQ(sfondo(t.numeri[4]), ciano);
    EXPECT_EQ(sfondo(t.caselle[4]), bianco);
}

TEST(RighePaginate, TheBarPagesWithinItsRangeAndSaysWhereFrom)
{
    Tabella t;
    EXPECT_EQ(t.righe.primo(), 1); // no bar yet
    BarraScorrimento* barra = t.righe.aggiungiBarra(QStringLiteral("VScroll1"), 2805, 240, {1, 996, 1, 10});
    // As high as the five rows.
    EXPECT_EQ(barra->geometry(), QRect(187, 19, 16, 98));
    QList<int> pagine;
    QObject::connect(&t.righe, &RighePaginate::pagina, [&pagine](int primo) { pagine << primo; });
    barra->setValue(996);
    barra->setValue(5000);  // beyond the end: stays on the last page, no new page
    barra->setValue(-3);
    EXPECT_EQ(pagine, (QList<int>{996, 1}));
    EXPECT_EQ(t.righe.primo(), 1);
    barra->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(t.righe.primo(), 11);
}
