#pragma once
#include "shell/corniceFinestra.h"

class CasellaTesto;
class Cornice;
class Elenco;
class ElencoLocalita;
class Pulsante;

class dettagliato : public FinestraLavoro {
    Q_OBJECT
public:
    dettagliato();

    // Town chooser: position p is town p + 1.
    Elenco* loc = nullptr;
    // "Uso dell'impianto": enabled by the town choice.
    Cornice* Frame1 = nullptr;
    // The building's transmittance, typed or sent by the transmittance window.
    Cornice* Frame5 = nullptr;
    CasellaTesto* trasm = nullptr;
    Pulsante* ver = nullptr;

    // "calcola": the transmittance window, which sends its result back here.
    void ver_Click();

protected:
    void caricaFinestra() override;

private:
    ElencoLocalita* sceltaLocalita_ = nullptr;
};
