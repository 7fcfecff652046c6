// Solar geometry of the detailed calculation: tables, horizontal quantities and the
// beam ratio on tilted, oriented collectors against a numeric integration over the day.
#include "detailed/calcoloDettagliato.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace calcoli;

namespace {

constexpr double pi = 3.14159265358979323846;

IngressiDett luogo(double latitudine, double inclinazione, double azimut)
{
    IngressiDett in;
    in.latitudine = latitudine;
    for (int m = 1; m <= 12; ++m)
        in.radiazione[m] = 10000 + 500 * m;
    in.inclinazione = inclinazione;
    in.azimut = azimut;
    return in;
}

// Beam ratio by brute force: the sun's direction as a vector in the local frame
// (east, north, up), the collector's normal likewise; integrate the positive part of
// their product from sunrise to sunset, and divide by the same for the horizontal.
double rapportoIntegrato(double phi, double beta, double gamma, double delta)
{
    const double nx = -std::sin(beta) * std::sin(gamma);
    const double ny = -std::sin(beta) * std::cos(gamma);
    const double nz = std::cos(beta);
    const double tramonto = std::acos(std::clamp(-std::tan(phi) * std::tan(delta), -1.0, 1.0));
    const int passi = 6000;
    const double h = 2 * tramonto / passi;
    double piano = 0;
    double orizzontale = 0;
    for (int k = 0; k <= passi; ++k) {
        const double omega = -tramonto + k * h;
        const double peso = (k == 0 || k == passi) ? 0.5 : 1.0;
        const double sx = -std::cos(delta) * std::sin(omega);
        const double sy = std::cos(phi) * std::sin(delta) - std::sin(phi) * std::cos(delta) * std::cos(omega);
        const double sz = std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(omega);
        orizzontale += peso * std::max(0.0, sz);
        piano += peso * std::max(0.0, sx * nx + sy * ny + sz * nz);
    }
    return piano / orizzontale;
}

} // namespace

TEST(Geometria, DeclinazioneSecondoCooperAiGiorniMedi)
{
    // Mean days of the months and Cooper's 23.45° sin(360° (284 + n) / 365).
    const int giorni[13] = {0, 17, 47, 75, 105, 135, 162, 198, 228, 258, 288, 318, 344};
    for (int m = 1; m <= 12; ++m) {
        const double cooper = 23.45 * std::sin(2 * pi * (284 + giorni[m]) / 365);
        EXPECT_NEAR(declinazione[m] * 180 / pi, cooper, 0.05) << "mese " << m;
    }
    EXPECT_EQ(giorniMese[2], 28);
}

TEST(Geometria, RadiazioneExtraterrestreDelLibroDiTesto)
{
    // Latitude 43°, 15 April: 33.8 MJ/m² with a solar constant of 1367 W/m²; the
    // program's 4871 kJ/m²h is 1353 W/m².
    GeometriaDett geo;
    calcolaGeometria(luogo(43, 0, 0), geo);
    EXPECT_NEAR(4871 / 3.6, 1353, 0.1);
    EXPECT_NEAR(geo.radExtraMensile[4] * 1367 / (4871 / 3.6) / 1000, 33.8, 0.05);
    // Longer days in summer, shorter in winter; the equinox months close to 90°.
    EXPECT_GT(geo.angoloTramontoRad[6], geo.angoloTramontoRad[3]);
    EXPECT_LT(geo.angoloTramontoRad[12], geo.angoloTramontoRad[9]);
    EXPECT_NEAR(geo.angoloTramontoRad[3], pi / 2, 0.05);
}

TEST(Geometria, CollettoreOrizzontaleVedeLaRadiazioneOrizzontale)
{
    // Tilt 0 forces the azimuth to 0, so a stray azimuth changes nothing.
    for (double azimut : {0.0, 30.0, -45.0}) {
        GeometriaDett geo;
        calcolaGeometria(luogo(46.466, 0, azimut), geo);
        for (int m = 1; m <= 12; ++m) {
            EXPECT_NEAR(geo.fattoreDiretta[m], 1.0, 1e-12);
            EXPECT_NEAR(geo.rapportoMedio[m], 1.0, 1e-12);
            EXPECT_NEAR(geo.radiazioneCollettore[m], 10000 + 500 * m, 1e-8);
            EXPECT_DOUBLE_EQ(geo.tramontoCollettoreRad[m], geo.angoloTramontoRad[m]);
        }
    }
}

