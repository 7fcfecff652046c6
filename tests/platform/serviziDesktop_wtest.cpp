// The desktop services on real (offscreen) boxes and dialogs.
#include "platform/musicaFluid.h"
#include "platform/serviziDesktop.h"
#include "support/doppi.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

using namespace piattaforma;

// Acts on the modal dialog of type T as soon as it is up (the caller then blocks in it).
template <class T>
void quandoAppare(std::function<void(T*)> azione)
{
    auto* attesa = new QTimer(qApp);
    attesa->setInterval(5);
    QObject::connect(attesa, &QTimer::timeout, qApp, [attesa, azione] {
        if (auto* dialogo = qobject_cast<T*>(QApplication::activeModalWidget()); dialogo && dialogo->isVisible()) {
            attesa->stop();
            attesa->deleteLater();
            azione(dialogo);
        }
    });
    attesa->start();
}

// --- Message boxes -----------------------------------------------------------

TEST(FormaMessaggio, IconsAndButtonsOfEachCode)
{
    struct Caso {
        int codice;
        QMessageBox::Icon icona;
        int pulsanti, predefinita, escape;
    };
    const Caso casi[] = {
        {vbOKOnly, QMessageBox::NoIcon, 1, vbOK, vbOK},
        {vbCritical, QMessageBox::Critical, 1, vbOK, vbOK},
        {vbExclamation, QMessageBox::Warning, 1, vbOK, vbOK},
        {vbInformation, QMessageBox::Information, 1, vbOK, vbOK},
        {vbYesNo, QMessageBox::NoIcon, 2, vbYes, vbNo},
        {vbYesNo + vbQuestion, QMessageBox::Question, 2, vbYes, vbNo},
        {vbYesNo + vbExclamation + vbDefaultButton2, QMessageBox::Warning, 2, vbNo, vbNo},
        {292, QMessageBox::Question, 2, vbNo, vbNo}, // the exit question
    };
    for (const Caso& c : casi) {
        const FormaMessaggio f = formaMessaggio(c.codice);
        EXPECT_EQ(f.icona, c.icona) << c.codice;
        EXPECT_EQ(f.pulsanti.size(), c.pulsanti) << c.codice;
        EXPECT_EQ(f.predefinita, c.predefinita) << c.codice;
        EXPECT_EQ(f.escape, c.escape) << c.codice;
    }
    EXPECT_EQ(formaMessaggio(vbInformation).pulsanti[0].testo, QStringLiteral("OK"));
    const FormaMessaggio domanda = formaMessaggio(292);
    EXPECT_EQ(domanda.pulsanti[0].testo, QStringLiteral("Sì"));
    EXPECT_EQ(domanda.pulsanti[0].risposta, vbYes);
    EXPECT_EQ(domanda.pulsanti[1].risposta, vbNo);
}

TEST(RigheMessaggio, CarriageReturnsStartNewLines)
{
    EXPECT_EQ(righeMessaggio(QStringLiteral("uno\rdue\r\ntre\nquattro")), QStringLiteral("uno\ndue\ntre\nquattro"));
    EXPECT_EQ(righeMessaggio(QStringLiteral("a\r\rb")), QStringLiteral("a\n\nb"));
}

struct BoxVisto {
    QString testo, titolo;
    QMessageBox::Icon icona = QMessageBox::NoIcon;
    QStringList pulsanti;
    QString predefinito;
};

// Shows a real box, records it and acts on it.
int mostraBox(int codice, std::function<void(QMessageBox*)> azione, BoxVisto* visto = nullptr)
{
    quandoAppare<QMessageBox>([=](QMessageBox* box) {
        if (visto) {
            visto->testo = box->text();
            visto->titolo = box->windowTitle();
            visto->icona = box->icon();
            for (QAbstractButton* b : box->buttons())
                visto->pulsanti << b->text();
            visto->pulsanti.sort();
            visto->predefinito = box->defaultButton() ? box->defaultButton()->text() : QString();
        }
        azione(box);
    });
    MessaggiDesktop messaggi;
    return messaggi.mostra(QStringLiteral("Vuoi uscire\rda <b>Korvel</b>?"), codice, QStringLiteral("Korvel: titolo"));
}

