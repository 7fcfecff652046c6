// The report of the detailed window: the inputs table for each use and for a window
// with nothing chosen, and the technical report's form of it.
#include "support/ambienteCalcolo.h"

using namespace ModKorvel;
using documento::Griglia;

namespace {

class StampeDett : public AmbienteCalcolo {
protected:
    static QStringList colonna(const Griglia& g, int c)
    {
        QStringList esito;
        for (int riga = 1; riga <= g.righe; ++riga)
            esito << g.cella(riga, c);
        return esito;
    }
    static QStringList datiStampati()
    {
        d().stampa_Click();
        EXPECT_EQ(wordDoc->numeroTabelle(), 1);
        return colonna(*wordDoc->griglia(1), 2);
    }
};

const QStringList primaColonna = {
    "tipologia",
    "località di riferimento",
    "inclinazione della superficie captante",
    "angolo azimutale",
    "uso dell'impianto",
    "trasmittanza dell'edificio",
    "temperatura d'acqua di rete",
    "temperatura di consumo dell'acqua",
    "consumo giornaliero d'acqua",
    "tipo di collettore",
    "tipo di fluido",
    "area di captazione",
    "durata dell'impianto",
    "costo totale dell'impianto",
    "combustibile alternativo",
    "costo del combustibile alternativo",
    "tasso percentuale di sconto",
    "tasso di inflazione",
    "tasso di aumento del costo dell'energia",
};

} // namespace

TEST_F(StampeDett, InputsOfAPlantOfBothUses)
{
    compilaDettagliato(3);
    d().stampa_Click();
    ASSERT_TRUE(wordDoc);
    EXPECT_EQ(wordDoc->titolo(), QStringLiteral("DATI PER IL CALCOLO DETTAGLIATO"));
    const Griglia& g = *wordDoc->griglia(1);
    ASSERT_EQ(g.righe, 19);
    EXPECT_EQ(colonna(g, 1), primaColonna);
    EXPECT_EQ(colonna(g, 2), (QStringList{
                                 "dati", "Milano", " 30 gradi", "-15 gradi", "riscaldamento + acqua sanitaria",
                                 "250  W/°C", " 12 gradi", " 45 gradi", " 300 litri",
                                 "a un vetro con piastra selettiva", "a liquido", "8 mq.", "20  anni", "6000  euro",
                                 "metano", "85  centesimi di euro/mc. di metano", " 3.5 %", " 2 %", " 3 %",
                             }));
    EXPECT_EQ(g.carattere.dimensione, 10);
    EXPECT_TRUE(g.formattata);
    EXPECT_EQ(d().passo->Caption(), QStringLiteral("ho visualizzato i dati su WORD"));
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

TEST_F(StampeDett, InputsOfOneUseLeaveTheOtherUsesRowsEmpty)
{
    compilaDettagliato(1);
    QStringList riscaldamento = datiStampati();
    EXPECT_EQ(riscaldamento[4], QStringLiteral("riscaldamento degli ambienti"));
    EXPECT_EQ(riscaldamento.mid(5, 4), (QStringList{"250  W/°C", {}, {}, {}}));

    d().cancella_click();
    compilaDettagliato(2);
    const QStringList acqua = datiStampati();
    EXPECT_EQ(acqua[4], QStringLiteral("produzione di acqua calda sanitaria"));
    EXPECT_EQ(acqua.mid(5, 4), (QStringList{{}, " 12 gradi", " 45 gradi", " 300 litri"}));

    // A use and a fuel chosen in the feasibility window: this table shows this window's own.
    finestra<fattib>().Option1[1]->setValue(true);
    finestra<fattib>().Option3[1]->setValue(true);
    const QStringList ancora = datiStampati();
    EXPECT_EQ(ancora[4], QStringLiteral("produzione di acqua calda sanitaria"));
    EXPECT_EQ(ancora[15], QStringLiteral("85  centesimi di euro/mc. di metano"));

    // Nothing chosen: the cells of the choices stay empty and the report completes.
    d().cancella_click();
    const QStringList vuota = datiStampati();
    for (int riga : {4, 5, 9, 10, 14})
        EXPECT_EQ(vuota[riga], QString()) << riga;
    EXPECT_EQ(vuota[15], QStringLiteral("  centesimi di euro"));
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

// The technical report's form: no rows of a use not chosen, "valore", the use's own
// caption, and the size in force.
TEST_F(StampeDett, InputsAsTheTechnicalReportWritesThem)
{
    ASSERT_TRUE(avviaWord());
    ASSERT_TRUE(aggiungiParagrafo(12));
    dettagliato::FormaTabellaDati relazione;
    relazione.intestazione = QStringLiteral("valore");
    relazione.dimensione.reset();
    relazione.righeDiOgniUso = false;
    relazione.entrambiGliUsi.clear();
    const int righe[] = {0, 16, 18, 19};
    for (int uso = 1; uso <= 3; ++uso) {
        d().cancella_click();
        compilaDettagliato(uso);
        const int k = d().tabellaDati(relazione);
        ASSERT_EQ(k, uso);
        const Griglia& g = *wordDoc->griglia(k);
        EXPECT_EQ(g.righe, righe[uso]) << uso;
        EXPECT_EQ(g.cella(1, 2), QStringLiteral("valore"));
        EXPECT_EQ(g.cella(5, 2), d().Option1[std::size_t(uso)]->Caption());
        EXPECT_EQ(g.cella(6, 1), uso == 2 ? QStringLiteral("temperatura d'acqua di rete")
                                          : QStringLiteral("trasmittanza dell'edificio"));
        EXPECT_EQ(g.cella(g.righe, 1), primaColonna.last());
        EXPECT_EQ(g.carattere.dimensione, 12) << "the size in force";
    }
}
