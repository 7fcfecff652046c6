// Feasibility sizing: areas, covered shares, annual need, optimal area and the
// cases the calculation refuses.
#include "base/unita.h"
#include "climate/datiClimatici.h"
#include "feasibility/calcoloFattib.h"
#include "feasibility/datiFattib.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

using namespace calcoli;

namespace {

IngressiFattib citta(int numero)
{
    ModKorvel::numLocalita = numero;
    ModKorvel::caricaDatiClimatici();
    IngressiFattib in;
    in.coefficienti = ModKorvel::coefficienti;
    in.durataImpianto = 20;
    in.costoCollettori = 300;
    in.costoElettricita = 5;
    in.combustibile = 1;
    in.costoCombustibile = 1;
    in.tassoSconto = 5.0F;
    in.tassoAumento = 3.0F;
    return in;
}

IngressiFattib acquaCalda(int numero, double litri, double gradi)
{
    IngressiFattib in = citta(numero);
    in.usoImpianto = 2;
    in.consumoAcqua = litri;
    in.temperaturaAcqua = gradi;
    return in;
}

IngressiFattib riscaldamento(int numero, double wattSuKelvin)
{
    IngressiFattib in = citta(numero);
    in.usoImpianto = 1;
    in.trasmittanza = wattSuKelvin * unita::megajouleOraPerWatt;
    return in;
}

// The results are large; keep them off the stack.
std::unique_ptr<RisultatiFattib> calcola(const IngressiFattib& in)
{
    auto ris = std::make_unique<RisultatiFattib>();
    const QString motivo = calcolaFattib(in, *ris);
    EXPECT_TRUE(motivo.isEmpty()) << motivo.toStdString();
    return ris;
}

} // namespace

TEST(CalcoloFattib, FabbisognoDiAcquaCalda)
{
    // 10 litres at 20 °C: L = 0.08, Q = 0.08 x 1000 x 365 / 860 = 33.95...
    EXPECT_EQ(calcola(acquaCalda(1, 10, 20))->fabbisognoAnnuo, 33);
}

TEST(CalcoloFattib, SuperficiDiProva)
{
    auto acqua = calcola(acquaCalda(1, 300, 45));
    auto caldo = calcola(riscaldamento(1, 250));
    for (int s = 1; s <= numeroSuperfici; ++s) {
        for (int k = 1; k <= numeroTipi; ++k) {
            // The running sum of 0.1 drifts; the stored area is cut to one decimal.
            ASSERT_DOUBLE_EQ(acqua->superfici[s][k], (9 + s) / 10.0) << s;
            ASSERT_EQ(caldo->superfici[s][k], 1 + s) << s;
        }
    }
    EXPECT_EQ(acqua->superfici[1000][3], 100.9);
    EXPECT_EQ(acqua->superfici[0][1], 0);
    EXPECT_EQ(acqua->percentuali[5][0], 0);
}

TEST(CalcoloFattib, QuoteCrescentiConLAreaFinoAlCentoPerCento)
{
    for (const IngressiFattib& in : {acquaCalda(1, 1000, 60), acquaCalda(64, 200, 45),
                                     riscaldamento(1, 400), riscaldamento(64, 150)}) {
        auto ris = calcola(in);
        const bool piccolo = in.consumoAcqua < 1000; // the large plant never saturates
        for (int k = 1; k <= numeroTipi; ++k) {
            for (int s = 2; s <= numeroSuperfici; ++s) {
                ASSERT_GE(ris->percentuali[s][k], ris->percentuali[s - 1][k]);
                ASSERT_GE(ris->energiaSolare[s][k], ris->energiaSolare[s - 1][k]);
            }
            if (piccolo) {
                EXPECT_EQ(ris->percentuali[numeroSuperfici][k], 100);
                EXPECT_EQ(ris->energiaSolare[numeroSuperfici][k], ris->fabbisognoAnnuo);
            }
        }
    }
    // A large need on a small area: the fit falls below 0 and gives nothing.
    auto piccola = calcola(acquaCalda(1, 1000, 60));
    EXPECT_EQ(piccola->percentuali[1][1], 0);
    EXPECT_EQ(piccola->energiaSolare[1][1], 0);
    // The selective plate loses less than the plain one at the same area.
    EXPECT_GT(piccola->percentuali[300][2], piccola->percentuali[300][1]);
}

