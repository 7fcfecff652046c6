#pragma once
// Help topic: the detailed-calculation window.
#include "help/finestraAiuto.h"

class guidadettagliato : public FinestraAiuto {
    Q_OBJECT
public:
    guidadettagliato();

protected:
    void Form_Load() override;
};
