#include "help/guidafrontespizio.h"

guidafrontespizio::guidafrontespizio() = default;

void guidafrontespizio::Form_Load() {}
