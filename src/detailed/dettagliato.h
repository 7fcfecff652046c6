#pragma once
#include "shell/corniceFinestra.h"

class dettagliato : public FinestraLavoro {
    Q_OBJECT
public:
    dettagliato();

protected:
    void Form_Load() override;
};
