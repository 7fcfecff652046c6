// Overall transmittance: the worked example and its variants, the elements the
// correction covers, the elements that count, and the number texts the window shows.
#include "transmittance/calcoloTrasmittanza.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <limits>

using namespace calcoli;

namespace {

struct Elemento {
    int gruppo;
    int numero;
    const char* tipo;
    const char* area;
    const char* unitaria;
};

// The correction, the sum and the overall value as the window shows them.
QStringList calcola(std::initializer_list<Elemento> elementi, std::optional<double> esterno = 29,
                    std::optional<double> interno = 8.9, double ricambi = 990)
{
    IngressiTrasmittanza in;
    for (const Elemento& e : elementi) {
        in.tipologia[e.gruppo][e.numero] = QString::fromUtf8(e.tipo);
        in.area[e.gruppo][e.numero] = QString::fromUtf8(e.area);
        in.unitaria[e.gruppo][e.numero] = QString::fromUtf8(e.unitaria);
    }
    in.esterno = esterno;
    in.interno = interno;
    in.ricambi = ricambi;
    const RisultatiTrasmittanza r = calcolaTrasmittanza(in);
    return {testoCalcolato(r.correzione), testoCalcolato(r.totale), testoCalcolato(r.complessiva)};
}

const Elemento muro{1, 1, "Muratura con intercapedine", "10", "1.31"};
const Elemento vetrata{1, 3, "Vetrate", "12", "6"};

} // namespace

TEST(CalcoloTrasmittanza, TheWorkedExampleAndItsVariants)
{
    EXPECT_EQ(calcola({muro}), (QStringList{"2.11", "13.1", "1005.21"}));
    EXPECT_EQ(calcola({muro}, std::nullopt), (QStringList{"0", "13.1", "1003.1"})) << "traes emptied";
    EXPECT_EQ(calcola({muro}, 29, std::nullopt), (QStringList{"0", "13.1", "1003.1"}));
    EXPECT_EQ(calcola({muro}, 0.0), (QStringList{"0", "13.1", "1003.1"})) << "a coefficient of 0 cannot divide";
    EXPECT_EQ(calcola({muro}, 29, 8.9, 0), (QStringList{"2.11", "13.1", "15.21"})) << "equiv emptied";
    EXPECT_EQ(calcola({}), (QStringList{"0", "0", "990"}));
    EXPECT_EQ(calcola({{1, 1, "a", "1", "0.125"}, {2, 1, "b", "12.5", "1.31"}}, std::nullopt),
              (QStringList{"0", "16.51", "1006.51"}))
        << "totals are hundredths rounded half up: 0.13 and 16.38";
}

// Every external element with a type, an area and a unit value is corrected, whatever
// order they were entered in; one that cannot be is skipped, not a stop.
TEST(CalcoloTrasmittanza, TheCorrectionSkipsWhatItCannotCorrect)
{
    const QStringList due = calcola({muro, vetrata});
    EXPECT_EQ(due, (QStringList{"35.83", "85.1", "1110.93"})) << "Vetrate: 72 less hundredths(12 x 3.1897)";
    EXPECT_EQ(calcola({muro, {1, 2, "Pilastri", "", "2.1"}, vetrata}), due) << "element 2 without area";
    EXPECT_EQ(calcola({muro, {1, 2, "digitato", "5", ""}, {1, 4, "zero", "5", "0"}, vetrata}), due)
        << "no unit value: total 0, nothing to correct";
    EXPECT_EQ(calcola({muro, {2, 1, "Porta", "2", "3"}}), (QStringList{"2.11", "19.1", "1011.21"}))
        << "internal elements are not corrected";
}

TEST(CalcoloTrasmittanza, OnlyElementsWithATypeCount)
{
    IngressiTrasmittanza in;
    in.esterno = 29;
    in.interno = 8.9;
    in.tipologia[1][1] = QStringLiteral("Pilastri");
    in.tipologia[2][20] = QStringLiteral("Porta");
    in.area[1][2] = in.area[2][3] = QStringLiteral("100");
    in.unitaria[1][2] = in.unitaria[2][3] = QStringLiteral("6");
    const RisultatiTrasmittanza r = calcolaTrasmittanza(in);
    EXPECT_EQ(r.numPeriferici, 1) << "a type without area counts";
    EXPECT_EQ(r.numInterni, 1);
    EXPECT_FALSE(r.totali[1][1]) << "no area: no total";
    EXPECT_FALSE(r.totali[1][2]) << "no type: no total";
    EXPECT_FALSE(r.totali[2][3]);
    EXPECT_EQ(r.totale, 0.0);
    EXPECT_EQ(r.correzione, 0.0);
}

TEST(CalcoloTrasmittanza, NumberTextsWithAPointAndNoExponent)
{
    EXPECT_EQ(testoCalcolato(0.1 + 0.2), QStringLiteral("0.3"));
    EXPECT_EQ(testoCalcolato(1005.2100000000001), QStringLiteral("1005.21"));
    EXPECT_EQ(testoCalcolato(-0.0), QStringLiteral("0"));
    EXPECT_EQ(testoCalcolato(6), QStringLiteral("6"));
    EXPECT_EQ(testoCalcolato(123456789012345678.0), QStringLiteral("123456789012346000"));
    EXPECT_EQ(testoCalcolato(0.000001), QStringLiteral("0.000001"));
    EXPECT_EQ(testoCalcolato(std::numeric_limits<double>::infinity()), QString());
}
