// Open and save of a window's data file: which file a plain save writes to, what the
// dialogs are asked, and that a file that cannot be read or written changes nothing.
#include "base/fileDati.h"
#include "base/ModKorvel.h"
#include "support/discoPieno.h"
#include "support/doppi.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

using archivio::FileDati;
using archivio::Lettore;
using archivio::Scrittore;
using doppi::Dialogo;

namespace {

QByteArray contenuto(const QString& nome)
{
    QFile f(nome);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void scrivi(const QString& nome, const QByteArray& byte)
{
    QFile f(nome);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(byte);
}

// A window with one text and one whole number 1..3 in its file.
struct Finestra {
    piattaforma::CommonDialog dialogo;
    FileDati file;
    QString testo = QStringLiteral("uno");
    int numero = 1;
    int applicazioni = 0;

    explicit Finestra(QString* condiviso = nullptr) : file(dialogo, QStringLiteral("Korvel-prova-"), condiviso) {}

    bool salva()
    {
        return file.salva([this](Scrittore& s) { s.testo(testo).intero(numero).fineRecord(); });
    }
    bool salvaConNome()
    {
        file.impostaRicordato(QString());
        return salva();
    }
    bool apri()
    {
        return file.apri([this](Lettore& l) -> FileDati::Applica {
            const QString t = l.testo();
            const int n = int(l.intero(1, 3));
            return [this, t, n] {
                testo = t;
                numero = n;
                ++applicazioni;
            };
        });
    }
};

class FileDatiTest : public ::testing::Test {
protected:
    void SetUp() override { ModKorvel::inizializzaDati(); }
    QString percorso(const char* nome) const { return cartella.filePath(QString::fromLatin1(nome)); }

    QTemporaryDir cartella;
    doppi::Dialoghi dialoghi;
    doppi::Messaggi messaggi;
};

TEST_F(FileDatiTest, DialogTextsOfAKindOfFile)
{
    Finestra f;
    EXPECT_EQ(f.dialogo.FileName, QStringLiteral("Korvel-prova-")) << "the preset name is the prefix";
    EXPECT_EQ(f.file.filtroSalva(), QStringLiteral("File Korvel-prova- | Korvel-prova-*"));
    EXPECT_EQ(f.file.filtroApri(), QStringLiteral("Tutti i file (*.*) | *.*|File Korvel-prova- | Korvel-prova-*"));

    f.salva();
    f.apri();
    ASSERT_EQ(dialoghi.mostrati.size(), 2);
    const auto& salva = dialoghi.mostrati[0];
    EXPECT_EQ(salva.tipo, Dialogo::Salva);
    EXPECT_EQ(salva.richiesta.titolo, QStringLiteral("Salva file con nome"));
    EXPECT_EQ(salva.richiesta.nomeFile, QStringLiteral("Korvel-prova-"));
    EXPECT_EQ(salva.richiesta.prefisso, QStringLiteral("Korvel-prova-")) << "typed over behind the prefix";
    EXPECT_EQ(salva.richiesta.filtro, f.file.filtroSalva());
    EXPECT_EQ(salva.richiesta.indiceFiltro, 1);
    const auto& apri = dialoghi.mostrati[1];
    EXPECT_EQ(apri.tipo, Dialogo::Apri);
    EXPECT_EQ(apri.richiesta.titolo, QStringLiteral("Apri file"));
    EXPECT_EQ(apri.richiesta.nomeFile, QString()) << "the open dialog starts with an empty name";
    EXPECT_EQ(apri.richiesta.filtro, f.file.filtroApri());
    EXPECT_EQ(apri.richiesta.indiceFiltro, 2);
    EXPECT_TRUE(salva.richiesta.cartellaRicordata && apri.richiesta.cartellaRicordata)
        << "the data-file dialogs keep their own folder, apart from the reports'";
    EXPECT_TRUE(messaggi.mostrati.isEmpty()) << "Cancel says nothing";
}

TEST_F(FileDatiTest, PlainSaveAsksOnceThenWritesToTheSameFile)
{
    Finestra f;
    const QString nome = percorso("Korvel-prova-casa");
    dialoghi.scegliFile(nome);
    ASSERT_TRUE(f.salva());
    EXPECT_EQ(contenuto(nome), QByteArray("\"uno\",1\r\n"));
    EXPECT_EQ(f.file.ricordato(), nome);

    f.numero = 2;
    ASSERT_TRUE(f.salva());
    EXPECT_EQ(dialoghi.mostrati.size(), 1) << "the second plain save asks nothing";
    EXPECT_EQ(contenuto(nome), QByteArray("\"uno\",2\r\n"));

    // Save as always asks, and the new file becomes the one a plain save writes to.
    const QString altro = percorso("Korvel-prova-altro");
    dialoghi.scegliFile(altro);
    ASSERT_TRUE(f.salvaConNome());
    EXPECT_EQ(dialoghi.mostrati.size(), 2);
    EXPECT_EQ(dialoghi.mostrati[1].richiesta.nomeFile, nome) << "the dialog keeps the name last chosen in it";
    f.numero = 3;
    f.salva();
    EXPECT_EQ(contenuto(altro), QByteArray("\"uno\",3\r\n"));
    EXPECT_EQ(contenuto(nome), QByteArray("\"uno\",2\r\n"));
}

TEST_F(FileDatiTest, CancelledSaveWritesNothingAndTheNextSaveAsksAgain)
{
    Finestra f;
    dialoghi.annullaFile();
    EXPECT_FALSE(f.salva());
    EXPECT_EQ(f.file.ricordato(), QString());
    EXPECT_FALSE(QFile::exists(QStringLiteral("Korvel-prova-"))) << "never the bare prefix in the working folder";

    dialoghi.annullaFile();
    EXPECT_FALSE(f.salva());
    EXPECT_EQ(dialoghi.mostrati.size(), 2);

    // A cancelled save as after a real save: the next plain save asks once more and
    // nothing was written anywhere meanwhile.
    const QString nome = percorso("Korvel-prova-1");
    dialoghi.scegliFile(nome);
    f.salva();
    dialoghi.annullaFile();
    EXPECT_FALSE(f.salvaConNome());
    dialoghi.annullaFile();
    EXPECT_FALSE(f.salva());
    EXPECT_EQ(dialoghi.mostrati.size(), 5);
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

TEST_F(FileDatiTest, OpenAppliesOnlyAWholeValidFile)
{
    Finestra f;
    const QString buono = percorso("Korvel-prova-buono");
    scrivi(buono, "\"due\",2\r\n");
    dialoghi.scegliFile(buono);
    ASSERT_TRUE(f.apri());
    EXPECT_EQ(f.testo, QStringLiteral("due"));
    EXPECT_EQ(f.numero, 2);
    EXPECT_EQ(f.file.ricordato(), buono);

    // A plain save right after an open writes back to the opened file without asking.
    f.numero = 3;
    ASSERT_TRUE(f.salva());
    EXPECT_EQ(dialoghi.mostrati.size(), 1);
    EXPECT_EQ(contenuto(buono), QByteArray("\"due\",3\r\n"));

    const QList<QByteArray> cattivi = {
        QByteArray("\"tre\"\r\n"),           // too few fields
        QByteArray("\"tre\",4\r\n"),         // out of range
        QByteArray("\"tre\",\"tre\"\r\n"),   // wrong kind
        QByteArray("\"tre\",1\r\n\x01"),     // binary byte
    };
    for (const QByteArray& cattivo : cattivi) {
        const QString nome = percorso("Korvel-prova-cattivo");
        scrivi(nome, cattivo);
        messaggi.azzera();
        dialoghi.scegliFile(nome);
        EXPECT_FALSE(f.apri());
        EXPECT_EQ(f.testo, QStringLiteral("due")) << cattivo.constData();
        EXPECT_EQ(f.numero, 3);
        EXPECT_EQ(f.applicazioni, 1);
        ASSERT_EQ(messaggi.mostrati.size(), 1);
        EXPECT_EQ(messaggi.mostrati[0].pulsanti, piattaforma::vbCritical);
        EXPECT_EQ(messaggi.mostrati[0].titolo, ModKorvel::titoloControllo);
        EXPECT_EQ(messaggi.mostrati[0].testo, archivio::messaggioNonValido(nome));
        EXPECT_TRUE(messaggi.mostrati[0].testo.contains(nome));
    }
    // A file that does not exist at all.
    messaggi.azzera();
    dialoghi.scegliFile(percorso("manca"));
    EXPECT_FALSE(f.apri());
    EXPECT_EQ(messaggi.mostrati.size(), 1);

    // None of the failed files became the file of a plain save, and neither did the
    // cancelled open.
    dialoghi.annullaFile();
    EXPECT_FALSE(f.apri());
    const qsizetype finora = dialoghi.mostrati.size();
    ASSERT_TRUE(f.salva());
    EXPECT_EQ(dialoghi.mostrati.size(), finora);
    EXPECT_EQ(f.file.ricordato(), buono);
    EXPECT_EQ(contenuto(buono), QByteArray("\"due\",3\r\n"));
    EXPECT_EQ(contenuto(percorso("Korvel-prova-cattivo")), cattivi.last());
}

TEST_F(FileDatiTest, SharedRememberedNameNeverMakesAWindowWriteAnotherWindowsFile)
{
    QString condiviso;
    Finestra a(&condiviso);
    Finestra b(&condiviso);
    const QString fileA = percorso("Korvel-prova-a");
    dialoghi.scegliFile(fileA);
    ASSERT_TRUE(a.salva());
    EXPECT_EQ(condiviso, fileA);

    // b has no file of its own yet: it asks, although a name is remembered.
    const QString fileB = percorso("Korvel-prova-b");
    b.testo = QStringLiteral("bi");
    dialoghi.scegliFile(fileB);
    ASSERT_TRUE(b.salva());
    EXPECT_EQ(dialoghi.mostrati.size(), 2);
    EXPECT_EQ(contenuto(fileA), QByteArray("\"uno\",1\r\n"));
    EXPECT_EQ(condiviso, fileB);

    // Back in a: the remembered name is b's, but a writes to its own file.
    a.numero = 2;
    ASSERT_TRUE(a.salva());
    EXPECT_EQ(dialoghi.mostrati.size(), 2);
    EXPECT_EQ(contenuto(fileA), QByteArray("\"uno\",2\r\n"));
    EXPECT_EQ(contenuto(fileB), QByteArray("\"bi\",1\r\n"));

    // Emptied by another window's save as: the next plain save asks.
    condiviso.clear();
    dialoghi.annullaFile();
    EXPECT_FALSE(a.salva());
    EXPECT_EQ(dialoghi.mostrati.size(), 3);
}

TEST_F(FileDatiTest, ASaveThatLosesCharactersSaysWhichOnceAndStillWrites)
{
    Finestra f;
    const QString nome = percorso("Korvel-prova-x");
    dialoghi.scegliFile(nome);
    ASSERT_TRUE(f.file.salva([](Scrittore& s) {
        s.testo(QStringLiteral("Erdős Győr"), QStringLiteral("committente"))
            .testo(QStringLiteral("Łódź"), QStringLiteral("luogo"))
            .fineRecord();
    }));
    EXPECT_EQ(contenuto(nome), QByteArray("\"Erd?s Gy?r\",\"?\xF3" "d?\"\r\n"));
    ASSERT_EQ(messaggi.mostrati.size(), 1);
    EXPECT_EQ(messaggi.mostrati[0].pulsanti, piattaforma::vbExclamation);
    EXPECT_EQ(messaggi.mostrati[0].titolo, ModKorvel::titoloControllo);
    EXPECT_TRUE(messaggi.mostrati[0].testo.contains(QStringLiteral("- committente: ő\r- luogo: Ł ź")));
    EXPECT_EQ(f.file.bersaglio(), nome) << "saved as any other file";

    // Nothing lost, nothing said; a failed write says only that it failed.
    messaggi.azzera();
    ASSERT_TRUE(f.file.salva([](Scrittore& s) { s.testo(QStringLiteral("città"), QStringLiteral("luogo")).fineRecord(); }));
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
    dialoghi.scegliFile(percorso("manca/Korvel-prova-y"));
    f.file.impostaRicordato(QString());
    EXPECT_FALSE(f.file.salva([](Scrittore& s) { s.testo(QStringLiteral("Győr"), QStringLiteral("luogo")).fineRecord(); }));
    ASSERT_EQ(messaggi.mostrati.size(), 1);
    EXPECT_EQ(messaggi.mostrati[0].pulsanti, piattaforma::vbCritical);
}

TEST_F(FileDatiTest, FailedWriteKeepsThePreviousFileAndSaysWhich)
{
    Finestra f;
    const QString nome = percorso("Korvel-prova-x");
    dialoghi.scegliFile(nome);
    ASSERT_TRUE(f.salva());

    // Content that could not be read back is never written.
    f.testo = QString(archivio::campoMassimo + 1, QLatin1Char('z'));
    EXPECT_FALSE(f.salva());
    EXPECT_EQ(contenuto(nome), QByteArray("\"uno\",1\r\n"));
    ASSERT_EQ(messaggi.mostrati.size(), 1);
    EXPECT_EQ(messaggi.mostrati[0].testo, archivio::messaggioNonScritto(nome));
    EXPECT_EQ(messaggi.mostrati[0].pulsanti, piattaforma::vbCritical);
    EXPECT_EQ(messaggi.mostrati[0].titolo, ModKorvel::titoloControllo);

    // A name that cannot be created.
    f.testo = QStringLiteral("uno");
    const QString impossibile = percorso("manca/Korvel-prova-y");
    dialoghi.scegliFile(impossibile);
    EXPECT_FALSE(f.salvaConNome());
    ASSERT_EQ(messaggi.mostrati.size(), 2);
    EXPECT_TRUE(messaggi.mostrati[1].testo.contains(impossibile));
    EXPECT_EQ(f.file.bersaglio(), nome) << "only a file written becomes the file of a plain save";
}

TEST_F(FileDatiTest, FullDiskTellsWhyAndKeepsThePreviousFileAndTheFileOfAPlainSave)
{
    const auto voci = [this] {
        return QDir(cartella.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    };
    // Saves under a full disk, then the same saves with space again.
    const auto prova = [&](Finestra& f, const QString& nome, const std::function<bool()>& salva) {
        const QString esistente = f.file.bersaglio();
        const QByteArray prima = contenuto(esistente);
        const QStringList presenti = voci();
        messaggi.azzera();
        {
            doppi::DiscoPieno pieno;
            EXPECT_FALSE(salva());
        }
        ASSERT_EQ(messaggi.mostrati.size(), 1);
        const QString testo = messaggi.mostrati[0].testo;
        EXPECT_TRUE(testo.startsWith(archivio::messaggioNonScritto(nome) + QChar(13))) << testo.toStdString();
        EXPECT_GT(testo.size(), archivio::messaggioNonScritto(nome).size() + 1) << "with why";
        EXPECT_EQ(messaggi.mostrati[0].pulsanti, piattaforma::vbCritical);
        EXPECT_EQ(messaggi.mostrati[0].titolo, ModKorvel::titoloControllo);
        EXPECT_EQ(contenuto(esistente), prima);
        EXPECT_EQ(voci(), presenti) << "no temporary file, no new file";
        EXPECT_EQ(f.file.bersaglio(), esistente);
        EXPECT_EQ(f.file.ricordato(), esistente) << "a plain save still writes where it wrote before";

        messaggi.azzera();
        ASSERT_TRUE(salva());
        EXPECT_TRUE(messaggi.mostrati.isEmpty());
        EXPECT_EQ(f.file.bersaglio(), nome);
        const QString scritto = f.testo;
        f.testo.clear();
        dialoghi.scegliFile(nome);
        ASSERT_TRUE(f.apri());
        EXPECT_EQ(f.testo, scritto);
    };
    // A small file, which a save only buffers until it is flushed, and one above the
    // 16 KB buffer.
    for (const qsizetype lunghezza : {qsizetype(3), qsizetype(20000)}) {
        SCOPED_TRACE(lunghezza);
        Finestra f;
        const QString nome = percorso("Korvel-prova-x");
        const QString nuovo = percorso("Korvel-prova-nuovo");
        QFile::remove(nuovo);
        dialoghi.scegliFile(nome);
        ASSERT_TRUE(f.salvaConNome());
        f.testo = QString(lunghezza, QLatin1Char('z'));
        // A plain save over the file: the second one writes there without asking.
        const qsizetype dialoghiFinora = dialoghi.mostrati.size();
        prova(f, nome, [&] { return f.salva(); });
        EXPECT_EQ(dialoghi.mostrati.size(), dialoghiFinora + 1) << "only the open asked";
        // A save under a new name.
        f.testo = QString(lunghezza, QLatin1Char('y'));
        prova(f, nuovo, [&] {
            dialoghi.scegliFile(nuovo);
            return f.salvaConNome();
        });
    }
}

TEST_F(FileDatiTest, FileThatCannotBeReadIsToldSoWithWhy)
{
    Finestra f;
    QStringList illeggibili = {cartella.path(), percorso("manca"), QStringLiteral("/proc/self/mem")};
    // Root reads a file whatever its permissions.
    const QString chiuso = percorso("Korvel-prova-chiuso");
    scrivi(chiuso, "\"due\",2\r\n");
    QFile::setPermissions(chiuso, QFileDevice::WriteOwner);
    if (::geteuid() != 0)
        illeggibili << chiuso;
    for (const QString& nome : illeggibili) {
        messaggi.azzera();
        dialoghi.scegliFile(nome);
        EXPECT_FALSE(f.apri()) << nome.toStdString();
        ASSERT_EQ(messaggi.mostrati.size(), 1) << nome.toStdString();
        const QString atteso = QStringLiteral("Impossibile leggere il file \"") + QDir::toNativeSeparators(nome) + QStringLiteral("\": ");
        EXPECT_TRUE(messaggi.mostrati[0].testo.startsWith(atteso)) << messaggi.mostrati[0].testo.toStdString();
        EXPECT_FALSE(messaggi.mostrati[0].testo.mid(atteso.size()).startsWith(QLatin1Char('.'))) << "with why";
        EXPECT_EQ(messaggi.mostrati[0].pulsanti, piattaforma::vbCritical);
        EXPECT_EQ(messaggi.mostrati[0].titolo, ModKorvel::titoloControllo);
    }
    EXPECT_EQ(f.applicazioni, 0);
    EXPECT_TRUE(f.file.ricordato().isEmpty());
}

} // namespace
