// The results of the last detailed calculation in a new document: the annual values,
// the month table and the year table with their legends, and the payback.
#include "detailed/risdettagliato.h"

#include "detailed/tabelleDettagliato.h"
#include "platform/controlli.h"
#include "report/canaleWord.h"

tabelleDett::TestiAnni risdettagliato::testiAnni() const
{
    return {Label18->toolTip(), Label19->toolTip(), Label20->toolTip()};
}

void risdettagliato::stampa_Click()
{
    using namespace ModKorvel;
    if (!avviaWord(*this))
        return;
    scriviIntestazione(20, 16, 12, 2, QStringLiteral("RISULTATI DEL CALCOLO DETTAGLIATO"), 2);
    tabelleDett::sintesi(10);
    aggiungiParagrafo();
    tabelleDett::legendaMesi(10);
    const int mesi = tabelleDett::mesi(8);
    dimensioneParagrafo(12);
    tabelleDett::legendaAnni(testiAnni(), 10);
    const int anni = tabelleDett::anni(10);
    testoParagrafo(tabelleDett::rigaRecupero());
    if (mesi != 0 && anni != 0) {
        allineaColonne(mesi, mesi, 1, tabelleDett::colonneMesi);
        allineaColonne(anni, anni, 1, tabelleDett::colonneAnni);
    }
    chiudiStato(*this, QStringLiteral("ho visualizzato i risultati su WORD"));
}
