#include "help/guidarisultati.h"

guidarisultati::guidarisultati() = default;

void guidarisultati::Form_Load() {}
