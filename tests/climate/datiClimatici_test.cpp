// The town table and the climate record loaded from it.
#include "climate/datiClimatici.h"

#include <gtest/gtest.h>

#include <array>

using namespace ModKorvel;

namespace {

constexpr double tolleranza = 1e-9;

void carica(int n)
{
    numLocalita = n;
    caricaDatiClimatici();
}

// Column sums over the 64 towns: a guard against an edited or shifted table.
struct SommeColonne {
    double latitudine = 0;
    std::array<double, 13> radiazione{};
    std::array<double, 13> temperatura{};
    std::array<double, 9> coefficienti{};
};

SommeColonne sommaTutteLeLocalita()
{
    SommeColonne s;
    for (int n = 1; n <= 64; ++n) {
        carica(n);
        s.latitudine += latitudine;
        for (int m = 1; m <= 12; ++m) {
            s.radiazione[m] += radiazione[m];
            s.temperatura[m] += temperatura[m];
        }
        for (int k = 1; k <= 8; ++k)
            s.coefficienti[k] += coefficienti[k];
    }
    return s;
}

} // namespace

TEST(TabellaLocalita, ColumnChecksums)
{
    const SommeColonne s = sommaTutteLeLocalita();
    EXPECT_NEAR(s.latitudine, 2787.8557, tolleranza);

    const std::array<double, 13> radiazioneAttesa{0,       358658,  543235,  807392, 1053522, 1275302, 1382078,
                                                  1365980, 1177185, 919205, 629089,  389263,  290602};
    const std::array<double, 13> temperaturaAttesa{0,      385.8,  521.6,  782.7, 1027.2, 1276.6, 1481.2,
                                                   1581.9, 1468.7, 1210.4, 898.2, 596.3,  419.6};
    for (int m = 1; m <= 12; ++m) {
        EXPECT_DOUBLE_EQ(s.radiazione[m], radiazioneAttesa[m]) << "radiation, month " << m;
        EXPECT_NEAR(s.temperatura[m], temperaturaAttesa[m], tolleranza) << "temperature, month " << m;
    }

    const std::array<double, 9> coefficientiAttesi{0,       12.9818, 3.27168, 32.8759, 19.0140,
                                                   883.602, 4.22464, 35.0961, 18.7683};
    for (int k = 1; k <= 8; ++k)
        EXPECT_NEAR(s.coefficienti[k], coefficientiAttesi[k], tolleranza) << "coefficient " << k;
}

TEST(TabellaLocalita, NamesInTableOrder)
{
    caricaLocalita();
    EXPECT_EQ(totaleLocalita, 64);
    EXPECT_EQ(localita[0], QString());
    EXPECT_EQ(localita[1], QStringLiteral("Bolzano"));
    EXPECT_EQ(localita[17], QStringLiteral("Milano"));
    EXPECT_EQ(localita[31], QStringLiteral("La Spezia"));
    EXPECT_EQ(localita[44], QStringLiteral("Ascoli Piceno"));
    EXPECT_EQ(localita[49], QStringLiteral("L'Aquila"));
    EXPECT_EQ(localita[64], QStringLiteral("Catania"));

    // Calling it again rewrites the same values.
    localita[17] = QStringLiteral("x");
    caricaLocalita();
    EXPECT_EQ(localita[17], QStringLiteral("Milano"));
}

TEST(TabellaLocalita, EveryTownNumberOutsideTheTableMeansTownOne)
{
    for (int n : {-1, 0, 65, 1000})
        EXPECT_EQ(localitaValida(n), 1) << n;
    for (int n : {1, 2, 63, 64})
        EXPECT_EQ(localitaValida(n), n);
}