QAbstractButton* pulsanteDi(QMessageBox* box, const QString& testo)
{
    for (QAbstractButton* b : box->buttons())
        if (b->text() == testo)
            return b;
    return nullptr;
}

TEST(MessaggiDesktop, ShowsTextTitleIconAndItalianButtons)
{
    BoxVisto visto;
    const int risposta = mostraBox(292, [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); }, &visto);
    EXPECT_EQ(risposta, vbNo) << "Enter answers the default button, No";
    EXPECT_EQ(visto.testo, QStringLiteral("Vuoi uscire\nda <b>Korvel</b>?"));
    EXPECT_EQ(visto.titolo, QStringLiteral("Korvel: titolo"));
    EXPECT_EQ(visto.icona, QMessageBox::Question);
    EXPECT_EQ(visto.pulsanti, (QStringList{QStringLiteral("No"), QStringLiteral("Sì")}));
    EXPECT_EQ(visto.predefinito, QStringLiteral("No"));
}

TEST(MessaggiDesktop, TextIsNeverMarkup)
{
    quandoAppare<QMessageBox>([](QMessageBox* box) {
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        box->accept();
    });
    MessaggiDesktop().mostra(QStringLiteral("<i>x</i>"), vbInformation, QString());
}

TEST(MessaggiDesktop, AnswersOfTheButtons)
{
    EXPECT_EQ(mostraBox(292, [](QMessageBox* b) { pulsanteDi(b, QStringLiteral("Sì"))->click(); }), vbYes);
    EXPECT_EQ(mostraBox(vbYesNo + vbQuestion, [](QMessageBox* b) { pulsanteDi(b, QStringLiteral("No"))->click(); }),
              vbNo);
    EXPECT_EQ(mostraBox(vbYesNo + vbQuestion, [](QMessageBox* b) { QTest::keyClick(b, Qt::Key_Return); }), vbYes);
    EXPECT_EQ(mostraBox(vbCritical, [](QMessageBox* b) { QTest::keyClick(b, Qt::Key_Return); }), vbOK);
}

TEST(MessaggiDesktop, EscapeAndTheCloseBoxAnswerNoOrOK)
{
    EXPECT_EQ(mostraBox(vbYesNo + vbQuestion, [](QMessageBox* b) { QTest::keyClick(b, Qt::Key_Escape); }), vbNo);
    EXPECT_EQ(mostraBox(vbYesNo, [](QMessageBox* b) { b->close(); }), vbNo);
    EXPECT_EQ(mostraBox(vbInformation, [](QMessageBox* b) { QTest::keyClick(b, Qt::Key_Escape); }), vbOK);
}

// --- File dialogs ------------------------------------------------------------

RichiestaFile richiesta(const QString& nome, const QString& filtro = QString(), int indice = 0)
{
    RichiestaFile r;
    r.titolo = QStringLiteral("Apri file");
    r.nomeFile = nome;
    r.filtro = filtro;
    r.indiceFiltro = indice;
    r.cartellaRicordata = true; // a window's data-file dialog
    return r;
}

const QString filtroFattib = QStringLiteral("Tutti i file (*.*)|*.*|File Korvel-fattib- | Korvel-fattib-*");

