#pragma once
#include "platform/finestra.h"

class frmSplash : public Finestra {
    Q_OBJECT
public:
    frmSplash();

protected:
    void Form_Load() override;
};
