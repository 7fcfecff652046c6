#pragma once
#include "platform/finestra.h"

class guidarisdettagliato : public Finestra {
    Q_OBJECT
public:
    guidarisdettagliato();

protected:
    void Form_Load() override;
};
