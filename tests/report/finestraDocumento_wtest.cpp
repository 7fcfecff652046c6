// The document window of a report: opened by the report, following the document,
// saving (DOCX, PDF), printing and opening in the desktop's word processor; and the
// channel writing into a working window's hint line.
#include "report/finestraDocumento.h"

#include "platform/controlli.h"
#include "report/vistaPagine.h"
#include "report/lettoreDocx.h"
#include "base/ModKorvel.h"
#include "report/canaleWord.h"
#include "shell/corniceFinestra.h"
#include "support/discoPieno.h"
#include "support/doppi.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QTest>
#include <QLineEdit>
#include <QPrintDialog>
#include <QTimer>
#include <QPrinter>
#include <QTemporaryDir>
#include <QThread>
#include <QScreen>
#include <QScrollBar>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

const QString CR(1, QChar(13));

QList<FinestraDocumento*> finestreDocumento()
{
    QList<FinestraDocumento*> finestre;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<FinestraDocumento*>(w); f && f->isVisible())
            finestre << f;
    return finestre;
}

class FinestraProva : public FinestraLavoro {
public:
    FinestraProva() : FinestraLavoro(2) {}
};

class FinestraDocumentoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The save dialog starts in the documents folder: keep it inside the test's own.
        qputenv("HOME", cartella.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", cartella.filePath(QStringLiteral(".config")).toUtf8());
        ModKorvel::inizializzaDati();
        finestraDocumento::installa();
    }
    void TearDown() override
    {
        for (FinestraDocumento* f : finestreDocumento()) {
            messaggi.rispondi(piattaforma::vbYes); // close unsaved
            f->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        documento::impostaFabbricaFinestre({});
    }
    // A short report like the window reports.
    void report(const QString& titolo)
    {
        ModKorvel::avviaWord();
        ModKorvel::scriviIntestazione(20, 16, 12, 2, titolo, 2);
        ModKorvel::aggiungiParagrafo(12, CR + QStringLiteral("Elementi esterni") + CR);
        ModKorvel::aggiungiTabella(3, 2, 10);
        ModKorvel::scriviCella(1, 1, QStringLiteral("tipologia"));
        ModKorvel::scriviCella(2, 2, QStringLiteral("12,50"));
        ModKorvel::formattaTabella();
    }
    doppi::Messaggi messaggi;
    doppi::Dialoghi dialoghi;
    doppi::Desktop desktop;
    QTemporaryDir cartella;
};

} // namespace

TEST_F(FinestraDocumentoTest, EachReportOpensItsOwnWindowTitledWithTheReport)
{
    report(QStringLiteral("DATI PER IL CALCOLO DI FATTIBILITA'"));
    QCoreApplication::processEvents();
    auto finestre = finestreDocumento();
    ASSERT_EQ(finestre.size(), 1);
    FinestraDocumento* prima = finestre[0];
    EXPECT_EQ(prima->windowTitle(), QStringLiteral("DATI PER IL CALCOLO DI FATTIBILITA'"));
    EXPECT_EQ(prima->applicazione(), ModKorvel::wordApp);
    const QString mostrato = prima->vista()->testo();
    EXPECT_TRUE(mostrato.contains(QStringLiteral("Elementi esterni")));
    EXPECT_TRUE(mostrato.contains(QStringLiteral("12,50")));

    report(QStringLiteral("RISULTATI DEL CALCOLO DI FATTIBILITA'"));
    QCoreApplication::processEvents();
    finestre = finestreDocumento();
    ASSERT_EQ(finestre.size(), 2);
    EXPECT_TRUE(finestre.contains(prima));
    EXPECT_EQ(prima->windowTitle(), QStringLiteral("DATI PER IL CALCOLO DI FATTIBILITA'"));
}

TEST_F(FinestraDocumentoTest, FollowsTheDocumentWhileItGrows)
{
    ModKorvel::avviaWord();
    ModKorvel::scriviTesto(QStringLiteral("prima riga") + CR);
    QCoreApplication::processEvents();
    FinestraDocumento* f = finestreDocumento().value(0);
    ASSERT_TRUE(f);
    EXPECT_TRUE(f->vista()->testo().contains(QStringLiteral("prima riga")));
    ModKorvel::scriviTesto(QStringLiteral("seconda riga") + CR);
    QCoreApplication::processEvents();
    EXPECT_TRUE(f->vista()->testo().contains(QStringLiteral("seconda riga")));
}

TEST_F(FinestraDocumentoTest, ALongReportIsNotSlowedDownByRenderingAfterEveryCell)
{
    // A large table makes each rendering slow; once the report has run for a while,
    // the window renders again now and then, not after every further cell.
    ModKorvel::avviaWord();
    FinestraDocumento* f = finestreDocumento().value(0);
    ASSERT_TRUE(f);
    ModKorvel::aggiungiTabella(600, 8, 8);
    for (int r = 1; r <= 600; ++r)
        for (int c = 1; c <= 8; ++c)
            ModKorvel::scriviCella(r, c, QString::number(r * 1.37 + c, 'f', 2));
    QThread::msleep(300);
    const int prima = f->aggiornamenti();
    for (int c = 1; c <= 8; ++c)
        ModKorvel::scriviCella(1, c, QStringLiteral("colonna %1").arg(c));
    EXPECT_LE(f->aggiornamenti() - prima, 2);
    QCoreApplication::processEvents();
    EXPECT_TRUE(f->vista()->testo().contains(QStringLiteral("colonna 8")));
}

