#include "detailed/risdettagliato.h"

#include "base/ModKorvel.h"

risdettagliato::risdettagliato() : FinestraLavoro(7) {}

void risdettagliato::Form_Load()
{
    ModKorvel::inizializzaDati();
    preparaFinestra();
    setWindowTitle(QStringLiteral("Korvel: risultati del calcolo dettagliato di un impianto a pannelli solari"));
}
