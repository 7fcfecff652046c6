#include "report/finestraDocumento.h"

#include "platform/desktop.h"
#include "platform/dialoghi.h"
#include "platform/messaggi.h"
#include "base/ModKorvel.h"
#include "report/canaleWord.h"
#include "report/unita.h"
#include "report/vistaPagine.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTemporaryFile>
#include <QTimer>
#include <QToolBar>

#include <algorithm>

namespace {

// While a report writes, the window is rendered again at most this often.
constexpr qint64 intervalloAggiornamentoMs = 250;

QString titoloMessaggi()
{
    return ModKorvel::nomeProgramma.isEmpty() ? QStringLiteral("Korvel") : ModKorvel::nomeProgramma;
}

void errore(const QString& testo) { piattaforma::msgBox(testo, piattaforma::vbCritical, titoloMessaggi()); }

// Nothing written yet: one empty paragraph.
bool vuoto(const documento::Documento& doc)
{
    const auto& blocchi = doc.blocchi();
    const auto* primo = blocchi.size() == 1 ? std::get_if<documento::Capoverso>(&blocchi.front()) : nullptr;
    return primo && primo->vuoto();
}

// Where a document is saved or printed to a file unless the user chooses otherwise:
// a name a folder has taken would have the dialog open that folder, so a free name
// beside it instead ("-2", "-3" ... before the extension).
QString nomeProposto(const documento::Documento& doc, const QString& estensione)
{
    const QDir cartella(ModKorvel::cartellaDocumenti());
    const QString base = ModKorvel::nomeSicuro(doc.titolo());
    QString nome = cartella.filePath(base + estensione);
    if (!QFileInfo(nome).isDir())
        return nome;
    for (int n = 2; n < 10000; ++n) {
        nome = cartella.filePath(QStringLiteral("%1-%2%3").arg(base).arg(n).arg(estensione));
        if (!QFileInfo::exists(nome))
            break;
    }
    return nome;
}

} // namespace

FinestraDocumento::FinestraDocumento(std::shared_ptr<documento::Applicazione> applicazione, QWidget* parent)
    : QMainWindow(parent), applicazione_(std::move(applicazione))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("finestraDocumento"));

    vista_ = new VistaPagine(this);
    vista_->setObjectName(QStringLiteral("vista"));
    setCentralWidget(vista_);

    auto* salva = new QAction(QStringLiteral("&Salva con nome..."), this);
    salva->setObjectName(QStringLiteral("salva"));
    salva->setShortcut(QKeySequence::Save);
    salva->setToolTip(QStringLiteral("salva il documento (DOCX o PDF)"));
    connect(salva, &QAction::triggered, this, [this] { salvaConNome(); });
    auto* stampa = new QAction(QStringLiteral("S&tampa..."), this);
    stampa->setObjectName(QStringLiteral("stampa"));
    stampa->setShortcut(QKeySequence::Print);
    stampa->setToolTip(QStringLiteral("stampa il documento"));
    connect(stampa, &QAction::triggered, this, [this] { this->stampa(); });
    auto* apri = new QAction(QStringLiteral("&Apri nell'elaboratore di testi"), this);
    apri->setObjectName(QStringLiteral("apri"));
    apri->setToolTip(QStringLiteral("apri il documento con l'elaboratore di testi del sistema"));
    connect(apri, &QAction::triggered, this, [this] { apriConElaboratore(); });
    auto* chiudi = new QAction(QStringLiteral("&Chiudi"), this);
    chiudi->setObjectName(QStringLiteral("chiudi"));
    chiudi->setShortcut(QKeySequence::Close);
    connect(chiudi, &QAction::triggered, this, &QWidget::close);

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(salva);
    file->addAction(stampa);
    file->addAction(apri);
    file->addSeparator();
    file->addAction(chiudi);
    QToolBar* barra = addToolBar(QStringLiteral("Documento"));
    barra->setObjectName(QStringLiteral("barraDocumento"));
    barra->setMovable(false);
    barra->addAction(salva);
    barra->addAction(stampa);
    barra->addAction(apri);

    const QScreen* schermo = screen();
    const int altezza = schermo ? schermo->availableGeometry().height() * 4 / 5 : 700;
    resize(qRound(documento::larghezzaPaginaMm / documento::dettaglio::mmPerPollice * vista_->dpi()) + 60, altezza);

    connect(applicazione_.get(), &documento::Applicazione::documentoAggiunto, this, [this] {
        collegaDocumento();
        cambiato();
    });
    collegaDocumento();
    aggiorna();
}

