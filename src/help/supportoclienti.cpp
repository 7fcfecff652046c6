#include "help/supportoclienti.h"

supportoclienti::supportoclienti() = default;

void supportoclienti::Form_Load() {}
