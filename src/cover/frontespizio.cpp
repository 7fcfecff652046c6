#include "cover/frontespizio.h"

#include "platform/caratteri.h"
#include "platform/controlli.h"
#include "platform/messaggi.h"
#include "base/ModKorvel.h"
#include "report/canaleWord.h"
#include "report/relazione.h"
#include "shell/profiliFinestre.h"

#include <QDate>
#include <QLocale>

namespace {

// Design layout (twips).
constexpr int sinistraEtichette = 960;
// 1695 in the design; up to the boxes, so that the longest caption is not cut.
constexpr int larghezzaEtichette = 1785;
constexpr int sinistraCaselle = 2760;
constexpr int larghezzaCaselle = 5535;
constexpr int altezzaCaselle = 285;
constexpr int altezzaEtichette = 240;
constexpr int topRighe[] = {1800, 2040, 2280, 2520, 2760, 3000, 3240};
constexpr int topStudio = 3840;
constexpr int topIndirizzo = 4080;
constexpr int topComandi = 4680;
constexpr int larghezzaComandi = 1095;
constexpr int altezzaComandi = 375;

// The field labels are padded with dots to their design width: on one line, in a
// small font, and cut at the right edge rather than wrapped.
void campo(Etichetta* etichetta)
{
    etichetta->setWordWrap(false);
    etichetta->setFont(caratteri::progetto(8.0));
}

} // namespace

frontespizio::frontespizio() : FinestraLavoro(8), file_(CommonDialog1, QStringLiteral("Korvel-front-"))
{
    costruisci();
}

frontespizio::~frontespizio() = default;

void frontespizio::costruisci()
{
    QWidget* a = area();

    Label1 = new Etichetta(a, QStringLiteral("Label1"), QStringLiteral("PROGRAMMA PER IL CALCOLO DI PANNELLI SOLARI"));
    Label1->setAlignment(Qt::AlignCenter);
    QFont grassetto = Label1->font();
    grassetto.setBold(true);
    Label1->setFont(grassetto);
    posa(Label1, 960, 960, 7335, 375);

    struct Riga {
        Etichetta** etichetta;
        const char* nomeEtichetta;
        const char* caption;
        const char* suggerimento;
        CasellaTesto** casella;
        const char* nomeCasella;
    };
    // Screen order, which is also the tab order and the order of every data file.
    const Riga righe[] = {
        {&Label2, "Label2", " progetto....................:", "il tipo di progetto che si sta elaborando",
         &progetto, "progetto"},
        {&Label3, "Label3", " località......................:", "luogo in cui verrà installato l'impianto",
         &localita, "località"},
        {&Label4, "Label4", " tipologia di studio......:",
         "ad esempio: fattibilità, calcolo dettagliato, verifica area di captazione", &tipostudio, "tipostudio"},
        {&Label6, "Label6", " committente..............:", "chi ha commissionato lo studio", &committente,
         "committente"},
        {&Label10, "Label10", " luogo elaborazione...:", "località in cui viene effettuata la elaborazione dei dati",
         &luogo, "luogo"},
        {&Label7, "Label7", " data elaborazione.....:", "la data della presente elaborazione", &data, "data"},
        {&Label9, "Label9", " allegati alla relazione :", "grafici, disegni, planimetrie, foto, ecc.", &allegati,
         "allegati"},
    };
    QWidget* precedente = nullptr;
    for (std::size_t i = 0; i < std::size(righe); ++i) {
        const Riga& r = righe[i];
        *r.etichetta = new Etichetta(a, QString::fromUtf8(r.nomeEtichetta), QString::fromUtf8(r.caption));
        (*r.etichetta)->setToolTip(QString::fromUtf8(r.suggerimento));
        campo(*r.etichetta);
        posa(*r.etichetta, sinistraEtichette, topRighe[i], larghezzaEtichette, altezzaEtichette);
        *r.casella = new CasellaTesto(a, QString::fromUtf8(r.nomeCasella));
        // A line box stops at 32767 characters of its own accord: let it hold every
        // text a data file stores, so that nothing read is cut on the way in.
        (*r.casella)->setMaxLength(int(archivio::campoMassimo));
        posa(*r.casella, sinistraCaselle, topRighe[i], larghezzaCaselle, altezzaCaselle);
        if (precedente)
            setTabOrder(precedente, *r.casella);
        precedente = *r.casella;
    }

    Label8 = new Etichetta(a, QStringLiteral("Label8"), QStringLiteral(" studio tecnico...........:"));
    Label8->setToolTip(QStringLiteral("lo studio che ha effettuato la elaborazione"));
    campo(Label8);
    posa(Label8, sinistraEtichette, topStudio, larghezzaEtichette, altezzaEtichette);
    Labelstudio = new Etichetta(a, QStringLiteral("Labelstudio"));
    posa(Labelstudio, sinistraCaselle, topStudio, larghezzaCaselle, altezzaEtichette);

    Label11 = new Etichetta(a, QStringLiteral("Label11"), QStringLiteral(" indirizzo.....................:"));
    Label11->setToolTip(QStringLiteral("l'indirizzo dello studio tecnico"));
    campo(Label11);
    posa(Label11, sinistraEtichette, topIndirizzo, larghezzaEtichette, altezzaEtichette);
    labelindirizzo = new Etichetta(a, QStringLiteral("labelindirizzo"));
    posa(labelindirizzo, sinistraCaselle, topIndirizzo, larghezzaCaselle, altezzaEtichette);

    const int destra = sinistraCaselle + larghezzaCaselle;
    Command5 = new Pulsante(a, QStringLiteral("Command5"), QStringLiteral("&Dati"));
    Command5->setToolTip(QStringLiteral("cliccare per visualizzare la finestra Calcolo di fattibilità"));
    posa(Command5, destra - larghezzaComandi, topComandi, larghezzaComandi, altezzaComandi);
    stampa = new Pulsante(a, QStringLiteral("stampa"), QStringLiteral("&Stampa"));
    stampa->setToolTip(QStringLiteral("cliccare per avere la stampa completa della elaborazione eseguita"));
    posa(stampa, destra - 2 * larghezzaComandi - 120, topComandi, larghezzaComandi, altezzaComandi);

    connect(Command5, &Pulsante::Click, this, [this] { Command5_Click(); });
    connect(stampa, &Pulsante::Click, this, [this] { stampa_Click(); });
}

