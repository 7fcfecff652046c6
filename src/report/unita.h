#pragma once
// The lengths the document layer works in, each defined once: the saved file's twips,
// the layout's units, and the page the file, the layout, the drawing and the window
// share. Private to report/.
#include "report/documento.h"

#include <cmath>

namespace documento::dettaglio {

inline constexpr double mmPerPollice = 25.4;
inline constexpr int twipsPerPollice = 1440;
inline constexpr int puntiPerPollice = 72;
inline constexpr int twipsPerPunto = twipsPerPollice / puntiPerPollice;

// The layout measures glyphs in sixths of a twip: pixels at 8640 dpi, the resolution
// the word processor's layout measures fonts at.
inline constexpr int unitaPerTwip = 6;

// Default tab stops: every 1.25 cm.
inline constexpr int tabulazioneTwips = 709;

// Rounded to the nearest whole number, halves up, as the layout rounds its lengths.
inline int arrotonda(double x) { return int(std::floor(x + 0.5)); }

// Twips from millimetres, rounded as the saved file rounds them.
inline int twips(double mm) { return int(std::lround(mm / mmPerPollice * twipsPerPollice)); }

// The page's text width, in millimetres.
inline constexpr double larghezzaTestoMm = larghezzaPaginaMm - 2 * marginePaginaMm;

// The page's margin and text area as the saved file gives them, in twips.
inline int margineTwips() { return twips(marginePaginaMm); }
inline int larghezzaTestoTwips() { return twips(larghezzaPaginaMm) - 2 * margineTwips(); }
inline int altezzaTestoTwips() { return twips(altezzaPaginaMm) - 2 * margineTwips(); }

} // namespace documento::dettaglio
