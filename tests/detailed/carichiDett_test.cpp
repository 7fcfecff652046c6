// Loads, collector parameters and the f-chart fraction of the detailed calculation.
#include "climate/datiClimatici.h"
#include "detailed/calcoloDettagliato.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace calcoli;

namespace {

IngressiDett impianto(int citta, int uso, int fluido)
{
    ModKorvel::numLocalita = citta;
    ModKorvel::caricaDatiClimatici();
    IngressiDett in;
    in.latitudine = ModKorvel::latitudine;
    in.radiazione = ModKorvel::radiazione;
    in.temperatura = ModKorvel::temperatura;
    in.gradiGiorno = ModKorvel::gradiGiorno;
    in.inclinazione = 45;
    in.usoImpiantoDett = uso;
    in.consumoAcqua = 200;
    in.temperaturaRete = 15;
    in.temperaturaConsumo = 45;
    in.trasmittanzaDett = 250;
    in.tipoCollettore = 1;
    in.tipoFluido = fluido;
    in.superficieCaptante = 10;
    in.costoImpianto = 8000;
    in.durataImpiantoDett = 20;
    in.combustibileDett = 1;
    in.costoCombustibile = 120;
    in.tassoScontoDett = 5.0F;
    in.tassoInflazione = 2.0F;
    in.tassoAumentoDett = 3.0F;
    return in;
}

RisultatiDett calcola(const IngressiDett& in)
{
    RisultatiDett ris;
    const QString motivo = calcolaDettagliato(in, ris);
    EXPECT_TRUE(motivo.isEmpty()) << motivo.toStdString();
    return ris;
}

} // namespace

TEST(Carichi, FabbisogniPerUso)
{
    // 200 litres a day from 15 °C to 45 °C in January: 4.19 x 30 x 200 x 31 kJ = 216 kWh.
    const RisultatiDett acqua = calcola(impianto(1, 2, 2));
    EXPECT_EQ(acqua.fabbisognoMensile[1], 216);
    EXPECT_NEAR(acqua.carichi.fabbisognoMeseKj[1], 4.19 * 30 * 200 * 31, 1e-6);
    EXPECT_NEAR(acqua.carichi.fabbisognoMeseKj[2], 4.19 * 30 * 200 * 28, 1e-6);

    IngressiDett in = impianto(1, 2, 2);
    in.trasmittanzaDett = 999; // ignored for hot water alone
    EXPECT_EQ(calcola(in).carichi.fabbisognoMeseKj, acqua.carichi.fabbisognoMeseKj);

    in = impianto(1, 1, 2);
    const RisultatiDett caldo = calcola(in);
    in.consumoAcqua = 5000; // ignored for heating alone
    in.temperaturaConsumo = 90;
    EXPECT_EQ(calcola(in).carichi.fabbisognoMeseKj, caldo.carichi.fabbisognoMeseKj);
    // Bolzano in January: 595.2 degree-days x 250 W/K x 86.4 kJ per Wh-day.
    EXPECT_NEAR(caldo.carichi.fabbisognoMeseKj[1], 595.2 * 250 * 3.6 * 24, 1e-6);
    EXPECT_EQ(caldo.carichi.fabbisognoMeseKj[7], 0); // no degree-days in July

    const RisultatiDett entrambi = calcola(impianto(1, 3, 2));
    for (int m = 1; m <= 12; ++m)
        EXPECT_NEAR(entrambi.carichi.fabbisognoMeseKj[m],
                    acqua.carichi.fabbisognoMeseKj[m] + caldo.carichi.fabbisognoMeseKj[m], 1e-6);
    EXPECT_NEAR(entrambi.carichi.fabbisognoAnnuoKj,
                acqua.carichi.fabbisognoAnnuoKj + caldo.carichi.fabbisognoAnnuoKj, 1e-4);
}

TEST(Carichi, ParametriDeiCollettori)
{
    EXPECT_EQ(parametriCollettore(2, 3).fattoreGuadagno, 0.85);
    EXPECT_EQ(parametriCollettore(2, 3).fattorePerdite, 4.5);
    EXPECT_EQ(parametriCollettore(1, 4).fattoreGuadagno, 0.5);
    EXPECT_EQ(parametriCollettore(1, 4).fattorePerdite, 2.5);
    EXPECT_EQ(parametriCollettore(2, 2).fattorePerdite, 5);
    EXPECT_EQ(parametriCollettore(1, 1).fattorePerdite, 5);
    EXPECT_EQ(parametriCollettore(1, 3).fattorePerdite, 3);

    for (int tipo = 1; tipo <= 4; ++tipo) {
        IngressiDett in = impianto(1, 2, 2);
        in.tipoCollettore = tipo;
        EXPECT_EQ(calcola(in).carichi.coeffModificatore, tipo == 1 || tipo == 3 ? 0.17 : 0.19);
    }
}

