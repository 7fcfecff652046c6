// The detailed window: its check and hint line step by step with the refusals of what
// the calculation cannot take, the frames the choices unlock, the orientation rule,
// the typed numbers, clearing, and the "Risultati" button with inputs taken from
// this window only.
#include "support/ambienteCalcolo.h"

#include "transmittance/datiTrasmittanza.h"

#include <QTest>

#include <functional>

using namespace ModKorvel;

namespace {

using C = dettagliato;

class Dettagliato : public AmbienteCalcolo {
protected:
    static QList<Cornice*> riquadri()
    {
        dettagliato& w = d();
        return {w.Frame1, w.Frame2, w.Frame3,  w.Frame4,  w.Frame5,  w.Frame6,  w.Frame7, w.Frame8,
                w.Frame9, w.Frame10, w.Frame11, w.Frame12, w.Frame13, w.Frame14, w.Frame15};
    }
    static QList<bool> abilitati()
    {
        QList<bool> esito;
        for (Cornice* c : riquadri())
            esito << c->isEnabled();
        return esito;
    }
};

} // namespace

TEST_F(Dettagliato, CheckRefusesInTheWindowsOrderAndTheHintFollows)
{
    dettagliato& w = d();
    struct Passo {
        std::function<void()> azione;
        C::Controllo controllo; // what the check then reports
        int suggerimento;       // the step the hint line shows
    };
    const QList<Passo> passi = {
        {[] {}, C::controlloLocalita, 1},
        {[&] { w.loc->setListIndex(16); }, C::controlloInclinazione, 2},
        {[&] { w.VScroll1->setValue(30); }, C::controlloAzimut, 3},
        {[&] { w.VScroll2->setValue(-15); }, C::controlloUso, 4},
        {[&] { w.Option1[3]->setValue(true); }, C::controlloConsumo, 5},
        {[&] { w.VScroll5->setValue(300); }, C::controlloTemperaturaConsumo, 5},
        {[&] { w.VScroll3->setValue(25); }, C::controlloTemperaturaConsumo, 6},
        {[&] { w.VScroll4->setValue(25); }, C::controlloTemperatureAcqua, 8},
        {[&] { w.VScroll4->setValue(45); }, C::controlloTrasmittanza, 8},
        {[&] { w.trasm->setText(QStringLiteral("0")); }, C::controlloTrasmittanzaNulla, 8},
        {[&] { w.trasm->setText(QStringLiteral("250")); }, C::controlloCollettore, 9},
        {[&] { w.Option2[3]->setValue(true); }, C::controlloFluido, 10},
        {[&] { w.Option3[2]->setValue(true); }, C::controlloArea, 11},
        {[&] { w.are->setText(QStringLiteral("0")); }, C::controlloArea, 12},
        {[&] { w.are->setText(QStringLiteral("8")); }, C::controlloDurata, 12},
        {[&] { w.ann->setText(QStringLiteral("0")); }, C::controlloDurataNulla, 12},
        {[&] { w.ann->setText(QStringLiteral(".5")); }, C::controlloDurataNulla, 13},
        {[&] { w.ann->setText(QStringLiteral("101")); }, C::controlloDurataEccessiva, 13},
        {[&] { w.ann->setText(QStringLiteral("100")); }, C::controlloCosto, 13},
        {[&] { w.cost->setText(QStringLiteral("0")); }, C::controlloCostoNullo, 13},
        {[&] { w.cost->setText(QStringLiteral("6000")); }, C::controlloCombustibile, 14},
        {[&] { w.Option4[2]->setValue(true); }, C::controlloCostoAlternativo, 15},
        {[&] { w.costalt->setText(QStringLiteral("0")); }, C::controlloCostoAlternativoNullo, 15},
        {[&] { w.costalt->setText(QStringLiteral("85")); }, C::controlloSconto, 16},
        {[&] { w.HScroll1->setValue(350); }, C::controlloInflazione, 17},
        {[&] { w.HScroll2->setValue(200); }, C::controlloAumento, 18},
        {[&] { w.HScroll3->setValue(300); }, C::controlloSuperato, 0},
    };
    QSet<int> visti;
    for (const Passo& p : passi) {
        p.azione();
        EXPECT_EQ(w.passo->Caption(), dettagliato::testoPasso(p.suggerimento)) << p.suggerimento;
        messaggi.azzera();
        w.controlla_Click();
        ASSERT_EQ(messaggi.mostrati.size(), 1) << p.controllo;
        EXPECT_EQ(messaggi.mostrati[0].testo, dettagliato::messaggioControllo(p.controllo));
        EXPECT_EQ(messaggi.mostrati[0].pulsanti,
                  p.controllo == C::controlloSuperato ? piattaforma::vbInformation : piattaforma::vbCritical);
        EXPECT_EQ(messaggi.mostrati[0].titolo, titoloControllo);
        visti << p.controllo;
    }
    EXPECT_EQ(visti.size(), int(C::numeroControlli)) << "every check is met on the way";
    EXPECT_EQ(dettagliato::messaggioControllo(C::controlloDurataEccessiva),
              QStringLiteral("E' un tempo esagerato: non superare i 100 anni."));

    // Heating alone needs no water; hot water alone no transmittance.
    w.Option1[1]->setValue(true);
    w.VScroll4->setValue(20);
    w.VScroll3->setValue(30);
    EXPECT_EQ(w.primoControlloFallito(), C::controlloSuperato);
    w.Option1[2]->setValue(true);
    w.trasm->setText(QString());
    EXPECT_EQ(w.primoControlloFallito(), C::controlloTemperatureAcqua);
    w.VScroll4->setValue(31);
    EXPECT_EQ(w.primoControlloFallito(), C::controlloSuperato);
}

