// The feasibility window: its check and hint line step by step, the frames that the
// choices unlock, clearing, the town typed into the list, the numeric boxes and the
// "Risultati" button.
#include "support/ambienteCalcolo.h"
#include "support/barre.h"

#include <QLineEdit>
#include <QTest>

using namespace ModKorvel;

namespace {

const QString messaggi12[] = {
    QStringLiteral("I dati sono stati immessi formalmente in modo corretto."),
    QStringLiteral("Aprire un file con i dati archiviati o iniziare l'immissione dei dati scegliendo la località di "
                   "riferimento tra quelle preimpostate."),
    QStringLiteral("Scegliere la tipologia di impianto (riscaldamento degli ambienti o produzione di acqua calda "
                   "sanitaria)."),
    QStringLiteral("Scegliere, con l'apposita barra verticale di scorrimento, la quantità di acqua consumata "
                   "giornalmente."),
    QStringLiteral("Scegliere, con l'apposita barra verticale di scorrimento, la temperatura dell'acqua consumata "
                   "giornalmente."),
    QStringLiteral("Digitare il valore della trasmittanza dell'edificio a cui si riferisce l'impianto."),
    QStringLiteral("Digitare il numero di anni di vita dell'impianto di pannelli solari."),
    QStringLiteral("Digitare il costo a mq. dei pannelli solari che si intendono impiantare."),
    QStringLiteral("Digitare il costo annuo dell'elettricità per ogni mq. di pannelli solari."),
    QStringLiteral("Scegliere il tipo di combustibile usato in alternativa ai pannelli solari."),
    QStringLiteral("Digitare il costo del combustibile usato in alternativa ai pannelli solari."),
    QStringLiteral("Scegliere, con l'apposita barra verticale di scorrimento, il valore del tasso di sconto previsto "
                   "nel periodo di vita dell'impianto."),
    QStringLiteral("Scegliere, con l'apposita barra verticale di scorrimento, il valore del tasso di aumento "
                   "dell'energia, usata in alternativa, previsto nel periodo di vita dell'impianto."),
};

const QString chiusura = QStringLiteral(
    "controllare, correggere, archiviare quanto immesso, visualizzare i risultati cliccando sull'apposito tasto "
    "------------------>>>");

class Fattib : public AmbienteCalcolo {
protected:
    QList<Cornice*> riquadri()
    {
        fattib& w = f();
        return {w.Frame1, w.Frame2, w.Frame3, w.Frame4, w.Frame5, w.Frame6,
                w.Frame7, w.Frame8, w.Frame9, w.Frame10, w.Frame11};
    }
    QList<bool> abilitati()
    {
        QList<bool> esito;
        for (Cornice* c : riquadri())
            esito << c->isEnabled();
        return esito;
    }
};

} // namespace

TEST_F(Fattib, CheckAndHintFollowTheSameTwelveStepsInOrder)
{
    fattib& w = f();
    // Each input, and the step the check and the hint line then stand on.
    const QList<std::pair<std::function<void()>, int>> passi = {
        {[] {}, 1},
        {[&] { w.loc->setListIndex(16); }, 2},
        {[&] { w.Option1[1]->setValue(true); }, 5},
        {[&] { w.trasm->setText(QStringLiteral("0")); }, 5}, // present but 0
        {[&] { w.Option1[2]->setValue(true); }, 3},          // hot water skips the transmittance
        {[&] { w.VScroll1->setValue(200); }, 4},
        {[&] { w.VScroll2->setValue(45); }, 6},
        {[&] { w.ann->setText(QStringLiteral("20")); }, 7},
        {[&] { w.cost->setText(QStringLiteral("300")); }, 8},
        {[&] { w.elettr->setText(QStringLiteral("5")); }, 9},
        {[&] { w.Option3[3]->setValue(true); }, 10},
        {[&] { w.costalt->setText(QStringLiteral(".2")); }, 11},
        {[&] { w.VScroll4->setValue(500); }, 12},
        {[&] { w.VScroll5->setValue(300); }, 0},
    };
    for (const auto& [azione, atteso] : passi) {
        azione();
        messaggi.azzera();
        w.controlla_Click();
        ASSERT_EQ(messaggi.mostrati.size(), 1) << atteso;
        EXPECT_EQ(messaggi.mostrati[0].testo, messaggi12[atteso]);
        EXPECT_EQ(messaggi.mostrati[0].pulsanti, atteso == 0 ? piattaforma::vbInformation : piattaforma::vbCritical);
        EXPECT_EQ(messaggi.mostrati[0].titolo, titoloControllo);
        // The hint names the same step, in lower case and without the final point
        // (the twelfth one also without its last words).
        if (atteso == 0) {
            EXPECT_EQ(w.passo->Caption(), chiusura);
        } else {
            QString hint = messaggi12[atteso];
            hint[0] = hint[0].toLower();
            hint.chop(1);
            if (atteso == 12)
                hint.chop(QStringLiteral(", previsto nel periodo di vita dell'impianto").size());
            EXPECT_EQ(w.passo->Caption(), hint) << atteso;
        }
    }
    EXPECT_EQ(w.tass->Caption(), QStringLiteral(" 5 %"));
    EXPECT_EQ(w.acq->Caption(), QStringLiteral(" 200 litri"));
    EXPECT_DOUBLE_EQ(w.ingressi().consumoAcqua, 200);
    EXPECT_DOUBLE_EQ(w.ingressi().temperaturaAcqua, 45);
}

