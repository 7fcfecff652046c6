// The settings file the studio's name and address come from, damaged or edited by
// hand: the program starts with whatever texts can be made of it, never crashes.
#include "base/ModKorvel.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>

using namespace ModKorvel;

namespace {

class ImpostazioniRobustezza : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(cartella.isValid());
        prima = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(cartella.path()));
        QDir(cartella.path()).mkpath(QStringLiteral("Korvel"));
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", prima); }

    // Each content gets its own modification time, so that no cached copy of an
    // earlier one of the same size is read instead.
    void carica(const QByteArray& contenuto)
    {
        QFile f(ini());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(contenuto);
        ASSERT_TRUE(f.setFileTime(QDateTime(QDate(2020, 1, 1), QTime(0, 0)).addSecs(++numero),
                                  QFileDevice::FileModificationTime));
        f.close();
        caricaStudio();
    }
    QString ini() const { return cartella.filePath(QStringLiteral("Korvel/korvel.ini")); }

    QTemporaryDir cartella;
    QByteArray prima;
    int numero = 0;
};

} // namespace

TEST_F(ImpostazioniRobustezza, ValuesOfOtherKindsGiveTexts)
{
    struct Caso {
        QByteArray contenuto;
        QString nome;
    };
    const QList<Caso> casi = {
        {"[studio]\nnome=@ByteArray(Studio Bianchi)\n", QStringLiteral("Studio Bianchi")},
        {"[studio]\nnome=@Rect(1 2 3 4)\n", QString()},
        {"[studio]\nnome=@Size(1 2)\n", QString()},
        {"[studio]\nnome=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x5QRect)\n", QString()},
        {"[studio]\nnome=@Variant(garbage\n", QString()},
        {"[studio]\nnome=@Invalid()\n", QString()},
        {"[studio]\nnome=\"Studio \\\"Le Rose\\\"\"\n", QStringLiteral("Studio \"Le Rose\"")},
        {"[studio]\nnome=a, \"b, c\", d\n", QStringLiteral("a, b, c, d")},
        {"\xEF\xBB\xBF[studio]\nnome=Rossi\n", QStringLiteral("Rossi")},
        {"[studio\nnome=Rossi\n", QString()},
        {"nome=Rossi\n", QString()},
        {"[studio]\r\nnome=Rossi\r\n", QStringLiteral("Rossi")},
        {"[studio]\rnome=Rossi\r", QStringLiteral("Rossi")},
        {QByteArray("[studio]\nnome=Ro\0ssi\n", 21), QString()},
        {QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), QString()},
        {QByteArray(), QString()},
    };
    for (const Caso& caso : casi) {
        nomeStudio = QStringLiteral("prima");
        indirizzoStudio = QStringLiteral("prima");
        carica(caso.contenuto);
        // Only the kind of value matters here: texts come out, whatever was stored.
        if (!caso.nome.isNull()) {
            EXPECT_EQ(nomeStudio, caso.nome) << caso.contenuto.constData();
        }
        EXPECT_EQ(indirizzoStudio, QString()) << caso.contenuto.constData();
    }
}

TEST_F(ImpostazioniRobustezza, SeededRandomAndHugeFiles)
{
    std::mt19937 g(2026);
    const QByteArray buono("[studio]\nnome=Studio Rossi\nindirizzo=\"Via Po 3, Citt\xC3\xA0\"\n");
    static const char scelti[] = {'[', ']', '=', '"', '\\', '@', '(', ')', ',', ';', '\n', '\r', '\0', 'x', '\xC3'};
    for (int i = 0; i < 200; ++i) {
        QByteArray b = buono;
        for (int k = 1 + int(g() % 6); k > 0; --k) {
            const qsizetype p = qsizetype(g() % (b.size() + 1));
            if (g() % 2)
                b.insert(p, scelti[g() % sizeof scelti]);
            else
                b.remove(p, 1);
        }
        carica(b);
    }
    // A name of a megabyte and a file of nothing but sections.
    carica("[studio]\nnome=" + QByteArray(1 << 20, 'x') + "\n");
    EXPECT_EQ(nomeStudio.size(), 1 << 20);
    carica(QByteArray(1 << 20, '['));
    EXPECT_EQ(nomeStudio, QString());
}

