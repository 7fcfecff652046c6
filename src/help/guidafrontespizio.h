#pragma once
// Help topic: the cover-page window.
#include "help/finestraAiuto.h"

class guidafrontespizio : public FinestraAiuto {
    Q_OBJECT
public:
    guidafrontespizio();

protected:
    void Form_Load() override;
};
