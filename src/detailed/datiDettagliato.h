#pragma once
// Results of the detailed calculation, shared by the detailed window, its results
// window and the technical report. The inputs live in the detailed window's controls.
#include <QString>
#include <array>

namespace ModKorvel {

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
