#pragma once
// Help topic: the detailed results window.
#include "help/finestraAiuto.h"

class guidarisdettagliato : public FinestraAiuto {
    Q_OBJECT
public:
    guidarisdettagliato();

protected:
    void Form_Load() override;
};
