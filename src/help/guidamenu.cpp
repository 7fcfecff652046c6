#include "help/guidamenu.h"

guidamenu::guidamenu() = default;

void guidamenu::Form_Load() {}
