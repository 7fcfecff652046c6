// Data files damaged or of another kind, read through the field reader, the typed
// reader and a window's open: thousands of seeded random and mutated contents and the
// usual accidents (cut files, flipped bytes, stray quotes, binary bytes, a directory).
// Nothing may crash; a refused file changes nothing and says so once; an accepted
// project record writes and reads back unchanged.
#include "base/archivio.h"
#include "base/fileDati.h"
#include "cover/datiFrontespizio.h"
#include "base/ModKorvel.h"
#include "support/doppi.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <random>

using archivio::Lettore;
using ModKorvel::datiFrontespizio;

namespace {

const QByteArray copertina(
    "\"Impianto solare, condominio \x94Le Rose\x94\",\"Citt\xE0 di Castello\",\"fattibilit\xE0\","
    "\"Societ\xE0 Edile S.p.A.\",\"Perugia\",\"domenica, 6 dic 2026\",\"foto, \x80 1.200\"\r\n");
const QByteArray fattibilita(
    "\"Milano\",16,2\r\n300,45\r\n\"20\",\"300\",\"5\",2,\"0.8\",350,200\r\n"
    "\"Impianto\",\"Citt\xE0\",\"Rossi\",\"Perugia\",\"luned\xEC\",\"\"\r\n");

// Bytes a damaged or foreign file is made of: the format's own, the set's upper half,
// control bytes and the bytes the set leaves undefined.
constexpr char scelti[] = {'"', ',', '\r', '\n', ' ', '\t', '0', '9', '.', '-', 'e', 'a',
                           '\0', '\x1A', '\x7F', '\x80', '\x81', '\x94', '\x9F', '\xA0', '\xEF', '\xFF'};

QByteArray casuale(std::mt19937& g, int lunghezza)
{
    QByteArray b(lunghezza, '\0');
    for (char& c : b)
        c = g() % 3 == 0 ? char(g()) : scelti[g() % sizeof scelti];
    return b;
}

// One of the accidents a real file meets, applied to a valid one.
QByteArray guasto(std::mt19937& g, QByteArray b)
{
    const auto a = [&](qsizetype n) { return n > 0 ? qsizetype(g() % n) : 0; };
    switch (g() % 8) {
    case 0: b.truncate(a(b.size() + 1)); break;
    case 1: if (!b.isEmpty()) b[a(b.size())] ^= char(1 << (g() % 8)); break;
    case 2: if (!b.isEmpty()) b[a(b.size())] = scelti[g() % sizeof scelti]; break;
    case 3: b.insert(a(b.size() + 1), scelti[g() % sizeof scelti]); break;
    case 4: b.remove(a(b.size()), 1 + a(4)); break;
    case 5: b.insert(a(b.size() + 1), QByteArray(1 + a(archivio::campoMassimo + 16), 'x')); break;
    case 6: b.replace("\r\n", g() % 2 ? "\r" : "\n"); break;
    case 7: b.prepend("\xEF\xBB\xBF"); break;
    }
    return b;
}

QString comeScritto(QString t)
{
    t.replace(QLatin1Char('"'), QChar(0x201D));
    return archivio::decodifica(archivio::codifica(t));
}

// Whatever the record reader accepts must be stored and read back as the set holds it.
void verificaRecord(const QByteArray& contenuto)
{
    Lettore l(contenuto);
    const datiFrontespizio d = ModKorvel::leggiRigaFrontespizio(l);
    l.testo();
    l.intero(0, 1);
    if (!l.ok())
        return;
    archivio::Scrittore s;
    ModKorvel::rigaFrontespizio(s, d);
    ASSERT_TRUE(s.ok());
    Lettore r(s.contenuto());
    const datiFrontespizio e = ModKorvel::leggiRigaFrontespizio(r);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.restanti(), 0);
    const datiFrontespizio atteso{comeScritto(d.progetto), comeScritto(d.localita), comeScritto(d.tipostudio),
                                  comeScritto(d.committente), comeScritto(d.luogo), comeScritto(d.data),
                                  comeScritto(d.allegati)};
    EXPECT_TRUE(e == atteso) << contenuto.toHex().constData();
}

