#pragma once
#include "shell/corniceFinestra.h"

class risdettagliato : public FinestraLavoro {
    Q_OBJECT
public:
    risdettagliato();
};
