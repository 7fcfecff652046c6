#pragma once
// What the rendering, the page count and the print of a document share; private to
// report/.
#include "report/documento.h"

#include <QFont>
#include <QString>

namespace documento::dettaglio {

// Layout resolution of the page count and of the pages printed or exported.
inline constexpr double dpiPagine = 300.0;
inline constexpr double mmPerPollice = 25.4;

// A font measured in hundredths of a point: p points at 100 p pixels, so that no
// size is rounded to whole pixels on the way.
inline constexpr double unitaPerPunto = 100.0;
QFont fontMisurato(const Carattere& c);

// Text with '\v' as a line break inside the paragraph.
QString testoQt(const QString& testo);

} // namespace documento::dettaglio
