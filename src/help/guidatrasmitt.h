#pragma once
#include "platform/finestra.h"

class guidatrasmitt : public Finestra {
    Q_OBJECT
public:
    guidatrasmitt();

protected:
    void Form_Load() override;
};
