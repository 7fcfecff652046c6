#pragma once
// The tips file "SuggerimentiKorvel.TXT" beside the program: plain text, one tip a
// line (CR LF, CR or LF), an empty line an empty tip, a line end after the last line
// no tip. Windows-1252, or UTF-8 when the file begins with a byte-order mark.
//
// The file comes from outside: only its first fileMassimo bytes are read (a line cut
// there is dropped), control characters other than tabs are dropped and a tip is cut
// at lunghezzaMassima characters, so a damaged or huge file still gives a short list.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace suggerimenti {

inline const QString nomeFile = QStringLiteral("SuggerimentiKorvel.TXT");
inline constexpr qsizetype fileMassimo = 1024 * 1024;
inline constexpr qsizetype lunghezzaMassima = 1000;

// The tips of a file's content, in file order.
QStringList leggiSuggerimenti(const QByteArray& contenuto);
// The tips of the file at `percorso`; nothing when the path is empty or names no
// existing file. A file that cannot be read gives no tips.
std::optional<QStringList> leggiSuggerimentiDa(const QString& percorso);
// The tips file in the program's folder.
QString percorsoSuggerimenti();

} // namespace suggerimenti
