// The report channel: the order of a report, the kept paragraph, tables, alignment,
// the help print, failures (one message, hint line restored, no file left) and the
// names of saved documents.
#include "report/canaleWord.h"

#include "report/lettoreDocx.h"
#include "base/ModKorvel.h"
#include "base/numeri.h"
#include "support/ambiente.h"
#include "support/doppi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ModKorvel;
using documento::Allineamento;
using documento::Capoverso;
using documento::Griglia;

namespace {

const QString CR(1, QChar(13));

// A hint line standing in for a window's `passo`.
struct Passo {
    QString testo = QStringLiteral("passo 3: scegliere la località");
    Didascalia didascalia()
    {
        return Didascalia{[this] { return testo; }, [this](const QString& t) { testo = t; }};
    }
};

// A window-like object, to check the adapter for windows with a `passo` label.
struct Etichetta : QObject {
    QString caption;
    QString Caption() const { return caption; }
    void setCaption(const QString& c) { caption = c; }
};
struct FinestraFinta {
    Etichetta* passo = new Etichetta;
    ~FinestraFinta() { delete passo; }
};

QStringList testi(const documento::Documento& d)
{
    QStringList t;
    for (const auto& b : d.blocchi())
        t << (std::holds_alternative<Griglia>(b) ? QStringLiteral("<tabella>") : std::get<Capoverso>(b).testo());
    return t;
}

class CanaleWord : public ::testing::Test {
protected:
    void SetUp() override
    {
        ambiente::ripristinaStato();
        inizializzaDati();
    }
    doppi::Messaggi messaggi;
};

} // namespace

TEST_F(CanaleWord, HeadingTablesAndClosingOfAWindowReport)
{
    Passo passo;
    ASSERT_TRUE(avviaWord(passo.didascalia()));
    EXPECT_EQ(passo.testo, QStringLiteral("sto caricando WORD"));
    ASSERT_TRUE(wordApp);
    EXPECT_TRUE(wordApp->visibile());
    ASSERT_TRUE(wordDoc);
    ASSERT_TRUE(scriviIntestazione(20, 16, 12, 2, QStringLiteral("Tabella dei dati climatici"), 2));
    ASSERT_TRUE(aggiungiParagrafo(12));
    ASSERT_TRUE(testoParagrafo(CR + QStringLiteral("Località di riferimento n.17 : Milano")));
    ASSERT_TRUE(aggiungiTabella(14, 4));
    ASSERT_TRUE(scriviCella(1, 1, QStringLiteral("numero")));
    ASSERT_TRUE(scriviCella(3, 1, QStringLiteral(" 1")));
    ASSERT_TRUE(formattaTabella());
    ASSERT_TRUE(allineaColonne(1, 1, 3, 4));
    ASSERT_TRUE(chiudiStato(passo.didascalia(), QStringLiteral("ho visualizzato i dati su WORD")));
    EXPECT_EQ(passo.testo, QStringLiteral("ho visualizzato i dati su WORD"));
    EXPECT_TRUE(messaggi.mostrati.isEmpty());

    EXPECT_EQ(testi(*wordDoc), (QStringList{nomeProgramma, sottotitolo, "", "Tabella dei dati climatici", "", "", "",
                                            QStringLiteral("Località di riferimento n.17 : Milano"), "<tabella>", ""}));
    EXPECT_EQ(wordDoc->titolo(), QStringLiteral("Tabella dei dati climatici"));
    const auto& heading = std::get<Capoverso>(wordDoc->blocchi()[0]).sequenze.at(0).carattere;
    EXPECT_EQ(heading.nome, QStringLiteral("Century Gothic"));
    EXPECT_EQ(heading.dimensione, 20);
    EXPECT_EQ(std::get<Capoverso>(wordDoc->blocchi()[1]).sequenze.at(0).carattere.dimensione, 16);
    EXPECT_EQ(std::get<Capoverso>(wordDoc->blocchi()[3]).sequenze.at(0).carattere.dimensione, 12);
    const Griglia* g = wordDoc->griglia(1);
    ASSERT_TRUE(g);
    EXPECT_EQ(g->carattere.dimensione, 12); // no size given: the size in force
    EXPECT_TRUE(g->formattata);
    EXPECT_EQ(g->cella(3, 1), QStringLiteral(" 1"));
    EXPECT_EQ(g->allineamenti, (std::vector<Allineamento>{Allineamento::Sinistra, Allineamento::Sinistra,
                                                           Allineamento::Destra, Allineamento::Destra}));
    EXPECT_EQ(wordTab.indice(), 1);
}

