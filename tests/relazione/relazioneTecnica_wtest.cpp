// The complete technical report from the cover page: the tables of each kind of plant
// and their alignment, the closing's page count, the refusals, the saved file, and a
// report that always prints one plant (inputs, town, transmittance, results, fuel).
#include "relazione/casaDiProva.h"
#include "report/lettoreDocx.h"
#include "support/discoPieno.h"

#include "climate/tabella.h"
#include "relazione/relazioneTecnica.h"
#include "report/finestraDocumento.h"
#include "transmittance/trasmitt.h"

#include <QApplication>
#include <QDir>
#include <QFile>

using namespace ModKorvel;
using documento::Allineamento;
using documento::Capoverso;
using documento::Griglia;

namespace {

const QString paginaNuova(1, QChar(12));

class RelazioneTecnica : public CasaDiProva {
protected:
    static frontespizio& copertina() { return finestra<frontespizio>(); }
    static trasmitt& t() { return finestra<trasmitt>(); }

    // A calculated plant: feasibility use 1 or 2, detailed use 1, 2 or 3; a heating
    // plant takes its transmittance from the elements.
    static void pianta(int tipo, int uso)
    {
        if (tipo == 1) {
            compilaFattib(uso == 2);
            if (uso == 1)
                elementiInviati(1);
            f().cmdavanti_Click();
        } else {
            compilaDettagliato(uso);
            if (uso != 2)
                elementiInviati(2);
            d().cmdavanti_Click();
        }
    }

    static QStringList testi()
    {
        QStringList esito;
        for (const auto& b : wordDoc->blocchi())
            if (const auto* c = std::get_if<Capoverso>(&b))
                esito << (c->nuovaPagina ? paginaNuova : QString()) + c->testo();
        return esito;
    }

    static QString percorso() { return percorsoRelazione(copertina().committente->Text()); }
};

struct Forma {
    int righe, colonne;
    double dimensione;
    std::vector<int> destra; // columns right-aligned
};

} // namespace

