// The window's report: the two element tables, the surface coefficients and the
// overall figures, in a new document; and the figures the technical report prints.
#include "transmittance/trasmitt.h"

#include "base/ModKorvel.h"
#include "platform/controlli.h"
#include "report/canaleWord.h"
#include "transmittance/tabelleTrasmittanza.h"

void trasmitt::stampa_Click()
{
    using namespace ModKorvel;
    const QString fine(1, QChar(13));
    if (!avviaWord(*this))
        return;
    scriviIntestazione(20, 16, 12, 2, QStringLiteral("Tipologia di calcolo: trasmittanza complessiva dell'edificio"), 2);
    aggiungiParagrafo(12, fine + QStringLiteral("Elementi esterni all'involucro dell'edificio") + fine);
    const int esterni = tabelleTrasm::tabellaElementi(1, tabelleTrasm::colonneFinestra(), 8);
    aggiungiParagrafo(12, fine + QStringLiteral("Elementi interni all'involucro dell'edificio") + fine);
    const int interni = tabelleTrasm::tabellaElementi(2, tabelleTrasm::colonneFinestra(), 8);
    aggiungiParagrafo(12, fine + QStringLiteral("Coefficienti liminari") + fine);
    const int coefficienti = tabelleTrasm::tabellaCoefficienti(traes->Text(), train->Text(), 10);
    aggiungiParagrafo(12, fine + QStringLiteral("Dati complessivi") + fine);
    // The external grid goes back to its first page, as after every report.
    scorri(1, 1);
    const int complessivi = tabelleTrasm::tabellaComplessiva(tralim->Text(), total->Text(), equiv->Text(),
                                                             complessiva->Text(), 10);
    for (const int t : {esterni, interni}) {
        allineaColonne(t, 1);
        allineaColonne(t, t, 3, 7);
    }
    allineaColonne(coefficienti, 2);
    allineaColonne(complessivi, 2);
    chiudiStato(*this, QStringLiteral("ho visualizzato i dati su WORD"));
}

QString trasmitt::testoTotale() const { return total->Text(); }

QString trasmitt::testoComplessiva() const { return complessiva->Text(); }

std::array<relazione::Riga, 3> trasmitt::righeComplessive() const
{
    return {{
        {Label12->Caption(), total->Text()},
        {Label13->Caption(), equiv->Text()},
        {Label14->Caption(), complessiva->Text()},
    }};
}
