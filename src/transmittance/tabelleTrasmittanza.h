#pragma once
// The tables in which reports print the building's transmittance: the element tables
// of the two groups, the surface coefficients and the overall figures. The window's
// own report and the technical report both build theirs from these.
#include <QString>
#include <QStringView>

#include <optional>
#include <span>
#include <vector>

namespace tabelleTrasm {

// What a column of an element table shows for an element.
enum class Dato {
    Numero,         // the element's number, plain ("3")
    NumeroConSegno, // the element's number after one blank (" 3")
    Tipologia,      // the type, as it stands
    Area,           // the value of the area text, m²
    Unitaria,       // the value of the unit transmittance text, W/m²°C
    UnitariaKcal,   // the same in kcal (x 0.86)
    Totale,         // the element's total, W/°C (empty when it has none)
    TotaleKcal,     // the same in kcal (x 0.86)
};

struct Colonna {
    QString titolo;
    QString unita;      // second heading row; without units in any column there is none
    Dato dato;
    QStringView schema; // "##0.00"; empty: the number's plain form
};

// An element table of group g (1 external, 2 internal): the headings, then one row
// per element that has a type, in element order. Returns the table's number in the
// document (0 once the report has failed).
int tabellaElementi(int gruppo, std::span<const Colonna> colonne, std::optional<double> dimensione);

// The seven columns of the transmittance window's report: number, type, area, unit
// transmittance in W and kcal, total in W and kcal.
std::span<const Colonna> colonneFinestra();

// The five columns of the technical report's table of group g: number, the group's
// elements, area, unit transmittance and total, in W only, under one heading row.
std::vector<Colonna> colonneRelazione(int gruppo);

// "coefficiente liminare" / "W/mq°C", then "esterno" and "intero" with the values of
// the two coefficient texts given.
int tabellaCoefficienti(const QString& esterno, const QString& interno, double dimensione);

// "tipologia" / "W/mq°C", then the surface-coefficient correction, the sum of the
// element totals, the air-change term and the overall transmittance, each the value of
// the text given.
int tabellaComplessiva(const QString& correzione, const QString& totale, const QString& ricambi,
                       const QString& complessiva, double dimensione);

} // namespace tabelleTrasm
