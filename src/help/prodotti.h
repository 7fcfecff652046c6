#pragma once
#include "platform/finestra.h"

class prodotti : public Finestra {
    Q_OBJECT
public:
    prodotti();

protected:
    void Form_Load() override;
};
