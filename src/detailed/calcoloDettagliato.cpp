#include "detailed/calcoloDettagliato.h"

#include "detailed/datiDettagliato.h"
#include "base/numeri.h"
#include "base/unita.h"

#include <algorithm>
#include <cmath>

namespace calcoli {

namespace {

QString rifiuto(const char* motivo)
{
    return QStringLiteral("Calcolo non eseguibile: ") + QString::fromUtf8(motivo);
}

// Values beyond what a double holds would show as "inf" or as no number at all.
QString fuoriScala()
{
    return rifiuto("i valori immessi sono troppo grandi o troppo piccoli per dare risultati validi.");
}

double intero(double x)
{
    return std::floor(x + 0.5);
}

// Monthly load in kJ: hot water from the mains to the use temperature, heating from
// the degree-days, or both.
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

double energiaPerUnita(int combustibile)
{
    if (combustibile == 2)
        return 28492;  // kJ per cubic metre of methane
    if (combustibile == 3)
        return 3603.4; // kJ per kWh of electricity
    return 23883;      // kJ per litre of gas oil
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

QString testoRecupero(double anniRecupero)
{
    return numeri::testoConSegno(intero(anniRecupero)) + QStringLiteral(" anni.");
}

void calcolaEconomia(const IngressiDett& in, double energiaUtile, EconomiaDett& eco)
{
    const double energiaUnita = energiaPerUnita(in.combustibileDett);
    // The rates come as single precision and their quotients stay so.
    const float d = in.tassoScontoDett / 100;
    const float i = in.tassoInflazione / 100;
    const float e = in.tassoAumentoDett / 100;
    const float r = (d - i) / (1 + i);
    const float aumentoReale = (e - i) / (1 + i);

    const double n = in.durataImpiantoDett;
    const double costoCentesimi = in.costoImpianto * 100;
    const double crescita = r == 0 ? 0.0 : std::pow(double(1 + r), n) - 1;
    eco.costoAnnuoSolare = crescita == 0 ? costoCentesimi / n
                                         : (r + r / crescita) * in.costoImpianto * 100;
    // Without solar energy there is nothing to price per unit.
    eco.costoSolareDefinito = energiaUtile > 0;
    const double costoSolareUnita = eco.costoSolareDefinito
        ? intero((eco.costoAnnuoSolare / energiaUtile) * energiaUnita)
        : 0.0;

    eco.durata = n;
    eco.anni = std::clamp(int(std::floor(n)), 0, 100);
    double bilancioCumulato = 0;
    for (int y = 1; y <= eco.anni; ++y) {
        const double costoEnergiaAnno = in.costoCombustibile * std::pow(double(1 + aumentoReale), y - 1);
        const double risparmioAnno = (costoEnergiaAnno / energiaUnita) * energiaUtile - eco.costoAnnuoSolare;
        bilancioCumulato = risparmioAnno + bilancioCumulato;
        eco.costoAttuale[y] = intero(costoEnergiaAnno);
        eco.costoSolare[y] = costoSolareUnita;
        eco.bilancio[y] = intero(bilancioCumulato) / 100;
    }

    const float rNetto = (d - e) / (1 + e);
    const QString nonConveniente = QStringLiteral("Investimento non conveniente.");
    eco.anniRecupero = 0;
    if (!(energiaUtile > 0)) {
        eco.tempoRecupero = nonConveniente;
        return;
    }
    const double argomento = 1 - (((rNetto * in.costoImpianto * 100) * energiaUnita) / in.costoCombustibile) / energiaUtile;
    if (argomento <= 0) {
        eco.tempoRecupero = nonConveniente;
        return;
    }
    eco.anniRecupero = rNetto == 0
        ? (((in.costoImpianto * 100) * energiaUnita) / energiaUtile) / in.costoCombustibile
        : -std::log(argomento) / std::log(double(1 + rNetto));
    eco.tempoRecupero = testoRecupero(eco.anniRecupero);
}

namespace {

bool tuttoFinito(const RisultatiDett& r)
{
    const GeometriaDett& g = r.geometria;
    const CarichiDett& c = r.carichi;
    const EconomiaDett& e = r.economia;
    for (const Mesi* mesi : {&r.radOrizzontale, &r.radCollettori, &r.rapportoRadiazioni, &r.radOrizzontaleKwh,
                             &r.radCollettoriKwh, &r.radExtraterrestre, &r.indiceNuvolosita, &r.angoloTramonto,
                             &r.angoloTramontoCollettore, &r.rapportoDiffusa, &r.prodottoTauAlfa,
                             &r.angoloIncidenza, &r.fabbisognoMensile, &r.frazioneMensile,
                             &r.energiaUtileMensile, &g.angoloTramontoRad, &g.radExtraMensile,
                             &g.indiceSerenita, &g.frazioneDiffusa, &g.albaCollettoreRad,
                             &g.tramontoCollettoreRad, &g.fattoreDiretta, &g.rapportoMedio,
                             &g.radiazioneCollettore, &c.correzioneXMensile, &c.fabbisognoMeseKj,
                             &c.angoloIncidenzaRad, &c.rapportoTauAlfa, &c.parametroX, &c.parametroY,
                             &c.frazioneSolare, &c.energiaUtileKj}) {
        if (!numeri::finiti(*mesi))
            return false;
    }
    return numeri::finiti({r.fabbisognoAnnuoDett, r.frazioneAnnua, r.energiaUtileAnnua, c.coeffModificatore,
                           c.fattoreScambiatore, c.correzioneXGlobale, c.correzioneY, c.fabbisognoAnnuoKj,
                           c.energiaUtileAnnuaKj, e.costoAnnuoSolare, e.anniRecupero})
        && numeri::finiti(e.costoAttuale) && numeri::finiti(e.costoSolare) && numeri::finiti(e.bilancio);
}

} // namespace

QString calcolaDettagliato(const IngressiDett& in, RisultatiDett& ris)
{
    const int uso = in.usoImpiantoDett;
    if (uso < 1 || uso > 3)
        return rifiuto("scegliere la tipologia di impianto (riscaldamento degli ambienti, "
                       "produzione di acqua calda sanitaria o entrambi gli usi).");
    if (!(in.latitudine > 0 && in.latitudine <= 66))
        return rifiuto("la latitudine della località è fuori dal campo del calcolo.");
    if (!(in.inclinazione >= 0 && in.inclinazione <= 90))
        return rifiuto("l'inclinazione dei collettori deve essere compresa tra 0 e 90 gradi.");
    if (in.inclinazione != 0 && !(in.azimut >= -45 && in.azimut <= 45))
        return rifiuto("l'angolo azimutale dei collettori deve essere compreso tra -45 e +45 gradi.");
    if (uso != 1) {
        if (in.temperaturaConsumo < in.temperaturaRete)
            return rifiuto("la temperatura di consumo dell'acqua non può essere inferiore a "
                           "quella dell'acqua di rete.");
        if (!(in.consumoAcqua >= 0))
            return rifiuto("il consumo giornaliero d'acqua non può essere negativo.");
    }
    if (uso != 2 && !(in.trasmittanzaDett >= 0))
        return rifiuto("la trasmittanza dell'edificio non può essere negativa.");
    if (in.tipoCollettore < 1 || in.tipoCollettore > 4)
        return rifiuto("scegliere il tipo di collettori da usare per l'impianto.");
    if (in.tipoFluido < 1 || in.tipoFluido > 2)
        return rifiuto("scegliere il tipo di fluido usato nei collettori.");
    if (!(in.superficieCaptante > 0))
        return rifiuto("l'area di captazione dei collettori deve essere maggiore di zero.");
    if (!(in.durataImpiantoDett >= 1 && in.durataImpiantoDett <= 100))
        return rifiuto("la durata dell'impianto deve essere compresa tra 1 e 100 anni.");
    if (!(in.costoImpianto >= 0))
        return rifiuto("il costo dell'impianto solare non può essere negativo.");
    if (!(in.costoCombustibile > 0))
        return rifiuto("il costo del combustibile usato in alternativa deve essere maggiore di zero.");
    const float d = in.tassoScontoDett / 100;
    const float i = in.tassoInflazione / 100;
    const float e = in.tassoAumentoDett / 100;
    if (!(1 + i > 0) || !(1 + e > 0) || !(1 + (d - i) / (1 + i) > 0)
        || !(1 + (e - i) / (1 + i) > 0) || !(1 + (d - e) / (1 + e) > 0))
        return rifiuto("i tassi di sconto, di inflazione e di aumento dell'energia non danno "
                       "tassi reali validi.");
    if (!numeri::finiti({in.latitudine, in.consumoAcqua, in.temperaturaConsumo, in.temperaturaRete,
                         in.trasmittanzaDett, in.superficieCaptante, in.costoImpianto, in.costoCombustibile,
                         in.tassoScontoDett, in.tassoInflazione, in.tassoAumentoDett})
        || !numeri::finiti(in.radiazione) || !numeri::finiti(in.temperatura) || !numeri::finiti(in.gradiGiorno))
        return fuoriScala();
    Mesi carico{};
    carichiMensili(in, carico);
    double annuo = 0;
    for (int m = 1; m <= 12; ++m)
        annuo += carico[m];
    if (!numeri::finiti(carico) || !std::isfinite(annuo))
        return fuoriScala();
    // As it is stored and shown: whole kWh.
    if (!(intero(annuo / 3600) > 0))
        return rifiuto("il fabbisogno annuo di energia è nullo (controllare le temperature "
                       "dell'acqua o la trasmittanza dell'edificio).");

    // Everything is worked out aside and reaches `ris` only when it is all finite.
    RisultatiDett nuovi;
    GeometriaDett& geo = nuovi.geometria;
    CarichiDett& car = nuovi.carichi;
    calcolaGeometria(in, geo);
    calcolaCarichi(in, geo, car);
    calcolaEconomia(in, car.energiaUtileAnnuaKj, nuovi.economia);

    for (int m = 1; m <= 12; ++m) {
        const double ht = geo.radiazioneCollettore[m];
        nuovi.radOrizzontale[m] = in.radiazione[m];
        nuovi.radCollettori[m] = intero(ht);
        nuovi.rapportoRadiazioni[m] = numeri::taglia(geo.rapportoMedio[m], 2);
        nuovi.radOrizzontaleKwh[m] = numeri::taglia(in.radiazione[m] / 3600, 3);
        nuovi.radCollettoriKwh[m] = numeri::taglia(ht / 3600, 3);
        nuovi.radExtraterrestre[m] = intero(geo.radExtraMensile[m]);
        nuovi.indiceNuvolosita[m] = numeri::taglia(geo.indiceSerenita[m], 3);
        nuovi.angoloTramonto[m] = numeri::taglia(geo.angoloTramontoRad[m] / 0.01745329, 1);
        nuovi.angoloTramontoCollettore[m] = numeri::taglia(geo.tramontoCollettoreRad[m] / 0.01745329, 1);
        nuovi.rapportoDiffusa[m] = numeri::taglia(geo.frazioneDiffusa[m], 3);
        nuovi.prodottoTauAlfa[m] = numeri::taglia(car.rapportoTauAlfa[m], 3);
        nuovi.angoloIncidenza[m] = numeri::taglia(car.angoloIncidenzaRad[m] / 0.01745329, 1);
        nuovi.fabbisognoMensile[m] = intero(car.fabbisognoMeseKj[m] / 3600);
        nuovi.frazioneMensile[m] = numeri::taglia(car.frazioneSolare[m], 3);
        nuovi.energiaUtileMensile[m] = intero(car.energiaUtileKj[m] / 3600);
    }
    nuovi.fabbisognoAnnuoDett = intero(car.fabbisognoAnnuoKj / 3600);
    nuovi.frazioneAnnua = numeri::taglia(car.energiaUtileAnnuaKj / car.fabbisognoAnnuoKj, 3);
    nuovi.energiaUtileAnnua = intero(car.energiaUtileAnnuaKj / 3600);
    if (!tuttoFinito(nuovi))
        return fuoriScala();
    ris = std::move(nuovi);
    return {};
}

void memorizzaDett(const RisultatiDett& ris)
{
    static const QString mesi = QStringLiteral("GenFebMarAprMagGiuLugAgoSetOttNovDic");
    for (int m = 1; m <= 12; ++m) {
        ModKorvel::nomeMese[m] = mesi.mid(3 * m - 3, 3);
        ModKorvel::radOrizzontale[m] = ris.radOrizzontale[m];
        ModKorvel::radCollettori[m] = ris.radCollettori[m];
        ModKorvel::rapportoRadiazioni[m] = ris.rapportoRadiazioni[m];
        ModKorvel::radOrizzontaleKwh[m] = ris.radOrizzontaleKwh[m];
        ModKorvel::radCollettoriKwh[m] = ris.radCollettoriKwh[m];
        ModKorvel::radExtraterrestre[m] = ris.radExtraterrestre[m];
        ModKorvel::indiceNuvolosita[m] = ris.indiceNuvolosita[m];
        ModKorvel::angoloTramonto[m] = ris.angoloTramonto[m];
        ModKorvel::angoloTramontoCollettore[m] = ris.angoloTramontoCollettore[m];
        ModKorvel::rapportoDiffusa[m] = ris.rapportoDiffusa[m];
        ModKorvel::prodottoTauAlfa[m] = ris.prodottoTauAlfa[m];
        ModKorvel::angoloIncidenza[m] = ris.angoloIncidenza[m];
        ModKorvel::fabbisognoMensile[m] = ris.fabbisognoMensile[m];
        ModKorvel::frazioneMensile[m] = ris.frazioneMensile[m];
        ModKorvel::energiaUtileMensile[m] = ris.energiaUtileMensile[m];
    }
    ModKorvel::fabbisognoAnnuoDett = ris.fabbisognoAnnuoDett;
    ModKorvel::frazioneAnnua = ris.frazioneAnnua;
    ModKorvel::energiaUtileAnnua = ris.energiaUtileAnnua;
    ModKorvel::tempoRecupero = ris.economia.tempoRecupero;
    ModKorvel::durataCalcolata = ris.economia.durata;
    ModKorvel::costoSolareCalcolato = ris.economia.costoSolareDefinito;
    for (int y = 1; y <= ris.economia.anni; ++y) {
        ModKorvel::costoAttuale[y] = ris.economia.costoAttuale[y];
        ModKorvel::costoSolare[y] = ris.economia.costoSolare[y];
        ModKorvel::bilancio[y] = ris.economia.bilancio[y];
    }
}

} // namespace calcoli
