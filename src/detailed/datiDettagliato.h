#pragma once
// Inputs and results of the detailed calculation, shared by the detailed window,
// its results window, its data file and the technical report. The detailed window
// also writes consumoAcqua, costoCombustibile and unitaCombustibile (feasibility/datiFattib.h).
#include "feasibility/datiFattib.h"

#include <QString>
#include <array>

namespace ModKorvel {

// Inputs, written by the detailed window's handlers.
inline int usoImpiantoDett = 0;          // 1 space heating, 2 domestic hot water, 3 both; 0 none (or a feasibility use chosen)
inline double temperaturaRete = 0.0;     // mains water temperature, °C, 0..30
inline double temperaturaConsumo = 0.0;  // hot-water use temperature, °C, 20..100
inline double inclinazione = 0.0;        // collector tilt on the horizontal, degrees, 0..90
inline double azimut = 0.0;              // collector azimuth, degrees, -45..45, east negative; 0 while the tilt is 0
inline double trasmittanzaDett = 0.0;    // building transmittance, W/K as typed
inline double superficieCaptante = 0.0;  // collector area, m²
inline int tipoCollettore = 0;           // 1 one glass, 2 two glasses, 3 one glass selective, 4 two glasses selective
inline int tipoFluido = 0;               // 1 air, 2 liquid
inline double costoImpianto = 0.0;       // plant cost, euro
inline int combustibileDett = 0;         // alternative fuel: 1 gas oil, 2 methane, 3 electricity
inline double durataImpiantoDett = 0.0;  // plant life, years (the year tables hold 100)
inline float tassoScontoDett = 0.0F;     // discount rate, percent, 0.1..100 (scroll value / 100)
inline float tassoInflazione = 0.0F;     // inflation rate, percent, 0.1..100
inline float tassoAumentoDett = 0.0F;    // yearly energy-price increase, percent, 0.1..100

// Monthly results, [1..12]; element 0 unused.
inline std::array<QString, 13> nomeMese{};                 // "Gen" .. "Dic"
inline std::array<double, 13> radOrizzontale{};            // kJ/m² per day on the horizontal
inline std::array<double, 13> radCollettori{};             // kJ/m² per day on the collector, whole
inline std::array<double, 13> rapportoRadiazioni{};        // collector / horizontal, two decimals
inline std::array<double, 13> radOrizzontaleKwh{};         // kWh/m² per day, three decimals
inline std::array<double, 13> radCollettoriKwh{};          // kWh/m² per day, three decimals
inline std::array<double, 13> radExtraterrestre{};         // kJ/m² per day, whole
inline std::array<double, 13> indiceNuvolosita{};          // clearness index, three decimals
inline std::array<double, 13> angoloTramonto{};            // sunset hour angle on the horizontal, degrees, one decimal
inline std::array<double, 13> angoloTramontoCollettore{};  // sunset hour angle on the collector, degrees, one decimal
inline std::array<double, 13> rapportoDiffusa{};           // diffuse / global, three decimals
inline std::array<double, 13> prodottoTauAlfa{};           // mean (τα) over (τα) at normal incidence, three decimals
inline std::array<double, 13> angoloIncidenza{};           // mean incidence angle of the beam, degrees, one decimal
inline std::array<double, 13> fabbisognoMensile{};         // kWh, whole
inline std::array<double, 13> frazioneMensile{};           // solar fraction, three decimals
inline std::array<double, 13> energiaUtileMensile{};       // kWh, whole

// Annual results.
inline double fabbisognoAnnuoDett = 0.0; // kWh, whole
inline double frazioneAnnua = 0.0;       // three decimals
inline double energiaUtileAnnua = 0.0;   // kWh, whole

// Economics: payback text and yearly tables [1..100]; element 0 unused.
inline QString tempoRecupero;                 // " 8 anni." or "Investimento non conveniente."
inline std::array<double, 101> costoAttuale{}; // fuel price in the year, euro cents per unit, whole
inline std::array<double, 101> costoSolare{};  // cost of the solar energy, euro cents per unit replaced, whole
inline std::array<double, 101> bilancio{};     // cumulative balance at the end of the year, euro, two decimals
// The plant life the last calculation used, years (0: no calculation yet): the year
// tables hold its whole years, whatever life has been typed since.
inline double durataCalcolata = 0.0;
// False when the last calculation had no useful energy: costoSolare is then no cost.
inline bool costoSolareCalcolato = false;
// The town line of the last calculation's results: the town and its latitude.
inline QString localitaCalcolata;

// Every value of this group back to its start-up state.
inline void ripristinaDatiDettagliato()
{
    usoImpiantoDett = {};
    temperaturaRete = {};
    temperaturaConsumo = {};
    inclinazione = {};
    azimut = {};
    trasmittanzaDett = {};
    superficieCaptante = {};
    tipoCollettore = {};
    tipoFluido = {};
    costoImpianto = {};
    combustibileDett = {};
    durataImpiantoDett = {};
    tassoScontoDett = {};
    tassoInflazione = {};
    tassoAumentoDett = {};
    nomeMese = {};
    radOrizzontale = {};
    radCollettori = {};
    rapportoRadiazioni = {};
    radOrizzontaleKwh = {};
    radCollettoriKwh = {};
    radExtraterrestre = {};
    indiceNuvolosita = {};
    angoloTramonto = {};
    angoloTramontoCollettore = {};
    rapportoDiffusa = {};
    prodottoTauAlfa = {};
    angoloIncidenza = {};
    fabbisognoMensile = {};
    frazioneMensile = {};
    energiaUtileMensile = {};
    fabbisognoAnnuoDett = {};
    frazioneAnnua = {};
    energiaUtileAnnua = {};
    tempoRecupero = {};
    costoAttuale = {};
    costoSolare = {};
    bilancio = {};
    durataCalcolata = {};
    costoSolareCalcolato = {};
    localitaCalcolata = {};
}

} // namespace ModKorvel
