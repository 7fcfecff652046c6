#pragma once
// The economic inputs of the detailed calculation, for its tests.
#include "detailed/calcoloDettagliato.h"

namespace ingressiDett {

inline calcoli::IngressiDett economia(double costoImpianto, double durata, int combustibile, double costoCombustibile,
                                      float sconto, float inflazione, float aumento)
{
    calcoli::IngressiDett in;
    in.costoImpianto = costoImpianto;
    in.durataImpiantoDett = durata;
    in.combustibileDett = combustibile;
    in.costoCombustibile = costoCombustibile;
    in.tassoScontoDett = sconto;
    in.tassoInflazione = inflazione;
    in.tassoAumentoDett = aumento;
    return in;
}

} // namespace ingressiDett