TEST(PreparaDialogoFile, ABareNameStartsInTheCurrentFolder)
{
    const AvvioDialogoFile a = preparaDialogoFile(richiesta(QStringLiteral("Korvel-fattib-")), QStringLiteral("/tmp"));
    EXPECT_EQ(a.cartella, QStringLiteral("/tmp"));
    EXPECT_EQ(a.nome, QStringLiteral("Korvel-fattib-"));
    EXPECT_TRUE(a.filtri.isEmpty());
    EXPECT_EQ(a.filtroScelto, -1);

    const AvvioDialogoFile vuoto = preparaDialogoFile(richiesta(QString()), QStringLiteral("/tmp"));
    EXPECT_EQ(vuoto.cartella, QStringLiteral("/tmp"));
    EXPECT_EQ(vuoto.nome, QString());
}

TEST(PreparaDialogoFile, APathStartsInItsFolderWithItsName)
{
    QTemporaryDir cartella;
    const QString pieno = cartella.filePath(QStringLiteral("Korvel-fattib-casa"));
    const AvvioDialogoFile a = preparaDialogoFile(richiesta(pieno), QStringLiteral("/"));
    EXPECT_EQ(a.cartella, cartella.path());
    EXPECT_EQ(a.nome, QStringLiteral("Korvel-fattib-casa"));

    const AvvioDialogoFile soloCartella = preparaDialogoFile(richiesta(cartella.path()), QStringLiteral("/"));
    EXPECT_EQ(soloCartella.cartella, cartella.path());
    EXPECT_EQ(soloCartella.nome, QString());

    // A folder that is gone: the current one, with the name kept.
    const AvvioDialogoFile sparita =
        preparaDialogoFile(richiesta(QStringLiteral("/non/esiste/Korvel-dett-x")), cartella.path());
    EXPECT_EQ(sparita.cartella, cartella.path());
    EXPECT_EQ(sparita.nome, QStringLiteral("Korvel-dett-x"));
}

TEST(PreparaDialogoFile, FilterIndexCountsFromOne)
{
    const auto scelto = [](int indice) {
        return preparaDialogoFile(richiesta(QString(), filtroFattib, indice), QStringLiteral("/tmp")).filtroScelto;
    };
    EXPECT_EQ(scelto(2), 1);
    EXPECT_EQ(scelto(1), 0);
    EXPECT_EQ(scelto(0), 0);
    EXPECT_EQ(scelto(3), 0);
    EXPECT_EQ(scelto(-1), 0);
    EXPECT_EQ(preparaDialogoFile(richiesta(QString(), filtroFattib, 2), QStringLiteral("/tmp")).filtri,
              (QStringList{QStringLiteral("Tutti i file (*)"), QStringLiteral("File Korvel-fattib- (Korvel-fattib-*)")}));
}

// A home of its own whose documents folder is the one named in user-dirs.dirs, and a
// current folder elsewhere (the program's own, where no data file belongs).
class DialoghiVeri : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(casa.isValid());
        casaPrecedente = qgetenv("HOME");
        qputenv("HOME", casa.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", casa.filePath(QStringLiteral(".config")).toUtf8());
        QDir(casa.path()).mkpath(QStringLiteral(".config"));
        QFile dirs(casa.filePath(QStringLiteral(".config/user-dirs.dirs")));
        ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
        dirs.write("XDG_DOCUMENTS_DIR=\"$HOME/documenti\"\n");
        dirs.close();
        documenti = QDir(casa.filePath(QStringLiteral("documenti"))).absolutePath();
        QDir().mkpath(documenti);
        QDir(casa.path()).mkdir(QStringLiteral("programma"));
        precedente = QDir::currentPath();
        QDir::setCurrent(casa.filePath(QStringLiteral("programma")));
    }
    void TearDown() override
    {
        QDir::setCurrent(precedente);
        qputenv("HOME", casaPrecedente);
        qunsetenv("XDG_CONFIG_HOME");
    }
    QString crea(const QString& nome)
    {
        QFile f(QDir(documenti).filePath(nome));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
        return QFileInfo(f.fileName()).absoluteFilePath();
    }
    QTemporaryDir casa;
    QString documenti;
    QString precedente;
    QByteArray casaPrecedente;
    DialoghiDesktop dialoghi;
};

