#pragma once
#include "shell/corniceFinestra.h"

class trasmitt : public FinestraLavoro {
    Q_OBJECT
public:
    trasmitt();
};
