#include "climate/tabella.h"

#include "shell/ModKorvel.h"

tabella::tabella() : FinestraLavoro(2) {}

void tabella::Form_Load()
{
    ModKorvel::inizializzaDati();
    preparaFinestra();
    setWindowTitle(QStringLiteral("Dati climatici"));
}
