#include "help/sommario.h"

sommario::sommario() = default;

void sommario::Form_Load() {}