TEST_F(Fattib, SilentCheckPassesQuietlyAndFailsWithItsMessage)
{
    compilaFattib(true);
    EXPECT_TRUE(verificaSilenziosa([] { f().controlla_Click(); }));
    EXPECT_EQ(controlloSilenzioso, 0);
    EXPECT_TRUE(messaggi.mostrati.isEmpty());

    f().loc->setEditText(QString()); // no town shown
    EXPECT_FALSE(verificaSilenziosa([] { f().controlla_Click(); }));
    EXPECT_EQ(controlloSilenzioso, 0);
    EXPECT_EQ(messaggi.testi(), QStringList{messaggi12[1]});
}

TEST_F(Fattib, LoadChoicesAndFramesFollowEachOther)
{
    fattib& w = f();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Korvel: calcolo di fattibilità di un impianto a pannelli solari"));
    EXPECT_EQ(w.loc->ListCount(), 64);
    EXPECT_EQ(w.loc->ListIndex(), -1);
    EXPECT_EQ(abilitati(), QList<bool>(11, false));
    EXPECT_FALSE(rf().Frame4->isEnabled());
    EXPECT_FALSE(rf().isVisible());
    EXPECT_EQ(w.passo->Caption().left(20), QStringLiteral("aprire un file con i"));

    w.loc->setListIndex(16);
    EXPECT_EQ(numLocalita, 17);
    EXPECT_EQ(abilitati(), (QList<bool>{false, false, false, false, false, false, false, false, true, false, false}));

    w.Option1[1]->setValue(true); // heating
    EXPECT_EQ(abilitati(), (QList<bool>{false, false, true, true, true, true, true, false, true, true, true}));
    EXPECT_FALSE(rf().Frame4->isEnabled());
    EXPECT_FALSE(rf().Frame5->isEnabled());
    w.Option1[2]->setValue(true); // hot water
    EXPECT_EQ(abilitati(), (QList<bool>{true, true, false, true, true, true, true, false, true, true, true}));
    EXPECT_TRUE(rf().Frame4->isEnabled());
    EXPECT_TRUE(rf().Frame5->isEnabled());
    EXPECT_EQ(w.ingressi().usoImpianto, 2);

    EXPECT_FALSE(w.costalt->isEnabled());
    w.Option3[2]->setValue(true);
    EXPECT_TRUE(w.Frame8->isEnabled());
    EXPECT_TRUE(w.costalt->isEnabled());
    EXPECT_EQ(w.Frame8->title(), QStringLiteral("Costo in euro al mc. di metano"));

    w.trasm->setText(QStringLiteral("250"));
    EXPECT_DOUBLE_EQ(w.ingressi().trasmittanza, 0.9);
    w.VScroll4->setValue(10000);
    EXPECT_FLOAT_EQ(w.ingressi().tassoSconto, 100.0F);
    EXPECT_EQ(w.tass->Caption(), QStringLiteral(" 100 %"));
    w.VScroll5->setValue(11);
    EXPECT_EQ(w.tasen->Caption(), QStringLiteral(" .11 %"));

    w.VScroll1->setValue(450);
    EXPECT_EQ(rf().acq->Caption(), QStringLiteral(" 450 litri")) << "the results window's label follows";
    EXPECT_EQ(rf().VScroll4->Value(), 450) << "and its bar stands on the same amount";
    EXPECT_FALSE(rf().isVisible());

    w.Option1[1]->setValue(true); // the transmittance frame holds the button
    w.ver->click();
    EXPECT_EQ(chiamanteTrasm, 1);
    EXPECT_TRUE(finestra<trasmitt>().isVisible());
}

