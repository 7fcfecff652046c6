#pragma once
// Help topic: how the program works.
#include "help/finestraAiuto.h"

class guidafunzionamento : public FinestraAiuto {
    Q_OBJECT
public:
    guidafunzionamento();

protected:
    void Form_Load() override;
};
