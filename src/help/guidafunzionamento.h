#pragma once
#include "platform/finestra.h"

class guidafunzionamento : public Finestra {
    Q_OBJECT
public:
    guidafunzionamento();

protected:
    void Form_Load() override;
};
