#pragma once
// The help contents.
#include "help/finestraAiuto.h"

class sommario : public FinestraAiuto {
    Q_OBJECT
public:
    sommario();

protected:
    void Form_Load() override;
};