TEST_F(RelazioneTecnica, TablesOfEachKindOfPlantFoundAndAlignedByTheirRole)
{
    const std::vector<int> otto = {1, 2, 3, 4, 5, 6, 7, 8};
    std::vector<int> mese;
    for (int c = 2; c <= 16; ++c)
        mese.push_back(c);
    const Forma clima{13, 4, 12, {1, 3, 4}};
    const Forma esterni{4, 5, 12, {1, 3, 4, 5}}, interni{3, 5, 12, {1, 3, 4, 5}}, sintesiTrasm{4, 2, 12, {2}};
    const Forma dett[] = {{4, 2, 12, {}}, {17, 2, 12, {}}, {13, 16, 8, mese}, {5, 2, 12, {}}, {21, 4, 12, {1, 2, 3, 4}}};
    struct Variante {
        int tipo, uso;
        std::vector<Forma> tabelle;
    };
    const Variante varianti[] = {
        {1, 1, {{10, 2, 12, {}}, clima, esterni, interni, sintesiTrasm, {3, 2, 12, {}}, {9, 2, 10, {}}, {0, 8, 10, otto}}},
        {1, 2, {{11, 2, 12, {}}, clima, {3, 2, 12, {}}, {9, 2, 10, {}}, {0, 8, 10, otto}}},
        {2, 1, {{16, 2, 12, {}}, clima, esterni, interni, sintesiTrasm, dett[0], dett[1], dett[2], dett[3], dett[4]}},
        {2, 2, {{18, 2, 12, {}}, clima, dett[0], dett[1], dett[2], dett[3], dett[4]}},
        {2, 3, {{19, 2, 12, {}}, clima, esterni, interni, sintesiTrasm, dett[0], dett[1], dett[2], dett[3], dett[4]}},
    };
    for (const Variante& v : varianti) {
        SCOPED_TRACE(testing::Message() << "elaborazione " << v.tipo << ", uso " << v.uso);
        daCapo();
        // Elements in the transmittance window add no chapter to a hot-water plant.
        if (v.uso == 2)
            elementiInviati(v.tipo);
        pianta(v.tipo, v.uso);
        copertina().stampa->click();
        ASSERT_TRUE(wordDoc);
        EXPECT_TRUE(messaggi.mostrati.isEmpty()) << messaggi.testi().join(QLatin1Char('\n')).toStdString();
        ASSERT_EQ(wordDoc->numeroTabelle(), int(v.tabelle.size()));
        for (int k = 1; k <= wordDoc->numeroTabelle(); ++k) {
            const Griglia& g = *wordDoc->griglia(k);
            const Forma& atteso = v.tabelle[std::size_t(k - 1)];
            if (atteso.righe != 0) {
                EXPECT_EQ(g.righe, atteso.righe) << "table " << k;
            }
            EXPECT_EQ(g.colonne, atteso.colonne) << "table " << k;
            EXPECT_EQ(g.carattere.dimensione, atteso.dimensione) << "table " << k;
            EXPECT_TRUE(g.formattata) << "table " << k;
            for (int c = 1; c <= g.colonne; ++c) {
                const bool destra = std::find(atteso.destra.begin(), atteso.destra.end(), c) != atteso.destra.end();
                EXPECT_EQ(g.allineamenti[std::size_t(c - 1)], destra ? Allineamento::Destra : Allineamento::Giustificato)
                    << "table " << k << ", column " << c;
            }
        }
        // The cells that tell the variants apart.
        EXPECT_EQ(wordDoc->griglia(1)->cella(1, 2), QStringLiteral("valore"));
        EXPECT_EQ(wordDoc->griglia(2)->cella(2, 1), QStringLiteral("1"));
        EXPECT_EQ(wordDoc->griglia(2)->cella(1, 4), QStringLiteral("temperatura media (C°)"));
        if (v.uso != 2) {
            EXPECT_EQ(wordDoc->griglia(3)->cella(1, 2), QStringLiteral("elementi periferici"));
            EXPECT_EQ(wordDoc->griglia(5)->cella(4, 2), t().complessiva->Text());
        }
        EXPECT_EQ(copertina().passo->Caption(), QStringLiteral("ho visualizzato la relazione su WORD"));
        EXPECT_TRUE(QFile::exists(percorso()));
    }
}

// The summary takes each of the transmittance window's overall figures with its own
// caption, in the window's order.
TEST_F(RelazioneTecnica, TheTransmittanceSummaryPrintsEachOverallFigureBesideItsCaption)
{
    pianta(1, 1);
    ASSERT_NE(t().total->Text(), t().equiv->Text());
    ASSERT_NE(t().equiv->Text(), t().complessiva->Text());
    copertina().stampa_Click();
    ASSERT_TRUE(reportRiuscito());
    const Griglia& sintesi = *wordDoc->griglia(5);
    const QStringList attese[] = {
        {QStringLiteral("tipologia"), QStringLiteral("valore")},
        {QStringLiteral("trasmittanza calcolata W/°C"), t().total->Text()},
        {QStringLiteral("trasmitt. equivalente ricambi d'aria W/°C"), t().equiv->Text()},
        {QStringLiteral("trasmittanza complessiva W/°C"), t().complessiva->Text()},
    };
    ASSERT_EQ(sintesi.righe, 4);
    for (int r = 1; r <= 4; ++r) {
        EXPECT_EQ(sintesi.cella(r, 1), attese[r - 1][0]) << "row " << r;
        EXPECT_EQ(sintesi.cella(r, 2), attese[r - 1][1]) << "row " << r;
    }
}

