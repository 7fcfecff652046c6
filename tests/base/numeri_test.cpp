// Numbers to texts and back, in the Italian and the C locale.
#include "base/numeri.h"
#include "base/valore.h"

#include <gtest/gtest.h>
#include <cmath>
#include <limits>

namespace {

using namespace numeri;

class Italiano : public ::testing::Test {
protected:
    void SetUp() override { impostaLocale(QLocale(QLocale::Italian, QLocale::Italy)); }
    void TearDown() override { impostaLocale(QLocale::c()); }
};

class Inglese : public ::testing::Test {
protected:
    void SetUp() override { impostaLocale(QLocale::c()); }
};

TEST_F(Italiano, PlainConversionUsesTheCommaAndNoGrouping)
{
    EXPECT_EQ(testoNumero(0.1 + 0.2), QStringLiteral("0,3"));
    EXPECT_EQ(testoNumero(2.5), QStringLiteral("2,5"));
    EXPECT_EQ(testoNumero(-2.5), QStringLiteral("-2,5"));
    EXPECT_EQ(testoNumero(1234567.5), QStringLiteral("1234567,5"));
    EXPECT_EQ(testoNumero(-0.75), QStringLiteral("-0,75"));
    EXPECT_EQ(testoNumero(0.001), QStringLiteral("0,001"));
}

TEST_F(Italiano, PlainConversionOfWholeNumbersHasNoSeparator)
{
    EXPECT_EQ(testoNumero(12.0), QStringLiteral("12"));
    EXPECT_EQ(testoNumero(0.0), QStringLiteral("0"));
    EXPECT_EQ(testoNumero(-0.0), QStringLiteral("0"));
    EXPECT_EQ(testoNumero(-300.0), QStringLiteral("-300"));
    EXPECT_EQ(testoNumero(-7), QStringLiteral("-7"));
    EXPECT_EQ(testoNumero(1234567890123LL), QStringLiteral("1234567890123"));
}

TEST_F(Italiano, PlainConversionKeepsFifteenSignificantDigits)
{
    EXPECT_EQ(testoNumero(1.0 / 3.0), QStringLiteral("0,333333333333333"));
    EXPECT_EQ(testoNumero(2.0 / 3.0), QStringLiteral("0,666666666666667"));
    EXPECT_EQ(testoNumero(123456789012345.0), QStringLiteral("123456789012345"));
    EXPECT_EQ(testoNumero(1e15), QStringLiteral("1E+15"));
    EXPECT_EQ(testoNumero(1.5e20), QStringLiteral("1,5E+20"));
    // Single precision shows its own seven digits, not the binary tail.
    EXPECT_EQ(testoNumero(0.1f), QStringLiteral("0,1"));
    EXPECT_EQ(testoNumero(1.0f / 3.0f), QStringLiteral("0,3333333"));
}

TEST_F(Italiano, EmptyValueGivesTheEmptyText)
{
    EXPECT_EQ(testoNumero(std::optional<double>()), QString());
    EXPECT_EQ(testoNumero(std::optional<double>(0.0)), QStringLiteral("0"));
    EXPECT_EQ(testoNumero(std::optional<double>(3.5)), QStringLiteral("3,5"));
}

TEST_F(Inglese, PlainConversionUsesThePointInTheCLocale)
{
    EXPECT_EQ(testoNumero(0.1 + 0.2), QStringLiteral("0.3"));
    EXPECT_EQ(testoNumero(-1234.25), QStringLiteral("-1234.25"));
    EXPECT_EQ(testoNumero(12.0), QStringLiteral("12"));
}

TEST_F(Italiano, SignedConversionAlwaysUsesAPointAndNoLeadingZero)
{
    EXPECT_EQ(testoConSegno(0.5), QStringLiteral(" .5"));
    EXPECT_EQ(testoConSegno(-0.25), QStringLiteral("-.25"));
    EXPECT_EQ(testoConSegno(12.0), QStringLiteral(" 12"));
    EXPECT_EQ(testoConSegno(0.0), QStringLiteral(" 0"));
    EXPECT_EQ(testoConSegno(-12.0), QStringLiteral("-12"));
    EXPECT_EQ(testoConSegno(1.5), QStringLiteral(" 1.5"));
    EXPECT_EQ(testoConSegno(0.01 * 7), QStringLiteral(" .07"));
}

TEST_F(Italiano, SignedTextReadsBackAsTheSameNumber)
{
    for (double x : {0.5, -0.25, 12.0, 0.0, 3.75, -0.07, 1234.5})
        EXPECT_DOUBLE_EQ(val(testoConSegno(x)), x) << testoConSegno(x).toStdString();
}

TEST_F(Italiano, PatternsGiveExactlyTheirDecimalsAndOneIntegerDigit)
{
    EXPECT_EQ(formatta(0.5, u"##0.00"), QStringLiteral("0,50"));
    EXPECT_EQ(formatta(12, u"##0.0"), QStringLiteral("12,0"));
    EXPECT_EQ(formatta(0.0, u"##0.000"), QStringLiteral("0,000"));
    EXPECT_EQ(formatta(3.14159, u"##0.000"), QStringLiteral("3,142"));
    EXPECT_EQ(formatta(1234567.891, u"###0.00"), QStringLiteral("1234567,89"));
    EXPECT_EQ(formatta(-0.5, u"##0.0"), QStringLiteral("-0,5"));
    EXPECT_EQ(formatta(7.6, u"##0"), QStringLiteral("8"));
}

TEST_F(Italiano, PatternsRoundHalvesAwayFromZeroOnTheDecimalValue)
{
    // 2.675 and 1.005 are stored just below their halves.
    EXPECT_EQ(formatta(2.675, u"##0.00"), QStringLiteral("2,68"));
    EXPECT_EQ(formatta(-1.005, u"##0.00"), QStringLiteral("-1,01"));
    EXPECT_EQ(formatta(1.25, u"##0.0"), QStringLiteral("1,3"));
    EXPECT_EQ(formatta(-1.25, u"##0.0"), QStringLiteral("-1,3"));
    EXPECT_EQ(formatta(0.0005, u"##0.000"), QStringLiteral("0,001"));
    EXPECT_EQ(formatta(0.0004999, u"##0.000"), QStringLiteral("0,000"));
    EXPECT_EQ(formatta(0.05, u"##0.0"), QStringLiteral("0,1"));
    EXPECT_EQ(formatta(123456789012.345, u"##0.00"), QStringLiteral("123456789012,35"));
}

TEST_F(Italiano, PatternRoundingCarriesIntoTheIntegerPart)
{
    EXPECT_EQ(formatta(999.995, u"##0.00"), QStringLiteral("1000,00"));
    EXPECT_EQ(formatta(9.96, u"##0.0"), QStringLiteral("10,0"));
    EXPECT_EQ(formatta(-99.95, u"##0.0"), QStringLiteral("-100,0"));
    EXPECT_EQ(formatta(0.996, u"##,##0.00"), QStringLiteral("1,00"));
}

TEST_F(Italiano, ANegativeThatRoundsToZeroHasNoSign)
{
    EXPECT_EQ(formatta(-0.004, u"##0.00"), QStringLiteral("0,00"));
    EXPECT_EQ(formatta(-0.0, u"##0.0"), QStringLiteral("0,0"));
}

TEST_F(Italiano, GroupingOnlyWhereThePatternHasIt)
{
    EXPECT_EQ(formatta(1234567.891, u"##,##0.00"), QStringLiteral("1.234.567,89"));
    EXPECT_EQ(formatta(-1234.5, u"##,##0.00"), QStringLiteral("-1.234,50"));
    EXPECT_EQ(formatta(999.5, u"##,##0.00"), QStringLiteral("999,50"));
    EXPECT_EQ(formatta(1234.5, u"##0.00"), QStringLiteral("1234,50"));
}

TEST_F(Inglese, PatternsInTheCLocale)
{
    EXPECT_EQ(formatta(2.675, u"##0.00"), QStringLiteral("2.68"));
    EXPECT_EQ(formatta(1234.5, u"##,##0.00"), QStringLiteral("1,234.50"));
    EXPECT_EQ(formatta(0.5, u"##0.000"), QStringLiteral("0.500"));
}

TEST(Val, ReadsTheLeadingNumberWithAPoint)
{
    EXPECT_DOUBLE_EQ(val(u"1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(val(u""), 0.0);
    EXPECT_DOUBLE_EQ(val(u" 12abc"), 12.0);
    EXPECT_DOUBLE_EQ(val(u"abc"), 0.0);
    EXPECT_DOUBLE_EQ(val(u"-3"), -3.0);
    EXPECT_DOUBLE_EQ(val(u".5"), 0.5);
    EXPECT_DOUBLE_EQ(val(u"-.25"), -0.25);
    EXPECT_DOUBLE_EQ(val(u"+4"), 4.0);
    EXPECT_DOUBLE_EQ(val(u"12."), 12.0);
    EXPECT_DOUBLE_EQ(val(u"."), 0.0);
    EXPECT_DOUBLE_EQ(val(u"-"), 0.0);
}

TEST(Val, ACommaEndsTheNumber)
{
    EXPECT_DOUBLE_EQ(val(u"1,5"), 1.0);
    EXPECT_DOUBLE_EQ(val(u"12,5,3"), 12.0);
}

TEST(Val, BlanksInsideTheNumberAreSkipped)
{
    EXPECT_DOUBLE_EQ(val(u"1 000"), 1000.0);
    EXPECT_DOUBLE_EQ(val(u"\t- 3"), -3.0);
    EXPECT_DOUBLE_EQ(val(u"  "), 0.0);
}

TEST(Val, ExponentOnlyWithDigitsAfterIt)
{
    EXPECT_DOUBLE_EQ(val(u"3.5e2"), 350.0);
    EXPECT_DOUBLE_EQ(val(u"2E-1"), 0.2);
    EXPECT_DOUBLE_EQ(val(u"12e"), 12.0);
    EXPECT_DOUBLE_EQ(val(u"12e+"), 12.0);
    EXPECT_DOUBLE_EQ(val(u"e5"), 0.0);
    EXPECT_DOUBLE_EQ(val(u"1e999"), 0.0) << "an overflow is no number";
}

TEST(Taglia, CutsWithTheFloorOfTheScaledValuePlusAHalf)
{
    EXPECT_DOUBLE_EQ(taglia(2.346, 2), 2.35);
    EXPECT_DOUBLE_EQ(taglia(2.344, 2), 2.34);
    EXPECT_DOUBLE_EQ(taglia(12345.6789, 3), 12345.679);
    EXPECT_DOUBLE_EQ(taglia(1.5, 0), 2.0);
    EXPECT_DOUBLE_EQ(taglia(7.0, 2), 7.0);
    EXPECT_DOUBLE_EQ(taglia(2.345, 2), 2.35);
    // The product is taken in binary, as the stored results always were:
    // 1.005 * 100 lies just below 100.5.
    EXPECT_DOUBLE_EQ(taglia(1.005, 2), 1.0);
}

TEST(Taglia, NegativeHalvesGoUp)
{
    EXPECT_DOUBLE_EQ(taglia(-1.25, 1), -1.2); // floor(-12.5 + 0.5) = -12
    EXPECT_DOUBLE_EQ(taglia(-1.26, 1), -1.3);
    EXPECT_DOUBLE_EQ(taglia(-1.5, 0), -1.0);
    EXPECT_DOUBLE_EQ(taglia(-0.04, 1), 0.0);
}

TEST(Taglia, TheLargestValuesStayFinite)
{
    const double massimo = std::numeric_limits<double>::max();
    for (const double x : {massimo, -massimo, 1e307, 1.5e306, -2e305}) {
        for (int k : {1, 2, 3}) {
            EXPECT_TRUE(std::isfinite(taglia(x, k))) << x << " " << k;
            EXPECT_EQ(taglia(x, k), x) << "no decimals to cut in " << x;
        }
    }
}

TEST_F(Italiano, TextsOfTheLargestValuesReadBackFinite)
{
    const double massimo = std::numeric_limits<double>::max();
    // Fifteen digits of these round up past the largest double.
    for (const double x : {massimo, -massimo, std::nextafter(massimo, 0.0), 1.7976931348623155e308}) {
        // Back to the point the reader takes: the signed text has it already.
        const auto comeLetto = [](QString t) {
            t.remove(QLocale(QLocale::Italian, QLocale::Italy).groupSeparator());
            return t.replace(QLatin1Char(','), QLatin1Char('.'));
        };
        for (const QString& t : {comeLetto(testoNumero(x)), testoConSegno(x), comeLetto(formatta(x, u"##,##0.00")),
                                 comeLetto(formatta(x, u"##0.0"))}) {
            const double y = val(t);
            EXPECT_TRUE(std::isfinite(y) && y != 0) << t.toStdString();
            EXPECT_NEAR(y / x, 1.0, 1e-14) << t.toStdString();
        }
    }
    EXPECT_EQ(testoNumero(massimo), QStringLiteral("1,79769313486231E+308"));
    EXPECT_EQ(testoNumero(1.79769313486231e308), QStringLiteral("1,79769313486231E+308"));
    EXPECT_EQ(testoNumero(1.7976931348623e308), QStringLiteral("1,7976931348623E+308"));
}

TEST(Valore, EmptyReadsAsZeroAndAsTheEmptyText)
{
    Valore v;
    EXPECT_TRUE(v.vuoto());
    EXPECT_FALSE(v.numero());
    EXPECT_TRUE(v == 0.0);
    EXPECT_TRUE(v == QString());
    EXPECT_EQ(v.comeTesto(), QString());
    EXPECT_EQ(QStringLiteral("a") + v.comeTesto(), QStringLiteral("a"));
}

TEST(Valore, TheLastAssignmentFixesTheKind)
{
    Valore v = 3;
    EXPECT_TRUE(v.intero());
    EXPECT_EQ(v.comeTesto(), QStringLiteral("3"));
    v = 2.5;
    EXPECT_TRUE(v.decimale());
    EXPECT_DOUBLE_EQ(v.comeNumero(), 2.5);
    v = QStringLiteral(" 12abc");
    EXPECT_TRUE(v.testo());
    EXPECT_DOUBLE_EQ(v.comeNumero(), 12.0);
    EXPECT_TRUE(v == QStringLiteral(" 12abc"));
    v.svuota();
    EXPECT_TRUE(v.vuoto());
}

TEST(Valore, AnEmptyTextIsGivenButReadsAsZero)
{
    const Valore v = "";
    EXPECT_FALSE(v.vuoto());
    EXPECT_TRUE(v == 0.0);
    EXPECT_TRUE(v == QString());
}

TEST_F(Italiano, ANumberJoinedToATextUsesThePlainConversion)
{
    const Valore v = 0.1 + 0.2;
    EXPECT_EQ(v.comeTesto(), QStringLiteral("0,3"));
    EXPECT_TRUE(v == QStringLiteral("0,3"));
    EXPECT_TRUE(Valore(-4) == -4.0);
}

} // namespace
