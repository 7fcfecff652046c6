#pragma once
// The transmittance data file: the envelope elements that have a type, in order,
// and the project record of the cover page.
//
//   external,internal                 the two counts, 0..20
//   "type","area","unit value"        one line per external element, then per internal one
//   the seven texts of the cover page
//
// No totals, coefficients or results: opening a file recomputes them.
#include "cover/datiFrontespizio.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace archivio {
class Lettore;
class Scrittore;
} // namespace archivio

namespace archivioTrasm {

struct Elemento {
    QString tipologia;
    QString area;     // m², digits and points only
    QString unitaria; // W/m²°C, digits and points only
    friend bool operator==(const Elemento&, const Elemento&) = default;
};

struct Contenuto {
    std::array<std::vector<Elemento>, 3> gruppi; // [1] external, [2] internal; at most 20 each
    ModKorvel::datiFrontespizio frontespizio;
    friend bool operator==(const Contenuto&, const Contenuto&) = default;
};

// The elements with a type of the element table, in order, with the record given.
Contenuto daModulo(const ModKorvel::datiFrontespizio& frontespizio);

void scrivi(archivio::Scrittore& scrittore, const Contenuto& contenuto);

// The whole file, or nothing when any part of it is missing or not acceptable: a
// count outside 0..20, fewer element lines than counted, an element without a type,
// an area or unit value that the window's number boxes could not hold, a cover line
// that is not seven texts, or anything after it.
std::optional<Contenuto> leggi(archivio::Lettore& lettore);

} // namespace archivioTrasm
