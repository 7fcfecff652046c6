#pragma once
// Feasibility sizing: for three flat-plate collector kinds and 1000 trial areas, the
// share of the annual need covered and the solar energy delivered, the annual need
// and the economically optimal area. Plain values in, plain values out; the window
// fills the inputs from its controls and stores the results with memorizzaFattib.
#include <QString>
#include <array>

namespace calcoli {

inline constexpr int numeroSuperfici = 1000; // trial areas per collector kind
inline constexpr int numeroTipi = 3;         // collector kinds

struct IngressiFattib {
    int usoImpianto = 0;            // 1 space heating, 2 domestic hot water
    double consumoAcqua = 0.0;      // litres per day
    double temperaturaAcqua = 0.0;  // °C
    double trasmittanza = 0.0;      // MJ per hour and K: W/K times unita::megajouleOraPerWatt
    double durataImpianto = 0.0;    // years
    double costoCollettori = 0.0;   // euro per m²
    double costoElettricita = 0.0;  // euro per year per m²
    int combustibile = 0;           // 1 gas oil, 2 methane, 3 electricity
    double costoCombustibile = 0.0; // euro per fuel unit
    float tassoSconto = 0.0F;       // percent
    float tassoAumento = 0.0F;      // percent
    std::array<double, 10> coefficienti{}; // [1..8] the town's fits, [9] annual degree-days
};

// The values as stored: arrays [s][k], s = 1..1000, k = 1..3; row 0 and column 0 stay 0.
struct RisultatiFattib {
    std::array<std::array<double, 4>, 1001> superfici{};
    std::array<std::array<double, 4>, 1001> percentuali{};
    std::array<std::array<double, 4>, 1001> energiaSolare{};
    double fabbisognoAnnuo = 0.0;
    double areaOttimale = 0.0;
};

// Optical efficiency and loss coefficient of collector kind k (1..3).
struct TipoCollettoreFattib {
    double eta0;
    double perdite;
};
inline constexpr std::array<TipoCollettoreFattib, 4> tipiFattib{{
    {0.0, 0.0},
    {0.85, 7.5}, // one glass, non-selective plate
    {0.85, 4.5}, // one glass, selective plate
    {0.75, 3.5}, // two glasses, non-selective plate
}};

// Runs the sizing. Returns "" and fills `ris` on success; otherwise returns the reason
// (Italian, for a critical message) and leaves `ris` as it was.
QString calcolaFattib(const IngressiFattib& in, RisultatiFattib& ris);

// Stores a result into ModKorvel's feasibility results (rows 1..1000, kinds 1..3).
void memorizzaFattib(const RisultatiFattib& ris);

} // namespace calcoli