TEST_F(ImpostazioniRobustezza, ADirectoryInPlaceOfTheFile)
{
    QDir(cartella.path()).mkpath(QStringLiteral("Korvel/korvel.ini"));
    nomeStudio = QStringLiteral("prima");
    caricaStudio();
    EXPECT_EQ(nomeStudio, QString());
    EXPECT_EQ(indirizzoStudio, QString());
}

TEST_F(ImpostazioniRobustezza, ADeeplyNestedValueNeitherCrashesNorReads)
{
    // Qt's typed value "@Variant(" with 50,000 nested list headers (850 KB): read as
    // Qt's settings read it, it exhausts the stack before the program starts.
    QByteArray b = "[studio]\nindirizzo=Via Po 3\nnome=@Variant(";
    for (int i = 0; i < 50000; ++i)
        b += "\\0\\0\\0\\t\\0\\0\\0\\x1";
    carica(b + "\\0\\0\\0\\0)\n");
    EXPECT_EQ(nomeStudio, QString());
    EXPECT_EQ(indirizzoStudio, QStringLiteral("Via Po 3"));
}

TEST_F(ImpostazioniRobustezza, TheFileIsUtf8WithBackslashesDoubled)
{
    carica("[studio]\nnome=Studio Citt\xC3\xA0\nindirizzo=C:\\\\Studio\\\\Rossi\n");
    EXPECT_EQ(nomeStudio, QStringLiteral("Studio Città"));
    EXPECT_EQ(indirizzoStudio, QStringLiteral("C:\\Studio\\Rossi"));
    // Windows-1252 is not UTF-8: its "à" cannot be told from a damaged byte.
    carica("[studio]\nnome=Citt\xE0\n");
    EXPECT_EQ(nomeStudio, QStringLiteral("Citt") + QChar(0xFFFD));
    // A single backslash takes the character after it as it stands.
    carica("[studio]\nnome=C:\\Studio\n");
    EXPECT_EQ(nomeStudio, QStringLiteral("C:Studio"));

    // Semicolons, blanks and comments.
    carica("; comment\n# another\n[ studio ]\n  nome  =  \"Rossi; Bianchi\"  ; studio\n"
           "indirizzo = \"  Via Po 3  \"\n");
    EXPECT_EQ(nomeStudio, QStringLiteral("Rossi; Bianchi"));
    EXPECT_EQ(indirizzoStudio, QStringLiteral("  Via Po 3  "));
    carica("[studio]\nnome=Rossi; Bianchi\nindirizzo=\n");
    EXPECT_EQ(nomeStudio, QStringLiteral("Rossi"));
    EXPECT_EQ(indirizzoStudio, QString());

    // Keys of other sections, and a later key that replaces an earlier one.
    carica("[altro]\nnome=X\n[studio]\nnome=A\nNome=B\nnome=C\n[altro]\nindirizzo=Y\n");
    EXPECT_EQ(nomeStudio, QStringLiteral("C"));
    EXPECT_EQ(indirizzoStudio, QString());
    // "@@" is how Qt writes a text that begins with "@".
    carica("[studio]\nnome=@@Rossi\nindirizzo=@Rossi\n");
    EXPECT_EQ(nomeStudio, QStringLiteral("@Rossi"));
    EXPECT_EQ(indirizzoStudio, QStringLiteral("@Rossi"));
}

TEST_F(ImpostazioniRobustezza, AFileTooLargeForSettingsGivesTheEmptyTexts)
{
    carica("[studio]\nnome=Rossi\nindirizzo=" + QByteArray(impostazioniMassime, 'x') + "\n");
    EXPECT_EQ(nomeStudio, QString());
    EXPECT_EQ(indirizzoStudio, QString());
}
