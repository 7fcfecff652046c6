#pragma once
// Results of the feasibility calculation, shared by the feasibility window, its
// results window and the technical report. The inputs live in the feasibility
// window's controls.
#include <QString>
#include <array>

namespace ModKorvel {

// Results: [s][k] with trial area s = 1..1000 and collector kind k = 1..3; row 0 and column 0 unused.
inline std::array<std::array<double, 4>, 1001> superfici{};     // m², one decimal
inline std::array<std::array<double, 4>, 1001> percentuali{};   // share of the annual need, percent, truncated to one decimal
inline std::array<std::array<double, 4>, 1001> energiaSolare{}; // kWh per year, whole
inline double fabbisognoAnnuo = 0.0; // kWh per year, whole
inline double areaOttimale = 0.0;    // m², one decimal

// Every value of this group back to its start-up state.
inline void ripristinaDatiFattib()
{
    superfici = {};
    percentuali = {};
    energiaSolare = {};
    fabbisognoAnnuo = {};
    areaOttimale = {};
}

} // namespace ModKorvel
