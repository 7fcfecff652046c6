#pragma once
// The chapters of the technical report (relazione/relazioneTecnica.h), each a stretch
// of one run that writes through the report's kept paragraph and leaves it at the end
// of the document. Each chapter notes the tables it adds by their role.
#include "relazione/relazioneTecnica.h"

namespace relazioneTecnica {

// The elaboration the report prints, as its calculation window holds it.
struct Elaborazione {
    int tipo = 0; // 1 feasibility, 2 detailed
    int uso = 0;  // chosen in that window: 1 space heating, 2 hot water, 3 both (detailed only)
    // The transmittance window's elements add up to the transmittance the calculation used.
    bool elementiDellaTrasmittanza = false;
    bool riscaldamento() const { return uso == 1 || uso == 3; }
};

// "RELAZIONE DI CALCOLO" and "FUNZIONAMENTO DEL PANNELLO SOLARE".
void relazioneDiCalcolo(const Elaborazione& elaborazione);
void funzionamento();
// "DATI DI CALCOLO": the notes and the input table of the elaboration's window.
void datiDiCalcolo(const Elaborazione& elaborazione, Tabelle& tabelle);
// The reference town and its months, continuing "DATI DI CALCOLO".
void datiClimatici(Tabelle& tabelle);
// "TRASMITTANZA COMPLESSIVA DELL'EDIFICIO": the elements and the overall figures.
void trasmittanza(Tabelle& tabelle);
// "RISULTATI DEL CALCOLO DI FATTIBILITA'" and "RISULTATI DEL CALCOLO DETTAGLIATO".
void risultatiFattibilita(Tabelle& tabelle);
void risultatiDettagliati(Tabelle& tabelle);

} // namespace relazioneTecnica
