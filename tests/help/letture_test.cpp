// The two files the help reads from outside, the price list and the tips file:
// what they give when well formed, and that damaged, foreign or huge files give a
// short, whole list instead of a crash.
#include "help/listino.h"
#include "help/suggerimenti.h"

#include "base/archivio.h"
#include "support/ambiente.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using listino::leggiListino;
using suggerimenti::leggiSuggerimenti;

namespace {

QByteArray listinoDi(int dichiarati, int presenti, const QByteArray& intestazione = "\"2025\"")
{
    QByteArray b = intestazione + "\r\n" + QByteArray::number(dichiarati) + "\r\n";
    for (int i = 1; i <= presenti; ++i)
        b += "\"Programma " + QByteArray::number(i) + "\",\"argomento " + QByteArray::number(i) + "\","
            + QByteArray::number(100 + i) + "," + QByteArray::number(90 + i) + ".5\r\n";
    return b;
}

struct Letture : ::testing::Test {
    ~Letture() override { ambiente::ripristinaStato(); }
};

TEST_F(Letture, PriceListReadsHeadingCountAndRecords)
{
    const listino::Listino l = leggiListino(listinoDi(32, 32));
    EXPECT_EQ(l.intestazione, "2025");
    ASSERT_EQ(l.prodotti.size(), 32u);
    EXPECT_EQ(l.prodotti[0].nome, "Programma 1");
    EXPECT_EQ(l.prodotti[31].argomento, "argomento 32");
    EXPECT_EQ(l.prodotti[31].prezzoListino, 132);
    EXPECT_EQ(l.prodotti[31].prezzoOfferta, 122.5);

    // A record spread over lines, blanks around the fields, Windows-1252 letters.
    const listino::Listino sparso = leggiListino("  \"Listino\" \n 1 \r\n\"Calore\"\r\n \"verit\xE0\"\n 1250.5 , 7\n");
    EXPECT_EQ(sparso.intestazione, "Listino");
    ASSERT_EQ(sparso.prodotti.size(), 1u);
    EXPECT_EQ(sparso.prodotti[0].argomento, QStringLiteral("verità"));
    EXPECT_EQ(sparso.prodotti[0].prezzoListino, 1250.5);
    EXPECT_EQ(sparso.prodotti[0].prezzoOfferta, 7);
}

TEST_F(Letture, BrokenPriceListsGiveTheWholeRecordsReadSoFar)
{
    // More than 100 declared and present: only the first 100.
    EXPECT_EQ(leggiListino(listinoDi(150, 150)).prodotti.size(), 100u);
    // Fewer records than the count, the last one cut in the middle.
    QByteArray corto = listinoDi(10, 4) + "\"Programma 5\",\"argomento 5\"\r\n";
    EXPECT_EQ(leggiListino(corto).prodotti.size(), 4u);
    // A price that is not a number stops the list at the record before.
    QByteArray prezzo = listinoDi(3, 1) + "\"P2\",\"a2\",abc,3\r\n\"P3\",\"a3\",1,2\r\n";
    EXPECT_EQ(leggiListino(prezzo).prodotti.size(), 1u);
    // A count that is not a whole number, negative or beyond any range: the heading only.
    for (const QByteArray& conto : {QByteArray("dieci"), QByteArray("-5"), QByteArray("2.5"), QByteArray("99999999999999999999"), QByteArray("")}) {
        QByteArray b = "\"Testa\"\r\n" + conto + "\r\n\"P1\",\"a1\",1,2\r\n";
        const listino::Listino l = leggiListino(b);
        EXPECT_EQ(l.intestazione, "Testa") << conto.constData();
        EXPECT_TRUE(l.prodotti.empty()) << conto.constData();
    }
    // Nothing at all, binary bytes, a UTF-8 byte-order mark: no heading, no records.
    for (const QByteArray& b : {QByteArray(), QByteArray("\x00\x01\x02", 3), QByteArray("\xEF\xBB\xBF\"T\"\r\n1\r\n\"a\",\"b\",1,2\r\n")}) {
        const listino::Listino l = leggiListino(b);
        EXPECT_TRUE(l.intestazione.isEmpty());
        EXPECT_TRUE(l.prodotti.empty());
    }
    // A missing file, a folder in its place.
    QTemporaryDir cartella;
    EXPECT_TRUE(listino::leggiListinoDa(cartella.filePath(QStringLiteral("listino.txt"))).prodotti.empty());
    EXPECT_TRUE(listino::leggiListinoDa(cartella.path()).intestazione.isEmpty());
}

TEST_F(Letture, RandomBytesNeverGiveMoreThanTheLimit)
{
    QRandomGenerator caso(17);
    const QByteArray alfabeto("\"\r\n,0123456789.-e abc\xE0");
    for (int prova = 0; prova < 2000; ++prova) {
        QByteArray b = prova % 2 ? listinoDi(int(caso.bounded(200)), int(caso.bounded(120))) : QByteArray();
        const int aggiunte = int(caso.bounded(60));
        for (int i = 0; i < aggiunte; ++i) {
            const char c = alfabeto[int(caso.bounded(alfabeto.size()))];
            if (!b.isEmpty() && caso.bounded(2))
                b[int(caso.bounded(b.size()))] = c;
            else
                b.append(c);
        }
        const listino::Listino l = leggiListino(b);
        ASSERT_LE(l.prodotti.size(), std::size_t(listino::prodottiMassimi));
        ASSERT_LE(leggiSuggerimenti(b).size(), b.count('\r') + b.count('\n') + 1);
    }
}

TEST_F(Letture, TipsAreTheLinesOfTheFile)
{
    EXPECT_EQ(leggiSuggerimenti("uno\r\ndue\r\ntre\r\n"), (QStringList{"uno", "due", "tre"}));
    // CR alone, LF alone, an empty line in the middle, no line end after the last.
    EXPECT_EQ(leggiSuggerimenti("uno\rdue\n\r\nquattro"), (QStringList{"uno", "due", "", "quattro"}));
    EXPECT_EQ(leggiSuggerimenti("solo\r\n\r\n"), (QStringList{"solo", ""}));
    EXPECT_TRUE(leggiSuggerimenti("").isEmpty());
    // Windows-1252, or UTF-8 after a byte-order mark; control characters go, tabs stay.
    EXPECT_EQ(leggiSuggerimenti("citt\xE0 \x80 5\r\n"), (QStringList{QStringLiteral("città € 5")}));
    EXPECT_EQ(leggiSuggerimenti("\xEF\xBB\xBF" "citt\xC3\xA0\r\n"), (QStringList{QStringLiteral("città")}));
    EXPECT_EQ(leggiSuggerimenti(QByteArray("a\x00" "b\tc\x1B\r\n", 8)), (QStringList{"ab\tc"}));
}

TEST_F(Letture, HugeTipsFilesStayBounded)
{
    // A line of a million letters is cut; a line cut by the size limit is dropped.
    const QStringList lunga = leggiSuggerimenti(QByteArray(1000000, 'x') + "\r\nbreve\r\n");
    ASSERT_EQ(lunga.size(), 2);
    EXPECT_EQ(lunga[0].size(), suggerimenti::lunghezzaMassima);
    EXPECT_EQ(lunga[1], "breve");
    QByteArray enorme;
    while (enorme.size() <= suggerimenti::fileMassimo)
        enorme += "suggerimento numero tale\r\n";
    const QStringList tagliati = leggiSuggerimenti(enorme + "ultimo");
    EXPECT_LT(tagliati.size(), enorme.count('\n'));
    EXPECT_EQ(tagliati.last(), "suggerimento numero tale");
}

TEST_F(Letture, TipsFileByPath)
{
    QTemporaryDir cartella;
    EXPECT_FALSE(suggerimenti::leggiSuggerimentiDa(QString()));
    EXPECT_FALSE(suggerimenti::leggiSuggerimentiDa(cartella.filePath(suggerimenti::nomeFile)));
    EXPECT_FALSE(suggerimenti::leggiSuggerimentiDa(cartella.path())) << "a folder is no tips file";
    QFile vuoto(cartella.filePath(QStringLiteral("vuoto.txt")));
    ASSERT_TRUE(vuoto.open(QIODevice::WriteOnly));
    vuoto.close();
    const auto nessuno = suggerimenti::leggiSuggerimentiDa(vuoto.fileName());
    ASSERT_TRUE(nessuno);
    EXPECT_TRUE(nessuno->isEmpty());
    EXPECT_TRUE(suggerimenti::percorsoSuggerimenti().endsWith(QStringLiteral("/SuggerimentiKorvel.TXT")));
}

// The files shipped with the program read as they should.
TEST_F(Letture, ShippedFilesAreWellFormed)
{
    const QDir esecuzione(QFileInfo(QString::fromUtf8(__FILE__)).dir().filePath(QStringLiteral("../../resources/run")));
    const listino::Listino l = listino::leggiListinoDa(esecuzione.filePath(listino::nomeFile));
    EXPECT_FALSE(l.intestazione.isEmpty());
    EXPECT_GT(l.prodotti.size(), 10u) << "enough records to page";
    const auto tips = suggerimenti::leggiSuggerimentiDa(esecuzione.filePath(suggerimenti::nomeFile));
    ASSERT_TRUE(tips);
    EXPECT_GE(tips->size(), 10);
    for (const QString& t : *tips) {
        EXPECT_FALSE(t.trimmed().isEmpty());
        EXPECT_FALSE(t.contains(QChar::ReplacementCharacter));
    }
}

} // namespace
