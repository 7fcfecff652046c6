#pragma once
// The line formatter: a paragraph broken into lines at a width, as the word processor
// breaks the saved file. Private to report/.
#include "report/documento.h"
#include "report/metriche.h"

#include <vector>

namespace documento::dettaglio {

// A paragraph broken into lines at `larghezza` twips, as the word processor breaks it;
// each line's pieces placed from the paragraph's left edge (x in twips), its range
// counted in the runs' text joined. An empty paragraph is one empty line as high as
// its mark.
void righeDi(const std::vector<Sequenza>& sequenze, const Carattere& marca, Allineamento allineamento, int larghezza,
             Metriche& metriche, std::vector<Linea>& righe);

// A cell's paragraphs (its text split at '\n'), each with where it starts in the text.
struct ParagrafoCella {
    std::vector<Sequenza> sequenze; // empty for an empty paragraph
    int inizio = 0;
};
std::vector<ParagrafoCella> paragrafiCella(const QString& testo, const Carattere& c);

} // namespace documento::dettaglio