TEST_F(FinestraDocumentoTest, ClosingTheWindowKeepsTheLastReportReachable)
{
    report(QStringLiteral("Titolo"));
    QCoreApplication::processEvents();
    const auto doc = ModKorvel::wordDoc;
    messaggi.rispondi(piattaforma::vbYes);
    finestreDocumento().value(0)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(finestreDocumento().isEmpty());
    EXPECT_EQ(ModKorvel::wordDoc, doc);
    EXPECT_EQ(doc->numeroTabelle(), 1);
}

TEST_F(FinestraDocumentoTest, SaveAsDocxPdfOrCancel)
{
    report(QStringLiteral("Tabella dei dati climatici"));
    FinestraDocumento* f = finestreDocumento().value(0);
    ASSERT_TRUE(f);

    dialoghi.scegliFile(cartella.filePath(QStringLiteral("clima")));
    ASSERT_TRUE(f->salvaConNome());
    ASSERT_EQ(dialoghi.mostrati.size(), 1);
    EXPECT_EQ(dialoghi.mostrati[0].tipo, doppi::Dialogo::Salva);
    EXPECT_TRUE(dialoghi.mostrati[0].richiesta.nomeFile.endsWith(QStringLiteral("Tabella dei dati climatici.docx")));
    EXPECT_TRUE(dialoghi.mostrati[0].richiesta.filtro.contains(QStringLiteral("*.pdf")));
    const auto corpo = lettore::leggiCorpo(lettore::decomprimiFile(cartella.filePath(QStringLiteral("clima.docx")))
                                               .value(QStringLiteral("word/document.xml")));
    ASSERT_EQ(corpo.tabelle().size(), 1u);
    EXPECT_EQ(corpo.tabelle()[0]->righe[1][1].testo(), QStringLiteral("12,50"));

    dialoghi.scegliFile(cartella.filePath(QStringLiteral("clima.PDF")));
    ASSERT_TRUE(f->salvaConNome());
    QFile pdf(cartella.filePath(QStringLiteral("clima.PDF")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));

    dialoghi.annullaFile();
    EXPECT_FALSE(f->salvaConNome());
    EXPECT_TRUE(messaggi.mostrati.isEmpty());

    dialoghi.scegliFile(cartella.filePath(QStringLiteral("manca/clima.docx")));
    EXPECT_FALSE(f->salvaConNome());
    ASSERT_EQ(messaggi.mostrati.size(), 1);
    EXPECT_EQ(messaggi.mostrati[0].pulsanti, piattaforma::vbCritical);
    EXPECT_TRUE(messaggi.mostrati[0].testo.startsWith(QStringLiteral("Il documento non è stato salvato.")));
}

