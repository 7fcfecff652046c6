#pragma once
// The text of the document's PDFs as a viewer copies and finds it. Private to report/.
#include <QByteArray>

namespace documento::dettaglio {

// A PDF as Qt's writer makes it, with the glyphs that join letters (the "fi" of
// "superficie", the "ffi" of "ufficio") read as the letters they join instead of as
// the ligature's own character (U+FB01): each font's ToUnicode map that holds one is
// written again, and the cross-reference table follows. The glyphs and all else stay as
// they are; a PDF of another shape comes back as it is.
QByteArray legatureSciolte(const QByteArray& pdf);

} // namespace documento::dettaglio
