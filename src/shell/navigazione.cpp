#include "shell/navigazione.h"

#include "climate/tabella.h"
#include "cover/frontespizio.h"
#include "detailed/dettagliato.h"
#include "detailed/risdettagliato.h"
#include "feasibility/fattib.h"
#include "feasibility/risultati.h"
#include "help/frmTip.h"
#include "help/guide.h"
#include "help/informa.h"
#include "help/licenza.h"
#include "help/prodotti.h"
#include "help/sommario.h"
#include "help/supportoclienti.h"
#include "platform/controlli.h"
#include "platform/messaggi.h"
#include "base/ModKorvel.h"
#include "relazione/relazioneTecnica.h"
#include "shell/frmSplash.h"
#include "shell/menu.h"
#include "shell/profiliFinestre.h"
#include "transmittance/trasmitt.h"

namespace {

template <class W>
FinestraLavoro& lavoro()
{
    return finestra<W>();
}

template <class W>
void mostraW()
{
    mostra<W>();
}

template <class W, class G>
void collega(int k)
{
    ProfiloFinestra& p = profiliFinestre::profiloDaCollegare(k);
    p.finestra = &lavoro<W>;
    p.mostra = &mostraW<W>;
    p.mostraGuida = &mostraW<G>;
}

} // namespace

namespace navigazione {

void installa()
{
    profiliFinestre::profiloDaCollegare(1).mostra = &mostraW<menu>;
    collega<tabella, guidatabella>(2);
    collega<trasmitt, guidatrasmitt>(3);
    collega<fattib, guidafattib>(4);
    collega<risultati, guidarisultati>(5);
    collega<dettagliato, guidadettagliato>(6);
    collega<risdettagliato, guidarisdettagliato>(7);
    collega<frontespizio, guidafrontespizio>(8);

    profiliFinestre::Destinazioni& d = profiliFinestre::destinazioniDaCollegare();
    d.sommario = &mostraW<sommario>;
    d.suggerimenti = &mostraW<frmTip>;
    d.supporto = &mostraW<supportoclienti>;
    d.informazioni = &mostraW<informa>;
    d.esci = &esciProgramma;
    d.relazioneCompleta = [] { relazioneTecnica::stampa(finestra<frontespizio>()); };
}

} // namespace navigazione

void mostraMenu() { mostra<menu>(); }

void proceduraVuota() {}

void esciProgramma()
{
    using namespace ModKorvel;
    const int risposta = piattaforma::msgBox(QStringLiteral("Vuoi uscire da ") + nomeProgramma + QStringLiteral("?"),
                                             piattaforma::vbYesNo + piattaforma::vbQuestion + piattaforma::vbDefaultButton2,
                                             nomeProgramma + QStringLiteral(": ") + sottotitolo);
    if (risposta == piattaforma::vbNo)
        return;

    // Windows that are not loaded are skipped, never loaded by this.
    Unica<menu>::scarica();
    Unica<tabella>::scarica();
    Unica<fattib>::scarica();
    Unica<risultati>::scarica();
    Unica<trasmitt>::scarica();
    Unica<frontespizio>::scarica();
    Unica<dettagliato>::scarica();
    Unica<risdettagliato>::scarica();
    Unica<sommario>::scarica();
    Unica<manuale>::scarica();
    Unica<guidaarchivio>::scarica();
    Unica<guidastampa>::scarica();
    Unica<guidamenu>::scarica();
    Unica<guidatabella>::scarica();
    Unica<guidatrasmitt>::scarica();
    Unica<guidafattib>::scarica();
    Unica<guidarisultati>::scarica();
    Unica<guidadettagliato>::scarica();
    Unica<guidarisdettagliato>::scarica();
    Unica<guidafrontespizio>::scarica();
    Unica<guidafunzionamento>::scarica();
    Unica<frmTip>::scarica();
    Unica<licenza>::scarica();
    Unica<prodotti>::scarica();
    Unica<supportoclienti>::scarica();
    Unica<informa>::scarica();

    finestra<frmSplash>().mostraCommiato();
}
