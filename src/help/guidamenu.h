#pragma once
// Help topic: the main menu.
#include "help/finestraAiuto.h"

class guidamenu : public FinestraAiuto {
    Q_OBJECT
public:
    guidamenu();

protected:
    void Form_Load() override;
};
