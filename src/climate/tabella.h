#pragma once
#include "shell/corniceFinestra.h"

class tabella : public FinestraLavoro {
    Q_OBJECT
public:
    tabella();

protected:
    void Form_Load() override;
};
