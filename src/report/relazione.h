#pragma once
// The shapes every report is made of, written through the report channel
// (report/canaleWord.h) so that its first-failure rule holds: a two-column table of
// captions and values, a legend of a table's columns, and a table with a header row
// whose columns each have their own number pattern. The reports and each chapter of
// the technical report are built from these; a chapter that is also a report of its
// own is one function both call.
//
// Each table function returns the table's number in the document (from 1), which a
// report keeps to align or find the table later by its role; 0 once the report has
// failed.
#include "base/valore.h"

#include <QString>
#include <QStringView>

#include <functional>
#include <optional>
#include <span>
#include <utility>

namespace relazione {

using Riga = std::pair<QString, QString>;

// A formatted table of two columns, one pair a row (the first pair is the heading
// row), its font at `dimensione` points; without a size it takes the size in force
// at the end of the document.
int tabellaDueColonne(std::span<const Riga> righe, std::optional<double> dimensione);

// Into the report's kept paragraph: a paragraph end, "Legenda:" and a paragraph end;
// then the legend as a two-column table; then a paragraph end after it.
int legenda(std::span<const Riga> righe, std::optional<double> dimensione);

// A column of a data table: its heading and the pattern of its numbers ("##0.00");
// an empty pattern gives the plain conversion.
struct Colonna {
    QString titolo;
    QStringView schema;
};

// A formatted table with a header row and `righe` data rows: the cell of data row r
// (1..righe) and column c (1..n) is valore(r, c): a number in its column's pattern, a
// text as it stands, or nothing (an empty cell). Without a size the table takes the
// size in force at the end of the document. Stops at the first failure.
int tabellaDati(std::span<const Colonna> colonne, int righe, std::optional<double> dimensione,
                const std::function<Valore(int riga, int colonna)>& valore);

// A cell's text as a data table writes it.
QString testoCella(const Valore& valore, QStringView schema);

// The table just added (its number in the document), 0 when there is none.
int tabellaCorrente();

} // namespace relazione
