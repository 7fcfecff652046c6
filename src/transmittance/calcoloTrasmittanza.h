#pragma once
// Overall heat transmittance of a building from its envelope elements: each element's
// total (area times unit transmittance), the correction of the external elements for
// the two surface coefficients, and the air-change term. Plain values in, plain values
// out; the window fills the inputs from the element table and its boxes and stores
// the results with memorizzaTrasmittanza.
//
// Only elements with a type count: an area typed in a row without a type gives no
// total, so what is shown, sent, saved and printed always agree.
#include "transmittance/datiTrasmittanza.h"

#include <QString>

#include <optional>
#include <span>
#include <vector>

namespace calcoli {

struct IngressiTrasmittanza {
    ModKorvel::TestiElementi tipologia{}; // element type, "" none
    ModKorvel::TestiElementi area{};      // m², the text of the area box
    ModKorvel::TestiElementi unitaria{};  // W/m²°C, the text of the unit box
    std::optional<double> esterno;        // external surface coefficient, W/m²°C; empty: no correction
    std::optional<double> interno;        // internal surface coefficient, W/m²°C; empty: no correction
    double ricambi = 0.0;                 // air-change term, W/°C
};

struct RisultatiTrasmittanza {
    ModKorvel::TotaliElementi totali{}; // W/°C, hundredths; empty without type or area
    int numPeriferici = 0;              // external elements with a type
    int numInterni = 0;                 // internal elements with a type
    double correzione = 0.0;            // W/°C, shown in tralim; 0 when no element was corrected
    double totale = 0.0;                // W/°C, sum of the totals, shown in total
    double complessiva = 0.0;           // W/°C, totale + correzione + ricambi, shown in compl
};

// Runs the calculation; it has no case it refuses. Elements are corrected when both
// coefficients are above 0 and the element has a type, an area and a unit value above
// 0; each one's correction is its total less hundredths(area x K), with
// K = 1 / (1/U + 1/he + 1/hi). Totals are hundredths(area x unit value).
RisultatiTrasmittanza calcolaTrasmittanza(const IngressiTrasmittanza& in);

// The inputs from the element table, with the texts of the coefficient and air-change
// boxes (an empty coefficient text switches the correction off).
IngressiTrasmittanza ingressiTrasmittanzaDaModulo(const QString& esterno, const QString& interno,
                                                  const QString& ricambi);

// Stores the totals and the counts into the element table.
void memorizzaTrasmittanza(const RisultatiTrasmittanza& ris);

// A computed number as the window shows it and reads it back: plain decimal form
// with a point, up to 15 significant digits, no exponent, no trailing zeros; a value
// that is not finite (a product beyond the range of numbers) gives "".
QString testoCalcolato(double x);

// The numbers (1..20, ascending) of the elements of group g (1, 2) that have a type:
// the element lists that the check, the hint, the data file and the reports walk.
std::vector<int> elementiConTipo(int gruppo);

// A preset element type and its default unit transmittance (W/m²°C).
struct TipoElemento {
    QString nome;
    double unitaria;
};
// The type list of group g (1 external, 2 internal), in list order; empty otherwise.
std::span<const TipoElemento> tipiElemento(int gruppo);

} // namespace calcoli
