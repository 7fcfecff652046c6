#pragma once
// Damage a data file meets (cut short, bytes flipped, replaced, added or lost, a long
// run of digits, other line ends), for the robustness tests of the file readers.
// Seeded by the caller, so that every run tries the same files.
#include <QByteArray>

#include <random>

namespace guasti {

// Bytes of the format itself and bytes no data file holds.
inline constexpr char scelti[] = {'"', ',', '\r', '\n', ' ', '0', '1', '9', '.', '-', 'e', '\0', '\x80', '\x81', '\xEF'};

// One to three accidents applied to a valid file.
inline QByteArray guasto(std::mt19937& g, QByteArray b)
{
    const auto a = [&](qsizetype n) { return n > 0 ? qsizetype(g() % n) : 0; };
    const int volte = 1 + int(g() % 3);
    for (int i = 0; i < volte; ++i) {
        switch (g() % 7) {
        case 0: b.truncate(a(b.size() + 1)); break;
        case 1: if (!b.isEmpty()) b[a(b.size())] ^= char(1 << (g() % 8)); break;
        case 2: if (!b.isEmpty()) b[a(b.size())] = scelti[g() % sizeof scelti]; break;
        case 3: b.insert(a(b.size() + 1), scelti[g() % sizeof scelti]); break;
        case 4: b.remove(a(b.size()), 1 + a(6)); break;
        case 5: b.insert(a(b.size() + 1), QByteArray(1 + a(2000), char('0' + g() % 10))); break;
        case 6: b.replace("\r\n", g() % 2 ? "\r" : "\n"); break;
        }
    }
    return b;
}

} // namespace guasti