QString testoNome(QFileDialog* d)
{
    auto* campo = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    return campo ? campo->text() : QString();
}

// Types a name into the dialog's name box, as the user does. selectFile() would leave the
// box alone once it has the focus, and when the dialog gives it the focus is up to timing.
void scriviNome(QFileDialog* d, const QString& nome)
{
    auto* campo = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_TRUE(campo);
    QTRY_VERIFY(campo->hasFocus());
    campo->setText(nome);
}

TEST_F(DialoghiVeri, OpenStartsWhereAskedAndCancelGivesNothing)
{
    QString titolo, cartellaVista, filtroVisto, nomeVisto;
    bool nonNativo = false;
    quandoAppare<QFileDialog>([&](QFileDialog* d) {
        titolo = d->windowTitle();
        cartellaVista = d->directory().absolutePath();
        filtroVisto = d->selectedNameFilter();
        nomeVisto = testoNome(d);
        nonNativo = d->testOption(QFileDialog::DontUseNativeDialog);
        d->reject();
    });
    EXPECT_FALSE(dialoghi.apri(richiesta(QStringLiteral("Korvel-fattib-"), filtroFattib, 2)));
    EXPECT_EQ(titolo, QStringLiteral("Apri file"));
    EXPECT_EQ(cartellaVista, QDir(documenti).absolutePath());
    EXPECT_EQ(filtroVisto, QStringLiteral("File Korvel-fattib- (Korvel-fattib-*)"));
    EXPECT_EQ(nomeVisto, QStringLiteral("Korvel-fattib-"));
    EXPECT_TRUE(nonNativo);
}

TEST_F(DialoghiVeri, OpenGivesTheFullNameOfTheChosenFile)
{
    const QString file = crea(QStringLiteral("Korvel-fattib-uno"));
    quandoAppare<QFileDialog>([&](QFileDialog* d) {
        scriviNome(d, QStringLiteral("Korvel-fattib-uno"));
        static_cast<QDialog*>(d)->accept();
    });
    EXPECT_EQ(dialoghi.apri(richiesta(QString(), filtroFattib, 2)), std::optional<QString>(file));
}

TEST_F(DialoghiVeri, ADialogWithoutAFolderStartsWhereTheLastFileWasChosen)
{
    QDir(documenti).mkdir(QStringLiteral("progetti"));
    const QString progetti = QDir(QDir(documenti).filePath(QStringLiteral("progetti"))).absolutePath();
    const QString file = progetti + QStringLiteral("/Korvel-fattib-casa");
    QFile(file).open(QIODevice::WriteOnly);

    QString cartellaVista;
    quandoAppare<QFileDialog>([&](QFileDialog* d) {
        cartellaVista = d->directory().absolutePath();
        scriviNome(d, file);
        static_cast<QDialog*>(d)->accept();
    });
    EXPECT_EQ(dialoghi.apri(richiesta(QString(), filtroFattib, 2)), std::optional<QString>(file));
    EXPECT_EQ(cartellaVista, QDir(documenti).absolutePath()) << "nothing chosen yet: the documents folder";

    // The reader empties the name before every open; a save keeps its bare prefix.
    for (const QString& nome : {QString(), QStringLiteral("Korvel-front-")}) {
        quandoAppare<QFileDialog>([&](QFileDialog* d) {
            cartellaVista = d->directory().absolutePath();
            d->reject();
        });
        EXPECT_FALSE(dialoghi.apri(richiesta(nome)));
        EXPECT_EQ(cartellaVista, progetti) << nome.toStdString();
    }

    // A cancelled dialog forgets nothing; a folder that is gone gives the documents folder.
    QDir(progetti).removeRecursively();
    quandoAppare<QFileDialog>([&](QFileDialog* d) {
        cartellaVista = d->directory().absolutePath();
        d->reject();
    });
    EXPECT_FALSE(dialoghi.salva(richiesta(QStringLiteral("Korvel-front-"))));
    EXPECT_EQ(cartellaVista, QDir(documenti).absolutePath());
}