TEST_F(FinestraDocumentoTest, SavingOverAnExistingFileAsksFirst)
{
    report(QStringLiteral("Tabella dei dati climatici"));
    FinestraDocumento* f = finestreDocumento().value(0);
    ASSERT_TRUE(f);
    const QString nome = cartella.filePath(QStringLiteral("lettera.docx"));
    {
        QFile vecchio(nome);
        ASSERT_TRUE(vecchio.open(QIODevice::WriteOnly));
        vecchio.write("lettera dell'utente");
    }
    // No (also the default answer): the file stays as it was.
    dialoghi.scegliFile(cartella.filePath(QStringLiteral("lettera")));
    EXPECT_FALSE(f->salvaConNome());
    ASSERT_EQ(messaggi.mostrati.size(), 1);
    EXPECT_EQ(messaggi.mostrati[0].pulsanti, piattaforma::vbYesNo + piattaforma::vbQuestion + piattaforma::vbDefaultButton2);
    EXPECT_TRUE(messaggi.mostrati[0].testo.contains(nome));
    QFile letto(nome);
    ASSERT_TRUE(letto.open(QIODevice::ReadOnly));
    EXPECT_EQ(letto.readAll(), QByteArray("lettera dell'utente"));
    letto.close();

    messaggi.rispondi(piattaforma::vbYes);
    dialoghi.scegliFile(nome);
    EXPECT_TRUE(f->salvaConNome());
    EXPECT_EQ(lettore::decomprimiFile(nome).size(), 6);

    // A new name is saved without a question.
    messaggi.azzera();
    dialoghi.scegliFile(cartella.filePath(QStringLiteral("nuovo.pdf")));
    EXPECT_TRUE(f->salvaConNome());
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

TEST_F(FinestraDocumentoTest, OpensACopyInTheWordProcessor)
{
    report(QStringLiteral("FRONTESPIZIO"));
    FinestraDocumento* f = finestreDocumento().value(0);
    ASSERT_TRUE(f);
    ASSERT_TRUE(f->apriConElaboratore());
    ASSERT_EQ(desktop.file.size(), 1);
    const QString copia = desktop.file[0];
    EXPECT_TRUE(QFileInfo(copia).isAbsolute());
    EXPECT_TRUE(copia.endsWith(QStringLiteral(".docx")));
    EXPECT_EQ(lettore::decomprimiFile(copia).size(), 6);
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
    QFile::remove(copia);
}

TEST_F(FinestraDocumentoTest, AnOpenerThatFailsIsToldOnceAndLeavesNoCopy)
{
    // The desktop may have no program for the document: the opener says so only
    // after it has started, and by then the window may be gone.
    report(QStringLiteral("FRONTESPIZIO"));
    FinestraDocumento* f = finestreDocumento().value(0);
    ASSERT_TRUE(f);
    desktop.differito = true;
    ASSERT_TRUE(f->apriConElaboratore());
    ASSERT_EQ(desktop.file.size(), 1);
    const QString copia = desktop.file[0];
    EXPECT_TRUE(QFile::exists(copia));
    messaggi.rispondi(piattaforma::vbYes); // the report is not saved: close anyway
    f->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    messaggi.azzera();
    desktop.rispondi(false);
    EXPECT_FALSE(QFile::exists(copia));
    ASSERT_EQ(messaggi.mostrati.size(), 1);
    EXPECT_EQ(messaggi.mostrati[0].pulsanti, piattaforma::vbCritical);
    EXPECT_TRUE(messaggi.mostrati[0].testo.contains(QStringLiteral("elaboratore di testi")));
}

TEST_F(FinestraDocumentoTest, ClosingAReportNeverSavedAsksFirst)
{
    report(QStringLiteral("RISULTATI DEL CALCOLO DI FATTIBILITA'"));
    FinestraDocumento* f = finestreDocumento().value(0);
    ASSERT_TRUE(f);
    // No, also the answer of Enter and Escape: the window and its report stay.
    EXPECT_FALSE(f->close());
    ASSERT_EQ(messaggi.mostrati.size(), 1);
    EXPECT_EQ(messaggi.mostrati[0].pulsanti, piattaforma::vbYesNo + piattaforma::vbExclamation + piattaforma::vbDefaultButton2);
    EXPECT_TRUE(messaggi.mostrati[0].testo.contains(QStringLiteral("non è stato salvato")));
    EXPECT_TRUE(f->isVisible());

    // Once saved it closes without a word.
    messaggi.azzera();
    dialoghi.scegliFile(cartella.filePath(QStringLiteral("risultati.docx")));
    ASSERT_TRUE(f->salvaConNome());
    EXPECT_TRUE(f->close());
    EXPECT_TRUE(messaggi.mostrati.isEmpty());

    // Yes closes an unsaved one.
    report(QStringLiteral("FRONTESPIZIO"));
    FinestraDocumento* g = finestreDocumento().value(0);
    ASSERT_TRUE(g);
    messaggi.rispondi(piattaforma::vbYes);
    EXPECT_TRUE(g->close());
    EXPECT_EQ(messaggi.mostrati.size(), 1);

    // A report saved by its own channel (the technical report) closes without asking.
    report(QStringLiteral("RELAZIONE"));
    ModKorvel::salvaDocumento(cartella.filePath(QStringLiteral("relazione.docx")));
    messaggi.azzera();
    EXPECT_TRUE(finestreDocumento().value(0)->close());
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

TEST_F(FinestraDocumentoTest, PrintingToAFileProposesTheDocumentsFolder)
{
    report(QStringLiteral("Tabella dei dati climatici - Milano"));
    FinestraDocumento* f = finestreDocumento().value(0);
    ASSERT_TRUE(f);
    QString proposto = QStringLiteral("?");
    QTimer attesa;
    attesa.setInterval(5);
    QObject::connect(&attesa, &QTimer::timeout, [&] {
        auto* dialogo = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dialogo || !dialogo->isVisible())
            return;
        attesa.stop();
        if (auto* nome = dialogo->findChild<QLineEdit*>(QStringLiteral("filename")))
            proposto = nome->text();
        dialogo->reject();
    });
    attesa.start();
    EXPECT_FALSE(f->stampa());
    EXPECT_EQ(proposto, QDir(ModKorvel::cartellaDocumenti()).filePath(QStringLiteral("Tabella dei dati climatici - Milano.pdf")));
    EXPECT_TRUE(QDir(ModKorvel::cartellaDocumenti()).absolutePath().startsWith(QDir(cartella.path()).absolutePath()));
}

TEST_F(FinestraDocumentoTest, ThePagesAreShownAsTheyArePrinted)
{
    report(QStringLiteral("FRONTESPIZIO"));
    FinestraDocumento* f = finestreDocumento().value(0);
    ASSERT_TRUE(f);
    QCoreApplication::processEvents();
    VistaPagine* vista = f->vista();
    EXPECT_EQ(vista->numeroPagine(), *f->documento()->contaPagine());
    // A whole A4 page at the screen's resolution, its first line a margin in from its
    // top left corner.
    const double dpi = vista->dpi();
    vista->verticalScrollBar()->setValue(0);
    const QRect pagina = vista->rettangoloPagina(0);
    EXPECT_NEAR(pagina.width(), documento::larghezzaPaginaMm / 25.4 * dpi, 1.0);
    EXPECT_NEAR(pagina.height(), documento::altezzaPaginaMm / 25.4 * dpi, 1.0);
    const QImage immagine = vista->viewport()->grab().toImage();
    const auto scuro = [&](int x, int y) { return qGray(immagine.pixel(x, y)) < 128; };
    const auto rigaBianca = [&](int y) {
        for (int x = std::max(0, pagina.left()); x < std::min(immagine.width(), pagina.right()); ++x)
            if (scuro(x, y))
                return false;
        return true;
    };
    int primaY = std::max(0, pagina.top());
    while (primaY < std::min(immagine.height(), pagina.bottom()) - 1 && rigaBianca(primaY))
        ++primaY;
    // The title's left edge, on its first rows.
    int primaX = pagina.right();
    for (int y = primaY; y < primaY + 10; ++y)
        for (int x = std::max(0, pagina.left()); x < std::min(immagine.width(), pagina.right()); ++x)
            if (scuro(x, y))
                primaX = std::min(primaX, x);
    const double margine = documento::marginePaginaMm / 25.4 * dpi;
    EXPECT_NEAR(primaX - pagina.left(), margine, 3.0);
    EXPECT_NEAR(primaY - pagina.top(), margine, 6.0);
}

TEST_F(FinestraDocumentoTest, PrintsEveryPage)
{
    ModKorvel::avviaWord();
    ModKorvel::scriviTesto(QStringLiteral("uno") + CR + QChar(12) + QStringLiteral("due") + CR);
    FinestraDocumento* f = finestreDocumento().value(0);
    ASSERT_TRUE(f);
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setOutputFormat(QPrinter::PdfFormat);
    stampante.setOutputFileName(cartella.filePath(QStringLiteral("stampa.pdf")));
    stampante.setFullPage(true);
    ASSERT_TRUE(f->stampaSu(stampante));
    QFile pdf(cartella.filePath(QStringLiteral("stampa.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray dati = pdf.readAll();
    EXPECT_TRUE(dati.startsWith("%PDF"));
    EXPECT_EQ(dati.count("/Type /Page\n") + dati.count("/Type /Page\r") + dati.count("/Type /Page "), 2);
}

TEST_F(FinestraDocumentoTest, FullDiskKeepsTheEarlierFileOfASaveOrAPrintToPdf)
{
    report(QStringLiteral("Tabella dei dati climatici"));
    FinestraDocumento* f = finestreDocumento().value(0);
    ASSERT_TRUE(f);
    const auto doc = f->documento();
    QDir uscita(cartella.filePath(QStringLiteral("uscita")));
    ASSERT_TRUE(uscita.mkpath(QStringLiteral(".")));
    const auto voci = [&] { return uscita.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot); };
    const auto leggi = [](const QString& nome) {
        QFile file(nome);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QString docx = uscita.filePath(QStringLiteral("relazione.docx"));
    const QString pdf = uscita.filePath(QStringLiteral("relazione.pdf"));
    const QString stampato = uscita.filePath(QStringLiteral("stampa.pdf"));
    for (const QString& nome : {docx, pdf, stampato}) {
        QFile vecchio(nome);
        ASSERT_TRUE(vecchio.open(QIODevice::WriteOnly));
        vecchio.write("file dell'utente");
    }
    const QStringList presenti = voci();
    const auto salva = [&](const QString& nome) {
        dialoghi.scegliFile(nome);
        messaggi.rispondi(piattaforma::vbYes); // replace it
        return f->salvaConNome();
    };
    const auto stampa = [&] {
        QPrinter stampante(QPrinter::HighResolution);
        stampante.setOutputFormat(QPrinter::PdfFormat);
        stampante.setOutputFileName(stampato);
        stampante.setFullPage(true);
        return f->stampaSu(stampante);
    };

    {
        doppi::DiscoPieno pieno;
        EXPECT_FALSE(salva(docx));
        EXPECT_FALSE(salva(pdf));
        EXPECT_FALSE(stampa());
    }
    ASSERT_EQ(messaggi.mostrati.size(), 5);
    EXPECT_TRUE(messaggi.mostrati[1].testo.startsWith(QStringLiteral("Il documento non è stato salvato.") + CR));
    EXPECT_TRUE(messaggi.mostrati[1].testo.contains(docx));
    EXPECT_TRUE(messaggi.mostrati[3].testo.startsWith(QStringLiteral("Il documento non è stato salvato.") + CR));
    EXPECT_TRUE(messaggi.mostrati[4].testo.startsWith(QStringLiteral("Il documento non è stato stampato.") + CR));
    EXPECT_TRUE(messaggi.mostrati[4].testo.contains(stampato));
    for (const int i : {1, 3, 4})
        EXPECT_EQ(messaggi.mostrati[i].pulsanti, piattaforma::vbCritical);
    for (const QString& nome : {docx, pdf, stampato})
        EXPECT_EQ(leggi(nome), QByteArray("file dell'utente")) << nome.toStdString();
    EXPECT_EQ(voci(), presenti) << "no temporary file left";
    EXPECT_FALSE(doc->salvato()) << "closing still asks";

    // With space again the same commands write whole files.
    messaggi.azzera();
    ASSERT_TRUE(stampa());
    EXPECT_FALSE(doc->salvato()) << "a print is no save";
    EXPECT_TRUE(leggi(stampato).startsWith("%PDF"));
    ASSERT_TRUE(salva(pdf));
    EXPECT_TRUE(leggi(pdf).startsWith("%PDF"));
    ASSERT_TRUE(salva(docx));
    EXPECT_TRUE(doc->salvato());
    const lettore::Corpo corpo = lettore::leggiCorpo(lettore::decomprimiFile(docx).value(QStringLiteral("word/document.xml")));
    ASSERT_TRUE(corpo.valido);
    EXPECT_EQ(corpo.tabelle().size(), 1u);
    EXPECT_EQ(voci(), presenti);
}

TEST_F(FinestraDocumentoTest, AHelpPrintThatCouldNotBeSavedIsAnUnsavedDocument)
{
    const std::vector<std::pair<QString, QString>> guide = {{QStringLiteral("Finestra MENU"), QStringLiteral("testo")}};
    {
        doppi::DiscoPieno pieno;
        EXPECT_FALSE(ModKorvel::stampaGuide(guide));
    }
    EXPECT_FALSE(QFileInfo::exists(ModKorvel::percorsoGuida()));
    FinestraDocumento* f = finestreDocumento().value(0);
    ASSERT_TRUE(f);
    QCoreApplication::processEvents();
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Korvel-guida"));
    EXPECT_FALSE(f->documento()->salvato());
    // "Salva con nome" proposes the file that was not written.
    dialoghi.annullaFile();
    EXPECT_FALSE(f->salvaConNome());
    ASSERT_FALSE(dialoghi.mostrati.isEmpty());
    EXPECT_EQ(dialoghi.mostrati.last().richiesta.nomeFile, ModKorvel::percorsoGuida());
    // Closing asks; No keeps the window.
    messaggi.azzera();
    messaggi.rispondi(piattaforma::vbNo);
    EXPECT_FALSE(f->close());
    ASSERT_EQ(messaggi.mostrati.size(), 1);
    EXPECT_TRUE(messaggi.mostrati[0].testo.startsWith(QStringLiteral("Il documento \"Korvel-guida\" non è stato salvato.")));

    // Saved, it is named after its file and closes without asking.
    ASSERT_TRUE(ModKorvel::stampaGuide(guide));
    QCoreApplication::processEvents();
    FinestraDocumento* salvata = nullptr;
    for (FinestraDocumento* g : finestreDocumento())
        salvata = g != f ? g : salvata;
    ASSERT_TRUE(salvata);
    EXPECT_EQ(salvata->windowTitle(), QStringLiteral("Korvel-guida.docx"));
    messaggi.azzera();
    EXPECT_TRUE(salvata->close());
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

TEST_F(FinestraDocumentoTest, WorkingWindowHintLineThroughTheReport)
{
    FinestraProva& lavoro = finestra<FinestraProva>();
    lavoro.passo->setCaption(QStringLiteral("passo 1: scegliere l'uso"));
    ModKorvel::avviaWord(lavoro);
    EXPECT_EQ(lavoro.passo->Caption(), QStringLiteral("sto caricando WORD"));
    ModKorvel::aggiungiTabella(2, 2);
    ModKorvel::chiudiStato(lavoro, QStringLiteral("ho visualizzato i dati su WORD"));
    EXPECT_EQ(lavoro.passo->Caption(), QStringLiteral("ho visualizzato i dati su WORD"));

    // A failing report puts the hint back and tells the user once.
    lavoro.passo->setCaption(QStringLiteral("passo 2"));
    ModKorvel::avviaWord(lavoro);
    ModKorvel::aggiungiTabella(2, 2);
    ModKorvel::scriviCella(9, 9, QStringLiteral("x"));
    ModKorvel::chiudiStato(lavoro, QStringLiteral("ho visualizzato i dati su WORD"));
    EXPECT_EQ(lavoro.passo->Caption(), QStringLiteral("passo 2"));
    EXPECT_EQ(messaggi.mostrati.size(), 1);
    Unica<FinestraProva>::scarica();
    modelloFinestre::eliminaScaricate();
}

namespace {

// The window of the report just written, 900 by 700 pixels, the view at the first
// page's top.
VistaPagine* vistaDelReport(FinestraDocumento*& f)
{
    f = finestreDocumento().value(0);
    if (!f)
        return nullptr;
    f->resize(900, 700);
    QCoreApplication::processEvents();
    f->vista()->verticalScrollBar()->setValue(0);
    return f->vista();
}

// A report of a title, two paragraphs and a table of 60 rows that goes on to the
// second page, in its window, the view at the first page's top.
VistaPagine* paginePerSelezionare(FinestraDocumento*& f)
{
    ModKorvel::avviaWord();
    ModKorvel::impostaCarattere(QStringLiteral("Century Gothic"));
    ModKorvel::impostaDimensione(12);
    ModKorvel::scriviTesto(QStringLiteral("Titolo") + CR);
    ModKorvel::scriviTesto(QStringLiteral("Il collettore riceve il massimo dell'energia quando i raggi del sole sono "
                                          "perpendicolari alla sua superficie, 12,5 kWh/anno.") + CR);
    ModKorvel::scriviTesto(QStringLiteral("Secondo paragrafo") + CR);
    ModKorvel::aggiungiTabella(60, 3, 12);
    for (int r = 1; r <= 60; ++r)
        for (int c = 1; c <= 3; ++c)
            ModKorvel::scriviCella(r, c, QStringLiteral("r%1c%2").arg(r).arg(c));
    ModKorvel::formattaTabella();
    return vistaDelReport(f);
}

// The place of a table's cell (block 3) or a paragraph's character.
documento::Posizione cella(int riga, int colonna, int carattere = 0) { return {3, riga, colonna, carattere}; }
documento::Posizione capoverso(int blocco, int carattere) { return {blocco, 0, 0, carattere}; }

void trascina(VistaPagine* vista, documento::Posizione da, documento::Posizione a)
{
    QTest::mousePress(vista->viewport(), Qt::LeftButton, {}, vista->puntoDi(da));
    QTest::mouseMove(vista->viewport(), vista->puntoDi(a));
    QTest::mouseRelease(vista->viewport(), Qt::LeftButton, {}, vista->puntoDi(a));
}

// The context menu's entry `nome`, triggered while the menu is up; whether it was enabled.
bool dalMenu(VistaPagine* vista, const QString& nome)
{
    bool abilitata = false;
    QTimer::singleShot(0, vista, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* a : menu->actions())
            if (a->text() == nome) {
                abilitata = a->isEnabled();
                if (abilitata)
                    a->trigger();
            }
        menu->close();
    });
    QContextMenuEvent evento(QContextMenuEvent::Mouse, QPoint(50, 50), vista->viewport()->mapToGlobal(QPoint(50, 50)));
    QCoreApplication::sendEvent(vista->viewport(), &evento);
    return abilitata;
}

} // namespace

// Text selected with the mouse and the keyboard, copied as plain text in reading order.
TEST_F(FinestraDocumentoTest, TextIsSelectedAndCopiedAsInAPageViewer)
{
    FinestraDocumento* f = nullptr;
    VistaPagine* vista = paginePerSelezionare(f);
    ASSERT_TRUE(vista);
    ASSERT_GE(vista->numeroPagine(), 2);
    QGuiApplication::clipboard()->clear();

    // Over a paragraph: from "massimo" to the end of "energia".
    trascina(vista, capoverso(1, 24), capoverso(1, 44));
    EXPECT_EQ(vista->testoSelezionato(), QStringLiteral("massimo dell'energia"));
    QTest::keyClick(vista, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("massimo dell'energia"));

    // Across paragraphs and into a table: paragraphs on lines of their own, cells apart
    // by tabs, rows by line ends.
    trascina(vista, capoverso(2, 8), cella(3, 2, 2));
    EXPECT_EQ(vista->testoSelezionato(), QStringLiteral("paragrafo\nr1c1\tr1c2\tr1c3\nr2c1\tr2c2\tr2c3\nr3c1\tr3"));
    // Shift and a click carry the selection's far end on.
    QTest::mouseClick(vista->viewport(), Qt::LeftButton, Qt::ShiftModifier, vista->puntoDi(cella(4, 1, 4)));
    EXPECT_TRUE(vista->testoSelezionato().endsWith(QStringLiteral("r3c3\nr4c1")));
    // A double click takes a word.
    QTest::mouseDClick(vista->viewport(), Qt::LeftButton, {}, vista->puntoDi(capoverso(1, 50)));
    EXPECT_EQ(vista->testoSelezionato(), QStringLiteral("quando"));

    // A drag that goes on over the next page, the view scrolled meanwhile.
    QTest::mousePress(vista->viewport(), Qt::LeftButton, {}, vista->puntoDi(cella(2, 2)));
    vista->verticalScrollBar()->setValue(vista->rettangoloPagina(1).top() + vista->verticalScrollBar()->value() - 40);
    const auto dove = f->documento()->doveSta(cella(59, 3, 5));
    ASSERT_TRUE(dove);
    EXPECT_EQ(dove->first, 1);
    QTest::mouseMove(vista->viewport(), vista->puntoDi(cella(59, 3, 5)));
    QTest::mouseRelease(vista->viewport(), Qt::LeftButton, {}, vista->puntoDi(cella(59, 3, 5)));
    const QStringList righe = vista->testoSelezionato().split(QLatin1Char('\n'));
    ASSERT_EQ(righe.size(), 58);
    EXPECT_EQ(righe.front(), QStringLiteral("r2c2\tr2c3"));
    EXPECT_EQ(righe.back(), QStringLiteral("r59c1\tr59c2\tr59c3"));

    // Ctrl+A takes everything, page after page.
    QTest::keyClick(vista, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(vista, Qt::Key_C, Qt::ControlModifier);
    QStringList tutto{QStringLiteral("Titolo"),
                      QStringLiteral("Il collettore riceve il massimo dell'energia quando i raggi del sole sono perpendicolari "
                                     "alla sua superficie, 12,5 kWh/anno."),
                      QStringLiteral("Secondo paragrafo")};
    for (int r = 1; r <= 60; ++r)
        tutto << QStringLiteral("r%1c1\tr%1c2\tr%1c3").arg(r);
    tutto << QString();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), tutto.join(QLatin1Char('\n')));

    // The context menu: "Copia" copies what is selected, "Seleziona tutto" selects all.
    trascina(vista, capoverso(0, 0), capoverso(0, 6));
    QGuiApplication::clipboard()->clear();
    EXPECT_TRUE(dalMenu(vista, QStringLiteral("Copia")));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Titolo"));
    EXPECT_TRUE(dalMenu(vista, QStringLiteral("Seleziona tutto")));
    EXPECT_EQ(vista->testoSelezionato(), tutto.join(QLatin1Char('\n')));
    // A click without a drag selects nothing, and there is nothing to copy.
    QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, vista->puntoDi(capoverso(1, 3)));
    EXPECT_TRUE(vista->testoSelezionato().isEmpty());
    EXPECT_FALSE(dalMenu(vista, QStringLiteral("Copia")));
}

// The selection is drawn over the text it takes, and nowhere else.
TEST_F(FinestraDocumentoTest, TheSelectionIsDrawnOverItsText)
{
    FinestraDocumento* f = nullptr;
    VistaPagine* vista = paginePerSelezionare(f);
    ASSERT_TRUE(vista);
    const QImage prima = vista->viewport()->grab().toImage();
    trascina(vista, capoverso(1, 24), capoverso(1, 44));
    const QImage dopo = vista->viewport()->grab().toImage();
    const QPoint da = vista->puntoDi(capoverso(1, 24)), a = vista->puntoDi(capoverso(1, 44));
    int cambiati = 0, fuori = 0;
    for (int y = 0; y < prima.height(); ++y)
        for (int x = 0; x < prima.width(); ++x)
            if (prima.pixel(x, y) != dopo.pixel(x, y)) {
                ++cambiati;
                fuori += x < da.x() - 2 || x > a.x() + 2 || std::abs(y - da.y()) > 12;
            }
    EXPECT_GT(cambiati, (a.x() - da.x()) * 8);
    EXPECT_EQ(fuori, 0);
}

// Home and Ctrl+Home go to the first page's top, End and Ctrl+End to the last page's end.
TEST_F(FinestraDocumentoTest, HomeAndEndGoToTheFirstPagesTopAndTheLastPagesEnd)
{
    FinestraDocumento* f = nullptr;
    VistaPagine* vista = paginePerSelezionare(f);
    ASSERT_TRUE(vista);
    QScrollBar* barra = vista->verticalScrollBar();
    ASSERT_GT(barra->maximum(), 0);
    for (const Qt::KeyboardModifiers tasti : {Qt::KeyboardModifiers{}, Qt::KeyboardModifiers{Qt::ControlModifier}}) {
        QTest::keyClick(vista, Qt::Key_End, tasti);
        EXPECT_EQ(barra->value(), barra->maximum());
        EXPECT_GT(vista->rettangoloPagina(vista->numeroPagine() - 1).bottom(), 0);
        EXPECT_LE(vista->rettangoloPagina(vista->numeroPagine() - 1).bottom(), vista->viewport()->height());
        QTest::keyClick(vista, Qt::Key_Home, tasti);
        EXPECT_EQ(barra->value(), 0);
    }
    // The other keys still scroll.
    QTest::keyClick(vista, Qt::Key_PageDown);
    EXPECT_GT(barra->value(), 0);
}

namespace {

// The first line of a header row repeated on page `pagina` (from 0), in column `colonna`.
const documento::Linea* lineaRipetuta(FinestraDocumento* f, int pagina, int colonna)
{
    const documento::Pagina& p = f->documento()->pagine().at(std::size_t(pagina));
    for (const documento::PezzoPagina& parte : p.pezzi)
        if (const auto* riga = std::get_if<documento::PezzoRiga>(&parte); riga && riga->ripetuta)
            for (int i = riga->primaLinea; i < riga->fineLinea; ++i)
                if (p.linee[std::size_t(i)].colonna == colonna)
                    return &p.linee[std::size_t(i)];
    return nullptr;
}

// The viewport's point over the middle of a line of page `pagina`, a little into its text.
QPoint puntoSullaLinea(VistaPagine* vista, int pagina, const documento::Linea& linea)
{
    const QRect r = vista->rettangoloPagina(pagina);
    const double scala = vista->dpi() / 1440.0, margine = documento::marginePaginaMm / 25.4 * 1440.0;
    return {r.left() + qRound((margine + linea.frammenti.front().x + 60) * scala),
            r.top() + qRound((margine + linea.y + linea.altezza / 2.0) * scala)};
}

// The view scrolled to 100 pixels above page `pagina`'s top.
void versoPagina(VistaPagine* vista, int pagina)
{
    vista->verticalScrollBar()->setValue(vista->rettangoloPagina(pagina).top() + vista->verticalScrollBar()->value() - 100);
}

} // namespace

// A double click takes a word between Unicode's word boundaries, a figure with its
// separators whole; a triple click takes the line; on a header row repeated at a page's
// head both take nothing.
TEST_F(FinestraDocumentoTest, DoubleAndTripleClicksTakeAWordAndALine)
{
    const QString primaRiga = QStringLiteral("Portata 46,033 l/h; rendimento 7,5; costo 1.234,56 euro.");
    ModKorvel::avviaWord();
    ModKorvel::impostaCarattere(QStringLiteral("Century Gothic"));
    ModKorvel::impostaDimensione(12);
    ModKorvel::scriviTesto(primaRiga + QChar(11) + QStringLiteral("Seconda riga dell'impianto") + CR);
    ModKorvel::aggiungiTabella(60, 3, 12);
    for (int r = 1; r <= 60; ++r) {
        ModKorvel::scriviCella(r, 1, r == 1 ? QStringLiteral("voce") : QStringLiteral("riga %1").arg(r));
        ModKorvel::scriviCella(r, 2, r == 1 ? QStringLiteral("costo") : QStringLiteral("1.234,56"));
        ModKorvel::scriviCella(r, 3, r == 1 ? QStringLiteral("portata") : QStringLiteral("46,033"));
    }
    ModKorvel::formattaTabella();
    FinestraDocumento* f = nullptr;
    VistaPagine* vista = vistaDelReport(f);
    ASSERT_TRUE(vista);
    ASSERT_GE(vista->numeroPagine(), 2);
    QWidget* viewport = vista->viewport();
    const auto paragrafo = [&](const QString& dove, int dentro) { return documento::Posizione{0, 0, 0, int(primaRiga.indexOf(dove)) + dentro}; };
    const auto doppio = [&](QPoint punto) {
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, punto);
        return vista->testoSelezionato();
    };
    const auto triplo = [&](QPoint punto) {
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, punto);
        QTest::mouseClick(viewport, Qt::LeftButton, {}, punto);
        return vista->testoSelezionato();
    };

    EXPECT_EQ(doppio(vista->puntoDi(paragrafo(QStringLiteral("46,033"), 1))), QStringLiteral("46,033"));
    EXPECT_EQ(doppio(vista->puntoDi(paragrafo(QStringLiteral("46,033"), 4))), QStringLiteral("46,033"));
    EXPECT_EQ(doppio(vista->puntoDi(paragrafo(QStringLiteral("7,5"), 1))), QStringLiteral("7,5"));
    EXPECT_EQ(doppio(vista->puntoDi(paragrafo(QStringLiteral("1.234,56"), 5))), QStringLiteral("1.234,56"));
    QTest::keyClick(vista, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("1.234,56"));
    EXPECT_EQ(doppio(vista->puntoDi({0, 0, 0, int(primaRiga.size()) + 24})), QStringLiteral("dell'impianto"));
    EXPECT_EQ(doppio(vista->puntoDi({1, 4, 2, 2})), QStringLiteral("1.234,56"));
    EXPECT_EQ(doppio(vista->puntoDi({1, 4, 3, 3})), QStringLiteral("46,033"));

    // The line, without its line break.
    EXPECT_EQ(triplo(vista->puntoDi(paragrafo(QStringLiteral("rendimento"), 2))), primaRiga);
    EXPECT_EQ(triplo(vista->puntoDi({0, 0, 0, int(primaRiga.size()) + 3})), QStringLiteral("Seconda riga dell'impianto"));
    EXPECT_EQ(triplo(vista->puntoDi({1, 7, 1, 2})), QStringLiteral("riga 7"));

    // The header row repeated at the second page's head.
    versoPagina(vista, 1);
    const documento::Linea* testata = lineaRipetuta(f, 1, 2);
    ASSERT_TRUE(testata);
    const QPoint suTestata = puntoSullaLinea(vista, 1, *testata);
    ASSERT_GT(suTestata.y(), 0);
    QGuiApplication::clipboard()->setText(QStringLiteral("appunti"));
    EXPECT_EQ(doppio(suTestata), QString());
    QTest::keyClick(vista, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("appunti"));
    EXPECT_EQ(triplo(suTestata), QString());
}

