#pragma once
#include "shell/corniceFinestra.h"

class Cornice;
class Elenco;
class ElencoLocalita;

class dettagliato : public FinestraLavoro {
    Q_OBJECT
public:
    dettagliato();

    // Town chooser: position p is town p + 1.
    Elenco* loc = nullptr;
    // "Uso dell'impianto": enabled by the town choice.
    Cornice* Frame1 = nullptr;

protected:
    void caricaFinestra() override;

private:
    ElencoLocalita* sceltaLocalita_ = nullptr;
};