TEST_F(Fattib, NumericBoxesKeepDigitsAndPointsWithAWarningEach)
{
    fattib& w = f();
    w.loc->setListIndex(0);
    w.Option1[1]->setValue(true);
    w.ann->setFocus();
    QTest::keyClicks(w.ann, QStringLiteral("2a5"));
    EXPECT_EQ(w.ann->Text(), QStringLiteral("25"));
    EXPECT_DOUBLE_EQ(w.ingressi().durataImpianto, 25);
    w.ann->setCursorPosition(1);
    QTest::keyClicks(w.ann, QStringLiteral(","));
    EXPECT_EQ(w.ann->Text(), QStringLiteral("2.5"));
    EXPECT_EQ(w.ann->cursorPosition(), 2) << "the cursor stays where the user typed";
    EXPECT_EQ(messaggi.testi(), (QStringList{QStringLiteral("Attenzione: digitare solo dati numerici."),
                                             QStringLiteral("Attenzione: usare il punto per i decimali.")}));
    w.costalt->setText(QStringLiteral("-3"));
    EXPECT_EQ(w.costalt->Text(), QStringLiteral("3")) << "no sign can be typed";
    EXPECT_DOUBLE_EQ(w.ingressi().costoCombustibile, 3);
}

TEST_F(Fattib, ClearingShowsTheFirstTownAndLocksTheFramesUntilATownIsChosen)
{
    compilaFattib(true);
    fattib& w = f();
    w.cancella_click();

    EXPECT_EQ(w.loc->Text(), QStringLiteral("Bolzano"));
    EXPECT_EQ(numLocalita, 1);
    EXPECT_EQ(abilitati(), QList<bool>(11, false));
    EXPECT_FALSE(rf().Frame4->isEnabled());
    EXPECT_EQ((QList<int>{w.VScroll1->Value(), w.VScroll2->Value(), w.VScroll4->Value(), w.VScroll5->Value()}),
              (QList<int>{10, 20, 10, 10}));
    for (Etichetta* e : {w.acq, w.temper, w.tass, w.tasen})
        EXPECT_EQ(e->Caption(), QString()) << e->objectName().toStdString();
    for (PulsanteOpzione* o : {w.Option1[1], w.Option1[2], w.Option3[1], w.Option3[2], w.Option3[3]})
        EXPECT_FALSE(o->Value()) << o->objectName().toStdString();
    for (CasellaTesto* c : {w.trasm, w.ann, w.cost, w.elettr, w.costalt})
        EXPECT_EQ(c->Text(), QString());
    EXPECT_DOUBLE_EQ(w.ingressi().consumoAcqua, 0);
    EXPECT_DOUBLE_EQ(w.ingressi().costoCollettori, 0);

    messaggi.azzera();
    w.controlla_Click();
    EXPECT_EQ(messaggi.testi(), QStringList{messaggi12[2]}) << "the town is there, the use is not";

    // Picking the town already shown unlocks the frames again.
    emit w.loc->activated(0);
    EXPECT_TRUE(w.Frame9->isEnabled());
}

TEST_F(Fattib, TypingIntoTheTownList)
{
    fattib& w = f();
    w.loc->setListIndex(16);
    QLineEdit* riga = w.loc->lineEdit();

    riga->clear();
    QTest::keyClicks(riga, QStringLiteral("cat"));
    EXPECT_EQ(numLocalita, 17) << "a beginning of a name waits for the rest";
    QTest::keyClicks(riga, QStringLiteral("ania"));
    EXPECT_EQ(w.loc->ListIndex(), 63) << "a whole name, in any case, chooses the town";
    EXPECT_EQ(numLocalita, 64);
    EXPECT_EQ(finestra<tabella>().VScroll1->Value(), 64);

    riga->selectAll();
    QTest::keyClicks(riga, QStringLiteral("x"));
    EXPECT_EQ(w.loc->ListIndex(), 0) << "a text that matches no town chooses the first at once";
    EXPECT_EQ(w.loc->Text(), QStringLiteral("Bolzano"));
    EXPECT_EQ(numLocalita, 1);
    EXPECT_TRUE(messaggi.mostrati.isEmpty());

    riga->selectAll();
    QTest::keyClicks(riga, QStringLiteral("Mil"));
    QTest::keyClick(riga, Qt::Key_Backspace);
    QTest::keyClick(riga, Qt::Key_Return);
    EXPECT_EQ(w.loc->ListIndex(), 0) << "an unfinished name left behind is no town";
    EXPECT_EQ(w.loc->Text(), QStringLiteral("Bolzano"));
}