TEST(CalcoloFattib, AreaOttimaleETassoNettoNullo)
{
    // Discount rate equal to the price increase: i = 0 and the present-worth
    // factor is the plant life.
    IngressiFattib in = acquaCalda(1, 300, 45);
    in.tassoSconto = 4.0F;
    in.tassoAumento = 4.0F;
    in.costoCombustibile = 0.5;
    const double carico = (45 - 12) * 0.001 * 300;
    const double fabbisogno = carico * 1000 * 365 / 860;
    const double prezzo = 0.5 / 6.6279069;
    const double atteso = std::floor(10 * fabbisogno * in.coefficienti[4] * prezzo * 20 / (300 + 20 * 5.0) + 0.5) / 10;
    EXPECT_EQ(calcola(in)->areaOttimale, atteso);
}

// Figures worked out apart from the program, from the towns' fits in
// src/climate/localita.tsv (tests/feasibility/valori_fattib.py): the share of the
// need each collector kind covers, cut to one decimal, the energy it delivers, the
// annual need and the optimal area, with methane as the fuel replaced.
TEST(CalcoloFattib, ValoriDiUnCalcoloIndipendente)
{
    struct Riga {
        int s;
        double superficie;
        std::array<double, 3> quote;
        std::array<double, 3> energia;
    };
    struct Caso {
        const char* nome;
        IngressiFattib in;
        double fabbisogno;
        double ottimo;
        std::vector<Riga> righe;
    };
    // Milano, 300 litres a day at 45 degrees, methane at 0.8 euro, rates 3.5 % and 2 %.
    IngressiFattib acqua = acquaCalda(17, 300, 45);
    acqua.combustibile = 2;
    acqua.costoCombustibile = 0.8;
    acqua.tassoSconto = 3.5F;
    acqua.tassoAumento = 2.0F;
    // Torino, heating a 300 W/K building, methane at 0.2 euro: the optimum carries the
    // slope of the heating fit. At 11 m² the plain plate's fit is below 0.
    IngressiFattib caldo = riscaldamento(20, 300);
    caldo.combustibile = 2;
    caldo.costoCombustibile = 0.2;
    const Caso casi[] = {
        {"acqua calda a Milano", acqua, 4201, 5.7,
         {{21, 3.0, {19.0, 34.7, 33.1}, {799, 1460, 1391}},
          {25, 3.4, {22.7, 38.4, 36.8}, {956, 1617, 1548}},
          {100, 10.9, {57.5, 73.2, 71.6}, {2418, 3079, 3010}}}},
        {"riscaldamento a Torino", caldo, 19068, 6.2,
         {{10, 11, {0, 11.6, 10.1}, {0, 2229, 1944}},
          {30, 31, {25.4, 42.4, 40.9}, {4844, 8101, 7816}},
          {60, 61, {45.5, 62.6, 61.1}, {8680, 11937, 11652}}}},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        auto ris = calcola(caso.in);
        EXPECT_EQ(ris->fabbisognoAnnuo, caso.fabbisogno);
        EXPECT_DOUBLE_EQ(ris->areaOttimale, caso.ottimo);
        for (const Riga& riga : caso.righe) {
            for (int k = 1; k <= numeroTipi; ++k) {
                SCOPED_TRACE(testing::Message() << "superficie " << riga.s << ", tipo " << k);
                EXPECT_DOUBLE_EQ(ris->superfici[riga.s][k], riga.superficie);
                EXPECT_DOUBLE_EQ(ris->percentuali[riga.s][k], riga.quote[std::size_t(k - 1)]);
                EXPECT_EQ(ris->energiaSolare[riga.s][k], riga.energia[std::size_t(k - 1)]);
            }
        }
    }
}

TEST(CalcoloFattib, ElettricitaAPrezzoDiretto)
{
    // Electricity is paid per kWh: the same energy price as gas oil at 6.6279069
    // times the price per litre.
    IngressiFattib elettricita = acquaCalda(1, 500, 50);
    elettricita.combustibile = 3;
    elettricita.costoCombustibile = 0.02;
    IngressiFattib gasolio = elettricita;
    gasolio.combustibile = 1;
    gasolio.costoCombustibile = 0.02 * 6.6279069;
    EXPECT_GT(calcola(elettricita)->areaOttimale, 0);
    EXPECT_NEAR(calcola(elettricita)->areaOttimale, calcola(gasolio)->areaOttimale, 0.1);
    IngressiFattib metano = elettricita;
    metano.combustibile = 2;
    metano.costoCombustibile = 0.02 * 7.90697975;
    EXPECT_NEAR(calcola(elettricita)->areaOttimale, calcola(metano)->areaOttimale, 0.1);
}

