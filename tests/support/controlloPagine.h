#pragma once
// What every laid-out document holds to, whatever its shape: each page's pieces one
// below the other inside its text area with neither gap nor overlap (two tables one
// after the other an empty line apart; a piece higher than the room alone on its own
// page, or below its table's header row alone at the page's head), each line of a
// piece inside it and of its block and row, the lines of a paragraph's piece and of
// each cell of a row's piece one below the other down to its foot (a row between its
// borders), and the lines of each paragraph and cell following on from one another
// through the pages.
#include "report/documento.h"

#include <QStringList>

namespace controlloPagine {

// What does not hold, one text each; empty when all does.
QStringList difetti(documento::Documento& doc);

} // namespace controlloPagine
