#pragma once
#include "platform/finestra.h"

class guidastampa : public Finestra {
    Q_OBJECT
public:
    guidastampa();

protected:
    void Form_Load() override;
};