TEST(CalcoloFattib, AreaOttimaleNonOltreLaCoperturaTotale)
{
    // Catania, heating, gas oil at 6 euro per litre: the economic optimum lies far
    // beyond the area at which every kind already covers the whole need.
    IngressiFattib in = riscaldamento(64, 250);
    in.costoCombustibile = 6;
    auto ris = calcola(in);
    int tuttiPieni = 0;
    for (int s = 1; s <= numeroSuperfici && tuttiPieni == 0; ++s) {
        if (ris->percentuali[s][1] == 100 && ris->percentuali[s][2] == 100 && ris->percentuali[s][3] == 100)
            tuttiPieni = s;
    }
    ASSERT_GT(tuttiPieni, 0);
    EXPECT_LT(ris->superfici[tuttiPieni][1], 40);
    EXPECT_LE(ris->areaOttimale, ris->superfici[tuttiPieni][1]);
    EXPECT_GT(ris->areaOttimale, ris->superfici[tuttiPieni][1] - 1);

    // A cheap fuel keeps the optimum below the cap, where the formula stands.
    in.costoCombustibile = 0.3;
    auto economico = calcola(in);
    EXPECT_GT(economico->areaOttimale, 0);
    EXPECT_LT(economico->areaOttimale, ris->areaOttimale);
    in.costoCombustibile = 0.6;
    EXPECT_NEAR(calcola(in)->areaOttimale, 2 * economico->areaOttimale, 0.11);
}

TEST(CalcoloFattib, CasiRifiutati)
{
    struct Caso {
        const char* nome;
        IngressiFattib in;
    };
    std::vector<Caso> casi;
    auto aggiungi = [&](const char* nome, IngressiFattib in) { casi.push_back({nome, in}); };
    IngressiFattib in = acquaCalda(1, 300, 45);
    in.usoImpianto = 0;
    aggiungi("uso", in);
    aggiungi("12 gradi", acquaCalda(1, 300, 12));
    aggiungi("nessun consumo", acquaCalda(1, 0, 45));
    aggiungi("trasmittanza nulla", riscaldamento(1, 0));
    in = riscaldamento(1, 250);
    in.coefficienti[5] = 0; // reference area 0
    aggiungi("area di riferimento nulla", in);
    in = acquaCalda(1, 300, 45);
    in.coefficienti[2] = 0.2; // losses beyond the optical gain: negative reference area
    aggiungi("area di riferimento negativa", in);
    in = acquaCalda(1, 300, 45);
    in.durataImpianto = 0;
    aggiungi("durata", in);
    in = acquaCalda(1, 300, 45);
    in.combustibile = 0;
    aggiungi("combustibile", in);
    in = acquaCalda(1, 300, 45);
    in.costoCollettori = 0;
    in.costoElettricita = 0;
    aggiungi("costi", in);
    in = acquaCalda(1, 300, 45);
    in.tassoSconto = -150.0F;
    aggiungi("tasso", in);

    for (const Caso& caso : casi) {
        auto ris = std::make_unique<RisultatiFattib>();
        ris->superfici[1][1] = -7;
        ris->areaOttimale = -7;
        const QString motivo = calcolaFattib(caso.in, *ris);
        EXPECT_TRUE(motivo.startsWith(QStringLiteral("Calcolo non eseguibile: "))) << caso.nome;
        EXPECT_EQ(ris->superfici[1][1], -7) << caso.nome;
        EXPECT_EQ(ris->areaOttimale, -7) << caso.nome;
    }
}

