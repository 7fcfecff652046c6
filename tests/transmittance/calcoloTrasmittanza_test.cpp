// Overall transmittance: element totals, the surface-coefficient correction, the
// elements that count, and the number texts the window shows.
#include "transmittance/calcoloTrasmittanza.h"
#include "transmittance/datiTrasmittanza.h"

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

IngressiTrasmittanza ingressi(std::initializer_list<Elemento> elementi, std::optional<double> esterno = 29,
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
    return in;
}

// The three figures as the window shows them.
QStringList testi(const RisultatiTrasmittanza& r)
{
    return {testoCalcolato(r.correzione), testoCalcolato(r.totale), testoCalcolato(r.complessiva)};
}

} // namespace

TEST(CalcoloTrasmittanza, OneExternalWallWithTheDefaultCoefficients)
{
    const auto r = calcolaTrasmittanza(ingressi({{1, 1, "Muratura con intercapedine", "10", "1.31"}}));
    EXPECT_EQ(testi(r), (QStringList{"2.11", "13.1", "1005.21"}));
    EXPECT_EQ(r.totali[1][1], 13.1);
    EXPECT_EQ(r.numPeriferici, 1);
    EXPECT_EQ(r.numInterni, 0);
}

TEST(CalcoloTrasmittanza, VariantsOfTheCoefficientsAndTheAirChange)
{
    const Elemento muro{1, 1, "Muratura con intercapedine", "10", "1.31"};
    EXPECT_EQ(testi(calcolaTrasmittanza(ingressi({muro}, std::nullopt))), (QStringList{"0", "13.1", "1003.1"}))
        << "external coefficient emptied";
    EXPECT_EQ(testi(calcolaTrasmittanza(ingressi({muro}, 29, std::nullopt))), (QStringList{"0", "13.1", "1003.1"}));
    EXPECT_EQ(testi(calcolaTrasmittanza(ingressi({muro}, 0.0))), (QStringList{"0", "13.1", "1003.1"}))
        << "a coefficient of 0 cannot divide";
    EXPECT_EQ(testi(calcolaTrasmittanza(ingressi({muro}, 29, 8.9, 0))), (QStringList{"2.11", "13.1", "15.21"}))
        << "equiv emptied";
    EXPECT_EQ(testi(calcolaTrasmittanza(ingressi({}))), (QStringList{"0", "0", "990"})) << "no element";
}

TEST(CalcoloTrasmittanza, TotalsAreHundredthsRoundedHalfUp)
{
    const auto r = calcolaTrasmittanza(ingressi({{1, 1, "a", "1", "0.125"},
                                                 {1, 2, "b", "12.5", "1.31"},
                                                 {2, 1, "c", "12", "6"}},
                                                std::nullopt));
    EXPECT_EQ(r.totali[1][1], 0.13);
    EXPECT_EQ(r.totali[1][2], 16.38);
    EXPECT_EQ(r.totali[2][1], 72.0);
    EXPECT_EQ(testoCalcolato(r.totale), QStringLiteral("88.51"));
}

// The correction covers every external element that has a type, an area and a unit
// value, whatever order they were entered in or which one was edited last.
TEST(CalcoloTrasmittanza, CorrectionSkipsElementsItCannotCorrectAndStopsAtNone)
{
    const Elemento primo{1, 1, "Muratura con intercapedine", "10", "1.31"};
    const Elemento terzo{1, 3, "Vetrate", "12", "6"};
    const auto due = calcolaTrasmittanza(ingressi({primo, terzo}));
    // Vetrate 72 less hundredths(12 x 3.18971...) = 38.28.
    EXPECT_EQ(testi(due), (QStringList{"35.83", "85.1", "1110.93"}));

    const auto senzaArea = calcolaTrasmittanza(ingressi({primo, {1, 2, "Pilastri", "", "2.1"}, terzo}));
    EXPECT_EQ(testi(senzaArea), testi(due)) << "element 2 without area neither stops nor changes anything";
    EXPECT_FALSE(senzaArea.totali[1][2]);
    EXPECT_EQ(senzaArea.numPeriferici, 3) << "types count, areas do not";

    const auto unitaZero = calcolaTrasmittanza(
        ingressi({primo, {1, 2, "digitato", "5", ""}, {1, 4, "zero", "5", "0"}, terzo}));
    EXPECT_EQ(testi(unitaZero), testi(due)) << "no unit value: total 0 and no correction";
    EXPECT_EQ(unitaZero.totali[1][2], 0.0);

    // Internal elements get no correction.
    const auto interno = calcolaTrasmittanza(ingressi({primo, {2, 1, "Porta", "2", "3"}}));
    EXPECT_EQ(testi(interno), (QStringList{"2.11", "19.1", "1011.21"}));
}

