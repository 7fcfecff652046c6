// The climate-table window: its layout, colours, row highlight and scroll bar.
#include "finestreClima.h"
#include "climate/datiClimatici.h"
#include "climate/tabella.h"
#include "detailed/dettagliato.h"
#include "feasibility/fattib.h"
#include "platform/controlli.h"
#include "base/ModKorvel.h"
#include "support/barre.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

class FinestraTabella : public FinestreClima {
protected:
    static QColor sfondo(const QWidget* w, QPalette::ColorRole ruolo = QPalette::Window)
    {
        return w->palette().color(ruolo);
    }

    static void passaSopra(QWidget* w)
    {
        QMouseEvent evento(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                           Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &evento);
    }

    // Rows that are highlighted at the moment.
    static QList<int> righeEvidenziate(const tabella& t)
    {
        QList<int> righe;
        for (int m = 1; m <= 12; ++m) {
            const bool numero = sfondo(t.num[m]) == tabella::coloreEvidenza;
            const bool caselle = sfondo(t.mes[m], QPalette::Base) == tabella::coloreEvidenza &&
                                 sfondo(t.inc[m], QPalette::Base) == tabella::coloreEvidenza &&
                                 sfondo(t.tem[m], QPalette::Base) == tabella::coloreEvidenza;
            EXPECT_EQ(numero, caselle) << "row " << m << " is highlighted as a whole";
            if (numero)
                righe << m;
            else {
                EXPECT_EQ(sfondo(t.num[m]), tabella::coloreNumero) << m;
                EXPECT_EQ(sfondo(t.inc[m], QPalette::Base), tabella::coloreCasella) << m;
            }
        }
        return righe;
    }
};

QRect rettangoloTwips(const QWidget* w)
{
    return QRect(int(inTwips(w->x())), int(inTwips(w->y())), int(inTwips(w->width())), int(inTwips(w->height())));
}

} // namespace

TEST_F(FinestraTabella, CaptionLabelsAndPositions)
{
    tabella& t = finestra<tabella>();
    EXPECT_EQ(t.windowTitle(), QStringLiteral("Korvel: tabella dei dati climatici"));
    EXPECT_EQ(t.Label28->Caption(), QStringLiteral("dati climatici archiviati"));
    EXPECT_EQ(t.Label1->Caption(), QStringLiteral("località di riferimento"));
    EXPECT_EQ(t.Label11->Caption(), QStringLiteral("°C"));
    EXPECT_EQ(t.Label8->Caption(), QStringLiteral("kj/mq/giorno"));
    EXPECT_TRUE(t.Label9->Caption().startsWith(QStringLiteral("Visualizzare le località e scegliere nel calcolo")));
    EXPECT_EQ(t.passo->Caption(),
              QStringLiteral("Finestra di sola lettura: visualizzare i dati con la barra di scorrimento verticale, "
                             "stampare la tabella o passare al calcolo."));
    EXPECT_EQ(t.Label6->toolTip(), QStringLiteral("numero d'ordine della località"));
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(t.num[m]->Caption(), QString::number(m));

    // Design positions, whatever the window's current scale.
    EXPECT_EQ(t.findChild<Etichetta*>(QStringLiteral("Label28")), t.Label28);
    EXPECT_EQ(t.findChild<CasellaTesto*>(QStringLiteral("tem(12)")), t.tem[12]);
    EXPECT_NEAR(rettangoloTwips(t.num[1]).top(), 2160, 15);
    EXPECT_NEAR(rettangoloTwips(t.tem[12]).top(), 2160 + 240 * 11, 15);
    EXPECT_NEAR(rettangoloTwips(t.tem[12]).left(), 3600, 15);
    EXPECT_NEAR(rettangoloTwips(t.VScroll1).left(), 5280, 15);
    EXPECT_NEAR(rettangoloTwips(t.VScroll1).height(), 2895, 15);
    EXPECT_NEAR(rettangoloTwips(t.La).top(), 4560, 15);
    EXPECT_NEAR(rettangoloTwips(t.passo).left(), 2400, 15);
}

TEST_F(FinestraTabella, Colours)
{
    tabella& t = finestra<tabella>();
    const QColor giallo(255, 255, 0), rosso(255, 0, 0);
    for (Etichetta* e : {t.Label1, t.Label2, t.Label3, t.Label4, t.Label5, t.Label6, t.Label7, t.Label8, t.Label9,
                         t.Label10, t.Label11, t.Label28})
        EXPECT_EQ(sfondo(e), giallo) << e->objectName().toStdString();
    for (Etichetta* e : {t.loc, t.La}) {
        EXPECT_EQ(sfondo(e), rosso);
        EXPECT_EQ(sfondo(e, QPalette::WindowText), giallo);
        EXPECT_TRUE(e->font().bold());
    }
    EXPECT_TRUE(righeEvidenziate(t).isEmpty());
    EXPECT_EQ(sfondo(t.num[1]), QColor(0, 255, 255));
}

TEST_F(FinestraTabella, HoverHighlightsOneRowAndKeepsItAfterLeaving)
{
    tabella& t = finestra<tabella>();
    passaSopra(t.num[5]);
    EXPECT_EQ(righeEvidenziate(t), QList<int>{5});
    passaSopra(t.num[9]);
    EXPECT_EQ(righeEvidenziate(t), QList<int>{9});
    passaSopra(t.Label9); // leaving the table
    passaSopra(t.area());
    EXPECT_EQ(righeEvidenziate(t), QList<int>{9});
}

TEST_F(FinestraTabella, MonthBoxesAreReadOnly)
{
    tabella& t = finestra<tabella>();
    for (int m = 1; m <= 12; ++m) {
        EXPECT_TRUE(t.mes[m]->isReadOnly());
        EXPECT_TRUE(t.inc[m]->isReadOnly());
        EXPECT_TRUE(t.tem[m]->isReadOnly());
    }
}

TEST_F(FinestraTabella, ScrollBarStopsAtBothEndsAndPagesByFive)
{
    tabella& t = finestra<tabella>();
    t.VScroll1->setValue(100);
    EXPECT_EQ(t.VScroll1->Value(), 64);
    EXPECT_EQ(t.loc->Caption(), QStringLiteral("Catania"));
    t.VScroll1->setValue(0);
    EXPECT_EQ(t.VScroll1->Value(), 1);
    EXPECT_EQ(t.loc->Caption(), QStringLiteral("Bolzano"));

    t.VScroll1->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(t.VScroll1->Value(), 6);
    EXPECT_EQ(ModKorvel::numLocalita, 6);
    EXPECT_EQ(t.loc->Caption(), QStringLiteral("Pordenone"));
    t.VScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(t.Label6->Caption(), QStringLiteral("7"));
}

TEST_F(FinestraTabella, AtDesignSizeAClickBelowTheThumbPagesByFive)
{
    tabella& t = finestra<tabella>();
    EXPECT_EQ(t.VScroll1->size(), QSize(33, 193));
    t.VScroll1->setValue(1);
    ASSERT_TRUE(cliccaSottoIlCursore(*t.VScroll1));
    EXPECT_EQ(t.VScroll1->Value(), 6);
    EXPECT_EQ(t.loc->Caption(), QStringLiteral("Pordenone"));
}
