#pragma once
// What the line formatter (righe.cpp) hands to the placing of a line's pieces
// (posaRiga.cpp): the stretches of a paragraph's text. Private to report/.
#include "report/documento.h"
#include "report/metriche.h"

#include <span>

namespace documento::dettaglio {

// A stretch of a paragraph's text that no line breaks inside: a word or a part of one
// between two break opportunities, a run of blanks, a tab or a line break, in one font.
struct Tratto {
    enum Tipo { Testo, Spazi, Tabulazione, ACapo } tipo;
    int inizio;
    int fine;
    const Metrica* metrica;
    double larghezza; // layout units; a tab's is where it lands
};

// Whether a tratto of blanks is of spaces only (U+0020): no-break, en and em spaces
// count as text where the word processor looks for blanks.
bool soloSpazi(const QString& testo, const Tratto& t);

// One line of tratti [da, a): its height, range and pieces, x in twips from the
// paragraph's left edge, placed as `allineamento` asks in a line `larghezza` wide
// (layout units); `ultima`: the paragraph's last line.
Linea lineaDi(const QString& testo, std::span<const Tratto> tratti, std::size_t da, std::size_t a, double larghezza,
              Allineamento allineamento, bool ultima);

// Whether a line's text is nothing but spaces (U+0020) and tabs, a line the word
// processor makes as high as a blank one.
bool soloSpaziETabulazioni(QStringView riga);

// A line of nothing but blanks takes the height the word processor gives it.
void altezzaDiRigaBianca(Linea& linea, const QString& testo, std::span<const Tratto> tratti, std::size_t da,
                         std::size_t a, Metriche& metriche);

} // namespace documento::dettaglio