TEST(Carichi, CorrezioniAlleCostantiDiProgetto)
{
    // Air: flow and pebble-bed corrections are 1 at the design constants.
    const RisultatiDett aria = calcola(impianto(1, 1, 1));
    EXPECT_EQ(aria.carichi.correzioneXGlobale, 1);
    EXPECT_EQ(aria.carichi.correzioneY, 1);
    EXPECT_EQ(aria.carichi.fattoreScambiatore, 1);
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(aria.carichi.correzioneXMensile[m], 1);

    // Liquid heating: the load heat exchanger's correction of Y.
    const RisultatiDett liquido = calcola(impianto(1, 1, 2));
    EXPECT_NEAR(liquido.carichi.correzioneY, 0.99636, 1e-5);
    EXPECT_EQ(liquido.carichi.correzioneXGlobale, 1);
    EXPECT_EQ(calcola(impianto(1, 3, 2)).carichi.correzioneY, liquido.carichi.correzioneY);

    // Liquid hot water: Y uncorrected.
    EXPECT_EQ(calcola(impianto(1, 2, 2)).carichi.correzioneY, 1);
}

TEST(Carichi, FrazioneTraZeroEUno)
{
    for (int fluido : {1, 2}) {
        // A dull January: the loss group outweighs the gain group and the
        // correlation goes negative.
        IngressiDett in = impianto(1, 1, fluido);
        in.radiazione[1] = 400;
        const RisultatiDett piccolo = calcola(in);
        for (int m = 1; m <= 12; ++m) {
            EXPECT_GE(piccolo.carichi.frazioneSolare[m], 0);
            EXPECT_LE(piccolo.carichi.frazioneSolare[m], 1);
        }
        const double x = piccolo.carichi.parametroX[1];
        const double y = piccolo.carichi.parametroY[1];
        const double grezza = fluido == 1
            ? 1.04 * y - 0.065 * x - 0.159 * y * y + 0.00187 * x * x - 0.0095 * y * y * y
            : 1.029 * y - 0.065 * x - 0.245 * y * y + 0.0018 * x * x + 0.0215 * y * y * y;
        EXPECT_LT(grezza, 0);
        EXPECT_EQ(piccolo.frazioneMensile[1], 0);
        EXPECT_EQ(piccolo.energiaUtileMensile[1], 0);
        // A month without load: X = Y = 0, nothing useful.
        EXPECT_EQ(piccolo.carichi.parametroX[7], 0);
        EXPECT_EQ(piccolo.carichi.parametroY[7], 0);
        EXPECT_EQ(piccolo.carichi.frazioneSolare[7], 0);
    }
    // A very large liquid field covers every month with a load.
    IngressiDett in = impianto(64, 3, 2);
    in.superficieCaptante = 5000;
    const RisultatiDett grande = calcola(in);
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(grande.frazioneMensile[m], 1) << m;
        EXPECT_EQ(grande.carichi.energiaUtileKj[m], grande.carichi.fabbisognoMeseKj[m]);
    }
    EXPECT_EQ(grande.frazioneAnnua, 1);
}

TEST(Carichi, FrazioneLiquidoCresceConLArea)
{
    for (int uso = 1; uso <= 3; ++uso) {
        IngressiDett in = impianto(20, uso, 2);
        in.superficieCaptante = 1;
        RisultatiDett prima = calcola(in);
        for (double area = 2; area <= 400; area *= 1.25) {
            in.superficieCaptante = area;
            const RisultatiDett dopo = calcola(in);
            for (int m = 1; m <= 12; ++m)
                ASSERT_GE(dopo.carichi.frazioneSolare[m], prima.carichi.frazioneSolare[m])
                    << "uso " << uso << " area " << area << " mese " << m;
            ASSERT_GE(dopo.carichi.energiaUtileAnnuaKj, prima.carichi.energiaUtileAnnuaKj);
            prima = dopo;
        }
    }
}

