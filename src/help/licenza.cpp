#include "help/licenza.h"

licenza::licenza() = default;

void licenza::Form_Load() {}
