#pragma once
#include "platform/finestra.h"

class licenza : public Finestra {
    Q_OBJECT
public:
    licenza();

protected:
    void Form_Load() override;
};
