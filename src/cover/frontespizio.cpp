#include "cover/frontespizio.h"

#include "shell/ModKorvel.h"

frontespizio::frontespizio() : FinestraLavoro(8) {}

void frontespizio::Form_Load()
{
    ModKorvel::inizializzaDati();
    preparaFinestra();
    setWindowTitle(QStringLiteral("Frontespizio"));
}
