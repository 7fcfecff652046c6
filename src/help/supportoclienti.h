#pragma once
// The support window: how to reach the support service and how it works.
#include "platform/finestra.h"

class Etichetta;
class Pulsante;

class supportoclienti : public Finestra {
    Q_OBJECT
public:
    supportoclienti();
    ~supportoclienti() override;

    Etichetta* Label1 = nullptr; // the service
    Etichetta* Label2 = nullptr; // postal address
    Etichetta* Label3 = nullptr; // telephone and fax
    Etichetta* Label4 = nullptr; // mail
    Etichetta* Label5 = nullptr; // web site
    Etichetta* Label6 = nullptr; // how to ask
    Etichetta* Label7 = nullptr; // when
    Pulsante* Command1 = nullptr;

    void Command1_Click();
};
