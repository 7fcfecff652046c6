#include "support/ambiente.h"

#include "base/numeri.h"
#include "base/statoIniziale.h"

namespace ambiente {

void ripristinaStato()
{
    ModKorvel::ripristinaStato();
    numeri::impostaLocale(QLocale::c());
}

} // namespace ambiente
