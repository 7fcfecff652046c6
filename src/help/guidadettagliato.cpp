#include "help/guidadettagliato.h"

guidadettagliato::guidadettagliato() = default;

void guidadettagliato::Form_Load() {}
