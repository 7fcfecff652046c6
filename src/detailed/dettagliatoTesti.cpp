// The hint line and the check of the detailed window: their texts, and the first step
// missing and the first check failing, in the order of the texts.
#include "detailed/dettagliato.h"

#include "base/ModKorvel.h"
#include "base/numeri.h"
#include "climate/elencoLocalita.h"
#include "platform/controlli.h"
#include "platform/messaggi.h"

namespace {

const QString testiPasso[] = {
    QStringLiteral("controllare, correggere, archiviare quanto immesso, visualizzare i risultati cliccando "
                   "sull'apposito tasto ------------------>>>"),
    QStringLiteral("aprire un file con i dati archiviati o iniziare l'immissione dei dati scegliendo la località di "
                   "riferimento tra quelle preimpostate"),
    QStringLiteral("scegliere, con le apposite frecce di scorrimento verticale, l'inclinazione sull'orizzontale della "
                   "superficie captante"),
    QStringLiteral("scegliere, con le apposite frecce di scorrimento verticale, l'angolo azimutale della superficie "
                   "captante"),
    QStringLiteral("scegliere la tipologia di impianto (riscaldamento degli ambienti, produzione di acqua calda "
                   "sanitaria, entrambi gli usi)"),
    QStringLiteral("scegliere, con l'apposita barra verticale di scorrimento, la temperatura dell'acqua della rete"),
    QStringLiteral("scegliere, con l'apposita barra verticale di scorrimento, la temperatura dell'acqua consumata "
                   "giornalmente"),
    QStringLiteral("scegliere, con l'apposita barra verticale di scorrimento, la quantità di acqua consumata "
                   "giornalmente"),
    QStringLiteral("digitare il valore della trasmittanza dell'edificio a cui si riferisce l'impianto"),
    QStringLiteral("scegliere il tipo di collettore"),
    QStringLiteral("scegliere il tipo di fluido usato nei collettori"),
    QStringLiteral("digitare l'area di captazione dei collettori"),
    QStringLiteral("digitare il numero di anni di vita dell'impianto di pannelli solari"),
    QStringLiteral("digitare il costo totale dell'impianto a pannelli solari"),
    QStringLiteral("scegliere il tipo di combustibile usato in alternativa ai pannelli solari"),
    QStringLiteral("digitare il costo del combustibile usato in alternativa ai pannelli solari"),
    QStringLiteral("scegliere, con l'apposita barra verticale di scorrimento, il valore del tasso di sconto previsto "
                   "nel periodo di vita dell'impianto"),
    QStringLiteral("scegliere, con l'apposita barra verticale di scorrimento, il valore del tasso di inflazione"),
    QStringLiteral("scegliere, con l'apposita barra verticale di scorrimento, il valore del tasso di aumento "
                   "dell'energia, usata in alternativa"),
};
constexpr int ultimoPasso = 18;

const QString tempoEsagerato = QStringLiteral("E' un tempo esagerato: non superare i 100 anni.");

const QString messaggiControllo[dettagliato::numeroControlli] = {
    QStringLiteral("I dati sono stati immessi formalmente in modo corretto."),
    QStringLiteral("Aprire un file con i dati archiviati o iniziare l'immissione dei dati scegliendo la località di "
                   "riferimento tra quelle preimpostate."),
    QStringLiteral("Scegliere l'inclinazione dei collettori sull'orizzontale."),
    QStringLiteral("Scegliere l'angolo azimutale dei collettori."),
    QStringLiteral("Scegliere la tipologia di impianto (riscaldamento degli ambienti, produzione di acqua calda "
                   "sanitaria o entrambi gli usi)."),
    QStringLiteral("Scegliere, con l'apposita barra verticale di scorrimento, la quantità di acqua consumata "
                   "giornalmente."),
    QStringLiteral("Scegliere, con l'apposita barra verticale di scorrimento, la temperatura dell'acqua consumata "
                   "giornalmente."),
    QStringLiteral("Scegliere una temperatura di consumo dell'acqua superiore a quella dell'acqua di rete."),
    QStringLiteral("Digitare il valore della trasmittanza dell'edificio a cui si riferisce l'impianto."),
    QStringLiteral("Digitare un valore della trasmittanza dell'edificio maggiore di zero."),
    QStringLiteral("Scegliere il tipo di collettori da usare per l'impianto."),
    QStringLiteral("Scegliere il tipo di fluido usato nei collettori."),
    QStringLiteral("Digitare un'area di captazione dei collettori maggiore di zero."),
    QStringLiteral("Digitare il numero di anni di vita dell'impianto di pannelli solari."),
    QStringLiteral("Digitare un numero di anni di vita dell'impianto non inferiore a 1."),
    tempoEsagerato,
    QStringLiteral("Digitare il costo totale dell'impianto solare."),
    QStringLiteral("Digitare un costo totale dell'impianto solare maggiore di zero."),
    QStringLiteral("Scegliere il tipo di combustibile usato in alternativa ai pannelli solari."),
    QStringLiteral("Digitare il costo del combustibile usato in alternativa ai pannelli solari."),
    QStringLiteral("Digitare un costo del combustibile usato in alternativa maggiore di zero."),
    QStringLiteral("Scegliere, con l'apposita barra verticale di scorrimento, il valore del tasso di sconto previsto "
                   "nel periodo di vita dell'impianto."),
    QStringLiteral("Scegliere, con l'apposita barra verticale di scorrimento, il valore del tasso di inflazione "
                   "previsto nel periodo di vita dell'impianto."),
    QStringLiteral("Scegliere, con l'apposita barra verticale di scorrimento, il valore del tasso di aumento "
                   "dell'energia, usata in alternativa, previsto nel periodo di vita dell'impianto."),
};

// A typed number counts as missing for the hint line when it is empty or reads as 0.
bool vuotoOZero(const QString& testo) { return testo.isEmpty() || numeri::val(testo) == 0; }

} // namespace

