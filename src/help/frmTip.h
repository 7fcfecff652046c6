#pragma once
// The tip of the day.
#include "platform/finestra.h"

class frmTip : public Finestra {
    Q_OBJECT
public:
    frmTip();

protected:
    void Form_Load() override;
};