void frontespizio::caricaFinestra()
{
    if (esco)
        esco->setToolTip(QStringLiteral("cliccare per uscire da ") + ModKorvel::nomeProgramma);
    data->setText(testoData(QDate::currentDate()));
    Labelstudio->setCaption(ModKorvel::nomeStudio);
    labelindirizzo->setCaption(ModKorvel::indirizzoStudio);
    impostaPasso();
}

QString frontespizio::testoData(const QDate& giorno)
{
    // The program speaks Italian whatever the system's locale.
    static const QLocale italiano(QLocale::Italian, QLocale::Italy);
    return italiano.toString(giorno, QStringLiteral("dddd, d MMM yyyy"));
}

void frontespizio::impostaPasso()
{
    passo->setCaption(QStringLiteral(
        "Prelevare i dati dall'archivio o digitarli negli appositi campi con un massimo di 60 caratteri."));
}

ModKorvel::datiFrontespizio frontespizio::dati() const
{
    return {progetto->Text(), localita->Text(), tipostudio->Text(), committente->Text(),
            luogo->Text(),    data->Text(),     allegati->Text()};
}

void frontespizio::imposta(const ModKorvel::datiFrontespizio& r)
{
    progetto->setText(r.progetto);
    localita->setText(r.localita);
    tipostudio->setText(r.tipostudio);
    committente->setText(r.committente);
    luogo->setText(r.luogo);
    data->setText(r.data);
    allegati->setText(r.allegati);
}

void frontespizio::impostaRidotta(const ModKorvel::datiFrontespizio& r)
{
    progetto->setText(r.progetto);
    localita->setText(r.localita);
    committente->setText(r.committente);
    luogo->setText(r.luogo);
    data->setText(r.data);
    allegati->setText(r.allegati);
}

std::optional<ModKorvel::datiFrontespizio>
frontespizio::recordDaArchiviare(const std::function<void()>& controllo)
{
    if (!ModKorvel::verificaSilenziosa(controllo))
        return std::nullopt;
    frontespizio& copertina = finestra<frontespizio>();
    if (!copertina.controllaProgetto())
        return std::nullopt;
    return copertina.dati();
}

