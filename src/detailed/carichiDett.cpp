// Loads, collector parameters and the f-chart fraction of the detailed calculation.
#include "detailed/calcoloDettagliato.h"

#include "detailed/calcoloDettagliatoInterno.h"
#include "base/unita.h"

#include <algorithm>
#include <cmath>

namespace calcoli {

namespace dettaglio {

void carichiMensili(const IngressiDett& in, Mesi& carico)
{
    const int uso = in.usoImpiantoDett;
    Mesi acqua{};
    for (int m = 1; m <= 12; ++m) {
        if (uso != 1) {
            acqua[m] = ((4.19 * (in.temperaturaConsumo - in.temperaturaRete)) * in.consumoAcqua)
                * giorniMese[m];
            carico[m] = acqua[m];
        }
        if (uso != 2)
            carico[m] = ((in.gradiGiorno[m] * in.trasmittanzaDett) * unita::kilojouleOraPerWatt) * 24;
        if (uso != 1 && uso != 2)
            carico[m] = acqua[m] + carico[m];
    }
}

} // namespace dettaglio

using dettaglio::carichiMensili;

namespace {

// Incidence-angle modifier 1 - b0 (1/cos θ - 1), held within [0, 1]; nothing passes
// the cover once the rays graze or come from behind.
double modificatore(double b0, double cosTheta)
{
    if (!(cosTheta > 0))
        return 0.0;
    return std::clamp(1 - b0 * ((1 / cosTheta) - 1), 0.0, 1.0);
}

double frazioneAria(double x, double y)
{
    return 1.04 * y - 0.065 * x - 0.159 * (y * y) + 0.00187 * (x * x) - 0.0095 * (y * y * y);
}

double frazioneLiquido(double x, double y)
{
    return 1.029 * y - 0.065 * x - 0.245 * (y * y) + 0.0018 * (x * x) + 0.0215 * (y * y * y);
}

// The air correlation is a cubic in the area (X and Y both grow with it) that turns
// down past its range; a larger collector never delivers less, so past the area of
// the maximum the fraction stays at the maximum. x and y are X and Y per m².
double areaEfficaceAria(double area, double x, double y)
{
    const double p = 1.04 * y - 0.065 * x;
    const double q = -0.159 * (y * y) + 0.00187 * (x * x);
    const double r = -0.0095 * (y * y * y);
    if (!(r < 0))
        return area;
    // f'(a) = p + 2 q a + 3 r a²; with r < 0 its larger root is where f stops growing.
    const double discriminante = q * q - 3 * r * p;
    if (discriminante < 0)
        return area;
    const double massimo = (-q - std::sqrt(discriminante)) / (3 * r);
    return massimo > 0 && area > massimo ? massimo : area;
}

} // namespace

ParametriCollettore parametriCollettore(int tipoFluido, int tipoCollettore)
{
    const bool nonSelettiva = tipoCollettore == 1 || tipoCollettore == 2;
    const bool unVetro = tipoCollettore == 1 || tipoCollettore == 3;
    if (tipoFluido == 1) {
        if (nonSelettiva)
            return unVetro ? ParametriCollettore{0.6, 5} : ParametriCollettore{0.5, 3.5};
        return unVetro ? ParametriCollettore{0.6, 3} : ParametriCollettore{0.5, 2.5};
    }
    if (nonSelettiva)
        return unVetro ? ParametriCollettore{0.85, 7.5} : ParametriCollettore{0.75, 5};
    return unVetro ? ParametriCollettore{0.85, 4.5} : ParametriCollettore{0.75, 3.5};
}

void calcolaCarichi(const IngressiDett& in, const GeometriaDett& geo, CarichiDett& car)
{
    Mesi& carico = car.fabbisognoMeseKj;
    carico = {};
    carichiMensili(in, carico);

    // Incidence-angle modifiers of the diffuse parts.
    const double b0 = in.tipoCollettore == 1 || in.tipoCollettore == 3 ? 0.17 : 0.19;
    const double incl = in.inclinazione;
    const double thetaRiflessa = ((89.8 - 0.5788 * incl) + (0.002693 * incl) * incl) * gradiRadianti;
    const double thetaDiffusa = 60 * gradiRadianti;
    const double modRiflessa = modificatore(b0, std::cos(thetaRiflessa));
    const double modDiffusa = modificatore(b0, std::cos(thetaDiffusa));

    const double phi = in.latitudine * gradiRadianti;
    const double beta = incl * gradiRadianti;
    const double cosBeta = std::cos(beta);
    const double sinPhiBeta = std::sin(phi - beta);
    const double cosPhiBeta = std::cos(phi - beta);
    const double cosOra = std::cos(37.5 * gradiRadianti);
    for (int m = 1; m <= 12; ++m) {
        const double delta = declinazione[m];
        const double c = cosPhiBeta * std::cos(delta) * cosOra + sinPhiBeta * std::sin(delta);
        const double s = std::sqrt(std::max(0.0, 1 - c * c));
        const double theta = c > 0 ? std::atan(s / c) : std::atan2(s, c);
        const double modDiretta = modificatore(b0, std::cos(theta));
        const double d = geo.frazioneDiffusa[m];
        const double rb = geo.fattoreDiretta[m];
        const double r = geo.rapportoMedio[m];
        car.angoloIncidenzaRad[m] = theta;
        car.rapportoTauAlfa[m] = r > 0
            ? ((1 - d) * rb / r) * modDiretta + ((d * (1 + cosBeta) / 2) / r) * modDiffusa
                + ((0.2 * (1 - cosBeta) / 2) / r) * modRiflessa
            : 0.0;
    }

    const ParametriCollettore collettore = parametriCollettore(in.tipoFluido, in.tipoCollettore);
    const bool aria = in.tipoFluido == 1;
    car.coeffModificatore = b0;
    car.fattoreScambiatore = 1;
    car.correzioneY = 1;
    if (aria) {
        car.correzioneXGlobale = std::pow(portataAria / 36, 0.28);
        for (int m = 1; m <= 12; ++m)
            car.correzioneXMensile[m] = std::pow(volumeAccumulo / 0.25, -0.3);
    } else {
        car.fattoreScambiatore = 1
            / (1 + ((((collettore.fattorePerdite / caloreSpecifico) / 1000) / portataLiquido) * 3600)
                   * ((1 / efficienzaScambiatore) - 1));
        car.correzioneXGlobale = std::sqrt(std::sqrt(75 / capacitaAccumulo));
        if (in.usoImpiantoDett == 1 || in.usoImpiantoDett == 3) {
            car.correzioneY = (std::exp(-0.139 / rapportoScambiatoreCarico) * 0.65) + 0.39;
            for (int m = 1; m <= 12; ++m)
                car.correzioneXMensile[m] = 1;
        } else {
            for (int m = 1; m <= 12; ++m) {
                const double ta = in.temperatura[m];
                car.correzioneXMensile[m] = (((11.6 + 1.18 * in.temperaturaConsumo)
                                              + 3.86 * in.temperaturaRete)
                                             - 2.32 * ta)
                    / (100 - ta);
            }
        }
    }

    car.fabbisognoAnnuoKj = 0;
    car.energiaUtileAnnuaKj = 0;
    for (int m = 1; m <= 12; ++m) {
        double fattoreX = 0;
        double fattoreY = 0;
        if (carico[m] != 0) {
            fattoreX = (car.fattoreScambiatore * collettore.fattorePerdite * (100 - in.temperatura[m])
                        * car.correzioneXGlobale * car.correzioneXMensile[m] * giorniMese[m] * 86.4)
                / carico[m];
            fattoreY = (car.fattoreScambiatore * collettore.fattoreGuadagno * car.rapportoTauAlfa[m]
                        * geo.radiazioneCollettore[m] * giorniMese[m] * car.correzioneY)
                / carico[m];
        }
        const double area = aria ? areaEfficaceAria(in.superficieCaptante, fattoreX, fattoreY)
                                 : in.superficieCaptante;
        const double x = fattoreX * area;
        const double y = fattoreY * area;
        car.parametroX[m] = x;
        car.parametroY[m] = y;
        const double f = std::clamp(aria ? frazioneAria(x, y) : frazioneLiquido(x, y), 0.0, 1.0);
        car.frazioneSolare[m] = f;
        car.fabbisognoAnnuoKj += carico[m];
        car.energiaUtileKj[m] = carico[m] * f;
        car.energiaUtileAnnuaKj += car.energiaUtileKj[m];
    }
}

} // namespace calcoli
