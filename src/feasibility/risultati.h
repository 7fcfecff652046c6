#pragma once
#include "shell/corniceFinestra.h"

class risultati : public FinestraLavoro {
    Q_OBJECT
public:
    risultati();

protected:
    void Form_Load() override;
};
