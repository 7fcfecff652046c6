// The inputs of the detailed window as a two-column table: in a new document of its
// own, or as a table of the technical report.
#include "detailed/dettagliato.h"

#include "detailed/datiDettagliato.h"
#include "climate/elencoLocalita.h"
#include "base/ModKorvel.h"
#include "platform/controlli.h"
#include "report/canaleWord.h"
#include "report/relazione.h"

#include <vector>

namespace {

// The caption of the chosen button of a group, "" when none is chosen.
QString captionScelta(const std::vector<PulsanteOpzione*>& gruppo, int scelta)
{
    return scelta >= 1 && std::size_t(scelta) < gruppo.size() ? gruppo[std::size_t(scelta)]->Caption() : QString();
}

} // namespace

int dettagliato::tabellaDati(const FormaTabellaDati& forma) const
{
    // The table shows the window as it stands: a choice not made yet leaves its cell
    // empty, and the unit is that of this window's own fuel.
    const int uso = usoScelto();
    const bool acqua = uso == 2 || uso == 3;
    const bool riscaldamento = uso == 1 || uso == 3;
    const int comb = combustibileScelto();
    QString usoTesto = captionScelta(Option1, uso);
    if (uso == 3 && !forma.entrambiGliUsi.isEmpty())
        usoTesto = forma.entrambiGliUsi;

    std::vector<relazione::Riga> righe = {
        {QStringLiteral("tipologia"), forma.intestazione},
        {QStringLiteral("località di riferimento"), loc->Text()},
        {QStringLiteral("inclinazione della superficie captante"), incl->Caption()},
        {QStringLiteral("angolo azimutale"), azim->Caption()},
        {QStringLiteral("uso dell'impianto"), usoTesto},
    };
    auto riga = [&](bool serve, const QString& titolo, const QString& valore) {
        if (serve || forma.righeDiOgniUso)
            righe.emplace_back(titolo, serve ? valore : QString());
    };
    riga(riscaldamento, QStringLiteral("trasmittanza dell'edificio"), trasm->Text() + QStringLiteral("  W/°C"));
    riga(acqua, QStringLiteral("temperatura d'acqua di rete"), ret->Caption());
    riga(acqua, QStringLiteral("temperatura di consumo dell'acqua"), temper->Caption());
    riga(acqua, QStringLiteral("consumo giornaliero d'acqua"), acq->Caption());
    const relazione::Riga resto[] = {
        {QStringLiteral("tipo di collettore"), captionScelta(Option2, collettoreScelto())},
        {QStringLiteral("tipo di fluido"), captionScelta(Option3, fluidoScelto())},
        {QStringLiteral("area di captazione"), are->Text() + QStringLiteral(" mq.")},
        {QStringLiteral("durata dell'impianto"), ann->Text() + QStringLiteral("  anni")},
        {QStringLiteral("costo totale dell'impianto"), cost->Text() + QStringLiteral("  euro")},
        {QStringLiteral("combustibile alternativo"), captionScelta(Option4, comb)},
        {QStringLiteral("costo del combustibile alternativo"),
         costalt->Text() + (comb != 0 ? QStringLiteral("  centesimi di euro/") + ModKorvel::unitaDelCombustibile(comb)
                                      : QStringLiteral("  centesimi di euro"))},
        {QStringLiteral("tasso percentuale di sconto"), tass->Caption()},
        {QStringLiteral("tasso di inflazione"), infl->Caption()},
        {QStringLiteral("tasso di aumento del costo dell'energia"), ener->Caption()},
    };
    righe.insert(righe.end(), std::begin(resto), std::end(resto));
    return relazione::tabellaDueColonne(righe, forma.dimensione);
}

void dettagliato::stampa_Click()
{
    sceltaLocalita_->conferma();
    using namespace ModKorvel;
    if (!avviaWord(*this))
        return;
    scriviIntestazione(18, 12, 12, 2, QStringLiteral("DATI PER IL CALCOLO DETTAGLIATO"), 1);
    tabellaDati({});
    chiudiStato(*this, QStringLiteral("ho visualizzato i dati su WORD"));
}
