// The data-file format shared by every window: exact bytes written, what the reader
// tolerates, and where it gives up.
#include "base/archivio.h"
#include "base/fileDati.h"
#include "base/scrittura.h"
#include "cover/datiFrontespizio.h"
#include "base/valore.h"

#include <QFile>
#include <QTemporaryDir>
#include <limits>
#include <gtest/gtest.h>

using archivio::Lettore;
using archivio::Scrittore;

namespace {

QByteArray byte(const char* s, qsizetype n = -1) { return n < 0 ? QByteArray(s) : QByteArray(s, n); }

ModKorvel::datiFrontespizio esempio()
{
    return {QStringLiteral("Impianto solare, condominio"),
            QStringLiteral("Città di Castello"),
            QString(),
            QStringLiteral("   "),
            QStringLiteral("Perugia"),
            QStringLiteral("domenica, 6 dic 2026"),
            QStringLiteral("foto, € 1.200 più IVA")};
}

TEST(Codifica, Windows1252TableBothWays)
{
    EXPECT_EQ(archivio::codifica(u"€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ"),
              byte("\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E\x91\x92\x93\x94\x95\x96\x97\x98\x99"
                   "\x9A\x9B\x9C\x9E\x9F"));
    EXPECT_EQ(archivio::codifica(u"àèéìòù ÀÈ ° ± ÿ"), byte("\xE0\xE8\xE9\xEC\xF2\xF9 \xC0\xC8 \xB0 \xB1 \xFF"));
    EXPECT_EQ(archivio::decodifica(byte("\x80\x94\x9F\xE0\xA0")), QStringLiteral("€”Ÿà\u00A0"));

    // Every byte a data file may hold comes back as itself.
    for (int b = 0; b < 256; ++b) {
        const QByteArray uno(1, char(b));
        if (!archivio::bytesValidi(uno) || b == '\r' || b == '\n')
            continue;
        EXPECT_EQ(archivio::codifica(archivio::decodifica(uno)), uno) << "byte " << b;
    }
}

TEST(Codifica, WhatTheSetCannotHoldBecomesAQuestionMark)
{
    EXPECT_EQ(archivio::codifica(u"Łódź"), byte("?\xF3" "d?"));
    EXPECT_EQ(archivio::codifica(QString::fromUtf8("sole \xF0\x9F\x8C\x9E!")), byte("sole ?!")) << "one mark per character";
    // A letter typed with a combining accent still takes its one byte.
    EXPECT_EQ(archivio::codifica(QStringLiteral("citta\u0300")), byte("citt\xE0"));
    // Control characters would make the file unreadable; the tab stays.
    EXPECT_EQ(archivio::codifica(QStringLiteral("a\nb\rc\td\u0001\u007F\u0081")), byte("a?b?c\td???"));
}

TEST(Codifica, CharactersTheSetCannotHoldAreNamedOnceEach)
{
    EXPECT_EQ(archivio::caratteriNonRegistrabili(u"Ödön Kovács, € “1” Š"), QString()) << "all in the set";
    EXPECT_EQ(archivio::caratteriNonRegistrabili(u"Erdős Pál, Łódź, Győr"), QStringLiteral("őŁź"));
    EXPECT_EQ(archivio::caratteriNonRegistrabili(QStringLiteral("Erdo\u030Bs citta\u0300")), QStringLiteral("ő"))
        << "composed as they are written";
    EXPECT_EQ(archivio::caratteriNonRegistrabili(QString::fromUtf8("sole \xF0\x9F\x8C\x9E \xF0\x9F\x8C\x9E")),
              QString::fromUtf8("\xF0\x9F\x8C\x9E"));
    EXPECT_EQ(archivio::caratteriNonRegistrabili(QStringLiteral("a\nb\rc\td\u0001\u007F\u0081?")), QString())
        << "control characters and a typed question mark are not counted";
}

TEST(Scrittore, NamedTextsThatLoseCharactersAreNotedAndStillWritten)
{
    Scrittore s;
    s.testo(QStringLiteral("Erdős"), QStringLiteral("committente"))
        .testo(QStringLiteral("Łódź"))
        .testo(QStringLiteral("città"), QStringLiteral("luogo elaborazione"))
        .testo(QStringLiteral("Győr, Łódź"), QStringLiteral("allegati alla relazione"))
        .fineRecord();
    EXPECT_TRUE(s.ok());
    EXPECT_EQ(s.contenuto(), byte("\"Erd?s\",\"?\xF3" "d?\",\"citt\xE0\",\"Gy?r, ?\xF3" "d?\"\r\n"));
    ASSERT_EQ(s.perdite().size(), 2);
    EXPECT_EQ(s.perdite()[0].campo, QStringLiteral("committente"));
    EXPECT_EQ(s.perdite()[0].caratteri, QStringLiteral("ő"));
    EXPECT_EQ(s.perdite()[1].campo, QStringLiteral("allegati alla relazione"));
    EXPECT_EQ(s.perdite()[1].caratteri, QStringLiteral("őŁź"));
    EXPECT_EQ(archivio::messaggioNonRegistrabili(QStringLiteral("/tmp/Korvel-front-a"), s.perdite()),
              QStringLiteral("Il file \"/tmp/Korvel-front-a\" è stato salvato, ma questi caratteri non si possono "
                             "registrare in un file di dati e sono stati scritti come \"?\":\r"
                             "- committente: ő\r- allegati alla relazione: ő Ł ź"));

    Scrittore cover;
    ModKorvel::rigaFrontespizio(cover, esempio());
    EXPECT_TRUE(cover.perdite().isEmpty()) << "accents, the euro and commas are all in the set";
}

TEST(Codifica, BytesThatNoDataFileHolds)
{
    EXPECT_TRUE(archivio::bytesValidi(byte("\"a\",\t1\r\n\x80\xFF")));
    for (const char b : {'\0', '\x01', '\x08', '\x0B', '\x0C', '\x1A', '\x1F', '\x7F', '\x81', '\x8D', '\x8F', '\x90', '\x9D'})
        EXPECT_FALSE(archivio::bytesValidi(QByteArray(1, b))) << int(static_cast<unsigned char>(b));
}

TEST(Scrittore, CoverPageLinesExactBytes)
{
    Scrittore s;
    ModKorvel::rigaFrontespizio(s, esempio());
    ModKorvel::rigaFrontespizioRidotta(s, esempio());
    EXPECT_TRUE(s.ok());
    EXPECT_EQ(s.contenuto(),
              byte("\"Impianto solare, condominio\",\"Citt\xE0 di Castello\",\"\",\"   \",\"Perugia\","
                   "\"domenica, 6 dic 2026\",\"foto, \x80 1.200 pi\xF9 IVA\"\r\n"
                   "\"Impianto solare, condominio\",\"Citt\xE0 di Castello\",\"   \",\"Perugia\","
                   "\"domenica, 6 dic 2026\",\"foto, \x80 1.200 pi\xF9 IVA\"\r\n"));

    Lettore l(s.contenuto());
    EXPECT_EQ(ModKorvel::leggiRigaFrontespizio(l), esempio());
    ModKorvel::datiFrontespizio ridotto = esempio();
    ridotto.tipostudio = QString();
    EXPECT_EQ(ModKorvel::leggiRigaFrontespizioRidotta(l), ridotto);
    EXPECT_TRUE(l.ok());
    EXPECT_EQ(l.restanti(), 0);
}

TEST(Scrittore, DoubleQuoteInATextNeverShiftsTheFields)
{
    ModKorvel::datiFrontespizio d = esempio();
    d.progetto = QStringLiteral("Villa \"Le Rose\", lotto 3");
    d.localita = QStringLiteral("\",\"");
    Scrittore s;
    ModKorvel::rigaFrontespizio(s, d);
    EXPECT_TRUE(s.contenuto().startsWith(byte("\"Villa \x94Le Rose\x94, lotto 3\",\"\x94,\x94\",\"\",")));

    Lettore l(s.contenuto());
    const ModKorvel::datiFrontespizio letto = ModKorvel::leggiRigaFrontespizio(l);
    EXPECT_TRUE(l.ok());
    EXPECT_EQ(letto.progetto, QStringLiteral("Villa ”Le Rose”, lotto 3"));
    EXPECT_EQ(letto.localita, QStringLiteral("”,”"));
    EXPECT_EQ(letto.allegati, d.allegati) << "the last field is still in its place";
}

TEST(Scrittore, NumbersAndValuesNeverSet)
{
    Scrittore s;
    s.testo(QStringLiteral("Bolzano")).intero(0).intero(2).fineRecord();
    s.intero(-45).vuoto().decimale(0.25).decimale(-3.0).decimale(1234567.5).vuoto().fineRecord();
    s.vuoto().fineRecord();
    s.valore(Valore()).valore(Valore(7)).valore(Valore(2.5)).valore(Valore(QStringLiteral("x"))).fineRecord();
    EXPECT_TRUE(s.ok());
    EXPECT_EQ(s.contenuto(), byte("\"Bolzano\",0,2\r\n-45,,0.25,-3,1234567.5,\r\n\r\n,7,2.5,\"x\"\r\n"));

    Lettore l(s.contenuto());
    EXPECT_EQ(l.testo(), QStringLiteral("Bolzano"));
    EXPECT_EQ(l.indice(64), 0);
    EXPECT_EQ(l.intero(1, 2), 2);
    EXPECT_EQ(l.intero(-45, 45), -45);
    EXPECT_EQ(l.interoOVuoto(0, 10), std::nullopt);
    EXPECT_DOUBLE_EQ(l.decimale(), 0.25);
    EXPECT_DOUBLE_EQ(l.decimale(), -3.0);
    EXPECT_DOUBLE_EQ(l.decimale(), 1234567.5);
    EXPECT_EQ(l.decimaleOVuoto(), std::nullopt);
    EXPECT_EQ(l.testo(), QString()) << "the record of one value never set";
    EXPECT_EQ(l.testo(), QString());
    EXPECT_EQ(l.interoOVuoto(0, 10), 7);
    EXPECT_EQ(l.decimaleOVuoto(), 2.5);
    EXPECT_EQ(l.testo(), QStringLiteral("x"));
    EXPECT_TRUE(l.ok());
    EXPECT_EQ(l.restanti(), 0);
}

TEST(Scrittore, WholeNumbersOfAValueKeepEveryDigit)
{
    Scrittore s;
    s.valore(Valore(std::numeric_limits<long long>::max())).valore(Valore(std::numeric_limits<long long>::min()));
    s.valore(Valore(9007199254740993LL)).valore(Valore(-9007199254740993LL)).fineRecord();
    EXPECT_EQ(s.contenuto(), byte("9223372036854775807,-9223372036854775808,9007199254740993,-9007199254740993\r\n"));
}

TEST(Scrittore, RefusesWhatCouldNotBeReadBack)
{
    Scrittore lungo;
    lungo.testo(QString(archivio::campoMassimo + 1, QLatin1Char('a')));
    EXPECT_FALSE(lungo.ok());

    Scrittore limite;
    limite.testo(QString(archivio::campoMassimo, QLatin1Char('a'))).fineRecord();
    EXPECT_TRUE(limite.ok());
    Lettore l(limite.contenuto());
    EXPECT_EQ(l.testo().size(), archivio::campoMassimo);
    EXPECT_TRUE(l.ok());

    Scrittore infinito;
    infinito.decimale(std::numeric_limits<double>::infinity());
    EXPECT_FALSE(infinito.ok());
}

TEST(Lettore, FileWrittenOnWindowsReadsBackUnchanged)
{
    // A transmittance file as the Windows program writes it: counts, element lines,
    // then the seven cover-page texts, accents in Windows-1252.
    const QByteArray file = byte("2,1\r\n"
                                 "\"Parete esterna, mattoni\",\"24.5\",\"1.2\"\r\n"
                                 "\"Finestre\",\"6\",\"\"\r\n"
                                 "\"Solaio\",,\"0.8\"\r\n"
                                 "\"Scuola \xABG. Verdi\xBB\",\"Forl\xEC\",\"verifica area di captazione\","
                                 "\"Comune di Forl\xEC\",\"Cesena\",\"luned\xEC, 7 dic 2026\",\"planimetrie \x96 foto\"\r\n");
    Lettore l(file);
    EXPECT_EQ(l.intero(0, 20), 2);
    EXPECT_EQ(l.intero(0, 20), 1);
    EXPECT_EQ(l.testo(), QStringLiteral("Parete esterna, mattoni"));
    EXPECT_EQ(l.decimale(), 24.5) << "a number kept as text still reads as a number";
    EXPECT_EQ(l.testo(), QStringLiteral("1.2"));
    EXPECT_EQ(l.testo(), QStringLiteral("Finestre"));
    EXPECT_EQ(l.testo(), QStringLiteral("6"));
    EXPECT_EQ(l.decimaleOVuoto(), std::nullopt) << "an empty text counts as a value not given";
    EXPECT_EQ(l.testo(), QStringLiteral("Solaio"));
    EXPECT_EQ(l.testo(), QString());
    EXPECT_EQ(l.testo(), QStringLiteral("0.8"));
    const ModKorvel::datiFrontespizio d = ModKorvel::leggiRigaFrontespizio(l);
    EXPECT_TRUE(l.ok());
    EXPECT_EQ(d.progetto, QStringLiteral("Scuola «G. Verdi»"));
    EXPECT_EQ(d.localita, QStringLiteral("Forlì"));
    EXPECT_EQ(d.committente, QStringLiteral("Comune di Forlì"));
    EXPECT_EQ(d.data, QStringLiteral("lunedì, 7 dic 2026"));
    EXPECT_EQ(d.allegati, QStringLiteral("planimetrie – foto"));

    // Written again, the same content comes out byte for byte.
    Scrittore s;
    ModKorvel::rigaFrontespizio(s, d);
    EXPECT_TRUE(file.endsWith(s.contenuto()));
}

TEST(Lettore, ToleratesTheLooseLayoutOfTheFormat)
{
    // Blanks and tabs before a field, LF or CR alone as line end, text after a
    // closing quote, a missing last line end, fields beyond the ones asked for.
    const QByteArray file = byte("  \"a, b\"  ,\t12 ,\"c\"junk\n"
                                 "\"d\"\r"
                                 "-3\r\n"
                                 "\"e\",x,\"unterminated");
    Lettore l(file);
    EXPECT_EQ(l.testo(), QStringLiteral("a, b"));
    EXPECT_EQ(l.intero(0, 100), 12);
    EXPECT_EQ(l.testo(), QStringLiteral("c"));
    EXPECT_EQ(l.testo(), QStringLiteral("d"));
    EXPECT_EQ(l.intero(-10, 10), -3);
    EXPECT_EQ(l.testo(), QStringLiteral("e"));
    EXPECT_EQ(l.testo(), QStringLiteral("x"));
    EXPECT_EQ(l.testo(), QStringLiteral("unterminated"));
    EXPECT_TRUE(l.ok());
    EXPECT_EQ(l.restanti(), 0);

    // Quoted whole numbers and whole values written as floating ones are accepted.
    Lettore numeri(byte("\"7\",12.0,1E2,\" 5 \"\r\n"));
    EXPECT_EQ(numeri.intero(0, 10), 7);
    EXPECT_EQ(numeri.intero(0, 20), 12);
    EXPECT_EQ(numeri.intero(0, 200), 100);
    EXPECT_EQ(numeri.intero(0, 10), 5);
    EXPECT_TRUE(numeri.ok());

    // A comma at the very end closes one more, empty field; a line end does not.
    EXPECT_EQ(archivio::campi(byte("1,"))->size(), 2);
    EXPECT_EQ(archivio::campi(byte("1\r\n"))->size(), 1);
    EXPECT_EQ(archivio::campi(byte(""))->size(), 0);
}

// A text read is one the writer writes back as it was read: a double quote inside a
// bare field would come back as a closing quote mark.
TEST(Lettore, ABareTextWithADoubleQuoteIsRefused)
{
    Lettore l(byte("Por\"ta,\"Vetrate\"\r\n"));
    l.testo();
    EXPECT_FALSE(l.ok());
    Lettore alla(byte("ok\",1\r\n"));
    alla.testo();
    EXPECT_FALSE(alla.ok());
    Lettore buono(byte("Porta,\"Vetrate\"junk\"\r\n"));
    EXPECT_EQ(buono.testo(), QStringLiteral("Porta"));
    EXPECT_EQ(buono.testo(), QStringLiteral("Vetrate"));
    EXPECT_TRUE(buono.ok());
}

TEST(Lettore, AQuotedTextHoldsOneLine)
{
    // A line end inside quotes could only be saved back as "?": the file is refused,
    // like one holding any other control byte.
    for (const char* dentro : {"\r\n", "\n", "\r", "\n\r"}) {
        const QByteArray file = byte("\"a") + dentro + byte("b\",\"c\",\"d\",\"e\",\"f\",\"g\",\"h\"\r\n");
        EXPECT_EQ(archivio::campi(file), std::nullopt) << file.toHex().constData();
    }
    // A quote left open on a line that another quote follows would take that line in.
    EXPECT_EQ(archivio::campi(byte("\"a\",\"b\r\n\"c\"\r\n")), std::nullopt);

    // A quote left open on the last line ends at its line end, which stays a separator.
    for (const char* file : {"\"A\r\n", "\"A\n", "\"A\r", "\"A"}) {
        const auto c = archivio::campi(byte(file));
        ASSERT_TRUE(c.has_value()) << file;
        ASSERT_EQ(c->size(), 1) << file;
        EXPECT_EQ(c->at(0).testo, QStringLiteral("A")) << file;
        EXPECT_TRUE(c->at(0).virgolette);
    }
    const auto dopo = archivio::campi(byte("1,\"A\r\n2\r\n"));
    ASSERT_TRUE(dopo.has_value());
    ASSERT_EQ(dopo->size(), 3);
    EXPECT_EQ(dopo->at(1).testo, QStringLiteral("A"));
    EXPECT_EQ(dopo->at(2).testo, QStringLiteral("2"));

    // What is read is written back as it was read.
    Lettore l(byte("\"P\",\"L\",\"T\",\"C\",\"Lu\",\"D\",\"A\r\n"));
    const ModKorvel::datiFrontespizio letto = ModKorvel::leggiRigaFrontespizio(l);
    ASSERT_TRUE(l.ok());
    Scrittore s;
    ModKorvel::rigaFrontespizio(s, letto);
    Lettore riletto(s.contenuto());
    EXPECT_EQ(ModKorvel::leggiRigaFrontespizio(riletto), letto);
    EXPECT_EQ(letto.allegati, QStringLiteral("A"));
}

TEST(Lettore, EveryFailureIsStickyAndNeverCrashes)
{
    struct Caso {
        const char* nome;
        QByteArray contenuto;
        std::function<void(Lettore&)> leggi;
    };
    const auto sette = [](Lettore& l) { ModKorvel::leggiRigaFrontespizio(l); };
    const QList<Caso> casi = {
        {"too few fields", byte("\"a\",\"b\",\"c\",\"d\",\"e\",\"f\"\r\n"), sette},
        {"empty file", QByteArray(), sette},
        {"NUL byte", byte("\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\"\r\n") + QByteArray(1, '\0'), sette},
        {"undefined Windows-1252 byte", byte("\"a\x81\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\"\r\n"), sette},
        {"field longer than 64 KiB", "\"" + QByteArray(archivio::campoMassimo + 1, 'x') + "\"", sette},
        {"unquoted field longer than 64 KiB", QByteArray(archivio::campoMassimo + 1, '1'),
         [](Lettore& l) { l.testo(); }},
        {"text where a number is due", byte("\"abc\"\r\n"), [](Lettore& l) { l.intero(0, 10); }},
        {"number out of range", byte("64\r\n"), [](Lettore& l) { l.indice(64); }},
        {"fraction where a whole number is due", byte("1.5\r\n"), [](Lettore& l) { l.intero(0, 10); }},
        {"empty where a number is due", byte(",\r\n"), [](Lettore& l) { l.intero(0, 10); }},
        {"number with trailing text", byte("12abc\r\n"), [](Lettore& l) { l.decimale(); }},
        {"not a finite number", byte("nan,inf\r\n"), [](Lettore& l) { l.decimale(); }},
        {"huge whole number", byte("99999999999999999999999\r\n"), [](Lettore& l) { l.intero(0, 10); }},
        {"cover-page text stored bare", byte("\"a\",\"b\",\"c\",12,\"e\",\"f\",\"g\"\r\n"), sette},
        {"cover-page text never set", byte("\"a\",\"b\",\"c\",\"d\",\"e\",,\"g\"\r\n"), sette},
        {"reduced cover-page line with a bare text", byte("\"a\",1,\"c\",\"d\",\"e\",\"f\"\r\n"),
         [](Lettore& l) { ModKorvel::leggiRigaFrontespizioRidotta(l); }},
    };
    for (const Caso& caso : casi) {
        Lettore l(caso.contenuto);
        caso.leggi(l);
        EXPECT_FALSE(l.ok()) << caso.nome;
        // Reading on after a failure stays a failure and stays harmless.
        l.testo();
        l.intero(0, 1);
        EXPECT_FALSE(l.ok()) << caso.nome;
    }
}

TEST(File, SaveAndLoadWholeFiles)
{
    QTemporaryDir cartella;
    const QString nome = cartella.filePath(QStringLiteral("Korvel-front-prova"));
    Scrittore s;
    ModKorvel::rigaFrontespizio(s, esempio());
    ASSERT_TRUE(scrittura::scriviFile(nome, s.contenuto()));
    QFile f(nome);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), s.contenuto());
    f.close();

    Lettore l = Lettore::daFile(nome);
    EXPECT_EQ(ModKorvel::leggiRigaFrontespizio(l), esempio());
    EXPECT_TRUE(l.ok());

    // Replacing an existing file.
    Scrittore corto;
    corto.intero(1).fineRecord();
    ASSERT_TRUE(scrittura::scriviFile(nome, corto.contenuto()));
    EXPECT_EQ(Lettore::daFile(nome).restanti(), 1);

    EXPECT_FALSE(scrittura::scriviFile(QString(), s.contenuto()));
    EXPECT_FALSE(scrittura::scriviFile(cartella.filePath(QStringLiteral("manca/file")), s.contenuto()));
    EXPECT_FALSE(scrittura::scriviFile(cartella.path(), s.contenuto())) << "a folder is not replaced";

    EXPECT_FALSE(Lettore::daFile(cartella.filePath(QStringLiteral("inesistente"))).ok());
    EXPECT_FALSE(Lettore::daFile(cartella.path()).ok());
    EXPECT_FALSE(Lettore::daFile(QString()).ok());

    // A file far larger than any data file is not loaded at all.
    const QString grande = cartella.filePath(QStringLiteral("grande"));
    QFile g(grande);
    ASSERT_TRUE(g.open(QIODevice::WriteOnly));
    ASSERT_TRUE(g.resize(archivio::fileMassimo + 1));
    g.close();
    EXPECT_FALSE(Lettore::daFile(grande).ok());
}

} // namespace
