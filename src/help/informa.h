#pragma once
// The about window.
#include "platform/finestra.h"

class informa : public Finestra {
    Q_OBJECT
public:
    informa();

protected:
    void Form_Load() override;
};