// Every typed access on any content: bounded results, and a failure that stays.
void percorri(const QByteArray& contenuto, std::mt19937& g)
{
    Lettore l(contenuto);
    bool eraOk = l.ok();
    for (int i = 0; i < 12; ++i) {
        switch (g() % 7) {
        case 0: l.testo(); break;
        case 1: l.testoTraVirgolette(); break;
        case 2: {
            const long long v = l.intero(-3, 3);
            ASSERT_TRUE(v >= -3 && v <= 3);
            break;
        }
        case 3: {
            const int v = l.indice(64);
            ASSERT_TRUE(!l.ok() || (v >= 0 && v < 64));
            break;
        }
        case 4: ASSERT_TRUE(std::isfinite(l.decimale())); break;
        case 5: {
            const auto v = l.decimaleOVuoto();
            ASSERT_TRUE(!v || std::isfinite(*v));
            break;
        }
        case 6: l.interoOVuoto(0, 1000); break;
        }
        ASSERT_FALSE(l.ok() && !eraOk);
        ASSERT_GE(l.restanti(), 0);
        eraOk = l.ok();
    }
}

} // namespace

TEST(ArchivioRobustezza, RandomAndMutatedContentsNeverCrashTheReaders)
{
    std::mt19937 g(20261207);
    for (int i = 0; i < 1500; ++i) {
        const QByteArray caso = i % 3 == 0 ? casuale(g, int(g() % 200))
                                           : guasto(g, i % 3 == 1 ? copertina : fattibilita);
        const auto c = archivio::campi(caso);
        EXPECT_EQ(Lettore(caso).ok(), c.has_value());
        if (c) {
            for (const archivio::Campo& campo : *c)
                ASSERT_LE(campo.testo.size(), archivio::campoMassimo);
        }
        percorri(caso, g);
        verificaRecord(caso);
    }
}

TEST(ArchivioRobustezza, TheUsualAccidents)
{
    struct Caso {
        const char* nome;
        QByteArray contenuto;
        bool record; // still a whole project record
    };
    const QList<Caso> casi = {
        {"empty file", QByteArray(), false},
        {"only CRs", QByteArray(500, '\r'), false},
        {"only LFs", QByteArray(500, '\n'), false},
        {"only commas", QByteArray(500, ','), false},
        {"only quotes", QByteArray(501, '"'), false},
        {"lone quote", "\"", false},
        {"lone quote in a field", copertina.left(40) + '"', false},
        {"unclosed last text", copertina.left(copertina.size() - 3), true},
        {"NULs", QByteArray(64, '\0'), false},
        {"NUL inside a text", QByteArray(copertina).insert(5, '\0'), false},
        {"UTF-8 byte-order mark", "\xEF\xBB\xBF" + copertina, false},
        {"UTF-16 text", QByteArray("\xFF\xFE\"\0a\0\"\0", 8), false},
        {"bytes 0x80..0x9F the set defines", "\"\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E\x91\x92\x93"
                                             "\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F\",\"\",\"\",\"\",\"\",\"\",\"\"",
         true},
        {"byte 0x8D", QByteArray(copertina).replace('\xE0', '\x8D'), false},
        {"field at the longest", '"' + QByteArray(archivio::campoMassimo, 'x') + copertina.mid(copertina.indexOf("\",\"")), true},
        {"field one byte too long", '"' + QByteArray(archivio::campoMassimo + 1, 'x') + copertina.mid(copertina.indexOf("\",\"")), false},
        {"text between quotes over many lines", "\"a\r\nb\",\"\",\"\",\"\",\"\",\"\",\"\"", false},
        {"CR line ends", QByteArray(copertina).replace("\r\n", "\r"), true},
        {"text after the closing quote", QByteArray(copertina).replace("\",\"Perugia\"", "\"junk,\"Perugia\""),
         true},
    };
    std::mt19937 g(7);
    for (const Caso& caso : casi) {
        Lettore l(caso.contenuto);
        ModKorvel::leggiRigaFrontespizio(l);
        EXPECT_EQ(l.ok(), caso.record) << caso.nome;
        percorri(caso.contenuto, g);
        verificaRecord(caso.contenuto);
    }
    // Whatever reads the first field, a file saved again as UTF-8 is not taken.
    EXPECT_FALSE(archivio::campi("\xEF\xBB\xBF" + fattibilita));
    EXPECT_TRUE(archivio::campi("\xEF\xBB" + fattibilita)) << "two letters of the set";
}

