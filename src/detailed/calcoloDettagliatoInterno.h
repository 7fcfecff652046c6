#pragma once
// What the stages of the detailed calculation share; private to detailed/.
#include "detailed/calcoloDettagliato.h"

namespace calcoli::dettaglio {

// Halves up, as the results are stored and shown.
double intero(double x);

// Monthly load in kJ: hot water from the mains to the use temperature, heating from
// the degree-days, or both.
void carichiMensili(const IngressiDett& in, Mesi& carico);

} // namespace calcoli::dettaglio
