#pragma once
// The town table and the climate record of the chosen town.
#include <QString>
#include <array>

namespace ModKorvel {

// Town table: localita[1..64], ordered by latitude from north to south; [0] unused.
inline int totaleLocalita = 0;
inline std::array<QString, 65> localita{};

// Climate record of the chosen town.
inline int numLocalita = 0;                 // 1..64; 0 until a town is chosen
inline double latitudine = 0.0;             // degrees north
inline std::array<double, 13> radiazione{}; // [1..12] kJ/m² per day on the horizontal, whole numbers
inline std::array<double, 13> temperatura{};  // [1..12] °C, monthly mean air temperature
inline std::array<double, 10> coefficienti{}; // [1..8] climate coefficients, [9] annual degree-days (base 20 °C)
inline std::array<double, 13> gradiGiorno{};  // [1..12] monthly degree-days (base 20 °C), never negative

// Fills totaleLocalita and localita.
void caricaLocalita();
// Loads the record of town numLocalita (a number outside 1..64 loads town 1).
void caricaDatiClimatici();
// The town number every index into the table goes through: n, or 1 outside 1..64.
int localitaValida(int n);

// How many times caricaDatiClimatici has run: the synchronised choosers reload the
// record on each step of their cascade, and this keeps that cascade measurable.
inline int caricamentiClimatici = 0;

// The town choice (windows library): loads the record of numLocalita and shows it in
// the climate table and the calculation windows, which are loaded if needed.
void scegliLocalita();

// Every value of this group back to its start-up state.
inline void ripristinaDatiClimatici()
{
    totaleLocalita = {};
    localita = {};
    numLocalita = {};
    latitudine = {};
    radiazione = {};
    temperatura = {};
    coefficienti = {};
    gradiGiorno = {};
    caricamentiClimatici = {};
}

} // namespace ModKorvel
