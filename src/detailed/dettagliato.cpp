#include "detailed/dettagliato.h"

#include "shell/ModKorvel.h"

dettagliato::dettagliato() : FinestraLavoro(6) {}

void dettagliato::Form_Load()
{
    ModKorvel::inizializzaDati();
    preparaFinestra();
    setWindowTitle(QStringLiteral("Calcolo dettagliato"));
}