TEST_F(Fattib, ResultsButtonChecksCalculatesAndShowsTheResults)
{
    fattib& w = f();
    compilaFattib(false);
    w.ann->setText(QString());
    w.cmdavanti->click();
    EXPECT_EQ(messaggi.testi(), QStringList{messaggi12[6]});
    EXPECT_EQ(controlloSilenzioso, 0);
    EXPECT_EQ(tipoElaborazione, 0);
    EXPECT_FALSE(rf().isVisible());
    EXPECT_EQ(superfici[1][1], 0) << "nothing calculated";

    w.ann->setText(QStringLiteral("20"));
    messaggi.azzera();
    w.cmdavanti->click();
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
    EXPECT_EQ(tipoElaborazione, 1);
    EXPECT_TRUE(rf().isVisible());
    EXPECT_TRUE(comeAtteso(*atteso(1, 0, 0, 250)));
    EXPECT_EQ(rf().loc->Caption(), QStringLiteral("Milano"));
    EXPECT_EQ(rf().fabb->Caption(), numeri::testoNumero(fabbisognoAnnuo));
    EXPECT_EQ(rf().ottim->Caption(), numeri::testoNumero(areaOttimale));
    EXPECT_EQ(rf().areac[1]->Caption(), QStringLiteral("2")) << "heating tries 2 m² first";
}

TEST_F(Fattib, ACaseTheSizingRefusesIsExplainedAndStoresNothing)
{
    compilaFattib(true);
    f().cmdavanti_Click();
    const double prima = fabbisognoAnnuo;
    tipoElaborazione = 2;
    coefficienti.fill(0); // a town whose fits give no reference area
    Unica<risultati>::scarica();
    f().cmdavanti_Click();

    ASSERT_EQ(messaggi.mostrati.size(), 1);
    EXPECT_TRUE(messaggi.mostrati[0].testo.startsWith(QStringLiteral("Calcolo non eseguibile: ")));
    EXPECT_EQ(messaggi.mostrati[0].pulsanti, piattaforma::vbCritical);
    EXPECT_EQ(messaggi.mostrati[0].titolo, titoloControllo);
    EXPECT_EQ(fabbisognoAnnuo, prima);
    EXPECT_EQ(tipoElaborazione, 2);
    EXPECT_FALSE(rf().isVisible());
}

TEST_F(Fattib, AtDesignSizeAClickBelowEachThumbPagesByLargeChange)
{
    compilaFattib(true);
    fattib& w = f();
    const std::pair<BarraScorrimento*, int> barre[] = {
        {w.VScroll1, 50}, {w.VScroll2, 5}, {w.VScroll4, 10}, {w.VScroll5, 10}};
    for (const auto& [barra, pagina] : barre) {
        SCOPED_TRACE(barra->objectName().toStdString());
        EXPECT_EQ(barra->size(), QSize(17, 49));
        const int prima = barra->Value();
        ASSERT_TRUE(cliccaSottoIlCursore(*barra));
        EXPECT_EQ(barra->Value(), prima + pagina);
    }
    EXPECT_EQ(w.acq->Caption(), QStringLiteral(" 350 litri"));
    EXPECT_EQ(w.temper->Caption(), QStringLiteral(" 50 gradi"));
    EXPECT_EQ(w.tass->Caption(), QStringLiteral(" 3.6 %"));
    EXPECT_EQ(w.tasen->Caption(), QStringLiteral(" 2.1 %"));
}

TEST_F(Fattib, NumbersBeyondWhatTheSizingHoldsAreRefusedWithTheReason)
{
    compilaFattib(false);
    f().cmdavanti_Click();
    const double prima = fabbisognoAnnuo;
    const double percentualePrima = percentuali[500][2];
    Unica<risultati>::scarica();
    // Typed whole: a 1 and 306 zeros for the transmittance; then costs of 1e308.
    for (const auto& [casella, testo] :
         {std::pair{f().trasm, QStringLiteral("1") + QString(306, QLatin1Char('0'))},
          std::pair{f().cost, QStringLiteral("1") + QString(308, QLatin1Char('0'))}}) {
        compilaFattib(false);
        casella->setText(testo);
        if (casella == f().cost)
            f().elettr->setText(testo);
        messaggi.azzera();
        f().cmdavanti_Click();
        ASSERT_EQ(messaggi.mostrati.size(), 1);
        EXPECT_TRUE(messaggi.mostrati[0].testo.startsWith(QStringLiteral("Calcolo non eseguibile: ")));
        EXPECT_EQ(messaggi.mostrati[0].pulsanti, piattaforma::vbCritical);
        EXPECT_EQ(messaggi.mostrati[0].titolo, titoloControllo);
        EXPECT_EQ(fabbisognoAnnuo, prima);
        EXPECT_EQ(percentuali[500][2], percentualePrima);
        EXPECT_FALSE(rf().isVisible());
    }
}