bool frontespizio::controllaProgetto()
{
    if (!progetto->Text().isEmpty())
        return true;
    piattaforma::msgBox(QStringLiteral("E' necessario digitare almeno il dato del 'progetto'."),
                        piattaforma::vbCritical, ModKorvel::titoloControllo);
    Show();
    return false;
}

void frontespizio::controllaDati()
{
    using namespace piattaforma;
    // Exact comparisons: a text of blanks counts as filled.
    if (progetto->Text().isEmpty() && localita->Text().isEmpty() && tipostudio->Text().isEmpty()
        && committente->Text().isEmpty() && allegati->Text().isEmpty()) {
        msgBox(QStringLiteral("Non è stato immesso alcun dato."), vbQuestion, ModKorvel::titoloControllo);
        return;
    }
    const ModKorvel::datiFrontespizio d = dati();
    for (const QString* campo : {&d.progetto, &d.localita, &d.tipostudio, &d.committente, &d.luogo, &d.data,
                                 &d.allegati}) {
        if (campo->isEmpty()) {
            msgBox(QStringLiteral("Inserire dati per ogni campo."), vbExclamation, ModKorvel::titoloControllo);
            return;
        }
    }
    ModKorvel::confermaControllo(QStringLiteral("I dati sono stati immessi correttamente."));
}

void frontespizio::cancella_click()
{
    for (CasellaTesto* casella : {progetto, localita, tipostudio, committente, luogo, data, allegati})
        casella->setText(QString());
}

void frontespizio::Command5_Click()
{
    if (ModKorvel::tipoElaborazione == 0)
        mostraFinestraNumero(1);
    if (ModKorvel::tipoElaborazione == 1)
        mostraFinestraNumero(4);
    if (ModKorvel::tipoElaborazione == 2)
        mostraFinestraNumero(6);
}

// ---- data file ---------------------------------------------------------------------

void frontespizio::apri_Click()
{
    // All seven fields replace the boxes, so nothing needs clearing first.
    file_.apri([this](archivio::Lettore& lettore) -> archivio::FileDati::Applica {
        const ModKorvel::datiFrontespizio letto = ModKorvel::leggiRigaFrontespizio(lettore);
        return [this, letto] { imposta(letto); };
    });
}

void frontespizio::scrivoArchivio()
{
    if (!ModKorvel::verificaSilenziosa([this] { controllaDati(); }))
        return;
    const ModKorvel::datiFrontespizio record = dati();
    file_.salva([&record](archivio::Scrittore& s) { ModKorvel::rigaFrontespizio(s, record); });
}

void frontespizio::salva_Click() { scrivoArchivio(); }

void frontespizio::salvanome_Click()
{
    file_.impostaRicordato(QString());
    scrivoArchivio();
}

// ---- the record in a document -------------------------------------------------------

void frontespizio::stampa_Click() { profiliFinestre::destinazioni().relazioneCompleta(); }

void frontespizio::solodati_Click()
{
    using namespace ModKorvel;
    if (!avviaWord(*this))
        return;
    scriviIntestazione(18, 12, 12, 2, QStringLiteral("FRONTESPIZIO"), 1);
    const relazione::Riga righe[] = {
        {QStringLiteral("tipologia"), QStringLiteral("dati")},
        {QStringLiteral("progetto"), progetto->Text()},
        {QStringLiteral("località"), localita->Text()},
        {QStringLiteral("tipologia di studio"), tipostudio->Text()},
        {QStringLiteral("committente"), committente->Text()},
        {QStringLiteral("luogo della elaborazione"), luogo->Text()},
        {QStringLiteral("data della elaborazione"), data->Text()},
        {QStringLiteral("allegati alla relazione"), allegati->Text()},
        {QStringLiteral("studio tecnico"), Labelstudio->Caption()},
        {QStringLiteral("indirizzo"), labelindirizzo->Caption()},
    };
    relazione::tabellaDueColonne(righe, 10);
    chiudiStato(*this, QStringLiteral("ho visualizzato i dati su WORD"));
}
