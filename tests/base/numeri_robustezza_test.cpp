// Whatever is typed or pasted into a number box: the numeric filter and the leading-
// number conversion with every kind of character, huge texts and numbers out of range.
#include "base/ModKorvel.h"
#include "base/numeri.h"
#include "support/doppi.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace ModKorvel;

namespace {

const QString virgola = QStringLiteral("Attenzione: usare il punto per i decimali.");
const QString nonNumerico = QStringLiteral("Attenzione: digitare solo dati numerici.");

bool soloCifreEPunti(const QString& t)
{
    for (QChar c : t)
        if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.')))
            return false;
    return true;
}

class NumeriRobustezza : public ::testing::Test {
protected:
    void SetUp() override
    {
        inizializzaDati();
        virgolaSilenziosa = 0;
    }
    QString filtra(const QString& testo)
    {
        messaggi.azzera();
        datoImmesso = testo;
        controllaNumero();
        return datoControllato;
    }
    doppi::Messaggi messaggi;
};

// Texts of every kind: controls, other scripts, symbols, surrogates (paired and
// lone), the characters of the format and of numbers.
QString casuale(std::mt19937& g)
{
    static const char16_t scelti[] = {u'0', u'5', u'9', u'.', u',', u'-', u'+', u'e', u'E', u' ', u'\t', u'\n',
                                      u'\r', 0, 0x7F, 0xA0, 0x0663, 0xFF15, 0x00B2, 0x202E, 0xFEFF, 0xD83D,
                                      0xDE00, 0xDC00, 0xFFFF, 0x2212};
    QString t;
    const int n = int(g() % 40);
    for (int i = 0; i < n; ++i)
        t.append(g() % 4 == 0 ? QChar(char16_t(g())) : QChar(scelti[g() % std::size(scelti)]));
    return t;
}

} // namespace

TEST_F(NumeriRobustezza, EveryCodeUnitThroughTheFilter)
{
    QString tutti;
    for (int u = 0; u <= 0xFFFF; ++u)
        tutti.append(QChar(char16_t(u)));
    EXPECT_EQ(filtra(tutti), QStringLiteral("..0123456789")) << "the comma turned into a point";
    ASSERT_EQ(messaggi.mostrati.size(), 0x10000 - 12 + 1);
    EXPECT_EQ(messaggi.mostrati[0x2C].testo, virgola);
    for (const doppi::Messaggio& m : messaggi.mostrati) {
        EXPECT_EQ(m.pulsanti, piattaforma::vbCritical);
        EXPECT_EQ(m.titolo, titoloControllo);
    }
    EXPECT_EQ(messaggi.testi().count(nonNumerico), 0x10000 - 12);
}

TEST_F(NumeriRobustezza, CharactersBeyondTheBasicPlaneAndLoneHalves)
{
    // Digits of other scripts, full-width and superscript digits, the minus sign, a
    // direction override, a byte-order mark, NUL: none is a digit to the program.
    for (const QString& t : {QStringLiteral("١٢٣"), QStringLiteral("１２"), QStringLiteral("²³"),
                             QStringLiteral("−5"), QStringLiteral("\u202E12"), QStringLiteral("\uFEFF7"),
                             QString(QChar(0)) + QStringLiteral("8"), QString::fromUcs4(U"\U0001D7CE3"),
                             QString(QChar(0xD800)) + QStringLiteral("4") + QChar(0xDC00)}) {
        const QString r = filtra(t);
        EXPECT_TRUE(soloCifreEPunti(r)) << qPrintable(t);
        QString cifre;
        for (QChar c : t)
            if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
                cifre += c;
        EXPECT_EQ(r, cifre);
        EXPECT_EQ(messaggi.testi().count(nonNumerico), t.size() - r.size());
    }
}

TEST_F(NumeriRobustezza, SeededRandomTexts)
{
    std::mt19937 g(42);
    for (int i = 0; i < 3000; ++i) {
        const QString t = casuale(g);
        for (int silenziosa = 0; silenziosa < 2; ++silenziosa) {
            virgolaSilenziosa = silenziosa;
            const QString r = filtra(t);
            ASSERT_TRUE(soloCifreEPunti(r));
            const qsizetype virgole = t.count(QLatin1Char(','));
            const qsizetype tenuti = r.size() - virgole;
            EXPECT_EQ(messaggi.testi().count(nonNumerico), t.size() - tenuti - virgole);
            EXPECT_EQ(messaggi.testi().count(virgola), silenziosa ? 0 : virgole);
            // Written back into its box, the filtered text passes again silently.
            EXPECT_EQ(filtra(r), r);
            EXPECT_TRUE(messaggi.mostrati.isEmpty());
            const double v = numeri::val(r);
            EXPECT_TRUE(std::isfinite(v) && v >= 0);
        }
        EXPECT_TRUE(std::isfinite(numeri::val(t)));
    }
}

TEST(ValRobustezza, NumbersOutOfRangeAndHugeTexts)
{
    // Beyond what a double holds: nothing a calculation could use.
    EXPECT_EQ(numeri::val(QString(400, QLatin1Char('9'))), 0.0);
    EXPECT_EQ(numeri::val(QStringLiteral("1e99999999999999999999")), 0.0);
    EXPECT_EQ(numeri::val(QStringLiteral("-1e400")), 0.0);
    EXPECT_EQ(numeri::val(QStringLiteral("1e-99999999999999999999")), 0.0);
    EXPECT_DOUBLE_EQ(numeri::val(QStringLiteral("1.7976931348623157e308")), 1.7976931348623157e308);
    // Long texts: a pasted page of digits, of blanks, of points.
    const QString cifre = QStringLiteral("0.") + QString(1000000, QLatin1Char('3'));
    EXPECT_NEAR(numeri::val(cifre), 1.0 / 3, 1e-15);
    EXPECT_EQ(numeri::val(QString(1000000, QLatin1Char(' ')) + QStringLiteral("7")), 7.0);
    EXPECT_EQ(numeri::val(QString(1000000, QLatin1Char('.'))), 0.0);
    EXPECT_EQ(numeri::val(QString(1000000, QLatin1Char('0')) + QStringLiteral("12")), 12.0);
    // Signs, points and exponents without digits.
    for (const char* t : {"", "-", "+", ".", "-.", "e5", ".e5", "+-1", "--1", "\r1", "\u00A01"})
        EXPECT_EQ(numeri::val(QString::fromUtf8(t)), 0.0) << t;
    EXPECT_EQ(numeri::val(QStringLiteral("1e")), 1.0);
    EXPECT_EQ(numeri::val(QStringLiteral("1e+")), 1.0);
    EXPECT_EQ(numeri::val(QStringLiteral("2.5.1e1")), 2.5);
    EXPECT_EQ(numeri::val(QString(QChar(0)) + QStringLiteral("1")), 0.0);
    EXPECT_EQ(numeri::val(QStringLiteral("1") + QChar(0) + QStringLiteral("2")), 1.0);
}