// Held still past the view's edge, a drag goes on scrolling and selecting until the
// pointer comes back inside or the button is released.
TEST_F(FinestraDocumentoTest, ADragHeldPastTheViewsEdgeKeepsScrolling)
{
    FinestraDocumento* f = nullptr;
    VistaPagine* vista = paginePerSelezionare(f);
    ASSERT_TRUE(vista);
    QScrollBar* barra = vista->verticalScrollBar();
    QWidget* viewport = vista->viewport();
    const QPoint sotto(viewport->width() / 2, viewport->height() + 20);
    QTest::mousePress(viewport, Qt::LeftButton, {}, vista->puntoDi(capoverso(1, 0)));
    QTest::mouseMove(viewport, sotto);
    const int mosso = barra->value();
    const qsizetype selezionato = vista->testoSelezionato().size();
    QTest::qWait(300);
    // 20 pixels every 30 ms.
    EXPECT_GT(barra->value(), mosso + 4 * 20);
    EXPECT_GT(vista->testoSelezionato().size(), selezionato);
    EXPECT_TRUE(vista->testoSelezionato().startsWith(QStringLiteral("Il collettore riceve")));

    QTest::mouseMove(viewport, QPoint(viewport->width() / 2, viewport->height() - 5));
    int fermo = barra->value();
    QTest::qWait(100);
    EXPECT_EQ(barra->value(), fermo) << "back inside the view";
    QTest::mouseMove(viewport, sotto);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, sotto);
    fermo = barra->value();
    QTest::qWait(100);
    EXPECT_EQ(barra->value(), fermo) << "released";
}

