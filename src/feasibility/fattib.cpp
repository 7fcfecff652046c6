#include "feasibility/fattib.h"

#include "shell/ModKorvel.h"

fattib::fattib() : FinestraLavoro(4) {}

void fattib::Form_Load()
{
    ModKorvel::inizializzaDati();
    preparaFinestra();
    setWindowTitle(QStringLiteral("Calcolo di fattibilità"));
}