TEST_F(RelazioneTecnica, ChaptersInOrderAndTheClosingCountsEveryPage)
{
    pianta(2, 3);
    copertina().stampa_Click();
    ASSERT_TRUE(reportRiuscito());
    QStringList capitoli;
    for (const QString& testo : testi())
        if (testo.startsWith(paginaNuova))
            capitoli << testo.mid(1);
    EXPECT_EQ(capitoli, (QStringList{"RELAZIONE DI CALCOLO", "FUNZIONAMENTO DEL PANNELLO SOLARE", "DATI DI CALCOLO",
                                     "TRASMITTANZA COMPLESSIVA DELL'EDIFICIO", "RISULTATI DEL CALCOLO DETTAGLIATO"}));
    const QStringList tutti = testi();
    EXPECT_EQ(tutti.first(), QStringLiteral("CALCOLO DI PANNELLI SOLARI"));
    EXPECT_TRUE(tutti.contains(QStringLiteral("tipologia di studio:")));
    EXPECT_TRUE(tutti.contains(QStringLiteral("committente: Comune di Sesto")));
    EXPECT_TRUE(tutti.contains(QStringLiteral("Località di riferimento n.17 : Milano  -  Latitudine 45.433")));
    EXPECT_TRUE(tutti.contains(QStringLiteral("Tempo di recupero = ") + tempoRecupero));
    EXPECT_EQ(tutti.mid(tutti.size() - 10),
              (QStringList{QString(), QStringLiteral("La presente relazione di calcolo è composta di n. %1 pagine.")
                                          .arg(*wordDoc->contaPagine()),
                           QStringLiteral("Si allegano: planimetria"), QString(), QString(),
                           QStringLiteral("Milano: 7 dicembre 2026"), QString(), QString(),
                           QStringLiteral("il progettista"), QStringLiteral("(Studio Bianchi)")}));

    // Closing lines that fill pages of their own are counted too: the count the closing
    // was written with is set again in the closing, even when the cover holds the
    // closing's sentence with that count (with any count up to 40).
    const int senzaAllegati = *wordDoc->contaPagine();
    QStringList frasi;
    for (int n = 1; n <= 40; ++n)
        frasi << QStringLiteral("composta di n. %1 pagine.").arg(n);
    copertina().progetto->setText(frasi.join(QLatin1Char(' ')));
    copertina().allegati->setText(QStringLiteral("planimetria, ").repeated(600));
    copertina().stampa_Click();
    ASSERT_TRUE(reportRiuscito());
    EXPECT_GE(*wordDoc->contaPagine(), senzaAllegati + 2);
    EXPECT_LE(*wordDoc->contaPagine(), 40);
    EXPECT_TRUE(testi().contains(
        QStringLiteral("La presente relazione di calcolo è composta di n. %1 pagine.").arg(*wordDoc->contaPagine())));
    EXPECT_TRUE(testi().contains(QStringLiteral("progetto: ") + frasi.join(QLatin1Char(' '))));
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

TEST_F(RelazioneTecnica, RefusalsComeBeforeAnyDocument)
{
    const auto rifiutata = [this](const QString& messaggio) {
        messaggi.azzera();
        copertina().stampa_Click();
        EXPECT_EQ(wordApp, nullptr);
        EXPECT_EQ(messaggi.testi(), QStringList{messaggio});
        EXPECT_NE(copertina().passo->Caption(), QStringLiteral("sto caricando WORD"));
        EXPECT_EQ(controlloSilenzioso, 0) << "the user's next check is not silent";
        const QString passo = copertina().passo->Caption();
        copertina().impostaPasso();
        EXPECT_EQ(passo, copertina().passo->Caption()) << "no report is said to be shown";
    };
    rifiutata(QStringLiteral("Attenzione! Impostare un calcolo di fattibilità oppure una elaborazione dettagliata."));

    // A check that fails shows its own message and its window, also after a report.
    pianta(1, 2);
    copertina().stampa_Click();
    ASSERT_TRUE(reportRiuscito());
    wordApp.reset();
    f().hide();
    f().ann->setText(QString());
    rifiutata(fattib::messaggioControllo(6));
    EXPECT_TRUE(f().isVisible());

    // Heating with a transmittance typed by hand and nothing summed in the
    // transmittance window, never opened; then with the window cleared.
    daCapo();
    compilaFattib(false);
    f().cmdavanti_Click();
    rifiutata(QStringLiteral("Attenzione! Inserire i dati della trasmittanza."));
    elementiInviati(1);
    t().cancella_click();
    ASSERT_EQ(t().total->Text(), QString());
    rifiutata(QStringLiteral("Attenzione! Inserire i dati della trasmittanza."));

    // A detailed plant life over 100 years: the year tables hold 100.
    daCapo();
    pianta(2, 2);
    d().ann->setText(QStringLiteral("101"));
    rifiutata(dettagliato::messaggioControllo(dettagliato::controlloDurataEccessiva));
    EXPECT_EQ(durataCalcolata, 20) << "nothing was calculated again";
}

TEST_F(RelazioneTecnica, SavedInTheDocumentsFolderUnderASafeNameAndAFailureIsTold)
{
    pianta(2, 2);
    copertina().committente->setText(QStringLiteral("Rossi/../Bianchi àè"));
    copertina().stampa_Click();
    const QString nome = QDir(cartellaDocumenti())
                             .filePath(QStringLiteral("Korvel-RelazioneKORVEL-Rossi____Bianchi àè.docx"));
    ASSERT_EQ(percorso(), nome);
    ASSERT_TRUE(QFile::exists(nome));
    const lettore::Corpo salvato = lettore::leggiCorpo(lettore::decomprimiFile(nome).value(QStringLiteral("word/document.xml")));
    ASSERT_TRUE(salvato.valido) << salvato.errore.toStdString();
    EXPECT_EQ(int(salvato.tabelle().size()), wordDoc->numeroTabelle());
    EXPECT_EQ(QDir(cartellaDocumenti()).entryList(QDir::Files).size(), 1);

    // A name that cannot be written: one message, and the hint line never says it was done.
    copertina().committente->setText(QStringLiteral("occupato"));
    ASSERT_TRUE(QDir().mkpath(percorso()));
    copertina().stampa_Click();
    EXPECT_FALSE(reportRiuscito());
    EXPECT_EQ(messaggi.mostrati.size(), 1);
    const QString passo = copertina().passo->Caption();
    copertina().impostaPasso();
    EXPECT_EQ(passo, copertina().passo->Caption());
}

TEST_F(RelazioneTecnica, FullDiskKeepsTheEarlierReportAndTheHintLineSaysNothingDone)
{
    pianta(2, 2);
    copertina().stampa_Click();
    ASSERT_TRUE(reportRiuscito());
    const auto leggi = [] {
        QFile file(percorso());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const auto voci = [] { return QDir(cartellaDocumenti()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot); };
    const QByteArray prima = leggi();
    const QStringList presenti = voci();
    messaggi.azzera();
    {
        doppi::DiscoPieno pieno;
        finestraDocumento::installa(); // this report in a window
        copertina().stampa_Click();
        documento::impostaFabbricaFinestre({});
    }
    EXPECT_FALSE(reportRiuscito());
    ASSERT_EQ(messaggi.mostrati.size(), 1);
    const QStringList righe = messaggi.mostrati[0].testo.split(QChar(13));
    ASSERT_EQ(righe.size(), 3);
    EXPECT_EQ(righe[0], QStringLiteral("La relazione non è stata salvata."));
    EXPECT_TRUE(righe[1].contains(percorso()));
    EXPECT_EQ(righe[2], QStringLiteral("Il documento resta aperto nella sua finestra senza essere salvato."));
    EXPECT_EQ(leggi(), prima);
    EXPECT_EQ(voci(), presenti);
    const QString passo = copertina().passo->Caption();
    copertina().impostaPasso();
    EXPECT_EQ(passo, copertina().passo->Caption());

    // The complete report stays open as a document never saved, named after its file.
    FinestraDocumento* aperta = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<FinestraDocumento*>(w); f && f->isVisible() && f->documento() == wordDoc)
            aperta = f;
    ASSERT_TRUE(aperta);
    QCoreApplication::processEvents();
    EXPECT_EQ(aperta->windowTitle(), QStringLiteral("Korvel-RelazioneKORVEL-Comune di Sesto"));
    dialoghi.annullaFile();
    EXPECT_FALSE(aperta->salvaConNome());
    ASSERT_EQ(dialoghi.mostrati.size(), 1);
    EXPECT_EQ(dialoghi.mostrati[0].richiesta.nomeFile,
              QDir(cartellaDocumenti()).filePath(QStringLiteral("Korvel-RelazioneKORVEL-Comune di Sesto.docx")));
    messaggi.azzera();
    messaggi.rispondi(piattaforma::vbNo);
    EXPECT_FALSE(aperta->close());
    EXPECT_EQ(messaggi.mostrati.size(), 1) << "closing asks";
    messaggi.rispondi(piattaforma::vbYes);
    EXPECT_TRUE(aperta->close());

    // With space again the same report is saved.
    copertina().stampa_Click();
    EXPECT_TRUE(reportRiuscito());
    EXPECT_EQ(copertina().passo->Caption(), QStringLiteral("ho visualizzato la relazione su WORD"));
    EXPECT_TRUE(lettore::leggiCorpo(lettore::decomprimiFile(percorso()).value(QStringLiteral("word/document.xml"))).valido);
}

TEST_F(RelazioneTecnica, PrintsTheResultsOfThePrintedInputsAndTown)
{
    // The area and the life changed after the calculation: the report calculates again.
    pianta(2, 2);
    d().are->setText(QStringLiteral("12"));
    d().ann->setText(QStringLiteral("30"));
    copertina().stampa_Click();
    calcoli::IngressiDett in = ingressiAttesi(2);
    in.superficieCaptante = 12;
    in.durataImpiantoDett = 30;
    EXPECT_TRUE(comeAtteso(in));
    const Griglia& ingressi = *wordDoc->griglia(1);
    EXPECT_EQ(ingressi.cella(11, 2), QStringLiteral("12 mq."));
    EXPECT_EQ(wordDoc->griglia(3)->cella(4, 2), numeri::testoConSegno(energiaUtileAnnua) + QStringLiteral(" kwh"));
    EXPECT_EQ(wordDoc->griglia(7)->righe, 31) << "the year table follows the life printed";

    // The climate table scrolled to another town after a feasibility calculation.
    daCapo();
    pianta(1, 2);
    const auto milano = percentuali[100];
    finestra<tabella>().VScroll1->setValue(40);
    copertina().stampa_Click();
    EXPECT_TRUE(comeAtteso(*atteso(2, 300, 45, 0)));
    EXPECT_NE(percentuali[100], milano);
    EXPECT_TRUE(testi().contains(QStringLiteral("Località di riferimento n.40 : ") + finestra<tabella>().loc->Caption()
                                 + QStringLiteral("  -  Latitudine ") + finestra<tabella>().La->Caption()));
    EXPECT_EQ(wordDoc->griglia(3)->cella(2, 2), numeri::testoConSegno(fabbisognoAnnuo) + QStringLiteral("  kwh"));
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

TEST_F(RelazioneTecnica, TransmittanceChapterOnlyForTheTransmittanceUsed)
{
    pianta(1, 1);
    copertina().stampa_Click();
    EXPECT_EQ(wordDoc->numeroTabelle(), 8);
    EXPECT_TRUE(testi().contains(paginaNuova + QStringLiteral("TRASMITTANZA COMPLESSIVA DELL'EDIFICIO")));

    // Typed by hand over the value sent: the elements are another building's.
    f().trasm->setText(QStringLiteral("900"));
    copertina().stampa_Click();
    EXPECT_EQ(wordDoc->numeroTabelle(), 5);
    EXPECT_FALSE(testi().contains(paginaNuova + QStringLiteral("TRASMITTANZA COMPLESSIVA DELL'EDIFICIO")));
    EXPECT_EQ(wordDoc->griglia(1)->cella(3, 2), QStringLiteral("900  W/°C"));
    EXPECT_TRUE(comeAtteso(*atteso(1, 0, 0, 900)));
    // The plants are still aligned: found by their role, not by their place.
    EXPECT_EQ(wordDoc->griglia(5)->colonne, 8);
    EXPECT_EQ(wordDoc->griglia(5)->allineamenti[0], Allineamento::Destra);
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

TEST_F(RelazioneTecnica, EachReportPrintsItsOwnWindowsUseAndFuelUnit)
{
    pianta(1, 2);                   // hot water and methane in the feasibility window
    d().Option1[1]->setValue(true); // a use and gas oil chosen last, in the detailed window
    d().Option4[1]->setValue(true);
    copertina().stampa_Click();
    ASSERT_EQ(wordDoc->griglia(1)->righe, 11);
    EXPECT_EQ(wordDoc->griglia(1)->cella(2, 2), QStringLiteral("produzione di acqua calda sanitaria"));
    EXPECT_EQ(wordDoc->griglia(1)->cella(9, 2), QStringLiteral("0.8  euro/mc. di metano"));

    daCapo();
    pianta(2, 2);              // methane in the detailed window
    f().Option3[3]->setValue(true);
    copertina().stampa_Click();
    EXPECT_EQ(wordDoc->griglia(1)->cella(15, 2), QStringLiteral("85  centesimi di euro/mc. di metano"));
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

// The meanings of the year columns come from the detailed results window, which may
// have been closed since the calculation: loaded again, it names the fuel chosen.
TEST_F(RelazioneTecnica, TheYearLegendNamesTheFuelOfTheDetailedWindow)
{
    pianta(2, 2);
    const QString unita = unitaDelCombustibile(d().combustibileScelto());
    ASSERT_FALSE(unita.isEmpty());
    Unica<risdettagliato>::scarica();
    modelloFinestre::eliminaScaricate();
    copertina().stampa_Click();
    ASSERT_TRUE(reportRiuscito());
    ASSERT_EQ(wordDoc->numeroTabelle(), 7);
    const Griglia& legenda = *wordDoc->griglia(6);
    EXPECT_EQ(legenda.cella(3, 2), QStringLiteral("costo attuale in centesimi di euro al ") + unita);
    EXPECT_EQ(legenda.cella(4, 2), QStringLiteral("costo solare corrispondente in centesimi di euro al ") + unita);
    EXPECT_EQ(legenda.cella(5, 2), QStringLiteral("bilancio progressivo (in euro) tra i costi dei due tipi di energia"));
}

TEST_F(RelazioneTecnica, AlignmentSkipsTheRolesAReportDoesNotHave)
{
    ASSERT_TRUE(avviaWord());
    aggiungiParagrafo(12);
    for (int k = 0; k < 2; ++k) {
        aggiungiTabella(3, 4);
        formattaTabella();
    }
    relazioneTecnica::Tabelle ruoli;
    ruoli.clima = 2;
    relazioneTecnica::allineaPerRuolo(ruoli);
    EXPECT_TRUE(reportRiuscito());
    EXPECT_EQ(wordDoc->griglia(2)->allineamenti, (std::vector<Allineamento>{Allineamento::Destra, Allineamento::Sinistra,
                                                                            Allineamento::Destra, Allineamento::Destra}));
    EXPECT_EQ(wordDoc->griglia(1)->allineamenti, std::vector<Allineamento>(4, Allineamento::Sinistra));
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}
