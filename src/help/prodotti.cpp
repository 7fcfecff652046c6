#include "help/prodotti.h"

prodotti::prodotti() = default;

void prodotti::Form_Load() {}
