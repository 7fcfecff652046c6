#include "help/guidastampa.h"

guidastampa::guidastampa() = default;

void guidastampa::Form_Load() {}
