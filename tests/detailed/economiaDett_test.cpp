// Economic analysis, payback, the refused cases and the stored results of the
// detailed calculation.
#include "climate/datiClimatici.h"
#include "detailed/calcoloDettagliato.h"
#include "detailed/datiDettagliato.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace calcoli;

namespace {

IngressiDett economia(double costoImpianto, double durata, int combustibile, double costoCombustibile,
                      float sconto, float inflazione, float aumento)
{
    IngressiDett in;
    in.costoImpianto = costoImpianto;
    in.durataImpiantoDett = durata;
    in.combustibileDett = combustibile;
    in.costoCombustibile = costoCombustibile;
    in.tassoScontoDett = sconto;
    in.tassoInflazione = inflazione;
    in.tassoAumentoDett = aumento;
    return in;
}

IngressiDett completo(int citta)
{
    ModKorvel::numLocalita = citta;
    ModKorvel::caricaDatiClimatici();
    IngressiDett in = economia(6000, 20, 1, 110, 5.0F, 2.0F, 3.0F);
    in.latitudine = ModKorvel::latitudine;
    in.radiazione = ModKorvel::radiazione;
    in.temperatura = ModKorvel::temperatura;
    in.gradiGiorno = ModKorvel::gradiGiorno;
    in.inclinazione = 40;
    in.azimut = 15;
    in.usoImpiantoDett = 2;
    in.consumoAcqua = 300;
    in.temperaturaRete = 12;
    in.temperaturaConsumo = 50;
    in.tipoCollettore = 3;
    in.tipoFluido = 2;
    in.superficieCaptante = 6;
    return in;
}

} // namespace

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

