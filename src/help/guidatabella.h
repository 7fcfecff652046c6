#pragma once
#include "platform/finestra.h"

class guidatabella : public Finestra {
    Q_OBJECT
public:
    guidatabella();

protected:
    void Form_Load() override;
};
