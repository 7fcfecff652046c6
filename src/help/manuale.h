#pragma once
#include "platform/finestra.h"

class manuale : public Finestra {
    Q_OBJECT
public:
    manuale();

protected:
    void Form_Load() override;
};
