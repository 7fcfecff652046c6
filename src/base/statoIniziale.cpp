#include "base/statoIniziale.h"

#include "base/ModKorvel.h"
#include "climate/datiClimatici.h"
#include "detailed/datiDettagliato.h"
#include "feasibility/datiFattib.h"
#include "help/datiAiuto.h"
#include "report/canaleWord.h"
#include "transmittance/datiTrasmittanza.h"

namespace ModKorvel {

void ripristinaStato()
{
    ripristinaModulo();
    ripristinaDatiClimatici();
    ripristinaDatiFattib();
    ripristinaDatiDettagliato();
    ripristinaDatiTrasmittanza();
    ripristinaDatiAiuto();
    dimenticaReport();
}

} // namespace ModKorvel
