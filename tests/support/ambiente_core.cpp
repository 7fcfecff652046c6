#include "support/ambiente.h"

#include "base/ModKorvel.h"
#include "base/numeri.h"
#include "climate/datiClimatici.h"
#include "detailed/datiDettagliato.h"
#include "feasibility/datiFattib.h"
#include "help/datiAiuto.h"
#include "report/canaleWord.h"
#include "transmittance/datiTrasmittanza.h"

namespace ambiente {

void ripristinaStato()
{
    ModKorvel::ripristinaModulo();
    ModKorvel::ripristinaDatiClimatici();
    ModKorvel::ripristinaDatiFattib();
    ModKorvel::ripristinaDatiDettagliato();
    ModKorvel::ripristinaDatiTrasmittanza();
    ModKorvel::ripristinaDatiAiuto();
    ModKorvel::dimenticaReport();
    numeri::impostaLocale(QLocale::c());
}

} // namespace ambiente
