// The transmittance window: the element grids and their handlers, paging, the
// check and hint, clearing, and the send button.
#include "ambienteTrasm.h"

#include "base/unita.h"
#include "detailed/calcoloDettagliato.h"
#include "detailed/datiDettagliato.h"
#include "feasibility/calcoloFattib.h"

using namespace ModKorvel;

namespace {

const QString precedente = QStringLiteral("Scegliere o digitare il dato dell'elemento precedente.");
const QString mancaPeriferico = QStringLiteral("Scegliere o digitare gli elementi periferici da calcolare");
const QString mancaInterno = QStringLiteral("Scegliere o digitare gli elementi interni da calcolare");
const QString chiusura = QStringLiteral(
    "Correggere, archiviare quanto immesso, digitare ulteriori dati, andare oltre (calcolo impianto, stampa).");

class Trasmitt : public AmbienteTrasm {
protected:
    // The element table as stored, both groups.
    static QStringList tabella()
    {
        QStringList t;
        for (int g = 1; g <= 2; ++g)
            for (int i = 1; i <= 20; ++i)
                t << tipologiaElem[g][i] + u'|' + areaElem[g][i] + u'|' + trasUnitaria[g][i] + u'|'
                         + (trasTotale[g][i] ? calcoli::testoCalcolato(*trasTotale[g][i]) : QStringLiteral("-"));
        return t;
    }
    // What row r of the external grid shows.
    static QStringList riga(int r)
    {
        trasmitt& w = t();
        return {w.num[std::size_t(r)]->Caption(), w.Combo1[std::size_t(r)]->currentText(),
                w.ar[std::size_t(r)]->Text(), w.tra[std::size_t(r)]->Text(), w.trat[std::size_t(r)]->Text()};
    }
    // Elements 1..n of the external group, from page to page as a user does.
    static void riempiPeriferici(int n)
    {
        trasmitt& w = t();
        for (int i = 1; i <= n; ++i) {
            const int pagina = std::min(16, 1 + 5 * ((i - 1) / 5));
            w.VScroll1->setValue(pagina);
            elemento(1, i - pagina + 1, (i - 1) % 11, QString::number(i * 1.5));
        }
    }
};

} // namespace

