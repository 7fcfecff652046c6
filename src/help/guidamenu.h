#pragma once
#include "platform/finestra.h"

class guidamenu : public Finestra {
    Q_OBJECT
public:
    guidamenu();

protected:
    void Form_Load() override;
};