// The pointer is an I-beam over the text of a line, from its first glyph to its last,
// and an arrow over margins, blank page, the gaps between pages and a repeated header.
TEST_F(FinestraDocumentoTest, ThePointerIsAnIBeamOverTextAndAnArrowElsewhere)
{
    FinestraDocumento* f = nullptr;
    VistaPagine* vista = paginePerSelezionare(f);
    ASSERT_TRUE(vista);
    QWidget* viewport = vista->viewport();
    const auto puntatore = [&](QPoint punto) {
        QTest::mouseMove(viewport, punto);
        return viewport->cursor().shape();
    };
    const QPoint titolo = vista->puntoDi(capoverso(0, 3));
    EXPECT_EQ(puntatore(titolo), Qt::IBeamCursor);
    EXPECT_EQ(puntatore(vista->puntoDi(capoverso(1, 40))), Qt::IBeamCursor);
    EXPECT_EQ(puntatore(vista->puntoDi(cella(3, 2, 2))), Qt::IBeamCursor);
    EXPECT_EQ(puntatore(QPoint(vista->rettangoloPagina(0).left() + 20, titolo.y())), Qt::ArrowCursor) << "left margin";
    EXPECT_EQ(puntatore(QPoint(vista->puntoDi(capoverso(0, 6)).x() + 40, titolo.y())), Qt::ArrowCursor) << "after the title";

    versoPagina(vista, 1);
    const QRect prima = vista->rettangoloPagina(0);
    EXPECT_EQ(puntatore(QPoint(titolo.x(), prima.bottom() + 8)), Qt::ArrowCursor) << "between pages";
    EXPECT_EQ(puntatore(QPoint(titolo.x(), prima.bottom() - 20)), Qt::ArrowCursor) << "bottom margin";
    const documento::Linea* testata = lineaRipetuta(f, 1, 2);
    ASSERT_TRUE(testata);
    EXPECT_EQ(puntatore(puntoSullaLinea(vista, 1, *testata)), Qt::ArrowCursor) << "repeated header";
    EXPECT_EQ(puntatore(vista->puntoDi(cella(59, 3, 2))), Qt::IBeamCursor);
    EXPECT_EQ(puntatore(vista->puntoDi(cella(60, 2, 2)) + QPoint(0, 60)), Qt::ArrowCursor) << "blank page below the text";
}

