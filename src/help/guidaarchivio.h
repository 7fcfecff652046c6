#pragma once
// Help topic: the data files.
#include "help/finestraAiuto.h"

class guidaarchivio : public FinestraAiuto {
    Q_OBJECT
public:
    guidaarchivio();

protected:
    void Form_Load() override;
};