QString dettagliato::testoPasso(int passo)
{
    return (passo >= 0 && passo <= ultimoPasso) ? testiPasso[passo] : QString();
}

QString dettagliato::messaggioControllo(int controllo)
{
    return (controllo >= 0 && controllo < numeroControlli) ? messaggiControllo[controllo] : QString();
}

int dettagliato::primoPassoMancante() const
{
    const int uso = usoScelto();
    const bool acqua = uso == 2 || uso == 3;
    const bool riscaldamento = uso == 1 || uso == 3;
    const bool mancano[] = {
        false,
        loc->Text().isEmpty(),
        incl->Caption().isEmpty(),
        azim->Caption().isEmpty(),
        uso == 0,
        acqua && ret->Caption().isEmpty(),
        acqua && temper->Caption().isEmpty(),
        acqua && acq->Caption().isEmpty(),
        riscaldamento && vuotoOZero(trasm->Text()),
        collettoreScelto() == 0,
        fluidoScelto() == 0,
        are->Text().isEmpty(),
        vuotoOZero(ann->Text()),
        vuotoOZero(cost->Text()),
        combustibileScelto() == 0,
        vuotoOZero(costalt->Text()),
        tass->Caption().isEmpty(),
        infl->Caption().isEmpty(),
        ener->Caption().isEmpty(),
    };
    for (int p = 1; p <= ultimoPasso; ++p)
        if (mancano[p])
            return p;
    return 0;
}

void dettagliato::aggiornaPasso() { passo->setCaption(testoPasso(primoPassoMancante())); }

dettagliato::Controllo dettagliato::primoControlloFallito() const
{
    const int uso = usoScelto();
    const bool acqua = uso == 2 || uso == 3;
    const bool riscaldamento = uso == 1 || uso == 3;
    const double anni = numeri::val(ann->Text());
    // In the order of the window; every refusal the calculation would make is made
    // here first, with the input's own message.
    const bool fallisce[numeroControlli] = {
        false,
        loc->Text().isEmpty(),
        incl->Caption().isEmpty(),
        azim->Caption().isEmpty(),
        uso == 0,
        acqua && acq->Caption().isEmpty(),
        acqua && temper->Caption().isEmpty(),
        acqua && !(numeri::val(temper->Caption()) > numeri::val(ret->Caption())),
        riscaldamento && trasm->Text().isEmpty(),
        riscaldamento && !(numeri::val(trasm->Text()) > 0),
        collettoreScelto() == 0,
        fluidoScelto() == 0,
        !(numeri::val(are->Text()) > 0),
        ann->Text().isEmpty(),
        anni < 1,
        anni > 100,
        cost->Text().isEmpty(),
        !(numeri::val(cost->Text()) > 0),
        combustibileScelto() == 0,
        costalt->Text().isEmpty(),
        !(numeri::val(costalt->Text()) > 0),
        tass->Caption().isEmpty(),
        infl->Caption().isEmpty(),
        ener->Caption().isEmpty(),
    };
    for (int c = 1; c < numeroControlli; ++c)
        if (fallisce[c])
            return Controllo(c);
    return controlloSuperato;
}

void dettagliato::controlla_Click()
{
    sceltaLocalita_->conferma();
    const Controllo fallito = primoControlloFallito();
    if (fallito != controlloSuperato) {
        piattaforma::msgBox(messaggioControllo(fallito), piattaforma::vbCritical, ModKorvel::titoloControllo);
        return;
    }
    ModKorvel::confermaControllo(messaggioControllo(controlloSuperato));
}
