#pragma once
#include "platform/finestra.h"

class frmTip : public Finestra {
    Q_OBJECT
public:
    frmTip();

protected:
    void Form_Load() override;
};
