#pragma once
// The quick manual.
#include "help/finestraAiuto.h"

class manuale : public FinestraAiuto {
    Q_OBJECT
public:
    manuale();

protected:
    void Form_Load() override;
};
