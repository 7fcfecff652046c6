#pragma once
// The fixed texts of the technical report, one paragraph each, without paragraph
// ends: the chapters write each one followed by its ends.
#include <QStringList>

namespace testiRelazione {

// "RELAZIONE DI CALCOLO" of a feasibility (1) or a detailed (2) elaboration.
QStringList relazioneDiCalcolo(int tipoElaborazione);
// "FUNZIONAMENTO DEL PANNELLO SOLARE", the same in every report.
QStringList funzionamento();
// "DATI DI CALCOLO": the opening line and the notes a) to c), c) worded by elaboration.
QStringList datiDiCalcolo(int tipoElaborazione);
// The transmittance chapter: the explanation, the units, the sum over the elements.
QStringList trasmittanza();
// The twelve notes that open the detailed results chapter.
QStringList noteRisultatiDettagliati();

} // namespace testiRelazione