// Typed or read from a file, a number may be as large or as small as a double holds:
// the calculation refuses what would give "inf" or no number, or hide behind a result
// that looks sound.
TEST(CalcoloFattib, ValoriFuoriScalaRifiutati)
{
    const double infinito = std::numeric_limits<double>::infinity();
    std::vector<std::pair<const char*, IngressiFattib>> casi;
    casi.push_back({"trasmittanza di 1e306 W/K", riscaldamento(16, 1e306)});
    casi.push_back({"trasmittanza di 1e-321 W/K", riscaldamento(1, 1e-321)});
    casi.push_back({"fabbisogno sotto 1 kWh", riscaldamento(1, 0.001)});
    IngressiFattib in = acquaCalda(1, 300, 45);
    in.costoCollettori = 1e308;
    in.costoElettricita = 1e308;
    casi.push_back({"costi di 1e308", in});
    in = acquaCalda(1, 300, 45);
    in.costoCombustibile = 1e308;
    casi.push_back({"combustibile a 1e308", in});
    in = acquaCalda(1, 300, 45);
    in.durataImpianto = 1e308;
    in.tassoSconto = 1.0F;
    in.tassoAumento = 5.0F; // a negative net rate over endless years
    casi.push_back({"durata senza fine", in});
    in = acquaCalda(1, 300, 45);
    in.consumoAcqua = infinito;
    casi.push_back({"consumo infinito", in});
    in = riscaldamento(1, 250);
    in.costoElettricita = std::nan("");
    casi.push_back({"costo non numerico", in});

    for (const auto& [nome, caso] : casi) {
        auto ris = std::make_unique<RisultatiFattib>();
        ris->superfici[1][1] = -7;
        ris->percentuali[1000][3] = -7;
        ris->fabbisognoAnnuo = -7;
        const QString motivo = calcolaFattib(caso, *ris);
        EXPECT_TRUE(motivo.startsWith(QStringLiteral("Calcolo non eseguibile: "))) << nome;
        EXPECT_EQ(ris->superfici[1][1], -7) << nome;
        EXPECT_EQ(ris->percentuali[1000][3], -7) << nome;
        EXPECT_EQ(ris->fabbisognoAnnuo, -7) << nome;
    }

    // Whatever is accepted, over every magnitude a double holds, is finite.
    auto ris = std::make_unique<RisultatiFattib>();
    for (int esponente = -324; esponente <= 308; esponente += 4) {
        const double x = std::pow(10.0, esponente);
        IngressiFattib prove[3] = {riscaldamento(16, x), acquaCalda(16, 300, 45), acquaCalda(16, 300, 45)};
        prove[1].costoCollettori = x;
        prove[2].costoCombustibile = x;
        for (const IngressiFattib& prova : prove) {
            if (!calcolaFattib(prova, *ris).isEmpty())
                continue;
            EXPECT_TRUE(std::isfinite(ris->areaOttimale)) << esponente;
            EXPECT_GT(ris->fabbisognoAnnuo, 0) << esponente;
            EXPECT_TRUE(std::isfinite(ris->fabbisognoAnnuo)) << esponente;
            for (int k = 1; k <= 3; ++k)
                EXPECT_TRUE(std::isfinite(ris->energiaSolare[1000][k]) && std::isfinite(ris->percentuali[1][k]))
                    << esponente;
        }
    }
}

// Stored as the window stores a sizing; a refused one leaves the results as they were.
TEST(CalcoloFattib, MemorizzaLaLocalitaScelta)
{
    IngressiFattib in = acquaCalda(64, 10, 20);
    in.durataImpianto = 15;
    in.costoCollettori = 250;
    in.costoElettricita = 3;
    in.combustibile = 2;
    in.costoCombustibile = 0.8;
    in.tassoSconto = 0.1F;
    in.tassoAumento = 0.1F;
    auto ris = calcola(in);
    memorizzaFattib(*ris);
    EXPECT_EQ(ModKorvel::fabbisognoAnnuo, 33);
    EXPECT_EQ(ModKorvel::superfici[1000][2], 100.9);
    EXPECT_EQ(ModKorvel::percentuali, ris->percentuali);
    EXPECT_EQ(ModKorvel::energiaSolare, ris->energiaSolare);
    EXPECT_EQ(ModKorvel::areaOttimale, ris->areaOttimale);

    // A refused calculation leaves the earlier results in place.
    in.temperaturaAcqua = 12;
    EXPECT_FALSE(calcolaFattib(in, *ris).isEmpty());
    EXPECT_EQ(ris->fabbisognoAnnuo, 33);
    EXPECT_EQ(ModKorvel::percentuali, ris->percentuali);
}
