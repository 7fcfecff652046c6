#pragma once
// The terms of use, shown in a text box and printed into a document.
#include "help/finestraAiuto.h"

class Etichetta;
class Pulsante;
class TestoLungo;

class licenza : public FinestraAiuto {
    Q_OBJECT
public:
    licenza();
    ~licenza() override;

    Etichetta* Label2 = nullptr; // the program name
    TestoLungo* Text1 = nullptr; // the terms
    Pulsante* cmdSommario = nullptr;
    Pulsante* cmdStampa = nullptr;
    Pulsante* cmdChiudi = nullptr;

    void cmdSommario_Click();
    void cmdstampa_Click();
    void cmdchiudi_Click();

protected:
    void Form_Load() override;
};