TEST_F(Dettagliato, LoadChoicesAndFramesFollowEachOther)
{
    dettagliato& w = d();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Korvel: calcolo dettagliato di un impianto a pannelli solari"));
    EXPECT_EQ(w.passo->Caption(), dettagliato::testoPasso(1));
    EXPECT_EQ(abilitati(), QList<bool>(15, false));
    EXPECT_EQ(w.VScroll2->Value(), 0);

    w.loc->setListIndex(16);
    QList<bool> soloUso(15, false);
    soloUso[0] = true;
    EXPECT_EQ(abilitati(), soloUso);

    const QList<bool> comuni(10, true);
    w.Option1[1]->setValue(true);
    EXPECT_EQ(abilitati(), (QList<bool>{true, false, false, false, true} + comuni));
    EXPECT_EQ(w.ingressi().usoImpiantoDett, 1);
    w.Option1[2]->setValue(true);
    EXPECT_EQ(abilitati(), (QList<bool>{true, true, true, true, false} + comuni));
    w.Option1[3]->setValue(true);
    EXPECT_EQ(abilitati(), QList<bool>(15, true));
    EXPECT_EQ(w.ingressi().usoImpiantoDett, 3);

    EXPECT_FALSE(w.costalt->isEnabled());
    w.Option4[3]->setValue(true);
    EXPECT_TRUE(w.costalt->isEnabled());
    EXPECT_EQ(w.Frame12->title(), QStringLiteral("Costo in centesimi di euro al kwh di elettricità"));
    EXPECT_EQ(rd().Label18->toolTip(), QStringLiteral("costo attuale in centesimi di euro al kwh di elettricità"));
    EXPECT_EQ(rd().Label19->toolTip(),
              QStringLiteral("costo solare corrispondente in centesimi di euro al kwh di elettricità"));

    w.Option1[1]->setValue(true);
    w.ver->click();
    EXPECT_EQ(chiamanteTrasm, 2);
}

TEST_F(Dettagliato, AHorizontalCollectorHasNoAzimuth)
{
    dettagliato& w = d();
    compilaDettagliato(2);
    EXPECT_DOUBLE_EQ(w.ingressi().azimut, -15);
    EXPECT_EQ(w.azim->Caption(), QStringLiteral("-15 gradi"));

    w.VScroll1->setValue(0);
    EXPECT_DOUBLE_EQ(w.ingressi().azimut, 0);
    EXPECT_FALSE(w.VScroll2->isEnabled());
    w.VScroll2->setValue(40);
    EXPECT_DOUBLE_EQ(w.ingressi().azimut, 0) << "still horizontal";
    EXPECT_EQ(w.azim->Caption(), QStringLiteral(" 40 gradi"));
    w.VScroll1->setValue(90);
    EXPECT_TRUE(w.VScroll2->isEnabled());
    EXPECT_DOUBLE_EQ(w.ingressi().azimut, 40);

    w.VScroll5->setValue(32000);
    EXPECT_EQ(w.acq->Caption(), QStringLiteral(" 32000 litri"));
    w.HScroll2->setValue(10000);
    EXPECT_EQ(w.infl->Caption(), QStringLiteral(" 100 %"));
}

TEST_F(Dettagliato, TypedNumbersAndThePlantLifeWarning)
{
    dettagliato& w = d();
    compilaDettagliato(1);
    w.cost->setText(QString());
    w.cost->setFocus();
    QTest::keyClicks(w.cost, QStringLiteral("1200,50"));
    EXPECT_EQ(w.cost->Text(), QStringLiteral("1200.50"));
    EXPECT_DOUBLE_EQ(w.ingressi().costoImpianto, 1200.5);
    EXPECT_EQ(messaggi.testi(), QStringList{QStringLiteral("Attenzione: usare il punto per i decimali.")});

    messaggi.azzera();
    w.ann->setText(QString());
    w.ann->setFocus();
    QTest::keyClicks(w.ann, QStringLiteral("15"));
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
    QTest::keyClicks(w.ann, QStringLiteral("0"));
    ASSERT_EQ(messaggi.mostrati.size(), 1) << "on the third character";
    EXPECT_EQ(messaggi.mostrati[0].testo, QStringLiteral("E' un tempo esagerato: non superare i 100 anni."));
    EXPECT_EQ(messaggi.mostrati[0].pulsanti, piattaforma::vbExclamation);
    EXPECT_DOUBLE_EQ(w.ingressi().durataImpiantoDett, 150);

    // A dropped character and the warning: one message each, not two.
    messaggi.azzera();
    QTest::keyClicks(w.ann, QStringLiteral("x"));
    EXPECT_EQ(messaggi.testi(), (QStringList{QStringLiteral("Attenzione: digitare solo dati numerici."),
                                             QStringLiteral("E' un tempo esagerato: non superare i 100 anni.")}));
}

