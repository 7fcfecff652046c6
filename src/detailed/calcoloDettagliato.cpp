// The detailed calculation as a whole: the inputs it refuses, the three stages in
// order, the rounded results and their storing.
#include "detailed/calcoloDettagliato.h"

#include "detailed/calcoloDettagliatoInterno.h"
#include "detailed/datiDettagliato.h"
#include "base/numeri.h"

#include <cmath>

namespace calcoli {

namespace dettaglio {

double intero(double x)
{
    return std::floor(x + 0.5);
}

} // namespace dettaglio

using dettaglio::carichiMensili;
using dettaglio::intero;

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
