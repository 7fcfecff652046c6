// The inputs of the feasibility window as a two-column table: in a new document of
// its own, or as a table of the technical report.
#include "feasibility/fattib.h"

#include "feasibility/datiFattib.h"
#include "climate/elencoLocalita.h"
#include "platform/controlli.h"
#include "base/ModKorvel.h"
#include "report/canaleWord.h"
#include "report/relazione.h"

#include <vector>

int fattib::tabellaDati(const FormaTabellaDati& forma) const
{
    // The table shows the window as it stands: a use or a fuel not chosen yet leaves
    // its cells empty, and the fuel's unit is that of this window's own fuel.
    const int uso = usoScelto();
    const int comb = combustibileScelto();
    if (uso == 0 && !forma.righeDiOgniUso)
        return 0;
    const QString& u = forma.primaDellUnita;
    QString costoCombustibile = costalt->Text() + u + QStringLiteral("euro");
    if (comb != 0) {
        const QString unitaBreve[] = {QString(), QStringLiteral("litro"), QStringLiteral("mc."), QStringLiteral("kwh")};
        costoCombustibile += forma.costoPerUnitaCompleta ? QStringLiteral("/") + ModKorvel::unitaDelCombustibile(comb)
                                                         : QStringLiteral(" al ") + unitaBreve[comb];
    }

    std::vector<relazione::Riga> righe = {{QStringLiteral("tipologia"), forma.intestazione}};
    if (forma.righeDiOgniUso)
        righe.emplace_back(QStringLiteral("località di riferimento"), loc->Text());
    righe.emplace_back(QStringLiteral("uso dell'impianto"), uso != 0 ? Option1[uso]->Caption() : QString());
    auto riga = [&](bool serve, const QString& titolo, const QString& valore) {
        if (serve || forma.righeDiOgniUso)
            righe.emplace_back(titolo, serve ? valore : QString());
    };
    riga(uso == 1, QStringLiteral("trasmittanza dell'edificio"), trasm->Text() + QStringLiteral("  W/°C"));
    // The window's own report always shows the water rows, as the window shows them.
    riga(uso == 2 || forma.righeDiOgniUso, QStringLiteral("consumo giornaliero d'acqua"), acq->Caption());
    riga(uso == 2 || forma.righeDiOgniUso, QStringLiteral("temperatura di consumo dell'acqua"), temper->Caption());
    const relazione::Riga resto[] = {
        {QStringLiteral("durata dell'impianto"), ann->Text() + u + QStringLiteral("anni")},
        {QStringLiteral("costo al mq. dei collettori"), cost->Text() + u + QStringLiteral("euro")},
        {QStringLiteral("costo di elettricità al mq. di collettore"), elettr->Text() + u + QStringLiteral("euro")},
        {QStringLiteral("combustibile alternativo"), comb != 0 ? Option3[comb]->Caption() : QString()},
        {QStringLiteral("costo del combustibile alternativo"), costoCombustibile},
        {QStringLiteral("tasso percentuale di sconto"), tass->Caption()},
        {QStringLiteral("tasso di aumento del costo dell'energia"), tasen->Caption()},
    };
    righe.insert(righe.end(), std::begin(resto), std::end(resto));
    return relazione::tabellaDueColonne(righe, forma.dimensione);
}

void fattib::stampa_Click()
{
    sceltaLocalita_->conferma();
    using namespace ModKorvel;
    if (!avviaWord(*this))
        return;
    scriviIntestazione(18, 12, 12, 2, QStringLiteral("DATI PER IL CALCOLO DI FATTIBILITA'"), 1);
    tabellaDati({});
    chiudiStato(*this, QStringLiteral("ho visualizzato i dati su WORD"));
}
