#include "help/guidafattib.h"

guidafattib::guidafattib() = default;

void guidafattib::Form_Load() {}