TEST_F(DialoghiVeri, AReportSavedElsewhereDoesNotMoveTheDataFileDialogs)
{
    QDir(casa.path()).mkdir(QStringLiteral("altrove"));
    const QString altrove = QDir(casa.filePath(QStringLiteral("altrove"))).absolutePath();
    RichiestaFile report;
    report.titolo = QStringLiteral("Salva il documento");
    report.nomeFile = QDir(cartellaDocumenti()).filePath(QStringLiteral("Tabella.docx"));
    QString cartellaVista;
    quandoAppare<QFileDialog>([&](QFileDialog* d) {
        cartellaVista = d->directory().absolutePath();
        scriviNome(d, altrove + QStringLiteral("/Tabella.docx"));
        static_cast<QDialog*>(d)->accept();
    });
    EXPECT_EQ(dialoghi.salva(report), std::optional<QString>(altrove + QStringLiteral("/Tabella.docx")));
    EXPECT_EQ(cartellaVista, documenti);

    for (const QString& nome : {QString(), QStringLiteral("Korvel-dett-")}) {
        quandoAppare<QFileDialog>([&](QFileDialog* d) {
            cartellaVista = d->directory().absolutePath();
            d->reject();
        });
        EXPECT_FALSE(dialoghi.apri(richiesta(nome)));
        EXPECT_EQ(cartellaVista, documenti) << nome.toStdString();
    }
}

TEST_F(DialoghiVeri, ASaveWhoseNameIsTakenByAFolderProposesTheNameInTheFolderAbove)
{
    const QString cartellaOccupante = QDir(documenti).filePath(QStringLiteral("Korvel-guida.docx"));
    ASSERT_TRUE(QDir().mkpath(cartellaOccupante));
    RichiestaFile report;
    report.titolo = QStringLiteral("Salva il documento");
    report.nomeFile = cartellaOccupante;
    QString cartellaVista, nomeVisto, cartellaDopo;
    bool ancoraAperto = false;
    quandoAppare<QFileDialog>([&](QFileDialog* d) {
        cartellaVista = d->directory().absolutePath();
        nomeVisto = testoNome(d);
        // Chosen as it is, the name is a folder: the dialog goes into it, as for any folder.
        static_cast<QDialog*>(d)->accept();
        ancoraAperto = d->isVisible();
        cartellaDopo = d->directory().absolutePath();
        d->reject();
    });
    EXPECT_FALSE(dialoghi.salva(report));
    EXPECT_EQ(cartellaVista, documenti);
    EXPECT_EQ(nomeVisto, QStringLiteral("Korvel-guida.docx"));
    EXPECT_TRUE(ancoraAperto);
    EXPECT_EQ(cartellaDopo, cartellaOccupante);

    // An open given a folder still starts inside it.
    quandoAppare<QFileDialog>([&](QFileDialog* d) {
        cartellaVista = d->directory().absolutePath();
        d->reject();
    });
    EXPECT_FALSE(dialoghi.apri(report));
    EXPECT_EQ(cartellaVista, cartellaOccupante);
}