TEST_F(Dettagliato, ClearingLeavesTheFirstTownTheBarsMinimaAndNoChoice)
{
    compilaDettagliato(3);
    dettagliato& w = d();
    w.cancella_click();

    EXPECT_EQ(w.loc->Text(), QStringLiteral("Bolzano"));
    EXPECT_EQ(numLocalita, 1);
    EXPECT_EQ(abilitati(), QList<bool>(15, false));
    EXPECT_EQ(w.incl->Caption(), QStringLiteral(" 0 gradi"));
    EXPECT_EQ(w.azim->Caption(), QStringLiteral("-45 gradi"));
    EXPECT_DOUBLE_EQ(w.ingressi().azimut, 0);
    EXPECT_EQ(w.ret->Caption(), QStringLiteral(" 0 gradi"));
    for (Etichetta* e : {w.temper, w.acq, w.tass, w.infl, w.ener})
        EXPECT_EQ(e->Caption(), QString()) << e->objectName().toStdString();
    for (const auto* gruppo : {&w.Option1, &w.Option2, &w.Option3, &w.Option4})
        for (std::size_t i = 1; i < gruppo->size(); ++i)
            EXPECT_FALSE((*gruppo)[i]->Value()) << (*gruppo)[i]->objectName().toStdString();
    for (CasellaTesto* c : {w.trasm, w.ann, w.cost, w.costalt, w.are})
        EXPECT_EQ(c->Text(), QString());
    EXPECT_DOUBLE_EQ(w.ingressi().consumoAcqua, 0);
    EXPECT_DOUBLE_EQ(w.ingressi().durataImpiantoDett, 0);

    // The tilt and azimuth already count as chosen; the use does not.
    messaggi.azzera();
    w.controlla_Click();
    EXPECT_EQ(messaggi.testi(), QStringList{dettagliato::messaggioControllo(C::controlloUso)});
    emit w.loc->activated(0);
    EXPECT_TRUE(w.Frame1->isEnabled()) << "picking the town shown unlocks the use";
}

// The feasibility window has its own water, fuel cost (in euro there), unit and use:
// none of them may reach this calculation.
TEST_F(Dettagliato, ResultsButtonCalculatesFromThisWindowOnly)
{
    dettagliato& w = d();
    compilaDettagliato(2);
    w.are->setText(QString());
    w.cmdavanti->click();
    EXPECT_EQ(messaggi.testi(), QStringList{dettagliato::messaggioControllo(C::controlloArea)});
    EXPECT_EQ(tipoElaborazione, 0);
    EXPECT_FALSE(rd().isVisible());
    EXPECT_FALSE(tabelleDett::calcolato());

    w.are->setText(QStringLiteral("8"));
    fattib& f = finestra<fattib>();
    f.Option1[2]->setValue(true);
    f.VScroll1->setValue(900);
    f.Option3[1]->setValue(true);
    f.costalt->setText(QStringLiteral("0.8"));
    messaggi.azzera();
    w.cmdavanti->click();
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
    EXPECT_TRUE(comeAtteso(ingressiAttesi(2)));
    EXPECT_EQ(tipoElaborazione, 2);
    EXPECT_TRUE(rd().isVisible());
    EXPECT_EQ(rd().loc->Caption(), QStringLiteral("Milano   ") + numeri::testoNumero(latitudine));
    EXPECT_EQ(f.combustibileScelto(), 1) << "the feasibility fuel stays";
}

TEST_F(Dettagliato, ACaseTheCalculationRefusesIsExplainedAndStoresNothing)
{
    compilaDettagliato(1);
    d().cmdavanti_Click();
    const QString recupero = tempoRecupero;
    const auto frazioni = frazioneMensile;
    Unica<risdettagliato>::scarica();
    latitudine = 80; // no town of the table lies there

    d().cmdavanti_Click();
    ASSERT_EQ(messaggi.mostrati.size(), 1);
    EXPECT_TRUE(messaggi.mostrati[0].testo.startsWith(QStringLiteral("Calcolo non eseguibile: ")));
    EXPECT_EQ(messaggi.mostrati[0].pulsanti, piattaforma::vbCritical);
    EXPECT_EQ(tempoRecupero, recupero);
    EXPECT_EQ(frazioneMensile, frazioni);
    EXPECT_FALSE(rd().isVisible());
}
