#include "help/guidatrasmitt.h"

guidatrasmitt::guidatrasmitt() = default;

void guidatrasmitt::Form_Load() {}
