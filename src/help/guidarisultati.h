#pragma once
// Help topic: the feasibility results window.
#include "help/finestraAiuto.h"

class guidarisultati : public FinestraAiuto {
    Q_OBJECT
public:
    guidarisultati();

protected:
    void Form_Load() override;
};
