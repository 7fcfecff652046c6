#pragma once
#include "platform/finestra.h"

class guidadettagliato : public Finestra {
    Q_OBJECT
public:
    guidadettagliato();

protected:
    void Form_Load() override;
};