TEST_F(Trasmitt, TheWorkedExampleAndItsCoefficients)
{
    trasmitt& w = t();
    elemento(1, 1, muratura, QStringLiteral("10"));
    EXPECT_EQ(riga(1), (QStringList{"1", "Muratura con intercapedine", "10", "1.31", "13.1"}));
    EXPECT_EQ(risultati(), (QStringList{"2.11", "13.1", "1005.21"}));

    // The eraser empties the external coefficient: the correction goes at once.
    w.delim->click();
    EXPECT_EQ(w.traes->Text(), QString());
    EXPECT_EQ(risultati(), (QStringList{"", "13.1", "1003.1"}));
    w.equiv->setText(QString());
    EXPECT_EQ(risultati(), (QStringList{"0", "13.1", "13.1"}));
    // The equivalent takes a comma silently, like the coefficient boxes.
    QTest::keyClicks(w.equiv, QStringLiteral("9,5"));
    EXPECT_EQ(w.equiv->Text(), QStringLiteral("9.5"));
    EXPECT_EQ(w.complessiva->Text(), QStringLiteral("22.6"));
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

TEST_F(Trasmitt, ChosenTypesTypedTypesAndTheUnitBars)
{
    trasmitt& w = t();
    elemento(1, 1, vetrate, QStringLiteral("12"));
    EXPECT_EQ(riga(1), (QStringList{"1", "Vetrate", "12", "6", "72"}));

    // A typed type keeps the element's unit value; a chosen one sets its default.
    digitaTipo(w.Combo1[1], QStringLiteral("Vetro camera"));
    EXPECT_EQ(tipologiaElem[1][1], QStringLiteral("Vetro camera"));
    EXPECT_EQ(trasUnitaria[1][1], QStringLiteral("6"));
    w.scegliTipo(1, 1, pilastri);
    EXPECT_EQ(riga(1), (QStringList{"1", "Pilastri", "12", "2.1", "25.2"}));

    elemento(1, 2, muratura, QStringLiteral("4"));
    w.scrolla1[2]->setValue(25);
    EXPECT_EQ(riga(2), (QStringList{"2", "Muratura con intercapedine", "4", "2.5", "10"}));
    EXPECT_EQ(trasUnitaria[1][2], QStringLiteral("2.5"));
}

TEST_F(Trasmitt, ANewElementAfterAnEmptyOneIsRefusedOnce)
{
    trasmitt& w = t();
    elemento(1, 1, muratura, QStringLiteral("10"));
    w.scegliTipo(1, 3, vetrate);
    EXPECT_EQ(messaggi.testi(), QStringList{precedente});
    EXPECT_EQ(messaggi.mostrati[0].pulsanti, piattaforma::vbCritical);
    EXPECT_EQ(w.Combo1[3]->currentText(), QString());
    EXPECT_EQ(tipologiaElem[1][3], QString());
    EXPECT_EQ(w.tra[3]->Text(), QString());

    // Typed: refused at the first key; the next type of the grid is not swallowed.
    messaggi.azzera();
    QTest::keyClicks(w.Combo1[4]->lineEdit(), QStringLiteral("P"));
    EXPECT_EQ(messaggi.testi(), QStringList{precedente});
    EXPECT_EQ(w.Combo1[4]->currentText(), QString());
    digitaTipo(w.Combo1[2], QStringLiteral("Porta blindata"));
    EXPECT_EQ(tipologiaElem[1][2], QStringLiteral("Porta blindata"));
    w.scegliTipo(1, 3, vetrate);
    EXPECT_EQ(tipologiaElem[1][3], QStringLiteral("Vetrate"));
    EXPECT_EQ(messaggi.mostrati.size(), 1);

    // On the page from element 2, row 3 shows element 4 and tests element 2 as well.
    messaggi.azzera();
    tipologiaElem[1][2].clear();
    w.VScroll1->setValue(2);
    EXPECT_TRUE(messaggi.mostrati.isEmpty()) << "paging shows stored types without refusing them";
    EXPECT_EQ(w.Combo1[2]->currentText(), QStringLiteral("Vetrate"));
    w.scegliTipo(1, 3, pilastri);
    EXPECT_EQ(messaggi.testi(), QStringList{precedente});
    EXPECT_EQ(tipologiaElem[1][4], QString());
}

// Eighteen elements entered page by page: paging over every position, forth and
// back, changes no stored value and shows each element whole.
TEST_F(Trasmitt, PagingOverEighteenElementsKeepsEveryStoredValue)
{
    trasmitt& w = t();
    riempiPeriferici(18);
    w.scrolla1[3]->setValue(42); // element 18 in row 3 of the last page: 4.2
    EXPECT_EQ(numPeriferici, 18);
    const QStringList prima = tabella();
    const QStringList risultatiPrima = risultati();
    EXPECT_EQ(trasUnitaria[1][18], QStringLiteral("4.2"));

    for (int p = 16; p >= 1; --p)
        w.VScroll1->setValue(p);
    for (int p = 1; p <= 16; ++p) {
        w.VScroll1->setValue(p);
        for (int r = 1; r <= 5; ++r) {
            const int n = p + r - 1;
            ASSERT_EQ(riga(r)[0], QString::number(n));
            ASSERT_EQ(w.Combo1[std::size_t(r)]->currentText(), tipologiaElem[1][n]) << n;
            ASSERT_EQ(w.tra[std::size_t(r)]->Text(), trasUnitaria[1][n]) << n;
        }
        ASSERT_EQ(tabella(), prima) << "page " << p;
    }
    EXPECT_EQ(risultati(), risultatiPrima);
    EXPECT_EQ(riga(3), (QStringList{"18", "Pavimento su porticato", "27", "4.2", "113.4"}));

    // Element 12 has the type of element 1 (the row's before) with another unit value.
    w.VScroll1->setValue(1);
    w.VScroll1->setValue(12);
    EXPECT_EQ(riga(1), (QStringList{"12", "Muratura con intercapedine", "18", "1.31", "23.58"}));
    w.scrolla1[1]->setValue(25);
    w.VScroll1->setValue(1);
    EXPECT_EQ(riga(1), (QStringList{"1", "Muratura con intercapedine", "1.5", "1.31", "1.97"}));
    w.VScroll1->setValue(12);
    EXPECT_EQ(riga(1), (QStringList{"12", "Muratura con intercapedine", "18", "2.5", "45"}));
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

// Only elements with a type count; an emptied area empties the element's total.
TEST_F(Trasmitt, UntypedRowsAndEmptiedAreasCountNowhere)
{
    trasmitt& w = t();
    elemento(1, 1, muratura, QStringLiteral("10"));
    w.ar[2]->setText(QStringLiteral("100"));
    w.scrolla1[2]->setValue(60);
    EXPECT_EQ(w.trat[2]->Text(), QString());
    EXPECT_EQ(risultati(), (QStringList{"2.11", "13.1", "1005.21"}));

    elemento(2, 1, pilastri, QStringLiteral("2"));
    EXPECT_EQ(w.total->Text(), QStringLiteral("19.1"));
    w.ar2[1]->setText(QString());
    EXPECT_EQ(w.trat2[1]->Text(), QString());
    EXPECT_FALSE(trasTotale[2][1]);
    EXPECT_EQ(w.total->Text(), QStringLiteral("13.1"));

    w.ar[1]->setText(QString());
    EXPECT_EQ(w.trat[1]->Text(), QString());
    EXPECT_EQ(risultati(), (QStringList{"0", "0", "990"}));
}

TEST_F(Trasmitt, CheckAndHintWalkTheElementsWithAType)
{
    trasmitt& w = t();
    w.controlla_Click();
    EXPECT_EQ(messaggi.testi(), QStringList{mancaPeriferico});
    EXPECT_TRUE(ModKorvel::verificaSilenziosa([&] { w.controlla_Click(); })) << "silently an empty window passes";

    elemento(1, 1, muratura, QStringLiteral("10"));
    w.scegliTipo(1, 2, vetrate);
    elemento(1, 3, pilastri, QStringLiteral("4"));
    EXPECT_EQ(w.passo->Caption(), QStringLiteral("digitare il valore dell'area dell'elemento periferico n. 2"));

    // Element 2 deleted: the list goes on to element 3.
    digitaTipo(w.Combo1[2], QString());
    w.ar[3]->setText(QString());
    EXPECT_EQ(w.passo->Caption(), QStringLiteral("digitare il valore dell'area dell'elemento periferico n. 3"));
    w.ar[3]->setText(QStringLiteral("4"));
    EXPECT_EQ(w.passo->Caption(), QStringLiteral("scegliere o digitare gli elementi interni da calcolare"));

    // Element 1 of each group decides, whatever page the grid shows.
    w.VScroll1->setValue(6);
    messaggi.azzera();
    w.controlla_Click();
    EXPECT_EQ(messaggi.testi(), QStringList{mancaInterno});
    w.scegliTipo(2, 1, muratura);
    EXPECT_EQ(w.passo->Caption(), QStringLiteral("digitare il valore dell'area dell'elemento interno n. 1"));
    w.ar2[1]->setText(QStringLiteral("7"));
    EXPECT_EQ(w.passo->Caption(), chiusura);
    messaggi.azzera();
    w.controlla_Click();
    EXPECT_EQ(messaggi.testi(), QStringList{"I dati sono stati immessi correttamente."});
}

TEST_F(Trasmitt, SendingNeverWipesTheCallersTransmittance)
{
    trasmitt& w = t();
    fattib& f = finestra<fattib>();
    f.trasm->setText(QStringLiteral("250"));
    chiamanteTrasm = 1;

    // A cleared window: nothing is sent, also when a sum stands without any element,
    // and the user is told why as the check tells.
    titoloControllo = QStringLiteral("Controllo dati");
    riempiPeriferici(7);
    w.scrollain->setValue(100);
    w.cancella_click();
    EXPECT_EQ(tabella(), QStringList(40, QStringLiteral("|||-")));
    EXPECT_EQ(risultati(), (QStringList{"0", "", ""})) << "no correction left from the emptied rows";
    EXPECT_EQ(w.train->Text(), QStringLiteral("10"));
    w.Command1->click();
    w.complessiva->setText(QStringLiteral("1000"));
    w.Command1->click();
    EXPECT_EQ(messaggi.testi(), QStringList(2, mancaPeriferico));
    for (const doppi::Messaggio& m : messaggi.mostrati) {
        EXPECT_EQ(m.pulsanti, piattaforma::vbCritical);
        EXPECT_EQ(m.titolo, QStringLiteral("Controllo dati"));
    }
    EXPECT_EQ(f.trasm->Text(), QStringLiteral("250"));
    EXPECT_FALSE(f.isVisible());

    // Both groups filled but the overall transmittance 0: nothing sent either.
    w.VScroll1->setValue(1); // clearing keeps the page shown
    elemento(1, 1, muratura, QStringLiteral("0"));
    elemento(2, 1, muratura, QStringLiteral("0"));
    w.equiv->setText(QStringLiteral("0"));
    ASSERT_EQ(w.complessiva->Text(), QStringLiteral("0"));
    messaggi.azzera();
    w.Command1->click();
    EXPECT_EQ(messaggi.testi(), QStringList{QStringLiteral("Attenzione! Inserire i dati della trasmittanza.")});
    EXPECT_EQ(f.trasm->Text(), QStringLiteral("250"));
    EXPECT_FALSE(f.isVisible());

    // No caller yet: nothing at all.
    chiamanteTrasm = 0;
    w.ar[1]->setText(QStringLiteral("10"));
    w.Command1->click();
    EXPECT_EQ(f.trasm->Text(), QStringLiteral("250"));
}

TEST_F(Trasmitt, SendingHandsTheResultToTheWindowThatAsked)
{
    trasmitt& w = t();
    elemento(1, 1, muratura, QStringLiteral("10"));
    elemento(2, 1, muratura, QStringLiteral("3"));
    ASSERT_EQ(w.complessiva->Text(), QStringLiteral("1009.14"));

    finestra<fattib>().Option1[1]->setValue(true); // heating: its transmittance box and button
    finestra<fattib>().ver->click();
    EXPECT_EQ(chiamanteTrasm, 1);
    EXPECT_TRUE(w.isVisible());
    w.Command1->click();
    fattib& f = finestra<fattib>();
    EXPECT_EQ(f.trasm->Text(), QStringLiteral("1009.14"));
    EXPECT_DOUBLE_EQ(f.ingressi().trasmittanza, 1009.14 * unita::megajouleOraPerWatt) << "the calculation takes it";
    EXPECT_TRUE(f.isVisible());

    finestra<dettagliato>().Option1[1]->setValue(true);
    finestra<dettagliato>().ver->click();
    EXPECT_EQ(chiamanteTrasm, 2);
    w.equiv->setText(QStringLiteral("1000"));
    w.Command1->click();
    EXPECT_EQ(finestra<dettagliato>().trasm->Text(), QStringLiteral("1019.14"));
    EXPECT_DOUBLE_EQ(finestra<dettagliato>().ingressi().trasmittanzaDett, 1019.14) << "the calculation takes it";
    EXPECT_TRUE(finestra<dettagliato>().isVisible());
    EXPECT_EQ(f.trasm->Text(), QStringLiteral("1009.14"));
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

TEST_F(Trasmitt, SendingChecksSilentlySoABuildingWithoutInternalElementsIsSent)
{
    trasmitt& w = t();
    fattib& f = finestra<fattib>();
    f.trasm->setText(QStringLiteral("250"));
    chiamanteTrasm = 1;
    elemento(1, 1, muratura, QStringLiteral("10"));
    w.scegliTipo(1, 2, muratura);
    w.Command1->click();
    EXPECT_EQ(messaggi.testi(), QStringList{"Digitare il valore dell'area dell'elemento periferico n. 2"});
    EXPECT_EQ(f.trasm->Text(), QStringLiteral("250"));
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(controlloSilenzioso, 0);

    messaggi.azzera();
    w.ar[2]->setText(QStringLiteral("5"));
    w.Command1->click();
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
    EXPECT_EQ(f.trasm->Text(), w.complessiva->Text());
    EXPECT_TRUE(f.isVisible());
}

// The element table outlives the window: loaded again, the window shows it.
TEST_F(Trasmitt, AWindowLoadedAgainShowsTheStoredElements)
{
    riempiPeriferici(3);
    elemento(2, 1, muratura, QStringLiteral("3"));
    const QStringList tutto = tabella();
    const QString complessiva = t().complessiva->Text();
    t().Unload();
    modelloFinestre::eliminaScaricate();

    EXPECT_EQ(riga(2), (QStringList{"2", "Orizzontamenti tra piano e piano", "3", "2.8", "8.4"}));
    EXPECT_EQ(t().Combo2[1]->currentText(), QStringLiteral("Muratura a doppia fodera"));
    EXPECT_EQ(t().complessiva->Text(), complessiva);
    EXPECT_EQ(tabella(), tutto);
    EXPECT_EQ(t().passo->Caption(), chiusura);
}
