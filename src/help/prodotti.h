#pragma once
// The price list.
#include "help/finestraAiuto.h"

class prodotti : public FinestraAiuto {
    Q_OBJECT
public:
    prodotti();

protected:
    void Form_Load() override;
};
