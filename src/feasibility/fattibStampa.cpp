// The inputs of the feasibility window as a two-column table in a new document.
#include "feasibility/fattib.h"

#include "platform/controlli.h"
#include "base/ModKorvel.h"
#include "report/canaleWord.h"
#include "report/relazione.h"

void fattib::stampa_Click()
{
    using namespace ModKorvel;
    // The table shows the window as it stands: a use or a fuel not chosen yet
    // leaves its cells empty.
    const int uso = usoScelto();
    const int comb = combustibileScelto();
    const QString unitaCosto[] = {QString(), QStringLiteral("litro"), QStringLiteral("mc."), QStringLiteral("kwh")};

    if (!avviaWord(*this))
        return;
    scriviIntestazione(18, 12, 12, 2, QStringLiteral("DATI PER IL CALCOLO DI FATTIBILITA'"), 1);
    const relazione::Riga righe[] = {
        {QStringLiteral("tipologia"), QStringLiteral("dati")},
        {QStringLiteral("località di riferimento"), loc->Text()},
        {QStringLiteral("uso dell'impianto"), uso != 0 ? Option1[uso]->Caption() : QString()},
        {QStringLiteral("trasmittanza dell'edificio"), uso == 1 ? trasm->Text() + QStringLiteral("  W/°C") : QString()},
        {QStringLiteral("consumo giornaliero d'acqua"), acq->Caption()},
        {QStringLiteral("temperatura di consumo dell'acqua"), temper->Caption()},
        {QStringLiteral("durata dell'impianto"), ann->Text() + QStringLiteral(" anni")},
        {QStringLiteral("costo al mq. dei collettori"), cost->Text() + QStringLiteral(" euro")},
        {QStringLiteral("costo di elettricità al mq. di collettore"), elettr->Text() + QStringLiteral(" euro")},
        {QStringLiteral("combustibile alternativo"), comb != 0 ? Option3[comb]->Caption() : QString()},
        {QStringLiteral("costo del combustibile alternativo"),
         costalt->Text() + (comb != 0 ? QStringLiteral(" euro al ") + unitaCosto[comb] : QStringLiteral(" euro"))},
        {QStringLiteral("tasso percentuale di sconto"), tass->Caption()},
        {QStringLiteral("tasso di aumento del costo dell'energia"), tasen->Caption()},
    };
    relazione::tabellaDueColonne(righe, 10);
    chiudiStato(*this, QStringLiteral("ho visualizzato i dati su WORD"));
}
