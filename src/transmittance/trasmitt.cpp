#include "transmittance/trasmitt.h"

#include "base/ModKorvel.h"

trasmitt::trasmitt() : FinestraLavoro(3) {}

void trasmitt::Form_Load()
{
    ModKorvel::inizializzaDati();
    preparaFinestra();
    setWindowTitle(QStringLiteral("Korvel: calcolo della trasmittanza complessiva dell'edificio"));
}
