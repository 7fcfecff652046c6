#pragma once
// The built-in climate database: one constant row per preset town, in table order
// (north to south). The rows are generated from src/climate/localita.tsv.
#include <array>

namespace ModKorvel::tabellaClimatica {

inline constexpr int numeroLocalita = 64;

struct RigaLocalita {
    const char* nome;                      // UTF-8, shown and printed as it stands
    double latitudine;                     // degrees north, decimal
    std::array<double, 12> radiazione;     // months 1..12, kJ/m² per day on the horizontal
    std::array<double, 12> temperatura;    // months 1..12, °C
    std::array<double, 8> coefficienti;    // c1..c8
};

// righe[n - 1] is town n. Read it through rigaLocalita(), which clamps the number.
extern const std::array<RigaLocalita, numeroLocalita> righe;

// Row of town n; a number outside 1..numeroLocalita gives town 1.
const RigaLocalita& rigaLocalita(int n);

} // namespace ModKorvel::tabellaClimatica
