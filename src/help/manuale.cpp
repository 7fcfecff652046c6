#include "help/manuale.h"

manuale::manuale() = default;

void manuale::Form_Load() {}