TEST(DatiClimatici, NoTownOrOutOfRangeLoadsBolzano)
{
    for (int n : {0, 65, -3}) {
        carica(17); // something else first, so the load must overwrite it
        carica(n);
        EXPECT_DOUBLE_EQ(latitudine, 46.466) << n;
        EXPECT_DOUBLE_EQ(radiazione[1], 4248) << n;
        EXPECT_DOUBLE_EQ(temperatura[1], 0.8) << n;
        EXPECT_NEAR(coefficienti[9], 2840.6, tolleranza) << n;
    }
    EXPECT_EQ(numLocalita, -3) << "the chosen number itself is left as it was";
}

TEST(DatiClimatici, DegreeDaysOfBolzano)
{
    carica(1);
    const std::array<double, 13> attesi{0, 595.2, 450.8, 325.5, 213, 52.7, 0, 0, 0, 51, 198.4, 396, 558};
    for (int m = 1; m <= 12; ++m)
        EXPECT_NEAR(gradiGiorno[m], attesi[m], tolleranza) << "month " << m;
    EXPECT_NEAR(coefficienti[9], 2840.6, tolleranza);
    EXPECT_DOUBLE_EQ(coefficienti[1], 0.2261);
    EXPECT_DOUBLE_EQ(coefficienti[8], 0.2933);
}

TEST(DatiClimatici, DegreeDaysOfCataniaNeverNegative)
{
    carica(64);
    const std::array<double, 13> attesi{0, 244.9, 201.6, 161.2, 78, 0, 0, 0, 0, 0, 0, 84, 192.2};
    for (int m = 1; m <= 12; ++m)
        EXPECT_NEAR(gradiGiorno[m], attesi[m], tolleranza) << "month " << m;
    EXPECT_NEAR(coefficienti[9], 961.9, tolleranza);
}

TEST(DatiClimatici, DegreeDaysFollowTheDaysOfEachMonth)
{
    carica(38); // Ancona: May exactly 20 °C
    EXPECT_DOUBLE_EQ(temperatura[5], 20);
    EXPECT_EQ(gradiGiorno[5], 0.0);
    EXPECT_FALSE(std::signbit(gradiGiorno[5]));
    EXPECT_NEAR(gradiGiorno[2], (20 - 8.8) * 28, tolleranza) << "February counts 28 days";
    EXPECT_NEAR(gradiGiorno[4], (20 - 15.7) * 30, tolleranza);
    EXPECT_NEAR(gradiGiorno[11], (20 - 12.6) * 30, tolleranza);
    EXPECT_NEAR(gradiGiorno[12], (20 - 8.6) * 31, tolleranza);

    for (int n = 1; n <= 64; ++n) {
        carica(n);
        double somma = 0;
        for (int m = 1; m <= 12; ++m) {
            EXPECT_GE(gradiGiorno[m], 0.0) << "town " << n << " month " << m;
            somma += gradiGiorno[m];
        }
        EXPECT_NEAR(coefficienti[9], somma, tolleranza) << "town " << n;
    }
}

TEST(DatiClimatici, LoadingAnotherTownLeavesNothingOfThePreviousOne)
{
    carica(17);
    const double lat17 = latitudine;
    const auto rad17 = radiazione, tem17 = temperatura, gg17 = gradiGiorno;
    const auto coeff17 = coefficienti;

    carica(1);
    carica(17);
    EXPECT_DOUBLE_EQ(latitudine, 45.433);
    EXPECT_EQ(latitudine, lat17);
    EXPECT_EQ(radiazione, rad17);
    EXPECT_EQ(temperatura, tem17);
    EXPECT_EQ(gradiGiorno, gg17);
    EXPECT_EQ(coefficienti, coeff17);
    EXPECT_DOUBLE_EQ(radiazione[12], 2520);
    EXPECT_DOUBLE_EQ(temperatura[7], 27.7);
    EXPECT_DOUBLE_EQ(coefficienti[5], 25.946);
}

TEST(DatiClimatici, EachLoadIsCounted)
{
    const int prima = caricamentiClimatici;
    carica(5);
    carica(5);
    EXPECT_EQ(caricamentiClimatici, prima + 2);
}