FinestraDocumento::~FinestraDocumento() = default;

void FinestraDocumento::closeEvent(QCloseEvent* evento)
{
    // As in a word processor, a report never saved is not lost unasked.
    const auto doc = documento();
    if (doc && !doc->salvato() && !vuoto(*doc)
        && piattaforma::msgBox(QStringLiteral("Il documento \"%1\" non è stato salvato.").arg(doc->titolo()) + QChar(13)
                                   + QStringLiteral("Chiudere la finestra senza salvarlo?"),
                               piattaforma::vbYesNo + piattaforma::vbExclamation + piattaforma::vbDefaultButton2,
                               titoloMessaggi())
            != piattaforma::vbYes) {
        evento->ignore();
        return;
    }
    QMainWindow::closeEvent(evento);
}

std::shared_ptr<documento::Documento> FinestraDocumento::documento() const
{
    return applicazione_ ? applicazione_->documentoAttivo() : nullptr;
}

void FinestraDocumento::collegaDocumento()
{
    const auto doc = documento();
    if (!doc || doc.get() == osservato_)
        return;
    if (osservato_)
        disconnect(osservato_, nullptr, this, nullptr);
    osservato_ = doc.get();
    connect(osservato_, &documento::Documento::cambiato, this, &FinestraDocumento::cambiato);
}

// Renders at once when the last rendering is old enough (the report is still writing,
// the user watches it grow), otherwise as soon as the report gives control back. The
// pause after a rendering grows with its cost, so rendering a large document never
// takes more than a third of the report's time.
void FinestraDocumento::cambiato()
{
    if (ultimoAggiornamento_.isValid()
        && ultimoAggiornamento_.elapsed() >= std::max(intervalloAggiornamentoMs, 2 * durataAggiornamento_)) {
        aggiorna();
        vista_->viewport()->repaint();
        return;
    }
    if (aggiornamentoProgrammato_)
        return;
    aggiornamentoProgrammato_ = true;
    QTimer::singleShot(0, this, [this] {
        aggiornamentoProgrammato_ = false;
        aggiorna();
    });
}

void FinestraDocumento::aggiorna()
{
    QElapsedTimer durata;
    durata.start();
    // The pause before the next rendering counts from the end of this one.
    const auto misura = qScopeGuard([&] {
        durataAggiornamento_ = durata.elapsed();
        ultimoAggiornamento_.start();
    });
    const auto doc = documento();
    if (!doc) {
        setWindowTitle(titoloMessaggi());
        return;
    }
    setWindowTitle(doc->titolo());
    if (doc->versione() == versioneMostrata_)
        return;
    versioneMostrata_ = doc->versione();
    ++aggiornamenti_;
    QScrollBar* barra = vista_->verticalScrollBar();
    const bool inFondo = barra->value() >= barra->maximum();
    vista_->mostra(doc);
    if (inFondo)
        barra->setValue(barra->maximum());
}

