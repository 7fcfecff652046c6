#pragma once
// Help topic: printing.
#include "help/finestraAiuto.h"

class guidastampa : public FinestraAiuto {
    Q_OBJECT
public:
    guidastampa();

protected:
    void Form_Load() override;
};