TEST_F(CanaleWord, HeadingWithEqualSizesSetsTheSizeOnce)
{
    avviaWord();
    scriviIntestazione(18, 12, 12, 2, QStringLiteral("FRONTESPIZIO"), 1);
    EXPECT_EQ(testi(*wordDoc), (QStringList{nomeProgramma, sottotitolo, "", "FRONTESPIZIO", ""}));
    EXPECT_EQ(std::get<Capoverso>(wordDoc->blocchi()[3]).sequenze.at(0).carattere.dimensione, 12);
}

TEST_F(CanaleWord, AdapterForWindowsWithAHintLabel)
{
    FinestraFinta finestra;
    finestra.passo->caption = QStringLiteral("prima");
    avviaWord(finestra);
    EXPECT_EQ(finestra.passo->caption, QStringLiteral("sto caricando WORD"));
    chiudiStato(finestra, QStringLiteral("ho visualizzato i risultati su WORD"));
    EXPECT_EQ(finestra.passo->caption, QStringLiteral("ho visualizzato i risultati su WORD"));
    // A label already gone is skipped, not touched.
    Didascalia d = didascaliaDi(finestra);
    delete finestra.passo;
    finestra.passo = nullptr;
    EXPECT_EQ(d.leggi(), QString());
    d.scrivi(QStringLiteral("x"));
}

TEST_F(CanaleWord, TwoReportsInARowLeaveTwoDocuments)
{
    avviaWord();
    aggiungiTabella(2, 2, 10);
    const auto primaApp = wordApp;
    const auto primo = wordDoc;
    avviaWord();
    aggiungiTabella(3, 3, 8);
    scriviCella(3, 3, QStringLiteral("solo nel secondo"));
    EXPECT_NE(wordApp, primaApp);
    EXPECT_NE(wordDoc, primo);
    EXPECT_EQ(primo->numeroTabelle(), 1);
    EXPECT_EQ(primo->griglia(1)->righe, 2);
    EXPECT_EQ(primo->griglia(1)->carattere.dimensione, 10);
    EXPECT_EQ(wordDoc->griglia(1)->carattere.dimensione, 8);
    EXPECT_EQ(wordTab.documento(), wordDoc);
}

TEST_F(CanaleWord, TechnicalReportStyleParagraphAndPageCount)
{
    avviaWord();
    impostaCarattere(QStringLiteral("Century Gothic"));
    impostaGrassetto(documento::wdToggle);
    impostaDimensione(20);
    scriviTesto(QStringLiteral("CALCOLO DI PANNELLI SOLARI") + CR);
    impostaGrassetto(documento::wdToggle);
    impostaDimensione(14);
    scriviTesto(QStringLiteral("(con verifica economica dell'impianto)") + CR + CR);
    aggiungiParagrafo();
    dimensioneParagrafo(18);
    testoParagrafo(QChar(12) + QStringLiteral("RELAZIONE DI CALCOLO") + CR + CR);
    dimensioneParagrafo(12);
    testoParagrafo(QStringLiteral("testo") + CR);
    aggiungiTabella(3, 2);
    testoParagrafo(QChar(12) + QStringLiteral("DATI DI CALCOLO") + CR);
    const int pagine = contaPagine();
    EXPECT_EQ(pagine, 3);
    testoParagrafo(CR + QStringLiteral("La presente relazione di calcolo è composta di n.") + numeri::testoConSegno(pagine)
                   + QStringLiteral(" pagine.") + CR);
    giustificaTesto();
    allineaColonne(1, 2);
    EXPECT_TRUE(reportRiuscito());
    const auto blocchi = testi(*wordDoc);
    EXPECT_EQ(blocchi.indexOf(QStringLiteral("<tabella>")) + 1, blocchi.indexOf(QStringLiteral("DATI DI CALCOLO")));
    EXPECT_TRUE(blocchi.contains(QStringLiteral("La presente relazione di calcolo è composta di n. 3 pagine.")));
    EXPECT_EQ(wordDoc->griglia(1)->carattere.dimensione, 12);
    EXPECT_EQ(wordDoc->griglia(1)->allineamenti[0], Allineamento::Giustificato);
    EXPECT_EQ(wordDoc->griglia(1)->allineamenti[1], Allineamento::Destra);
    for (const auto& b : wordDoc->blocchi()) {
        if (const auto* p = std::get_if<Capoverso>(&b)) {
            EXPECT_EQ(p->allineamento, Allineamento::Giustificato);
        }
    }
    EXPECT_TRUE(std::get<Capoverso>(wordDoc->blocchi()[0]).sequenze.at(0).carattere.grassetto);
    EXPECT_FALSE(std::get<Capoverso>(wordDoc->blocchi()[1]).sequenze.at(0).carattere.grassetto);
}