TEST(Geometria, RapportoDirettoComeIntegraleNumerico)
{
    // South, east and west at several tilts and latitudes, every month.
    for (double latitudine : {30.0, 37.5, 42.0, 46.466, 55.0}) {
        for (double inclinazione : {5.0, 20.0, 45.0, 60.0, 75.0, 90.0}) {
            for (double azimut : {-45.0, -30.0, -10.0, 0.0, 10.0, 30.0, 45.0}) {
                GeometriaDett geo;
                calcolaGeometria(luogo(latitudine, inclinazione, azimut), geo);
                for (int m = 1; m <= 12; ++m) {
                    const double atteso = rapportoIntegrato(latitudine * gradiRadianti,
                        inclinazione * gradiRadianti, azimut * gradiRadianti, declinazione[m]);
                    ASSERT_NEAR(geo.fattoreDiretta[m], atteso, 1e-6)
                        << "latitudine " << latitudine << " inclinazione " << inclinazione
                        << " azimut " << azimut << " mese " << m;
                }
            }
        }
    }
}

TEST(Geometria, EstEOvestSimmetrici)
{
    for (double inclinazione : {30.0, 60.0, 90.0}) {
        for (double azimut : {15.0, 30.0, 45.0}) {
            GeometriaDett ovest;
            GeometriaDett est;
            calcolaGeometria(luogo(44.4, inclinazione, azimut), ovest);
            calcolaGeometria(luogo(44.4, inclinazione, -azimut), est);
            for (int m = 1; m <= 12; ++m) {
                EXPECT_NEAR(ovest.fattoreDiretta[m], est.fattoreDiretta[m], 1e-12);
                EXPECT_NEAR(ovest.radiazioneCollettore[m], est.radiazioneCollettore[m], 1e-8);
                // The day on the collector is mirrored.
                EXPECT_NEAR(ovest.tramontoCollettoreRad[m], -est.albaCollettoreRad[m], 1e-12);
                EXPECT_NEAR(ovest.albaCollettoreRad[m], -est.tramontoCollettoreRad[m], 1e-12);
            }
        }
    }
}

TEST(Geometria, CollettoreVerticaleGiratoNonPerdeMetaDellaRadiazione)
{
    // A vertical collector turned 45° gains a little over due south in summer and
    // never gets a negative ratio.
    GeometriaDett sud;
    GeometriaDett ovest;
    calcolaGeometria(luogo(46.466, 90, 0), sud);
    calcolaGeometria(luogo(46.466, 90, 45), ovest);
    EXPECT_GT(ovest.rapportoMedio[6], sud.rapportoMedio[6]);
    for (int m = 1; m <= 12; ++m) {
        EXPECT_GE(ovest.fattoreDiretta[m], 0);
        EXPECT_GT(ovest.rapportoMedio[m], 0.5 * sud.rapportoMedio[m]) << "mese " << m;
    }
}

TEST(Geometria, TramontoSulCollettore)
{
    // Turned west the collector keeps the evening sun: its sunset is the later
    // plane root, turned east the earlier one; never past the horizontal sunset.
    for (double azimut : {-45.0, -20.0, 0.0, 20.0, 45.0}) {
        for (double inclinazione : {15.0, 50.0, 90.0}) {
            GeometriaDett geo;
            calcolaGeometria(luogo(40.0, inclinazione, azimut), geo);
            for (int m = 1; m <= 12; ++m) {
                EXPECT_LE(geo.tramontoCollettoreRad[m], geo.angoloTramontoRad[m]);
                EXPECT_GE(geo.albaCollettoreRad[m], -geo.angoloTramontoRad[m]);
                if (azimut > 0) {
                    EXPECT_GE(geo.tramontoCollettoreRad[m], -geo.albaCollettoreRad[m]);
                } else if (azimut < 0) {
                    EXPECT_LE(geo.tramontoCollettoreRad[m], -geo.albaCollettoreRad[m]);
                }
            }
        }
    }
}

TEST(Geometria, ArcoCosenoNelSuoDominio)
{
    EXPECT_EQ(arcoCoseno(1.0), 0.0);
    EXPECT_EQ(arcoCoseno(1.0000001), 0.0);
    EXPECT_NEAR(arcoCoseno(-1.0000001), piGreco, 1e-12);
    EXPECT_NEAR(arcoCoseno(0.0), piGreco / 2, 1e-15);
    EXPECT_NEAR(arcoCoseno(0.5), pi / 3, 1e-7);
}
