#pragma once
// The complete technical report of the last elaboration, started from the cover page:
// the title page, two fixed chapters, the data, the climate, the building's
// transmittance where the plant heats, the results, and a closing that counts the
// pages; then the document is justified, its figures right-aligned and saved in the
// documents folder.
//
// Before any document is started the report makes sure it prints one plant: the
// calculation window's inputs pass their check, a heating plant has a transmittance
// computed in the transmittance window, and the calculation is run once more on the
// inputs as they stand, so that inputs, climate and results in the document belong
// together.
class frontespizio;

namespace relazioneTecnica {

// The report's tables by their role: each is the table's number in the document, 0
// where the report has no such table.
struct Tabelle {
    int ingressi = 0;
    int clima = 0;
    int esterni = 0;
    int interni = 0;
    int trasmittanza = 0; // the transmittance summary
    int impianti = 0;     // feasibility plants
    int mesi = 0;         // detailed months
    int anni = 0;         // detailed years
};

// Right-aligns the columns of figures of every table present, role by role.
void allineaPerRuolo(const Tabelle& tabelle);

// The report; the cover page's hint line follows it. False when it was refused (the
// reason has been shown) or did not complete (the failure has been shown).
bool stampa(frontespizio& copertina);

} // namespace relazioneTecnica