TEST_F(DialoghiVeri, SaveAsksBeforeReplacingAnExistingFile)
{
    doppi::Messaggi messaggi;
    const QString file = crea(QStringLiteral("Korvel-front-esistente"));
    messaggi.rispondi(vbNo);
    messaggi.rispondi(vbYes);
    bool ancoraAperto = false;
    quandoAppare<QFileDialog>([&](QFileDialog* d) {
        EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptSave);
        scriviNome(d, file);
        static_cast<QDialog*>(d)->accept(); // No: the dialog stays
        ancoraAperto = d->isVisible();
        static_cast<QDialog*>(d)->accept(); // Yes
    });
    RichiestaFile r = richiesta(QStringLiteral("Korvel-front-"), QStringLiteral("File Korvel-front- | Korvel-front-*"));
    r.titolo = QStringLiteral("Salva file con nome");
    EXPECT_EQ(dialoghi.salva(r), std::optional<QString>(file));
    EXPECT_TRUE(ancoraAperto);
    ASSERT_EQ(messaggi.mostrati.size(), 2);
    EXPECT_EQ(messaggi.mostrati[0].testo, QStringLiteral("Korvel-front-esistente esiste già.\rSostituire il file esistente?"));
    EXPECT_EQ(messaggi.mostrati[0].titolo, QStringLiteral("Salva file con nome"));
    EXPECT_EQ(messaggi.mostrati[0].pulsanti, vbYesNo + vbExclamation + vbDefaultButton2);
}

