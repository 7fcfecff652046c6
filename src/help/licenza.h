#pragma once
// The terms of use.
#include "help/finestraAiuto.h"

class licenza : public FinestraAiuto {
    Q_OBJECT
public:
    licenza();

protected:
    void Form_Load() override;
};
