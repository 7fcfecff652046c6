#include "help/frmTip.h"

frmTip::frmTip()
{
    setWindowTitle(QStringLiteral("Suggerimento del giorno"));
    impostaDimensioniTwips(6195, 3285);
    setFixedSize(size());
}

void frmTip::Form_Load() {}