TEST_F(CanaleWord, HelpPrintGivesFourJustifiedBlocks)
{
    titoloGuida = QStringLiteral("Finestra Menu");
    testoGuida = QStringLiteral("Prima riga del testo.\r\nSeconda riga.");
    stampaGuida();
    ASSERT_TRUE(wordDoc);
    EXPECT_EQ(testi(*wordDoc), (QStringList{nomeProgramma, sottotitolo, "", "", "Guida: Finestra Menu", "",
                                            "Prima riga del testo.", "Seconda riga.", ""}));
    auto dimensione = [&](int i) { return std::get<Capoverso>(wordDoc->blocchi()[std::size_t(i)]).sequenze.at(0).carattere.dimensione; };
    EXPECT_EQ(dimensione(0), 20);
    EXPECT_EQ(dimensione(1), 16);
    EXPECT_EQ(dimensione(4), 16);
    EXPECT_EQ(dimensione(6), 12);
    EXPECT_EQ(dimensione(7), 12);
    for (const auto& b : wordDoc->blocchi())
        EXPECT_EQ(std::get<Capoverso>(b).allineamento, Allineamento::Giustificato);
    EXPECT_EQ(wordDoc->titolo(), QStringLiteral("Guida: Finestra Menu"));
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

TEST_F(CanaleWord, FirstFailureShowsOneMessageRestoresTheHintAndStopsTheReport)
{
    Passo passo;
    avviaWord(passo.didascalia());
    scriviIntestazione(20, 16, 12, 2, QStringLiteral("Titolo"), 2);
    aggiungiTabella(2, 2);
    EXPECT_FALSE(scriviCella(3, 1, QStringLiteral("fuori")));
    EXPECT_FALSE(reportRiuscito());
    EXPECT_EQ(passo.testo, QStringLiteral("passo 3: scegliere la località"));
    // Everything after the failure does nothing.
    EXPECT_FALSE(scriviCella(1, 1, QStringLiteral("dopo")));
    EXPECT_FALSE(allineaColonne(5, 1));
    EXPECT_EQ(contaPagine(), 0);
    EXPECT_FALSE(chiudiStato(passo.didascalia(), QStringLiteral("ho visualizzato i dati su WORD")));
    EXPECT_EQ(passo.testo, QStringLiteral("passo 3: scegliere la località"));
    EXPECT_EQ(wordDoc->griglia(1)->cella(1, 1), QString());
    ASSERT_EQ(messaggi.mostrati.size(), 1);
    EXPECT_EQ(messaggi.mostrati[0].pulsanti, piattaforma::vbCritical);
    EXPECT_EQ(messaggi.mostrati[0].titolo, nomeProgramma);
    EXPECT_TRUE(messaggi.mostrati[0].testo.startsWith(QStringLiteral("Il documento non è stato completato.")));
    // The next report starts clean.
    avviaWord(passo.didascalia());
    EXPECT_TRUE(reportRiuscito());
    EXPECT_TRUE(aggiungiTabella(1, 1));
}

TEST_F(CanaleWord, FailuresOfEveryKindAreReported)
{
    auto provoca = [&](auto&& operazioni) {
        messaggi.azzera();
        avviaWord();
        operazioni();
        EXPECT_FALSE(reportRiuscito());
        EXPECT_EQ(messaggi.mostrati.size(), 1);
    };
    avviaWord();
    aggiungiTabella(1, 1);
    provoca([] { scriviCella(1, 1, QStringLiteral("x")); }); // no table yet, not even the last report's
    provoca([] { formattaTabella(); });
    provoca([] { testoParagrafo(QStringLiteral("x")); });    // no kept paragraph
    provoca([] { aggiungiTabella(0, 2); });
    provoca([] { aggiungiTabella(2, 2, 0); });
    provoca([] { impostaDimensione(-3); });
    provoca([] { aggiungiTabella(1, 2); allineaColonne(2, 1); });
    provoca([] { aggiungiTabella(1, 2); allineaColonne(1, 1, 1, 3); });
    provoca([] { segnalaErrore(QStringLiteral("Scegliere l'uso dell'impianto.")); });
    EXPECT_TRUE(messaggi.mostrati[0].testo.endsWith(QStringLiteral("Scegliere l'uso dell'impianto.")));
}

TEST_F(CanaleWord, OperationsWithoutADocumentFailWithoutCrashing)
{
    avviaWord();
    wordApp.reset();
    wordDoc.reset();
    wordTab = {};
    EXPECT_FALSE(scriviTesto(QStringLiteral("x")));
    EXPECT_EQ(messaggi.mostrati.size(), 1);
}

TEST_F(CanaleWord, SaveWritesTheDocumentAndAFailedSaveLeavesNothing)
{
    QTemporaryDir cartella;
    Passo passo;
    avviaWord(passo.didascalia());
    scriviIntestazione(20, 16, 12, 2, QStringLiteral("Relazione"), 2);
    const QString nome = cartella.filePath(QStringLiteral("Korvel-RelazioneKORVEL-Rossi.docx"));
    ASSERT_TRUE(salvaDocumento(nome));
    const auto corpo = lettore::leggiCorpo(lettore::decomprimiFile(nome).value(QStringLiteral("word/document.xml")));
    EXPECT_EQ(corpo.paragrafi().at(3)->testo(), QStringLiteral("Relazione"));
    chiudiStato(passo.didascalia(), QStringLiteral("passo 3: scegliere la località"));

    avviaWord(passo.didascalia());
    const QString mancante = cartella.filePath(QStringLiteral("non/esiste.docx"));
    EXPECT_FALSE(salvaDocumento(mancante));
    EXPECT_FALSE(QFile::exists(mancante));
    EXPECT_EQ(QDir(cartella.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    ASSERT_EQ(messaggi.mostrati.size(), 1);
    EXPECT_TRUE(messaggi.mostrati[0].testo.contains(mancante));
    EXPECT_EQ(passo.testo, QStringLiteral("passo 3: scegliere la località"));
}

TEST_F(CanaleWord, SafeNamesForFiles)
{
    EXPECT_EQ(nomeSicuro(QStringLiteral("Mario Rossi")), QStringLiteral("Mario Rossi"));
    EXPECT_EQ(nomeSicuro(QStringLiteral("  Rossi & C. s.n.c.  ")), QStringLiteral("Rossi & C. s.n.c."));
    EXPECT_EQ(nomeSicuro(QStringLiteral("../../etc/passwd")), QStringLiteral("______etc_passwd"));
    EXPECT_EQ(nomeSicuro(QStringLiteral("a\\b/c")), QStringLiteral("a_b_c"));
    EXPECT_EQ(nomeSicuro(QStringLiteral("a:b*c?d\"e<f>g|h")), QStringLiteral("a_b_c_d_e_f_g_h"));
    EXPECT_EQ(nomeSicuro(QStringLiteral("riga\r\nnuova\tx") + QChar(0x7F) + QChar(0x85)), QStringLiteral("riga__nuova_x__"));
    // A right-to-left override would show "Rossi" + "xcod.exe" as "Rossi" + "exe.docx".
    EXPECT_EQ(nomeSicuro(QStringLiteral("Rossi") + QChar(0x202E) + QStringLiteral("xcod.exe")), QStringLiteral("Rossi_xcod.exe"));
    EXPECT_EQ(nomeSicuro(QStringLiteral("a") + QChar(0x2066) + QStringLiteral("b") + QChar(0x2069) + QChar(0x2028) + QStringLiteral("c")
                         + QChar(0x2029)),
              QStringLiteral("a_b__c_"));
    EXPECT_EQ(nomeSicuro(QString()), QString());
    EXPECT_EQ(nomeSicuro(QStringLiteral("   ")), QString());
    EXPECT_EQ(nomeSicuro(QStringLiteral("Società Ænergia ") + QString::fromUcs4(U"\U0001F600")),
              QStringLiteral("Società Ænergia ") + QString::fromUcs4(U"\U0001F600"));
    const QString lungo = nomeSicuro(QString(150, QLatin1Char('x')));
    EXPECT_EQ(lungo.size(), 100);
    // A cut never splits a character made of two code units.
    const QString emoji = nomeSicuro(QString(99, QLatin1Char('x')) + QString::fromUcs4(U"\U0001F600"));
    EXPECT_EQ(emoji, QString(99, QLatin1Char('x')));
    EXPECT_EQ(nomeSicuro(QString(99, QLatin1Char('x')) + QStringLiteral(" y")), QString(99, QLatin1Char('x')));
}

TEST_F(CanaleWord, ALongNameFitsTheFileSystemWithItsLockFile)
{
    const QString euro(100, QChar(0x20AC));
    EXPECT_EQ(nomeSicuro(euro), QString(50, QChar(0x20AC))) << "three bytes each: 150";
    EXPECT_EQ(nomeSicuro(QStringLiteral("a") + euro), QStringLiteral("a") + QString(49, QChar(0x20AC)));
    EXPECT_EQ(nomeSicuro(QString(100, QChar(0xE8))), QString(75, QChar(0xE8)));
    QString faccine;
    for (int i = 0; i < 40; ++i)
        faccine += QString::fromUcs4(U"\U0001F600");
    EXPECT_EQ(nomeSicuro(faccine).toUtf8().size(), 148) << "37 of four bytes, none cut";
    EXPECT_EQ(nomeSicuro(faccine).size(), 74);

    // The report's file is written and read where the word processor would put its
    // lock file ("~$" or ".~lock." and "#") beside it.
    QTemporaryDir casa;
    qputenv("HOME", casa.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", casa.filePath(QStringLiteral(".config")).toUtf8());
    for (const QString& cliente : {euro, QStringLiteral("a") + euro, faccine, QString(300, QLatin1Char('x'))}) {
        const QString nome = QFileInfo(percorsoRelazione(cliente)).fileName();
        EXPECT_LE(nome.toUtf8().size() + 12, 255) << nome.toStdString();
        QFile file(QFileInfo(percorsoRelazione(cliente)).absolutePath() + QStringLiteral("/.~lock.") + nome
                   + QLatin1Char('#'));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << nome.toStdString();
    }
}

TEST_F(CanaleWord, DocumentsGoIntoTheDocumentsFolder)
{
    QTemporaryDir casa;
    qputenv("HOME", casa.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", casa.filePath(QStringLiteral(".config")).toUtf8());
    const QString cartella = cartellaDocumenti();
    EXPECT_TRUE(cartella.startsWith(casa.path()));
    EXPECT_TRUE(QDir(cartella).exists());
    EXPECT_EQ(percorsoRelazione(QStringLiteral("Rossi/Bianchi")),
              QDir(cartella).filePath(QStringLiteral("Korvel-RelazioneKORVEL-Rossi_Bianchi.docx")));
    EXPECT_EQ(percorsoRelazione(QString()), QDir(cartella).filePath(QStringLiteral("Korvel-RelazioneKORVEL-.docx")));
    EXPECT_EQ(percorsoGuida(), QDir(cartella).filePath(QStringLiteral("Korvel-guida.docx")));
    EXPECT_EQ(QFileInfo(percorsoRelazione(QStringLiteral("../../x"))).absolutePath(), QFileInfo(cartella).absoluteFilePath());
}
