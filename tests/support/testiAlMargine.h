#pragma once
// Texts a pixel or a few from a given width as LibreOffice measures them: each glyph
// advancing by its design width rounded to a pixel of 8640 dpi (six to a twip), no
// kerning. Made of the random texts' words whose glyphs do not join, the last word
// made up of letters so that the text is exactly as wide as asked.
#include "report/documento.h"
#include "support/testiCasuali.h"

#include <QString>

namespace testiAlMargine {

inline constexpr int pixelPerTwip = 6;

// The width of `testo` in pixels.
int pixel(const documento::Carattere& c, const QString& testo);

// Words `pixel` wide in all, blanks between them included, in capitals with
// `maiuscole`; with `caratteri` > 0, that many characters long. Empty when no such
// text turns up.
QString testo(const documento::Carattere& c, int pixel, testiCasuali::Generatore& caso, bool maiuscole = false,
              int caratteri = 0);

} // namespace testiAlMargine
