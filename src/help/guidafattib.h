#pragma once
// Help topic: the feasibility window.
#include "help/finestraAiuto.h"

class guidafattib : public FinestraAiuto {
    Q_OBJECT
public:
    guidafattib();

protected:
    void Form_Load() override;
};
