#include "shell/frmSplash.h"

frmSplash::frmSplash() = default;

void frmSplash::Form_Load() {}