bool FinestraDocumento::salvaConNome()
{
    const auto doc = documento();
    if (!doc)
        return false;
    piattaforma::RichiestaFile richiesta;
    richiesta.titolo = QStringLiteral("Salva il documento");
    richiesta.nomeFile = nomeProposto(*doc, QStringLiteral(".docx"));
    richiesta.filtro = QStringLiteral("Documento Word (*.docx)|*.docx|Documento PDF (*.pdf)|*.pdf");
    richiesta.indiceFiltro = 1;
    const auto scelta = piattaforma::dialoghi().salva(richiesta);
    if (!scelta || scelta->trimmed().isEmpty())
        return false;
    QString nome = *scelta;
    const QString estensione = QFileInfo(nome).suffix().toLower();
    const bool pdf = estensione == QLatin1String("pdf");
    if (!pdf && estensione != QLatin1String("docx"))
        nome += QStringLiteral(".docx");
    // The file dialog replaces without asking; a file of the user's is not lost unasked.
    if (QFileInfo::exists(nome)
        && piattaforma::msgBox(QStringLiteral("Il file \"%1\" esiste già.").arg(nome) + QChar(13) + QStringLiteral("Sostituirlo?"),
                               piattaforma::vbYesNo + piattaforma::vbQuestion + piattaforma::vbDefaultButton2, titoloMessaggi())
            != piattaforma::vbYes)
        return false;
    const documento::Esito esito = pdf ? doc->salvaPdf(nome) : doc->salvaDocx(nome);
    if (!esito) {
        errore(QStringLiteral("Il documento non è stato salvato.") + QChar(13) + esito.errore);
        return false;
    }
    return true;
}

bool FinestraDocumento::stampaSu(QPrinter& stampante)
{
    const auto doc = documento();
    if (!doc)
        return false;
    // Printing to a file replaces the file only with a complete one, as a save does.
    const bool suFile = stampante.outputFormat() == QPrinter::PdfFormat && !stampante.outputFileName().isEmpty();
    const documento::Esito esito = suFile
        ? doc->stampaPdf(stampante.outputFileName(), stampante.pageLayout(), stampante.resolution())
        : doc->stampa(&stampante);
    if (!esito) {
        errore(QStringLiteral("Il documento non è stato stampato.") + QChar(13) + esito.errore);
        return false;
    }
    return true;
}

bool FinestraDocumento::stampa()
{
    const auto doc = documento();
    if (!doc)
        return false;
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setPageSize(QPageSize(QPageSize::A4));
    stampante.setFullPage(true);
    stampante.setDocName(doc->titolo());
    // Printing to a PDF file proposes the documents folder, as saving does; the
    // printer chosen by default stays the system's own.
    stampante.setOutputFileName(nomeProposto(*doc, QStringLiteral(".pdf")));
    stampante.setOutputFormat(QPrinter::NativeFormat);
    QPrintDialog dialogo(&stampante, this);
    dialogo.setWindowTitle(QStringLiteral("Stampa il documento"));
    if (dialogo.exec() != QDialog::Accepted)
        return false;
    stampante.setFullPage(true);
    return stampaSu(stampante);
}

bool FinestraDocumento::apriConElaboratore()
{
    const auto doc = documento();
    if (!doc)
        return false;
    // The copy must outlive this window: the word processor reads it later.
    QTemporaryFile copia(QDir::temp().filePath(ModKorvel::nomeSicuro(doc->titolo()) + QStringLiteral("-XXXXXX.docx")));
    copia.setAutoRemove(false);
    if (!copia.open()) {
        errore(QStringLiteral("Non è stato possibile preparare una copia del documento."));
        return false;
    }
    const QString nome = copia.fileName();
    copia.close();
    if (const documento::Esito esito = doc->salvaDocx(nome); !esito) {
        QFile::remove(nome);
        errore(QStringLiteral("Non è stato possibile preparare una copia del documento.") + QChar(13) + esito.errore);
        return false;
    }
    // The opener answers later: the window may be closed by then, the copy and the
    // message do not depend on it.
    piattaforma::desktop().apriFile(nome, [nome](bool aperto) {
        if (aperto)
            return;
        QFile::remove(nome);
        errore(QStringLiteral("Non è stato possibile aprire il documento con l'elaboratore di testi: il sistema "
                              "non ha un programma per i documenti DOCX, o il programma non si è avviato.")
               + QChar(13) + QStringLiteral("Il documento si può salvare con \"Salva con nome...\"."));
    });
    return true;
}

namespace finestraDocumento {

void installa()
{
    documento::impostaFabbricaFinestre([](const std::shared_ptr<documento::Applicazione>& applicazione) {
        auto* finestra = new FinestraDocumento(applicazione);
        finestra->show();
        // Let the window appear now: the report that follows runs without returning to
        // the event loop, and the user watches the document grow. Input waits.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
}

} // namespace finestraDocumento