TEST(Carichi, FrazioneAriaOltreIlMassimoDellaCorrelazione)
{
    // Bolzano, heating of a 300 W/K building, air collectors with two glasses, tilt
    // 50° south. In May the raw cubic gives 0.80 at 10 m², 0.34 at 30 m², 0 at 60 m²;
    // a larger collector must never deliver less, so past the maximum it holds.
    IngressiDett in = impianto(1, 1, 1);
    in.tipoCollettore = 2;
    in.inclinazione = 50;
    in.trasmittanzaDett = 300;
    auto grezza = [](double x, double y) {
        return 1.04 * y - 0.065 * x - 0.159 * y * y + 0.00187 * x * x - 0.0095 * y * y * y;
    };
    in.superficieCaptante = 10;
    const RisultatiDett dieci = calcola(in);
    const double x = dieci.carichi.parametroX[5] / 10; // per m²
    const double y = dieci.carichi.parametroY[5] / 10;
    EXPECT_NEAR(grezza(30 * x, 30 * y), 0.34, 0.005);
    EXPECT_LT(grezza(60 * x, 60 * y), 0);
    // Below the maximum the correlation stands as written.
    EXPECT_NEAR(dieci.carichi.frazioneSolare[5], grezza(10 * x, 10 * y), 1e-12);
    EXPECT_EQ(dieci.frazioneMensile[5], 0.802);

    RisultatiDett prima = dieci;
    double massimo = 0;
    for (double area = 11; area <= 200; area += 1) {
        in.superficieCaptante = area;
        const RisultatiDett dopo = calcola(in);
        for (int m = 1; m <= 12; ++m)
            ASSERT_GE(dopo.carichi.frazioneSolare[m], prima.carichi.frazioneSolare[m] - 1e-12)
                << "area " << area << " mese " << m;
        massimo = std::max(massimo, dopo.carichi.frazioneSolare[5]);
        prima = dopo;
    }
    for (double area : {30.0, 60.0}) {
        in.superficieCaptante = area;
        EXPECT_NEAR(calcola(in).carichi.frazioneSolare[5], massimo, 1e-9);
    }
    // The maximum of the cubic along the area, found by brute force.
    double cima = 0;
    for (double a = 0; a <= 60; a += 0.001)
        cima = std::max(cima, grezza(a * x, a * y));
    EXPECT_NEAR(massimo, cima, 1e-6);
}

TEST(Carichi, RapportoTauAlfaConIModificatoriNeiLoroLimiti)
{
    // (τα) over (τα)n is the mean of the three modifiers weighted by the beam,
    // sky-diffuse and ground-reflected shares of R. A modifier never goes below 0:
    // at a low tilt the ground is seen at a grazing angle, where 1 - b0 (1/cos - 1)
    // would be strongly negative.
    auto modificatore = [](double b0, double gradi) {
        const double coseno = std::cos(gradi * gradiRadianti);
        return std::clamp(1 - b0 * (1 / coseno - 1), 0.0, 1.0);
    };
    for (int tipo : {1, 2}) {
        const double b0 = tipo == 1 ? 0.17 : 0.19;
        for (double inclinazione : {0.0, 5.0, 12.0, 30.0, 60.0, 90.0}) {
            IngressiDett in = impianto(40, 2, 2);
            in.tipoCollettore = tipo;
            in.inclinazione = inclinazione;
            const RisultatiDett ris = calcola(in);
            const double phi = in.latitudine * gradiRadianti;
            const double beta = inclinazione * gradiRadianti;
            const double riflessa = modificatore(b0, 89.8 - 0.5788 * inclinazione
                                                         + 0.002693 * inclinazione * inclinazione);
            const double diffusa = modificatore(b0, 60);
            if (inclinazione <= 12) {
                EXPECT_EQ(riflessa, 0) << inclinazione;
            }
            for (int m = 1; m <= 12; ++m) {
                const double delta = declinazione[m];
                // Beam incidence at 37.5° from noon on a south plane of the same tilt.
                const double coseno = std::cos(phi - beta) * std::cos(delta) * std::cos(37.5 * gradiRadianti)
                    + std::sin(phi - beta) * std::sin(delta);
                EXPECT_NEAR(ris.carichi.angoloIncidenzaRad[m], std::acos(coseno), 1e-12);
                const double diretta = std::clamp(1 - b0 * (1 / coseno - 1), 0.0, 1.0);
                const double d = ris.geometria.frazioneDiffusa[m];
                const double pesoDiretta = (1 - d) * ris.geometria.fattoreDiretta[m];
                const double pesoDiffusa = d * (1 + std::cos(beta)) / 2;
                const double pesoRiflessa = 0.2 * (1 - std::cos(beta)) / 2;
                const double atteso = (pesoDiretta * diretta + pesoDiffusa * diffusa + pesoRiflessa * riflessa)
                    / (pesoDiretta + pesoDiffusa + pesoRiflessa);
                ASSERT_NEAR(ris.carichi.rapportoTauAlfa[m], atteso, 1e-12)
                    << "tipo " << tipo << " inclinazione " << inclinazione << " mese " << m;
                EXPECT_GE(ris.carichi.rapportoTauAlfa[m], 0);
                EXPECT_LE(ris.carichi.rapportoTauAlfa[m], 1);
                EXPECT_NEAR(ris.prodottoTauAlfa[m], atteso, 0.0005 + 1e-12);
            }
        }
    }
}
