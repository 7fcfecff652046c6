#pragma once
// The product-support window.
#include "platform/finestra.h"

class supportoclienti : public Finestra {
    Q_OBJECT
public:
    supportoclienti();

protected:
    void Form_Load() override;
};