TEST(CalcoloTrasmittanza, OnlyElementsWithATypeCount)
{
    const auto r = calcolaTrasmittanza(ingressi({{1, 1, "Muratura con intercapedine", "10", "1.31"},
                                                 {1, 2, "", "100", "6"},
                                                 {2, 3, "", "50", "3"}}));
    EXPECT_EQ(testi(r), (QStringList{"2.11", "13.1", "1005.21"}));
    EXPECT_FALSE(r.totali[1][2]);
    EXPECT_FALSE(r.totali[2][3]);
    EXPECT_EQ(r.numPeriferici, 1);
    EXPECT_EQ(r.numInterni, 0);
}

TEST(CalcoloTrasmittanza, AllTwentyElementsOfBothGroups)
{
    IngressiTrasmittanza in = ingressi({}, std::nullopt);
    for (int g = 1; g <= 2; ++g) {
        for (int i = 1; i <= 20; ++i) {
            in.tipologia[g][i] = QStringLiteral("Pilastri");
            in.area[g][i] = QString::number(i);
            in.unitaria[g][i] = QStringLiteral("2.1");
        }
    }
    const auto r = calcolaTrasmittanza(in);
    EXPECT_EQ(r.numPeriferici, 20);
    EXPECT_EQ(r.numInterni, 20);
    EXPECT_EQ(testoCalcolato(r.totale), QStringLiteral("882")) << "2.1 x 210 x 2";
    EXPECT_EQ(r.totali[2][20], 42.0);
}

TEST(CalcoloTrasmittanza, StoredIntoTheElementTable)
{
    ModKorvel::trasTotale[1][5] = 99.0;
    const auto r = calcolaTrasmittanza(ingressi({{1, 2, "Vetrate", "2", "6"}, {2, 1, "Porta", "1", "3"}}));
    memorizzaTrasmittanza(r);
    EXPECT_EQ(ModKorvel::trasTotale[1][2], 12.0);
    EXPECT_EQ(ModKorvel::trasTotale[2][1], 3.0);
    EXPECT_FALSE(ModKorvel::trasTotale[1][5]) << "a total the calculation did not give goes";
    EXPECT_EQ(ModKorvel::numPeriferici, 1);
    EXPECT_EQ(ModKorvel::numInterni, 1);
}

TEST(CalcoloTrasmittanza, InputsFromTheElementTableAndTheBoxes)
{
    ModKorvel::tipologiaElem[1][1] = QStringLiteral("Vetrate");
    ModKorvel::areaElem[1][1] = QStringLiteral("12");
    ModKorvel::trasUnitaria[1][1] = QStringLiteral("6");
    const auto in = ingressiTrasmittanzaDaModulo(QString(), QStringLiteral("8.9"), QStringLiteral("990"));
    EXPECT_FALSE(in.esterno);
    EXPECT_EQ(in.interno, 8.9);
    EXPECT_EQ(in.ricambi, 990);
    EXPECT_EQ(testi(calcolaTrasmittanza(in)), (QStringList{"0", "72", "1062"}));
}

TEST(CalcoloTrasmittanza, NumberTextsWithAPointAndNoExponent)
{
    EXPECT_EQ(testoCalcolato(0.1 + 0.2), QStringLiteral("0.3"));
    EXPECT_EQ(testoCalcolato(1005.2100000000001), QStringLiteral("1005.21"));
    EXPECT_EQ(testoCalcolato(-0.0), QStringLiteral("0"));
    EXPECT_EQ(testoCalcolato(1.31), QStringLiteral("1.31"));
    EXPECT_EQ(testoCalcolato(6), QStringLiteral("6"));
    EXPECT_EQ(testoCalcolato(123456789012345678.0), QStringLiteral("123456789012346000"));
    EXPECT_EQ(testoCalcolato(0.000001), QStringLiteral("0.000001"));
    EXPECT_EQ(testoCalcolato(std::numeric_limits<double>::infinity()), QString());
}

TEST(CalcoloTrasmittanza, ElementListsSkipGapsAndTheTypeLists)
{
    ModKorvel::tipologiaElem[1][1] = QStringLiteral("a");
    ModKorvel::tipologiaElem[1][3] = QStringLiteral("b");
    ModKorvel::tipologiaElem[1][20] = QStringLiteral("c");
    EXPECT_EQ(elementiConTipo(1), (std::vector<int>{1, 3, 20}));
    EXPECT_TRUE(elementiConTipo(2).empty());
    EXPECT_TRUE(elementiConTipo(0).empty());

    ASSERT_EQ(tipiElemento(1).size(), 11U);
    ASSERT_EQ(tipiElemento(2).size(), 5U);
    EXPECT_EQ(tipiElemento(1)[1].nome, QStringLiteral("Orizzontamenti tra piano e piano"));
    EXPECT_EQ(tipiElemento(2)[1].nome, QStringLiteral("Orizzontamenti fra piano e piano"));
    EXPECT_EQ(tipiElemento(1)[10].nome, QStringLiteral("Portoni in legno, doppi infissi"));
    EXPECT_EQ(tipiElemento(1)[10].unitaria, 2.51);
    EXPECT_EQ(tipiElemento(2)[4].unitaria, 1.64);
    EXPECT_TRUE(tipiElemento(3).empty());
}
