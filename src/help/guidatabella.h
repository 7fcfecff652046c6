#pragma once
// Help topic: the climate-table window.
#include "help/finestraAiuto.h"

class guidatabella : public FinestraAiuto {
    Q_OBJECT
public:
    guidatabella();

protected:
    void Form_Load() override;
};
