#pragma once
// Help topic: the transmittance window.
#include "help/finestraAiuto.h"

class guidatrasmitt : public FinestraAiuto {
    Q_OBJECT
public:
    guidatrasmitt();

protected:
    void Form_Load() override;
};
