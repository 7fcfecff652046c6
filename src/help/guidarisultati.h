#pragma once
#include "platform/finestra.h"

class guidarisultati : public Finestra {
    Q_OBJECT
public:
    guidarisultati();

protected:
    void Form_Load() override;
};
