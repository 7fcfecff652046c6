#pragma once
// Inputs and results of the feasibility calculation, shared by the feasibility
// window, its results window, its data file and the technical report.
#include <QString>
#include <array>

namespace ModKorvel {

// Inputs, written by the feasibility window's handlers.
inline int usoImpianto = 0;            // 1 space heating, 2 domestic hot water; 0 none (or a detailed use chosen)
inline double consumoAcqua = 0.0;      // litres of hot water per day, 10..32000 (shared with the detailed window)
inline double temperaturaAcqua = 0.0;  // hot-water use temperature, °C, 20..100
inline double trasmittanza = 0.0;      // building transmittance in W/K already times 0.0036 (MJ per hour and K)
inline double durataImpianto = 0.0;    // plant life, years
inline double costoCollettori = 0.0;   // euro per m² of collector
inline double costoElettricita = 0.0;  // euro per year per m² of collector
inline int combustibile = 0;           // alternative fuel: 1 gas oil, 2 methane, 3 electricity
inline QString unitaCombustibile;      // "l. di gasolio", "mc. di metano", "kwh di elettricità" (shared with the detailed window)
inline double costoCombustibile = 0.0; // euro per fuel unit here; euro cents in the detailed window, which shares it
inline float tassoSconto = 0.0F;       // discount rate, percent, 0.1..100 (scroll value / 100)
inline float tassoAumento = 0.0F;      // yearly energy-price increase, percent, 0.1..100

// Results: [s][k] with trial area s = 1..1000 and collector kind k = 1..3; row 0 and column 0 unused.
inline std::array<std::array<double, 4>, 1001> superfici{};     // m², one decimal
inline std::array<std::array<double, 4>, 1001> percentuali{};   // share of the annual need, percent, truncated to one decimal
inline std::array<std::array<double, 4>, 1001> energiaSolare{}; // kWh per year, whole
inline double fabbisognoAnnuo = 0.0; // kWh per year, whole
inline double areaOttimale = 0.0;    // m², one decimal

// The unit fuel i (1 gas oil, 2 methane, 3 electricity) is priced in, in both
// calculation windows; "" for none.
inline QString unitaDelCombustibile(int combustibile)
{
    switch (combustibile) {
    case 1: return QStringLiteral("l. di gasolio");
    case 2: return QStringLiteral("mc. di metano");
    case 3: return QStringLiteral("kwh di elettricità");
    default: return QString();
    }
}

// Every value of this group back to its start-up state.
inline void ripristinaDatiFattib()
{
    usoImpianto = {};
    consumoAcqua = {};
    temperaturaAcqua = {};
    trasmittanza = {};
    durataImpianto = {};
    costoCollettori = {};
    costoElettricita = {};
    combustibile = {};
    unitaCombustibile = {};
    costoCombustibile = {};
    tassoSconto = {};
    tassoAumento = {};
    superfici = {};
    percentuali = {};
    energiaSolare = {};
    fabbisognoAnnuo = {};
    areaOttimale = {};
}

} // namespace ModKorvel
