#pragma once
#include "platform/finestra.h"

class guidaarchivio : public Finestra {
    Q_OBJECT
public:
    guidaarchivio();

protected:
    void Form_Load() override;
};
