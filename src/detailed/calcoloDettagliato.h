#pragma once
// Detailed month-by-month calculation: solar geometry and radiation on the tilted,
// oriented collector; loads, collector parameters and f-chart fraction; economic
// analysis year by year and payback. Plain values in, plain values out; the window
// fills the inputs from its controls and stores the results with memorizzaDett.
#include <QString>
#include <array>

namespace calcoli {

using Mesi = std::array<double, 13>; // [1..12], element 0 unused
using Anni = std::array<double, 101>; // [1..100], element 0 unused

// Constants of the detailed calculation, the same for every town.
inline constexpr double piGreco = 3.1415926;
inline constexpr double gradiRadianti = 0.01745329;
inline constexpr std::array<int, 13> giorniMese{0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
inline constexpr Mesi fattoreDistanza{0,        1.0316,   1.02278,  1.00911, 0.992262,
                                      0.977421, 0.969034, 0.968168, 0.976615, 0.991162,
                                      1.00801,  1.02278,  1.03087};
inline constexpr Mesi declinazione{0,          -0.36507,  -0.2261,   -0.0421973, 0.164321,
                                   0.327981,   0.402925,  0.369725,  0.234833,   0.0386915,
                                   -0.167541,  -0.330076, -0.402292};

// Design constants of the collector systems.
inline constexpr double portataAria = 36;              // air flow per m² of collector
inline constexpr double volumeAccumulo = 0.25;         // pebble bed per m² of collector
inline constexpr double efficienzaScambiatore = 0.75;  // collector-loop heat exchanger
inline constexpr double portataLiquido = 50;           // kg per hour per m² of collector
inline constexpr double caloreSpecifico = 3.8;         // kJ per kg and K
inline constexpr double capacitaAccumulo = 75;         // litres per m² of collector
inline constexpr double rapportoScambiatoreCarico = 2; // εC/(UA) of the load heat exchanger

struct IngressiDett {
    // Climate record of the town.
    double latitudine = 0.0; // degrees north
    Mesi radiazione{};       // kJ/m² per day on the horizontal
    Mesi temperatura{};      // °C
    Mesi gradiGiorno{};      // K·day
    // Plant.
    double inclinazione = 0.0; // degrees, 0..90
    double azimut = 0.0;       // degrees, -45..45, east negative
    int usoImpiantoDett = 0;   // 1 heating, 2 hot water, 3 both
    double consumoAcqua = 0.0;       // litres per day
    double temperaturaConsumo = 0.0; // °C
    double temperaturaRete = 0.0;    // °C
    double trasmittanzaDett = 0.0;   // W/K
    int tipoCollettore = 0;          // 1..4
    int tipoFluido = 0;              // 1 air, 2 liquid
    double superficieCaptante = 0.0; // m²
    // Economics.
    double costoImpianto = 0.0;      // euro
    double durataImpiantoDett = 0.0; // years, 1..100
    int combustibileDett = 0;        // 1 gas oil, 2 methane, 3 electricity
    double costoCombustibile = 0.0;  // euro cents per fuel unit
    float tassoScontoDett = 0.0F;    // percent
    float tassoInflazione = 0.0F;    // percent
    float tassoAumentoDett = 0.0F;   // percent
};

// Working values of the solar geometry (unrounded, radians and kJ/m² per day).
struct GeometriaDett {
    Mesi angoloTramontoRad{};      // sunset hour angle on the horizontal
    Mesi radExtraMensile{};        // extraterrestrial daily radiation on the horizontal
    Mesi indiceSerenita{};         // clearness index
    Mesi frazioneDiffusa{};        // diffuse over global
    Mesi albaCollettoreRad{};      // first hour angle of the day on the collector
    Mesi tramontoCollettoreRad{};  // last hour angle of the day on the collector
    Mesi fattoreDiretta{};         // beam ratio Rb
    Mesi rapportoMedio{};          // total ratio R
    Mesi radiazioneCollettore{};   // HT
};

// FR(τα)n and FR UL (W/m²K) of a collector by fluid (1 air, other liquid) and type (1..4).
struct ParametriCollettore {
    double fattoreGuadagno;
    double fattorePerdite;
};
ParametriCollettore parametriCollettore(int tipoFluido, int tipoCollettore);

// Working values of the loads and of the f-chart.
struct CarichiDett {
    double coeffModificatore = 0.0; // b0
    double fattoreScambiatore = 0.0;
    double correzioneXGlobale = 0.0;
    Mesi correzioneXMensile{};
    double correzioneY = 0.0;
    Mesi fabbisognoMeseKj{};
    Mesi angoloIncidenzaRad{};
    Mesi rapportoTauAlfa{};
    Mesi parametroX{};
    Mesi parametroY{};
    Mesi frazioneSolare{};
    Mesi energiaUtileKj{};
    double fabbisognoAnnuoKj = 0.0;
    double energiaUtileAnnuaKj = 0.0;
};

struct EconomiaDett {
    double costoAnnuoSolare = 0.0; // euro cents per year
    double durata = 0.0;           // plant life the tables were made for, years
    double anniRecupero = 0.0;     // payback in years, unrounded; 0 when the plant does not pay
    int anni = 0;                  // years written into the tables
    // False when the collector delivers nothing: no energy to price the plant by,
    // costoSolare then holds 0 and is no cost at all.
    bool costoSolareDefinito = false;
    Anni costoAttuale{};
    Anni costoSolare{};
    Anni bilancio{};
    QString tempoRecupero;
};

// The values as stored (rounded), with the working values they come from.
struct RisultatiDett {
    Mesi radOrizzontale{};
    Mesi radCollettori{};
    Mesi rapportoRadiazioni{};
    Mesi radOrizzontaleKwh{};
    Mesi radCollettoriKwh{};
    Mesi radExtraterrestre{};
    Mesi indiceNuvolosita{};
    Mesi angoloTramonto{};
    Mesi angoloTramontoCollettore{};
    Mesi rapportoDiffusa{};
    Mesi prodottoTauAlfa{};
    Mesi angoloIncidenza{};
    Mesi fabbisognoMensile{};
    Mesi frazioneMensile{};
    Mesi energiaUtileMensile{};
    double fabbisognoAnnuoDett = 0.0;
    double frazioneAnnua = 0.0;
    double energiaUtileAnnua = 0.0;
    GeometriaDett geometria;
    CarichiDett carichi;
    EconomiaDett economia;
};

// Arc cosine as the calculation forms it (with the truncated π), argument held in [-1, 1].
double arcoCoseno(double c);

// The three stages. The geometry and the economics assume inputs that
// calcolaDettagliato has accepted.
void calcolaGeometria(const IngressiDett& in, GeometriaDett& geo);
void calcolaCarichi(const IngressiDett& in, const GeometriaDett& geo, CarichiDett& car);
void calcolaEconomia(const IngressiDett& in, double energiaUtileAnnuaKj, EconomiaDett& eco);

// " 8 anni." for 7.5 years: whole years, halves up, with the sign position.
QString testoRecupero(double anniRecupero);

// Runs the three stages. Returns "" and fills `ris` on success; otherwise returns the
// reason (Italian, for a critical message) and leaves `ris` as it was. Inputs, working
// values or results that are not finite are such a reason.
QString calcolaDettagliato(const IngressiDett& in, RisultatiDett& ris);

// Stores a result into ModKorvel's detailed results: months 1..12, the annual values,
// the payback text, the plant life and years 1..anni (later years keep their earlier
// contents).
void memorizzaDett(const RisultatiDett& ris);

} // namespace calcoli
