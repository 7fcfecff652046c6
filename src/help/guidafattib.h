#pragma once
#include "platform/finestra.h"

class guidafattib : public Finestra {
    Q_OBJECT
public:
    guidafattib();

protected:
    void Form_Load() override;
};
