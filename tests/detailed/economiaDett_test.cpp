// Economic analysis and payback of the detailed calculation.
#include "detailed/calcoloDettagliato.h"

#include "detailed/ingressiDett.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace calcoli;
using ingressiDett::economia;

TEST(Economia, TestoDelTempoDiRecupero)
{
    EXPECT_EQ(testoRecupero(7.5), QStringLiteral(" 8 anni."));
    EXPECT_EQ(testoRecupero(7.49), QStringLiteral(" 7 anni."));
    EXPECT_EQ(testoRecupero(12.2), QStringLiteral(" 12 anni."));
}

TEST(Economia, TassoRealeNullo)
{
    // Discount rate equal to inflation: the yearly capital cost is the plant cost in
    // cents over the plant life.
    EconomiaDett eco;
    calcolaEconomia(economia(5000, 25, 1, 100, 3.0F, 3.0F, 4.0F), 1e6, eco);
    EXPECT_DOUBLE_EQ(eco.costoAnnuoSolare, 5000 * 100 / 25.0);
    // Otherwise the capital recovery factor, with the real rate in single precision.
    calcolaEconomia(economia(5000, 25, 1, 100, 6.0F, 1.0F, 4.0F), 1e6, eco);
    const float r = (0.06F - 0.01F) / 1.01F;
    EXPECT_NEAR(eco.costoAnnuoSolare, (r + r / (std::pow(double(1 + r), 25) - 1)) * 500000, 1e-6);
}

TEST(Economia, RecuperoSenzaTassoNetto)
{
    // Discount rate equal to the energy-price increase: the payback is the plant cost
    // over the first year's value of the fuel replaced. 100000 cents against 12500
    // cents a year of gas oil at 125 cents per litre: 8 years.
    EconomiaDett eco;
    calcolaEconomia(economia(1000, 20, 1, 125, 4.0F, 2.0F, 4.0F), 100 * 23883.0, eco);
    EXPECT_EQ(eco.tempoRecupero, QStringLiteral(" 8 anni."));
}

TEST(Economia, RecuperoComeValoreAttualeDeiRisparmi)
{
    // The payback is the number of years whose savings, discounted at the rate net
    // of the energy-price increase, pay for the plant. Gas oil at 100 cents, 200
    // litres a year replaced: 20000 cents a year. A plant costing the present worth
    // of exactly 8 such years pays back in 8 years; at 8.6 years' worth, in 9.
    const float netto = (0.07F - 0.02F) / 1.02F;
    const double valoreAnno = 20000;
    auto valoreAttuale = [&](double anni) {
        return valoreAnno * (1 - std::pow(double(1 + netto), -anni)) / double(netto);
    };
    EconomiaDett eco;
    calcolaEconomia(economia(valoreAttuale(8) / 100, 20, 1, 100, 7.0F, 1.0F, 2.0F), 200 * 23883.0, eco);
    EXPECT_EQ(eco.tempoRecupero, QStringLiteral(" 8 anni."));
    calcolaEconomia(economia(valoreAttuale(8.6) / 100, 20, 1, 100, 7.0F, 1.0F, 2.0F), 200 * 23883.0, eco);
    EXPECT_EQ(eco.tempoRecupero, QStringLiteral(" 9 anni."));
    // A plant worth more than every future year's savings together never pays back.
    calcolaEconomia(economia(valoreAnno / double(netto) / 100 * 1.01, 20, 1, 100, 7.0F, 1.0F, 2.0F),
                    200 * 23883.0, eco);
    EXPECT_EQ(eco.tempoRecupero, QStringLiteral("Investimento non conveniente."));
}

// Figures worked out apart from the program (tests/detailed/valori_dettagliato.py):
// methane gives 6800 kcal a cubic metre and electricity 860 kcal a kWh, at 4.19 kJ a
// kcal. 6000 euro over 20 years, rates 3.5, 2 and 3 %, 1.2e7 kJ of solar energy a year.
TEST(Economia, TabellaERecuperoDelMetanoEDellElettricita)
{
    EconomiaDett eco;
    calcolaEconomia(economia(6000, 20, 2, 85, 3.5F, 2.0F, 3.0F), 1.2e7, eco);
    EXPECT_EQ(eco.anni, 20);
    for (int y = 1; y <= 20; ++y)
        EXPECT_EQ(eco.costoSolare[y], 83) << y; // cents per cubic metre, every year
    EXPECT_EQ(eco.costoAttuale[1], 85);
    EXPECT_EQ(eco.costoAttuale[2], 86);
    EXPECT_EQ(eco.costoAttuale[10], 93);
    EXPECT_EQ(eco.costoAttuale[20], 102);
    EXPECT_EQ(eco.costoAttuale[21], 0);
    // Balances in euro with two decimals.
    EXPECT_DOUBLE_EQ(eco.bilancio[1], 9.53);
    EXPECT_DOUBLE_EQ(eco.bilancio[2], 22.58);
    EXPECT_DOUBLE_EQ(eco.bilancio[10], 257.47);
    EXPECT_DOUBLE_EQ(eco.bilancio[20], 898.43);
    EXPECT_EQ(eco.tempoRecupero, QStringLiteral(" 18 anni.")); // 17.52 years

    calcolaEconomia(economia(6000, 20, 3, 20, 3.5F, 2.0F, 3.0F), 1.2e7, eco);
    EXPECT_EQ(eco.costoSolare[1], 10); // cents per kWh
    EXPECT_DOUBLE_EQ(eco.bilancio[1], 317.58);
    EXPECT_EQ(eco.tempoRecupero, QStringLiteral(" 9 anni.")); // 9.23 years
}

TEST(Economia, ArrotondamentoAlleMetaAncheNegative)
{
    // r = 0 and e' = 0: each year saves the fuel price less plant cost / life.
    // 2.5 euro over 2 years is 125 cents a year; fuel of 2.5 cents replaced once
    // (useful energy = one litre of gas oil): the balance is -122.5 cents, then -245.
    EconomiaDett eco;
    calcolaEconomia(economia(2.5, 2, 1, 2.5, 3.0F, 3.0F, 3.0F), 23883, eco);
    ASSERT_EQ(eco.costoAnnuoSolare, 125);
    ASSERT_EQ((2.5 / 23883) * 23883 - 125, -122.5);
    EXPECT_EQ(eco.bilancio[1], -1.22); // floor(-122.5 + 0.5) / 100
    EXPECT_EQ(eco.bilancio[2], -2.45);
    EXPECT_EQ(eco.costoAttuale[1], 3); // floor(2.5 + 0.5)
}

TEST(Economia, InvestimentoNonConveniente)
{
    EconomiaDett eco;
    calcolaEconomia(economia(50000, 20, 2, 30, 8.0F, 2.0F, 1.0F), 1e5, eco);
    EXPECT_EQ(eco.tempoRecupero, QStringLiteral("Investimento non conveniente."));
    EXPECT_EQ(eco.anni, 20); // the table is filled all the same

    // No useful energy at all: no unit cost and no division.
    calcolaEconomia(economia(5000, 10, 1, 100, 5.0F, 5.0F, 5.0F), 0, eco);
    EXPECT_EQ(eco.tempoRecupero, QStringLiteral("Investimento non conveniente."));
    EXPECT_EQ(eco.costoSolare[1], 0);
    EXPECT_EQ(eco.bilancio[10], -5000);
    for (int y = 1; y <= 10; ++y)
        EXPECT_TRUE(std::isfinite(eco.bilancio[y]));
}