// "Salva con nome" of a help print whose file is taken by a folder proposes a free
// name beside it: "Korvel-guida-2.docx", then "-3" when that is taken too.
TEST_F(FinestraDocumentoTest, SaveAsProposesAFreeNameBesideAFolderOfThatName)
{
    ASSERT_TRUE(QDir().mkpath(ModKorvel::percorsoGuida()));
    const std::vector<std::pair<QString, QString>> guide = {{QStringLiteral("Finestra MENU"), QStringLiteral("testo")}};
    EXPECT_FALSE(ModKorvel::stampaGuide(guide));
    messaggi.azzera();
    FinestraDocumento* f = finestreDocumento().value(0);
    ASSERT_TRUE(f);
    const QDir documenti(ModKorvel::cartellaDocumenti());
    dialoghi.annullaFile();
    EXPECT_FALSE(f->salvaConNome());
    ASSERT_FALSE(dialoghi.mostrati.isEmpty());
    EXPECT_EQ(dialoghi.mostrati.last().richiesta.nomeFile, documenti.filePath(QStringLiteral("Korvel-guida-2.docx")));
    QFile occupato(documenti.filePath(QStringLiteral("Korvel-guida-2.docx")));
    ASSERT_TRUE(occupato.open(QIODevice::WriteOnly));
    occupato.close();
    dialoghi.annullaFile();
    EXPECT_FALSE(f->salvaConNome());
    EXPECT_EQ(dialoghi.mostrati.last().richiesta.nomeFile, documenti.filePath(QStringLiteral("Korvel-guida-3.docx")));
    // Chosen, it is written there.
    dialoghi.scegliFile(documenti.filePath(QStringLiteral("Korvel-guida-3.docx")));
    EXPECT_TRUE(f->salvaConNome());
    EXPECT_TRUE(QFileInfo(documenti.filePath(QStringLiteral("Korvel-guida-3.docx"))).isFile());
}
