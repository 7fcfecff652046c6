#pragma once
#include "shell/corniceFinestra.h"

class fattib : public FinestraLavoro {
    Q_OBJECT
public:
    fattib();

protected:
    void Form_Load() override;
};
