#pragma once
// The results of the last detailed calculation as the results window shows them and
// as every report writes them. The window's own report and the chapter of the
// technical report call the same table functions; what differs between the two is a
// parameter (the size of a table: none means the size in force at the end of the
// document). Every cell comes from what the calculation stored
// (detailed/datiDettagliato.h), never from a window's labels, so a report always
// shows the last calculation whatever has been typed since.
#include "base/valore.h"

#include <QString>

#include <optional>

namespace tabelleDett {

// A calculation has been stored since start-up (or since the state was reset).
bool calcolato();

// The month table: column 1 the month's name, 2..16 the monthly results.
inline constexpr int colonneMesi = 16;
// Heading of column c in the reports ("mese", "r.0°", ...) and its meaning in the legend.
QString intestazioneMese(int colonna);
QString significatoMese(int colonna);
// The value of month m (1..12) in column c as stored; empty before any calculation.
Valore valoreMese(int colonna, int mese);

// The year table: 1 the year, 2 the fuel price and 3 the solar cost (euro cents per
// fuel unit), 4 the cumulative balance (euro). Empty for a year the last calculation
// did not reach, and the solar cost when it had no useful energy to price.
inline constexpr int colonneAnni = 4;
Valore valoreAnno(int colonna, int anno);
// Whether year y holds values of the last calculation.
bool annoCalcolato(int anno);
// Data rows of the year table: the last calculation's plant life plus the heading
// row, rounded to the nearest whole number (halves to even), less the heading.
int righeAnni();

// The annual need, the annual fraction and the useful energy (4 x 2).
int sintesi(std::optional<double> dimensione);
// "Legenda:", the meanings of the month columns (17 x 2), a paragraph end.
int legendaMesi(std::optional<double> dimensione);
// The twelve months (13 x 16).
int mesi(std::optional<double> dimensione);
// The meanings of the year columns: the results window's tooltips of its headings.
struct TestiAnni {
    QString attuale;
    QString solare;
    QString bilancio;
};
// "Legenda:", the meanings of the year columns (5 x 2), a paragraph end.
int legendaAnni(const TestiAnni& testi, std::optional<double> dimensione);
// The years of the economic analysis ((righeAnni() + 1) x 4).
int anni(std::optional<double> dimensione);
// The payback line of the reports: paragraph end, "Tempo di recupero = ", the
// payback text, paragraph end.
QString rigaRecupero();

} // namespace tabelleDett
