#pragma once
#include "shell/corniceFinestra.h"

class frontespizio : public FinestraLavoro {
    Q_OBJECT
public:
    frontespizio();

protected:
    void Form_Load() override;
};
