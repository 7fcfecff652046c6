#pragma once
// How a failed comparison prints Qt's texts and bytes and the project's records: as
// text, not as a dump of their bytes. Every test file gets this header first
// (tests/CMakeLists.txt), so that a type prints the same way in every file.
#include "cover/datiFrontespizio.h"
#include "transmittance/archivioTrasm.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdio>
#include <initializer_list>
#include <ostream>

namespace stampe {

// One character, escaped as C++ writes it where it would not show: the paragraph end
// of the messages (13) reads \r. A byte above 127 prints as \xNN.
inline void carattere(char32_t c, bool byte, std::ostream& os)
{
    switch (c) {
    case U'"': os << "\\\""; return;
    case U'\\': os << "\\\\"; return;
    case U'\r': os << "\\r"; return;
    case U'\n': os << "\\n"; return;
    case U'\t': os << "\\t"; return;
    default: break;
    }
    char codice[16];
    if (byte ? (c < 0x20 || c >= 0x7F) : !QChar::isPrint(c)) {
        std::snprintf(codice, sizeof codice, byte ? "\\x%02X" : "\\u{%04X}", unsigned(c));
        os << codice;
    } else {
        os << QString::fromUcs4(&c, 1).toStdString();
    }
}

inline void testo(const QString& s, std::ostream& os)
{
    os << '"';
    for (const char32_t c : s.toUcs4())
        carattere(c, false, os);
    os << '"';
}

// The texts of a record in their order, between braces.
inline void testi(std::initializer_list<QString> campi, std::ostream& os)
{
    const char* separatore = "{";
    for (const QString& campo : campi) {
        os << separatore;
        testo(campo, os);
        separatore = ", ";
    }
    os << '}';
}

} // namespace stampe

inline void PrintTo(const QString& s, std::ostream* os) { stampe::testo(s, *os); }

inline void PrintTo(const QByteArray& b, std::ostream* os)
{
    *os << '"';
    for (const char c : b)
        stampe::carattere(static_cast<unsigned char>(c), true, *os);
    *os << '"';
}

namespace ModKorvel {
inline void PrintTo(const datiFrontespizio& d, std::ostream* os)
{
    stampe::testi({d.progetto, d.localita, d.tipostudio, d.committente, d.luogo, d.data, d.allegati}, *os);
}
} // namespace ModKorvel

namespace archivioTrasm {
inline void PrintTo(const Elemento& e, std::ostream* os) { stampe::testi({e.tipologia, e.area, e.unitaria}, *os); }
} // namespace archivioTrasm
