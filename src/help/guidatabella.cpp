#include "help/guidatabella.h"

guidatabella::guidatabella() = default;

void guidatabella::Form_Load() {}
