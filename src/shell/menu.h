#pragma once
#include "platform/finestra.h"

class menu : public Finestra {
    Q_OBJECT
public:
    menu();

protected:
    void Form_Load() override;
};
