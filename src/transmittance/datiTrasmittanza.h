#pragma once
// Shared state of the building-transmittance window: the envelope elements, which
// the window edits, its data file stores and the reports print.
#include <QString>

#include <array>
#include <optional>

namespace ModKorvel {

// The window that opened the transmittance window and receives its result:
// 1 the feasibility window, 2 the detailed window; 0 none yet.
inline int chiamanteTrasm = 0;

// Elements per group; groups are 1 external, 2 internal.
inline constexpr int elementiPerGruppo = 20;

// A table of the elements, [group][element]: group 1..2, element 1..20; row 0 and
// column 0 unused. "" is an empty cell.
using TestiElementi = std::array<std::array<QString, elementiPerGruppo + 1>, 3>;
using TotaliElementi = std::array<std::array<std::optional<double>, elementiPerGruppo + 1>, 3>;

inline TestiElementi tipologiaElem{}; // type, chosen from the group's list or typed
inline TestiElementi areaElem{};      // area in m², as the area box holds it
inline TestiElementi trasUnitaria{};  // unit transmittance in W/m²°C, as the unit box holds it
inline TotaliElementi trasTotale{};   // element total in W/°C, hundredths; empty without type or area

// Elements with a type, per group, as the last calculation or the data file counted them.
inline int numPeriferici = 0;
inline int numInterni = 0;

// Every value of this group back to its start-up state.
inline void ripristinaDatiTrasmittanza()
{
    chiamanteTrasm = {};
    tipologiaElem = {};
    areaElem = {};
    trasUnitaria = {};
    trasTotale = {};
    numPeriferici = {};
    numInterni = {};
}

} // namespace ModKorvel
