#include "help/frmTip.h"

frmTip::frmTip() = default;

void frmTip::Form_Load() {}