TEST(ArchivioRobustezza, ManyEmptyFieldsInALargeFile)
{
    // Each empty field costs a record in memory: a file of nothing but separators
    // at the largest size loaded must not take the program's memory with it.
    const QByteArray separatori(archivio::fileMassimo, ',');
    Lettore l(separatori);
    ModKorvel::leggiRigaFrontespizio(l);
    EXPECT_FALSE(l.ok());
    EXPECT_FALSE(archivio::campi(QByteArray(archivio::campiMassimi, ',')));
    EXPECT_FALSE(archivio::campi(QByteArray(archivio::campiMassimi * 2, '\n')));

    // Up to the limit the fields are all there.
    const auto c = archivio::campi(QByteArray(archivio::campiMassimi - 1, ','));
    ASSERT_TRUE(c);
    EXPECT_EQ(c->size(), archivio::campiMassimi);
}

TEST(ArchivioRobustezza, OpenOfAnythingChosenUnderAllFiles)
{
    ModKorvel::inizializzaDati();
    doppi::Messaggi messaggi;
    doppi::Dialoghi dialoghi;
    QTemporaryDir cartella;
    piattaforma::CommonDialog dialogo;
    archivio::FileDati file(dialogo, QStringLiteral("Korvel-front-"));
    datiFrontespizio iniziale;
    iniziale.progetto = QStringLiteral("P");
    datiFrontespizio finestra = iniziale;
    const auto leggi = [&finestra](Lettore& l) -> archivio::FileDati::Applica {
        const datiFrontespizio d = ModKorvel::leggiRigaFrontespizio(l);
        return [&finestra, d] { finestra = d; };
    };

    std::mt19937 g(1984);
    const QString nome = cartella.filePath(QStringLiteral("scelto"));
    int accettati = 0;
    for (int i = 0; i < 300; ++i) {
        const QByteArray caso = i % 4 == 0 ? casuale(g, int(g() % 300)) : guasto(g, copertina);
        {
            QFile f(nome);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(caso);
        }
        Lettore prova(caso);
        const datiFrontespizio atteso = ModKorvel::leggiRigaFrontespizio(prova);
        finestra = iniziale;
        messaggi.azzera();
        dialoghi.scegliFile(nome);
        const bool aperto = file.apri(leggi);
        ASSERT_EQ(aperto, prova.ok()) << caso.toHex().constData();
        if (aperto) {
            ++accettati;
            EXPECT_TRUE(finestra == atteso);
            EXPECT_TRUE(messaggi.mostrati.isEmpty());
        } else {
            EXPECT_TRUE(finestra == iniziale);
            ASSERT_EQ(messaggi.mostrati.size(), 1);
            EXPECT_EQ(messaggi.mostrati[0].pulsanti, piattaforma::vbCritical);
            EXPECT_EQ(messaggi.mostrati[0].testo, archivio::messaggioNonValido(nome));
        }
    }
    EXPECT_GT(accettati, 20) << "the mutations should leave some records whole";

    // A directory, a file too large to be a data file, and a file that cannot be read.
    const QString grande = cartella.filePath(QStringLiteral("grande"));
    {
        QFile f(grande);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(archivio::fileMassimo + 1));
    }
    const QString chiuso = cartella.filePath(QStringLiteral("chiuso"));
    {
        QFile f(chiuso);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(copertina);
    }
    QFile::setPermissions(chiuso, QFileDevice::Permissions());
    const bool leggibile = QFile(chiuso).open(QIODevice::ReadOnly); // root reads anything
    for (const QString& scelto : {cartella.path(), QDir::rootPath(), grande, chiuso, QString()}) {
        if (scelto == chiuso && leggibile)
            continue;
        finestra = iniziale;
        messaggi.azzera();
        dialoghi.scegliFile(scelto);
        EXPECT_FALSE(file.apri(leggi)) << scelto.toStdString();
        EXPECT_TRUE(finestra == iniziale);
        EXPECT_EQ(messaggi.mostrati.size(), 1);
    }
    EXPECT_TRUE(file.bersaglio().isEmpty() || file.bersaglio() == nome);
}
