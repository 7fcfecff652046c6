#include "detailed/risdettagliato.h"

risdettagliato::risdettagliato() : FinestraLavoro(7) {}