TEST_F(DialoghiVeri, SavingANewNameAsksNothing)
{
    doppi::Messaggi messaggi;
    quandoAppare<QFileDialog>([&](QFileDialog* d) {
        EXPECT_EQ(testoNome(d), QStringLiteral("Korvel-front-"));
        scriviNome(d, QStringLiteral("Korvel-front-nuovo"));
        static_cast<QDialog*>(d)->accept();
    });
    EXPECT_EQ(dialoghi.salva(richiesta(QStringLiteral("Korvel-front-"))),
              std::optional<QString>(QDir(documenti).absoluteFilePath(QStringLiteral("Korvel-front-nuovo"))));
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

TEST_F(DialoghiVeri, TypingANameGoesBehindThePresetPrefix)
{
    // The prefix is there so that the user types behind it: a name typed at once must
    // not replace it, or the open and delete dialogs, filtered on it, never show the file.
    QString selezionato = QStringLiteral("?");
    int cursore = -1;
    const auto salvaDigitando = [&](const QString& proposto, const QString& digitato) {
        quandoAppare<QFileDialog>([&](QFileDialog* d) {
            auto* campo = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_TRUE(campo);
            QTRY_VERIFY(campo->hasFocus());
            selezionato = campo->selectedText();
            cursore = campo->cursorPosition();
            QTest::keyClicks(QApplication::focusWidget(), digitato);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        RichiestaFile r = richiesta(proposto);
        r.prefisso = QStringLiteral("Korvel-fattib-");
        return dialoghi.salva(r);
    };
    EXPECT_EQ(salvaDigitando(QStringLiteral("Korvel-fattib-"), QStringLiteral("rossi")),
              std::optional<QString>(QDir(documenti).absoluteFilePath(QStringLiteral("Korvel-fattib-rossi"))));
    EXPECT_EQ(selezionato.toStdString(), "");
    EXPECT_EQ(cursore, QStringLiteral("Korvel-fattib-").size());

    // Save as with a current file: the name after the prefix is typed over.
    const QString corrente = crea(QStringLiteral("Korvel-fattib-bad5"));
    EXPECT_EQ(salvaDigitando(corrente, QStringLiteral("catania")),
              std::optional<QString>(QDir(documenti).absoluteFilePath(QStringLiteral("Korvel-fattib-catania"))));
    EXPECT_EQ(selezionato.toStdString(), "bad5");

    // A current file named without the prefix is typed over whole.
    EXPECT_EQ(salvaDigitando(crea(QStringLiteral("bianchi")), QStringLiteral("Korvel-fattib-verdi")),
              std::optional<QString>(QDir(documenti).absoluteFilePath(QStringLiteral("Korvel-fattib-verdi"))));
    EXPECT_EQ(selezionato.toStdString(), "bianchi");
}

// --- Colour dialog -----------------------------------------------------------

TEST(DialoghiDesktopColore, OpensOnTheGivenColourAndReturnsTheChoice)
{
    DialoghiDesktop dialoghi;
    QColor iniziale;
    quandoAppare<QColorDialog>([&](QColorDialog* d) {
        iniziale = d->currentColor();
        d->setCurrentColor(QColor(1, 2, 3));
        static_cast<QDialog*>(d)->accept();
    });
    EXPECT_EQ(dialoghi.colore(RGB(192, 160, 128), 1), std::optional<ColoreRGB>(RGB(1, 2, 3)));
    EXPECT_EQ(iniziale, QColor(192, 160, 128));

    quandoAppare<QColorDialog>([&](QColorDialog* d) { d->reject(); });
    EXPECT_FALSE(dialoghi.colore(RGB(1, 2, 3), 1));
}

TEST(DesktopQt, AnEmptyAddressOpensNothing)
{
    EXPECT_FALSE(DesktopQt().apriIndirizzo(QStringLiteral("  ")));
}

// The opener of files, with a stand-in for xdg-open that behaves as told.
class ApriFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(cartella.isValid());
        percorso = qgetenv("PATH");
        qputenv("PATH", cartella.path().toUtf8() + ':' + percorso);
    }
    void TearDown() override { qputenv("PATH", percorso); }
    void opener(const QByteArray& corpo)
    {
        QFile script(cartella.filePath(QStringLiteral("xdg-open")));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\n" + corpo + "\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    // The answer of the opener, waited for on the event loop.
    std::optional<bool> apri(DesktopQt& desktop)
    {
        std::optional<bool> esito;
        int risposte = 0;
        desktop.apriFile(cartella.filePath(QStringLiteral("documento.docx")), [&](bool aperto) {
            esito = aperto;
            ++risposte;
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return esito.has_value(); }, 5000));
        QTest::qWait(50);
        EXPECT_LE(risposte, 1) << "one answer only";
        return esito;
    }
    QTemporaryDir cartella;
    QByteArray percorso;
};

TEST_F(ApriFile, AnOpenerThatFailsOrIsMissingAnswersNo)
{
    DesktopQt desktop;
    opener("exit 3"); // xdg-open: no program for the file
    EXPECT_EQ(apri(desktop), std::optional<bool>(false));
    opener("exit 0");
    EXPECT_EQ(apri(desktop), std::optional<bool>(true));
    QFile::remove(cartella.filePath(QStringLiteral("xdg-open")));
    qputenv("PATH", cartella.path().toUtf8());
    EXPECT_EQ(apri(desktop), std::optional<bool>(false));
}

TEST_F(ApriFile, AnOpenerStillRunningTheProgramAnswersYes)
{
    // Without a desktop of its own, xdg-open runs the word processor in its foreground.
    DesktopQt desktop(200);
    opener("sleep 1");
    EXPECT_EQ(apri(desktop), std::optional<bool>(true));
    QTest::qWait(1100); // the opener ends on its own; its later end changes nothing
}

} // namespace

namespace {

TEST(InstallaServiziDesktop, InstallsEveryServiceAndTheToolkitsItalianTexts)
{
    piattaforma::installaServiziDesktop();
    EXPECT_NE(dynamic_cast<piattaforma::MessaggiDesktop*>(&piattaforma::messaggi()), nullptr);
    EXPECT_NE(dynamic_cast<piattaforma::DialoghiDesktop*>(&piattaforma::dialoghi()), nullptr);
    EXPECT_NE(dynamic_cast<piattaforma::DesktopQt*>(&piattaforma::desktop()), nullptr);
    EXPECT_NE(dynamic_cast<piattaforma::MusicaFluidSynth*>(&piattaforma::musica()), nullptr);
    if (QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_it.qm"))) {
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annulla"));
    }
    // A second call changes nothing.
    piattaforma::MusicaFluidSynth* musica = dynamic_cast<piattaforma::MusicaFluidSynth*>(&piattaforma::musica());
    piattaforma::installaServiziDesktop();
    EXPECT_EQ(&piattaforma::musica(), musica);
}

} // namespace
