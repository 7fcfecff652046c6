#include "feasibility/risultati.h"

#include "shell/ModKorvel.h"

risultati::risultati() : FinestraLavoro(5) {}

void risultati::Form_Load()
{
    ModKorvel::inizializzaDati();
    preparaFinestra();
    setWindowTitle(QStringLiteral("Risultati"));
}
