#include "help/guidarisdettagliato.h"

guidarisdettagliato::guidarisdettagliato() = default;

void guidarisdettagliato::Form_Load() {}
