// Solar geometry of the detailed calculation: sunset hour angles, clearness, diffuse
// fraction and the radiation on the tilted, oriented collector.
#include "detailed/calcoloDettagliato.h"

#include <algorithm>
#include <cmath>

namespace calcoli {

double arcoCoseno(double c)
{
    if (c >= 1)
        return 0.0;
    if (c <= -1)
        return piGreco;
    return -std::atan(c / std::sqrt(-c * c + 1)) + piGreco / 2;
}

void calcolaGeometria(const IngressiDett& in, GeometriaDett& geo)
{
    const double phi = in.latitudine * gradiRadianti;
    const double sinPhi = std::sin(phi);
    const double cosPhi = std::cos(phi);
    const double tanPhi = std::tan(phi);

    Mesi somma{};
    for (int m = 1; m <= 12; ++m) {
        const double delta = declinazione[m];
        const double omegaS = arcoCoseno(-tanPhi * std::tan(delta));
        somma[m] = cosPhi * std::cos(delta) * std::sin(omegaS) + omegaS * sinPhi * std::sin(delta);
        const double h0 = ((24 / piGreco) * 4871) * fattoreDistanza[m] * somma[m];
        geo.angoloTramontoRad[m] = omegaS;
        geo.radExtraMensile[m] = h0;
        geo.indiceSerenita[m] = in.radiazione[m] / h0;
        geo.frazioneDiffusa[m] = 1 - 1.13 * geo.indiceSerenita[m];
    }

    // A horizontal collector has no orientation.
    const double azimut = in.inclinazione == 0 ? 0.0 : in.azimut;
    const double beta = in.inclinazione * gradiRadianti;
    const double sinBeta = std::sin(beta);
    const double cosBeta = std::cos(beta);
    const double tanBeta = std::tan(beta);
    const double phiBeta = phi - beta;
    const double sinPhiBeta = std::sin(phiBeta);
    const double cosPhiBeta = std::cos(phiBeta);
    const double tanPhiBeta = std::tan(phiBeta);

    if (azimut == 0) {
        for (int m = 1; m <= 12; ++m) {
            const double delta = declinazione[m];
            double omega = arcoCoseno(-tanPhiBeta * std::tan(delta));
            if (omega > geo.angoloTramontoRad[m])
                omega = geo.angoloTramontoRad[m];
            geo.fattoreDiretta[m] = (cosPhiBeta * std::cos(delta) * std::sin(omega)
                                     + omega * sinPhiBeta * std::sin(delta))
                / somma[m];
            geo.albaCollettoreRad[m] = -omega;
            geo.tramontoCollettoreRad[m] = omega;
        }
    } else {
        const double gamma = azimut * gradiRadianti;
        const double sinGamma = std::sin(gamma);
        const double cosGamma = std::cos(gamma);
        const double tanGamma = std::tan(gamma);
        const bool verticale = in.inclinazione == 90;
        const double a = verticale ? sinPhi / tanGamma
                                   : (cosPhi / sinGamma) / tanBeta + sinPhi / tanGamma;
        for (int m = 1; m <= 12; ++m) {
            const double delta = declinazione[m];
            const double sinDelta = std::sin(delta);
            const double cosDelta = std::cos(delta);
            const double omegaS = geo.angoloTramontoRad[m];
            const double b = verticale
                ? (std::tan(delta) * cosPhi) / tanGamma
                : std::tan(delta) * (cosPhi / tanGamma - (sinPhi / sinGamma) / tanBeta);
            const double radice = std::sqrt(std::max(0.0, a * a - b * b + 1));
            const double n = a * a + 1;
            const double c1 = (a * b + radice) / n;
            const double c2 = (a * b - radice) / n;
            const double limite1 = std::min(omegaS, arcoCoseno(c1));
            const double limite2 = std::min(omegaS, arcoCoseno(c2));
            // Turned west the plane loses the early morning and keeps the sun into the
            // evening; turned east the other way round.
            const double alba = gamma > 0 ? -limite1 : -limite2;
            const double tramonto = gamma > 0 ? limite2 : limite1;
            const double t1 = (cosBeta * sinDelta * sinPhi - sinDelta * cosPhi * sinBeta * cosGamma)
                * (tramonto - alba);
            const double t2 = (cosPhi * cosDelta * cosBeta + cosDelta * sinPhi * sinBeta * cosGamma)
                * (std::sin(tramonto) - std::sin(alba));
            const double t3 = cosDelta * sinBeta * sinGamma * (std::cos(tramonto) - std::cos(alba));
            const double d = 2 * (cosPhi * cosDelta * std::sin(omegaS) + omegaS * sinPhi * sinDelta);
            geo.albaCollettoreRad[m] = alba;
            geo.tramontoCollettoreRad[m] = tramonto;
            geo.fattoreDiretta[m] = ((t1 + t2) - t3) / d;
        }
    }

    for (int m = 1; m <= 12; ++m) {
        geo.fattoreDiretta[m] = std::max(0.0, geo.fattoreDiretta[m]);
        const double diffusa = geo.frazioneDiffusa[m];
        const double termine = (diffusa * (1 + cosBeta)) / 2;
        geo.rapportoMedio[m] = (1 - diffusa) * geo.fattoreDiretta[m] + termine
            + (0.2 * (1 - cosBeta)) / 2;
        geo.radiazioneCollettore[m] = geo.rapportoMedio[m] * in.radiazione[m];
    }
}

} // namespace calcoli