TEST(Economia, TabellaAnnuale)
{
    EconomiaDett eco;
    calcolaEconomia(economia(4000, 20, 3, 20, 5.0F, 2.0F, 6.0F), 2e7, eco);
    EXPECT_EQ(eco.anni, 20);
    const float aumento = float(0.06F - 0.02F) / 1.02F;
    for (int y = 1; y <= 20; ++y) {
        EXPECT_EQ(eco.costoSolare[y], eco.costoSolare[1]);
        EXPECT_EQ(eco.costoAttuale[y], std::floor(20 * std::pow(double(1 + aumento), y - 1) + 0.5));
        // Balances in euro with two decimals.
        EXPECT_NEAR(eco.bilancio[y] * 100, std::round(eco.bilancio[y] * 100), 1e-6);
    }
    EXPECT_EQ(eco.costoAttuale[21], 0);
    // Electricity: the replaced energy is valued at 3603.4 kJ per kWh.
    EXPECT_EQ(eco.costoSolare[1], std::floor(eco.costoAnnuoSolare / 2e7 * 3603.4 + 0.5));
    const double primoAnno = (20 / 3603.4) * 2e7 - eco.costoAnnuoSolare;
    EXPECT_EQ(eco.bilancio[1], std::floor(primoAnno + 0.5) / 100);
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

TEST(CalcoloDettagliato, CasiRifiutati)
{
    struct Caso {
        const char* nome;
        IngressiDett in;
    };
    std::vector<Caso> casi;
    IngressiDett in = completo(1);
    in.usoImpiantoDett = 0;
    casi.push_back({"uso 0", in});
    in = completo(1);
    in.temperaturaConsumo = in.temperaturaRete;
    casi.push_back({"fabbisogno nullo", in});
    in = completo(1);
    in.temperaturaConsumo = 20;
    in.temperaturaRete = 25;
    casi.push_back({"fabbisogno negativo", in});
    in = completo(1);
    in.usoImpiantoDett = 1;
    in.trasmittanzaDett = 0;
    casi.push_back({"trasmittanza nulla", in});
    // A need above 0 kJ that shows as 0 kWh: results would stand on nothing to cover.
    in.trasmittanzaDett = 0.0001;
    casi.push_back({"fabbisogno sotto mezzo kWh", in});
    in = completo(1);
    in.superficieCaptante = 0;
    casi.push_back({"area nulla", in});
    in = completo(1);
    in.durataImpiantoDett = 0;
    casi.push_back({"durata nulla", in});
    in = completo(1);
    in.durataImpiantoDett = 150;
    casi.push_back({"durata oltre 100 anni", in});
    in = completo(1);
    in.costoCombustibile = 0;
    casi.push_back({"combustibile gratuito", in});
    in = completo(1);
    in.tipoCollettore = 0;
    casi.push_back({"tipo di collettore", in});
    in = completo(1);
    in.tipoFluido = 3;
    casi.push_back({"fluido", in});
    in = completo(1);
    in.inclinazione = 95;
    casi.push_back({"inclinazione", in});
    in = completo(1);
    in.azimut = -60;
    casi.push_back({"azimut", in});
    in = completo(1);
    in.latitudine = 80;
    casi.push_back({"latitudine polare", in});
    in = completo(1);
    in.tassoInflazione = -100.0F;
    casi.push_back({"tassi", in});

    for (const Caso& caso : casi) {
        RisultatiDett ris;
        ris.frazioneAnnua = -7;
        ris.economia.tempoRecupero = QStringLiteral("prima");
        const QString motivo = calcolaDettagliato(caso.in, ris);
        EXPECT_TRUE(motivo.startsWith(QStringLiteral("Calcolo non eseguibile: "))) << caso.nome;
        EXPECT_EQ(ris.frazioneAnnua, -7) << caso.nome;
        EXPECT_EQ(ris.economia.tempoRecupero, QStringLiteral("prima")) << caso.nome;
    }

    // A stray azimuth on a horizontal collector does not matter.
    in = completo(1);
    in.inclinazione = 0;
    in.azimut = 60;
    RisultatiDett piano;
    EXPECT_TRUE(calcolaDettagliato(in, piano).isEmpty());

    // Both uses with equal temperatures still have the heating need.
    in = completo(1);
    in.usoImpiantoDett = 3;
    in.temperaturaConsumo = in.temperaturaRete;
    in.trasmittanzaDett = 200;
    RisultatiDett ris;
    EXPECT_TRUE(calcolaDettagliato(in, ris).isEmpty());
    // A plant life of exactly 100 years fills the whole table.
    in.durataImpiantoDett = 100;
    EXPECT_TRUE(calcolaDettagliato(in, ris).isEmpty());
    EXPECT_EQ(ris.economia.anni, 100);
}

TEST(CalcoloDettagliato, ValoriFuoriScalaRifiutati)
{
    std::vector<std::pair<const char*, IngressiDett>> casi;
    IngressiDett in = completo(1);
    in.consumoAcqua = 1e306;
    casi.push_back({"consumo di 1e306 litri", in});
    in = completo(1);
    in.costoImpianto = 1e308;
    casi.push_back({"impianto da 1e308 euro", in});
    in = completo(1);
    in.usoImpiantoDett = 1;
    in.trasmittanzaDett = 1e-321;
    casi.push_back({"trasmittanza di 1e-321 W/K", in});
    in = completo(1);
    in.costoCombustibile = 1e308;
    casi.push_back({"combustibile a 1e308 centesimi", in});
    in = completo(1);
    in.superficieCaptante = 1e308;
    casi.push_back({"area di 1e308 m²", in});
    in = completo(1);
    in.radiazione[5] = std::numeric_limits<double>::infinity();
    casi.push_back({"radiazione infinita", in});

    for (const auto& [nome, caso] : casi) {
        RisultatiDett ris;
        ris.frazioneAnnua = -7;
        ris.economia.tempoRecupero = QStringLiteral("prima");
        const QString motivo = calcolaDettagliato(caso, ris);
        EXPECT_TRUE(motivo.startsWith(QStringLiteral("Calcolo non eseguibile: "))) << nome;
        EXPECT_EQ(ris.frazioneAnnua, -7) << nome;
        EXPECT_EQ(ris.economia.tempoRecupero, QStringLiteral("prima")) << nome;
    }

    // Whatever is accepted, over every magnitude a double holds, is finite.
    for (int esponente = -324; esponente <= 308; esponente += 6) {
        const double x = std::pow(10.0, esponente);
        IngressiDett prove[4] = {completo(16), completo(16), completo(16), completo(16)};
        prove[0].consumoAcqua = x;
        prove[1].costoImpianto = x;
        prove[2].costoCombustibile = x;
        prove[3].superficieCaptante = x;
        for (const IngressiDett& prova : prove) {
            RisultatiDett ris;
            if (!calcolaDettagliato(prova, ris).isEmpty())
                continue;
            EXPECT_TRUE(std::isfinite(ris.frazioneAnnua) && std::isfinite(ris.energiaUtileAnnua)
                        && std::isfinite(ris.fabbisognoAnnuoDett))
                << esponente;
            for (int y = 1; y <= ris.economia.anni; ++y)
                EXPECT_TRUE(std::isfinite(ris.economia.bilancio[y]) && std::isfinite(ris.economia.costoSolare[y]))
                    << esponente;
            EXPECT_FALSE(ris.economia.tempoRecupero.contains(QStringLiteral("inf"))) << esponente;
            EXPECT_FALSE(ris.economia.tempoRecupero.contains(QStringLiteral("nan"))) << esponente;
        }
    }
}

TEST(CalcoloDettagliato, RisultatiTagliatiEMemorizzati)
{
    IngressiDett in = completo(64);
    in.radiazione[1] = 3600;
    in.radiazione[2] = 10000;
    const RisultatiDett ris = [&] {
        RisultatiDett r;
        EXPECT_TRUE(calcolaDettagliato(in, r).isEmpty());
        return r;
    }();
    EXPECT_EQ(ris.radOrizzontaleKwh[1], 1);
    EXPECT_EQ(ris.radOrizzontaleKwh[2], 2.778);
    for (int m = 1; m <= 12; ++m)
        EXPECT_LE(ris.angoloTramontoCollettore[m], ris.angoloTramonto[m]);

    // Storing: months, annual values, payback and only the years of this plant.
    ModKorvel::costoAttuale[21] = 77;
    ModKorvel::bilancio[21] = 77;
    memorizzaDett(ris);
    EXPECT_EQ(ModKorvel::nomeMese[1], QStringLiteral("Gen"));
    EXPECT_EQ(ModKorvel::nomeMese[8], QStringLiteral("Ago"));
    EXPECT_EQ(ModKorvel::nomeMese[12], QStringLiteral("Dic"));
    EXPECT_EQ(ModKorvel::radCollettori, ris.radCollettori);
    EXPECT_EQ(ModKorvel::prodottoTauAlfa, ris.prodottoTauAlfa);
    EXPECT_EQ(ModKorvel::energiaUtileMensile, ris.energiaUtileMensile);
    EXPECT_EQ(ModKorvel::frazioneAnnua, ris.frazioneAnnua);
    EXPECT_EQ(ModKorvel::tempoRecupero, ris.economia.tempoRecupero);
    EXPECT_EQ(ModKorvel::bilancio[20], ris.economia.bilancio[20]);
    EXPECT_EQ(ModKorvel::costoAttuale[21], 77);
    EXPECT_EQ(ModKorvel::bilancio[21], 77);
}

// Stored as the window stores a calculation; a refused one leaves the results as they were.
TEST(CalcoloDettagliato, MemorizzaLaLocalitaScelta)
{
    ModKorvel::numLocalita = 1;
    ModKorvel::caricaDatiClimatici();
    IngressiDett in = economia(3000, 15, 3, 25, 4.0F, 2.0F, 3.0F);
    in.latitudine = ModKorvel::latitudine;
    in.radiazione = ModKorvel::radiazione;
    in.temperatura = ModKorvel::temperatura;
    in.gradiGiorno = ModKorvel::gradiGiorno;
    in.inclinazione = 0;
    in.azimut = 0;
    in.usoImpiantoDett = 2;
    in.consumoAcqua = 200;
    in.temperaturaRete = 15;
    in.temperaturaConsumo = 45;
    in.tipoCollettore = 1;
    in.tipoFluido = 2;
    in.superficieCaptante = 4;
    RisultatiDett ris;
    ASSERT_TRUE(calcolaDettagliato(in, ris).isEmpty());
    memorizzaDett(ris);
    // Horizontal collector: the collector sees the horizontal radiation.
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(ModKorvel::rapportoRadiazioni[m], 1);
        EXPECT_EQ(ModKorvel::radCollettori[m], ModKorvel::radiazione[m]);
        EXPECT_EQ(ModKorvel::radOrizzontale[m], ModKorvel::radiazione[m]);
    }
    EXPECT_EQ(ModKorvel::radOrizzontale[1], 4248);
    EXPECT_EQ(ModKorvel::fabbisognoMensile[1], 216);
    EXPECT_TRUE(ModKorvel::tempoRecupero.endsWith(QStringLiteral(" anni."))
                || ModKorvel::tempoRecupero == QStringLiteral("Investimento non conveniente."));

    // A refused calculation leaves the earlier results in place.
    const auto prima = ris.frazioneMensile;
    const QString recupero = ris.economia.tempoRecupero;
    in.superficieCaptante = 0;
    EXPECT_FALSE(calcolaDettagliato(in, ris).isEmpty());
    EXPECT_EQ(ris.frazioneMensile, prima);
    EXPECT_EQ(ris.economia.tempoRecupero, recupero);
}
