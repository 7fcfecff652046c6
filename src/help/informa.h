#pragma once
// The about window: the program's name, subtitle and version line.
#include "platform/finestra.h"

class Etichetta;
class Pulsante;

class informa : public Finestra {
    Q_OBJECT
public:
    informa();
    ~informa() override;

    Etichetta* Label1 = nullptr; // the program name
    Etichetta* Label2 = nullptr; // the subtitle
    Etichetta* Label5 = nullptr;
    Etichetta* Label6 = nullptr; // the version line
    Pulsante* cmdOK = nullptr;

    void cmdOK_Click();

    // "edizione professionale - versione 3.04.05   1984- 2011" from the program strings.
    static QString rigaVersione();

protected:
    void Form_Load() override;
};
