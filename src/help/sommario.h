#pragma once
#include "platform/finestra.h"

class sommario : public Finestra {
    Q_OBJECT
public:
    sommario();

protected:
    void Form_Load() override;
};
