#include "help/guidaarchivio.h"

guidaarchivio::guidaarchivio() = default;

void guidaarchivio::Form_Load() {}
