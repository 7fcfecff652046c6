#pragma once
#include "platform/finestra.h"

class guidafrontespizio : public Finestra {
    Q_OBJECT
public:
    guidafrontespizio();

protected:
    void Form_Load() override;
};
