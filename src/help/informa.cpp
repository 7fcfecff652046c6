#include "help/informa.h"

informa::informa() = default;

void informa::Form_Load() {}
