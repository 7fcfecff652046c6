#include "detailed/dettagliato.h"

#include "base/ModKorvel.h"
#include "base/numeri.h"
#include "climate/datiClimatici.h"
#include "climate/elencoLocalita.h"
#include "detailed/calcoloDettagliato.h"
#include "detailed/datiDettagliato.h"
#include "detailed/risdettagliato.h"
#include "platform/caratteri.h"
#include "platform/controlli.h"
#include "platform/messaggi.h"
#include "platform/modulo.h"
#include "shell/filtroNumerico.h"
#include "transmittance/datiTrasmittanza.h"

#include <memory>

namespace {

// Design layout (twips): the town, tilt and azimuth rows across the left and middle
// columns, then the water frames on the left, the plant frames in the middle, and the
// use, the economics and the rates on the right.
constexpr int sinistra = 120;
constexpr int centro = 3240;
constexpr int destra = 6360;
constexpr int larghezzaSinistra = 3000;
constexpr int larghezzaCentro = 3000;
constexpr int larghezzaDestra = 3120;
constexpr int topRighe[] = {525, 915, 1305};
constexpr int topAcqua[] = {1740, 2985, 4230};
constexpr int altezzaAcqua = 1170;
constexpr int altezzaCasella = 315;
constexpr int larghezzaCasella = 1695;
constexpr int topCasella = 330;

Cornice* riquadro(QWidget* area, const char* nome, const QString& caption, modulo::Rettangolo posto,
                  const QString& suggerimento)
{
    return modulo::riquadro(area, QString::fromLatin1(nome), caption, posto, suggerimento);
}

// A frame of the water column: a vertical scroll bar and its value label.
void riquadroAcqua(QWidget* area, Cornice*& f, const char* nome, const QString& caption, int riga,
                   const QString& suggerimento, const char* nomeBarra, const char* nomeValore,
                   modulo::Intervallo intervallo, BarraScorrimento*& b, Etichetta*& valore)
{
    f = riquadro(area, nome, caption, {sinistra, topAcqua[riga], larghezzaSinistra, altezzaAcqua}, suggerimento);
    const auto pezzo = modulo::barraConValore(f, Qt::Vertical, QString::fromLatin1(nomeBarra), {120, 285, 255, 735},
                                              intervallo, QString::fromLatin1(nomeValore),
                                              {480, 525, larghezzaSinistra - 600, 255});
    b = pezzo.barra;
    valore = pezzo.valore;
}

// A frame holding one typed number.
CasellaTesto* riquadroCasella(QWidget* area, Cornice*& f, const char* nome, const QString& caption,
                              modulo::Rettangolo posto, const QString& suggerimento, const char* nomeCasella)
{
    f = riquadro(area, nome, caption, posto, suggerimento);
    return modulo::casella(f, QString::fromLatin1(nomeCasella), {120, topCasella, larghezzaCasella, altezzaCasella});
}

// A rate frame of the bottom right: a horizontal scroll bar over its value label.
void riquadroTasso(QWidget* area, Cornice*& f, const char* nome, const QString& caption, int k,
                   const QString& suggerimento, const char* nomeBarra, const char* nomeValore, BarraScorrimento*& b,
                   Etichetta*& valore)
{
    constexpr int larghezza = 1020;
    f = riquadro(area, nome, caption, {destra + 1050 * k, 4710, larghezza, 690}, suggerimento);
    const auto pezzo = modulo::barraConValore(f, Qt::Horizontal, QString::fromLatin1(nomeBarra), {90, 240, 840, 210},
                                              {10, 10000, 1, 10}, QString::fromLatin1(nomeValore),
                                              {90, 450, 840, 210});
    b = pezzo.barra;
    valore = pezzo.valore;
}

// A label of the top rows.
Etichetta* etichettaRiga(QWidget* area, const char* nome, const QString& caption, int left, int riga, int width,
                         const QString& suggerimento = QString())
{
    return controlli::etichetta(area, QString::fromLatin1(nome), caption, left, topRighe[riga] + 30, width, 255,
                                suggerimento);
}

} // namespace

dettagliato::dettagliato() : FinestraLavoro(6), file_(CommonDialog1, QStringLiteral("Korvel-dett-"), &ModKorvel::nomeFile)
{
    costruisci();
}

dettagliato::~dettagliato() = default;

void dettagliato::costruisci()
{
    QWidget* a = area();

    // Town, tilt and azimuth.
    Label2 = etichettaRiga(a, "Label2", QStringLiteral("località di riferimento"), sinistra, 0, larghezzaSinistra,
                           QStringLiteral("la località di riferimento (sceglierla tra quelle preimpostate)"));
    loc = new Elenco(a, QStringLiteral("loc"));
    posa(loc, centro, topRighe[0], larghezzaCentro, altezzaCasella);

    const QString suggerimentoInclinazione = QStringLiteral("inclinazione rispetto all'orizzontale");
    Label3 = etichettaRiga(a, "Label3", QStringLiteral("inclinazione della superficie captante"), sinistra, 1,
                           larghezzaSinistra, suggerimentoInclinazione);
    const auto tilt = modulo::barraConValore(a, Qt::Vertical, QStringLiteral("VScroll1"),
                                             {centro + 1080, topRighe[1] - 15, 255, 345}, {0, 90, 1, 5},
                                             QStringLiteral("incl"), {centro, topRighe[1] + 30, 1020, 255});
    VScroll1 = tilt.barra;
    incl = tilt.valore;
    Label1 = etichettaRiga(a, "Label1", QStringLiteral("tra 0 e 90"), centro + 1440, 1, 1560,
                           QStringLiteral("valori signidicativi massimi (verticale) e minimi (orizzontale) "
                                          "dell'inclinazione del pannello"));

    const QString suggerimentoAzimut = QStringLiteral("angolo planimetrico rispetto alla direttrice nord-sud");
    Label4 = etichettaRiga(a, "Label4", QStringLiteral("angolo azimutale"), sinistra, 2, larghezzaSinistra,
                           suggerimentoAzimut);
    const auto orientamento = modulo::barraConValore(a, Qt::Vertical, QStringLiteral("VScroll2"),
                                                     {centro + 1080, topRighe[2] - 15, 255, 345}, {-45, 45, 1, 5},
                                                     QStringLiteral("azim"), {centro, topRighe[2] + 30, 1020, 255});
    VScroll2 = orientamento.barra;
    azim = orientamento.valore;
    Label5 = etichettaRiga(a, "Label5", QStringLiteral("tra -45 e +45"), centro + 1440, 2, 1560,
                           QStringLiteral("valori significativi minimi (verso est) e massimi (verso ovest) "
                                          "dell'angolo dei pannelli sul piano orizzontale e rispetto alla direttrice "
                                          "nord-sud"));
    for (QWidget* w : {static_cast<QWidget*>(VScroll1), static_cast<QWidget*>(incl)})
        w->setToolTip(suggerimentoInclinazione);
    for (QWidget* w : {static_cast<QWidget*>(VScroll2), static_cast<QWidget*>(azim)})
        w->setToolTip(suggerimentoAzimut);
    for (Etichetta* e : {incl, azim})
        e->setFont(caratteri::progetto());
    // The azimuth's design value is the south, not its minimum.
    VScroll2->setValue(0);

    // Use of the plant.
    Frame1 = riquadro(a, "Frame1", QStringLiteral("Uso dell'impianto"), {destra, 480, larghezzaDestra, 1095},
                      QStringLiteral("scegliere la tipologia di impianto da realizzare"));
    Option1 = modulo::opzioni(Frame1, QStringLiteral("Option1"),
                              {QStringLiteral("riscaldamento degli ambienti"),
                               QStringLiteral("produzione di acqua calda sanitaria"), QStringLiteral("entrambi gli usi")},
                              {{120, 240, 2880, 255}, {120, 495, 2880, 255}, {120, 750, 2880, 255}});

    // Water.
    riquadroAcqua(a, Frame2, "Frame2", QStringLiteral("Temperatura dell'acqua di rete"), 0,
                  QStringLiteral("la temperatura media dell'acqua della rete (sceglierla con la barra di scorrimento)"),
                  "VScroll3", "ret", {0, 30, 1, 5}, VScroll3, ret);
    riquadroAcqua(a, Frame3, "Frame3", QStringLiteral("Temperatura di consumo dell'acqua"), 1,
                  QStringLiteral("la temperatura media alla quale viene utilizzata l'acqua calda (sceglierla con la "
                                 "barra di scorrimento)"),
                  "VScroll4", "temper", {20, 100, 1, 5}, VScroll4, temper);
    riquadroAcqua(a, Frame4, "Frame4", QStringLiteral("Consumo giornaliero d'acqua"), 2,
                  QStringLiteral("la quantità media di litri d'acqua calda consumata giornalmente (sceglierla con la "
                                 "barra di scorrimento)"),
                  "VScroll5", "acq", {10, 32000, 5, 50}, VScroll5, acq);

    // Building, collectors.
    trasm = riquadroCasella(a, Frame5, "Frame5", QStringLiteral("Trasmittanza dell'edificio (W/°K)."),
                            {centro, 1740, larghezzaCentro, 795},
                            QStringLiteral("la trasmittanza totale dell'edificio espressa in Watt su gradi centigradi "
                                           "Kelvin"),
                            "trasm");
    ver = new Pulsante(Frame5, QStringLiteral("ver"), QStringLiteral("calcola"));
    posa(ver, 1935, topCasella - 30, 945, 375);
    ver->setToolTip(QStringLiteral("cliccare per calcolare la trasmittanza dell'edificio"));

    Frame6 = riquadro(a, "Frame6", QStringLiteral("Tipo di collettore"), {centro, 2610, larghezzaCentro, 1230},
                      QStringLiteral("scegliere il tipo di collettore da usare nell'impianto"));
    Option2 = modulo::opzioni(Frame6, QStringLiteral("Option2"),
                              {QStringLiteral("a un vetro senza piastra selettiva"),
                               QStringLiteral("a due vetri senza piastra selettiva"),
                               QStringLiteral("a un vetro con piastra selettiva"),
                               QStringLiteral("a due vetri con piastra selettiva")},
                              {{120, 240, 2820, 240}, {120, 480, 2820, 240}, {120, 720, 2820, 240},
                               {120, 960, 2820, 240}});
    Frame7 = riquadro(a, "Frame7", QStringLiteral("Tipo di fluido nei collettori"), {centro, 3915, larghezzaCentro, 645},
                      QStringLiteral("scegliere il tipo di fluido usato nella piastra captante"));
    Option3 = modulo::opzioni(Frame7, QStringLiteral("Option3"), {QStringLiteral("ad aria"), QStringLiteral("a liquido")},
                              {{120, 285, 1320, 255}, {1560, 285, 1320, 255}});
    are = riquadroCasella(a, Frame8, "Frame8", QStringLiteral("Area di captazione in  metri quadri"),
                          {centro, 4635, larghezzaCentro, 765},
                          QStringLiteral("digitare la superficie totale della piastra captante"), "are");

    // Economics.
    ann = riquadroCasella(a, Frame9, "Frame9", QStringLiteral("Durata dell'impianto in anni"),
                          {destra, 1650, larghezzaDestra, 705},
                          QStringLiteral("digitare il numero di anni che si prevede possa durare l'impianto"), "ann");
    cost = riquadroCasella(a, Frame10, "Frame10", QStringLiteral("Costo (in euro) dell'impianto solare"),
                           {destra, 2430, larghezzaDestra, 705},
                           QStringLiteral("digitare il costo totale dell'impianto solare"), "cost");
    Frame11 = riquadro(a, "Frame11", QStringLiteral("Combustibile alternativo"), {destra, 3210, larghezzaDestra, 645},
                       QStringLiteral("scegliere il tipo di combustibile usato in alternativa all'impianto solare"));
    Option4 = modulo::opzioni(Frame11, QStringLiteral("Option4"),
                              {QStringLiteral("gasolio"), QStringLiteral("metano"), QStringLiteral("elettricità")},
                              {{120, 285, 900, 255}, {1050, 285, 900, 255}, {1980, 285, 1080, 255}});
    costalt = riquadroCasella(a, Frame12, "Frame12", QStringLiteral("Costo combustibile alternativo"),
                              {destra, 3930, larghezzaDestra, 705},
                              QStringLiteral("digitare il costo secondo l'unità di misura del combustibile usato in "
                                             "alternativa"),
                              "costalt");
    // Waits for a fuel, whose unit it is priced in.
    costalt->setEnabled(false);
    // The caption names the fuel's unit at length.
    Frame12->setFont(caratteri::stretto(caratteri::puntiNormali));

    riquadroTasso(a, Frame13, "Frame13", QStringLiteral("Tasso sconto"), 0,
                  QStringLiteral("il tasso di sconto di riferimento per la verifica economica (sceglierlo con la "
                                 "barra di scorrimento)"),
                  "HScroll1", "tass", HScroll1, tass);
    riquadroTasso(a, Frame14, "Frame14", QStringLiteral("Inflazione"), 1,
                  QStringLiteral("il tasso di inflazione di riferimento per la verifica economica (sceglierlo con la "
                                 "barra di scorrimento)"),
                  "HScroll2", "infl", HScroll2, infl);
    riquadroTasso(a, Frame15, "Frame15", QStringLiteral("Incr.energia"), 2,
                  QStringLiteral("il tasso di incremento del costo dell'energia di riferimento per la verifica "
                                 "economica (sceglierlo con la barra di scorrimento)"),
                  "HScroll3", "ener", HScroll3, ener);

    cmdavanti = new Pulsante(a, QStringLiteral("cmdavanti"), QStringLiteral("&Risultati"));
    posa(cmdavanti, 7140, 5700, 1080, 435);
    cmdavanti->setFont(caratteri::progetto(caratteri::puntiNormali, true));
    cmdavanti->setToolTip(QStringLiteral("cliccare per visualizzare la finestra Risultati"));

    passo->setFont(caratteri::progetto());

    // Created after the frames: the town choice unlocks Frame1.
    sceltaLocalita_ = new ElencoLocalita(loc, [this] { aggiornaPasso(); }, [this] { return !Frame1->isEnabled(); });

    for (int i = 1; i <= 3; ++i) {
        connect(Option1[std::size_t(i)], &PulsanteOpzione::Click, this, [this, i] { Option1_Click(i); });
        connect(Option4[std::size_t(i)], &PulsanteOpzione::Click, this, [this, i] { Option4_Click(i); });
    }
    for (const auto* gruppo : {&Option2, &Option3})
        for (std::size_t i = 1; i < gruppo->size(); ++i)
            connect((*gruppo)[i], &PulsanteOpzione::Click, this, [this] { aggiornaPasso(); });
    connect(VScroll1, &BarraScorrimento::Change, this, &dettagliato::VScroll1_Change);
    connect(VScroll2, &BarraScorrimento::Change, this, &dettagliato::VScroll2_Change);
    connect(VScroll3, &BarraScorrimento::Change, this, &dettagliato::VScroll3_Change);
    connect(VScroll4, &BarraScorrimento::Change, this, &dettagliato::VScroll4_Change);
    connect(VScroll5, &BarraScorrimento::Change, this, &dettagliato::VScroll5_Change);
    connect(HScroll1, &BarraScorrimento::Change, this, &dettagliato::HScroll1_Change);
    connect(HScroll2, &BarraScorrimento::Change, this, &dettagliato::HScroll2_Change);
    connect(HScroll3, &BarraScorrimento::Change, this, &dettagliato::HScroll3_Change);
    for (CasellaTesto* c : {trasm, are, cost, costalt})
        connect(c, &CasellaTesto::Change, this, [this, c] { casellaNumerica_Change(c); });
    connect(ann, &CasellaTesto::Change, this, &dettagliato::ann_Change);
    connect(ver, &Pulsante::Click, this, &dettagliato::ver_Click);
    connect(cmdavanti, &Pulsante::Click, this, &dettagliato::cmdavanti_Click);
}

void dettagliato::caricaFinestra()
{
    ModKorvel::caricaLocalita();
    aggiornaPasso();
    sceltaLocalita_->riempi();
    disabilitaRiquadri();
}

void dettagliato::disabilitaRiquadri()
{
    for (Cornice* f : {Frame1, Frame2, Frame3, Frame4, Frame5, Frame6, Frame7, Frame8, Frame9, Frame10, Frame11,
                       Frame12, Frame13, Frame14, Frame15})
        f->setEnabled(false);
}

int dettagliato::usoScelto() const { return modulo::scelta(Option1); }
int dettagliato::collettoreScelto() const { return modulo::scelta(Option2); }
int dettagliato::fluidoScelto() const { return modulo::scelta(Option3); }
int dettagliato::combustibileScelto() const { return modulo::scelta(Option4); }

// ---- tilt and azimuth ----------------------------------------------------------------

void dettagliato::VScroll1_Change()
{
    incl->setCaption(numeri::testoConSegno(VScroll1->Value()) + QStringLiteral(" gradi"));
    // A horizontal collector faces no direction.
    VScroll2->setEnabled(numeri::val(incl->Caption()) != 0);
    aggiornaPasso();
}

void dettagliato::VScroll2_Change()
{
    azim->setCaption(numeri::testoConSegno(VScroll2->Value()) + QStringLiteral(" gradi"));
    aggiornaPasso();
}

// ---- water ---------------------------------------------------------------------------

void dettagliato::VScroll3_Change()
{
    const int v = VScroll3->Value();
    if (v < 0 || v > 30) {
        piattaforma::msgBox(QStringLiteral("La temperatura dell'acqua di rete deve essere compresa tra 0 e 30 gradi."),
                            piattaforma::vbCritical, ModKorvel::titoloControllo);
        return;
    }
    ret->setCaption(numeri::testoConSegno(v) + QStringLiteral(" gradi"));
    aggiornaPasso();
}

void dettagliato::VScroll4_Change()
{
    temper->setCaption(numeri::testoConSegno(VScroll4->Value()) + QStringLiteral(" gradi"));
    aggiornaPasso();
}

void dettagliato::VScroll5_Change()
{
    acq->setCaption(numeri::testoConSegno(VScroll5->Value()) + QStringLiteral(" litri"));
    aggiornaPasso();
}

// ---- rates, choices, typed numbers -----------------------------------------------------

void dettagliato::HScroll1_Change() { HScroll_Change(HScroll1, tass); }
void dettagliato::HScroll2_Change() { HScroll_Change(HScroll2, infl); }
void dettagliato::HScroll3_Change() { HScroll_Change(HScroll3, ener); }

void dettagliato::HScroll_Change(BarraScorrimento* barra, Etichetta* valore)
{
    valore->setCaption(numeri::testoConSegno(barra->Value() / 100.0) + QStringLiteral(" %"));
    aggiornaPasso();
}

void dettagliato::Option1_Click(int Index)
{
    const bool acqua = Index == 2 || Index == 3;
    const bool riscaldamento = Index == 1 || Index == 3;
    for (Cornice* f : {Frame2, Frame3, Frame4})
        f->setEnabled(acqua);
    Frame5->setEnabled(riscaldamento);
    for (Cornice* f : {Frame6, Frame7, Frame8, Frame9, Frame10, Frame11, Frame12, Frame13, Frame14, Frame15})
        f->setEnabled(true);
    aggiornaPasso();
}

void dettagliato::Option4_Click(int Index)
{
    costalt->setEnabled(true);
    const QString unita = ModKorvel::unitaDelCombustibile(Index);
    Frame12->setEnabled(true);
    Frame12->setCaption(QStringLiteral("Costo in centesimi di euro al ") + unita);
    finestra<risdettagliato>().impostaUnita(unita);
    aggiornaPasso();
}

void dettagliato::casellaNumerica_Change(CasellaTesto* c)
{
    // A text the filter changed comes back here at once: that run has done the rest.
    if (filtroNumerico::filtra(c))
        return;
    aggiornaPasso();
}

void dettagliato::ann_Change()
{
    if (filtroNumerico::filtra(ann))
        return;
    if (numeri::val(ann->Text()) > 100) {
        piattaforma::msgBox(messaggioControllo(controlloDurataEccessiva), piattaforma::vbExclamation,
                            ModKorvel::titoloControllo);
        return;
    }
    aggiornaPasso();
}

void dettagliato::ver_Click()
{
    ModKorvel::chiamanteTrasm = 2;
    mostraFinestraNumero(3);
}

void dettagliato::spostaLocalita(int numero) { loc->setListIndex(numero - 1); }

void dettagliato::abilitaUso() { Frame1->setEnabled(true); }

QString dettagliato::trasmittanzaImmessa() const { return trasm->Text(); }

void dettagliato::riceviTrasmittanza(const QString& testo) { trasm->setText(testo); }

// ---- clearing --------------------------------------------------------------------------

void dettagliato::cancella_click()
{
    sceltaLocalita_->scegliPrima();
    incl->setCaption(QString());
    azim->setCaption(QString());
    for (const auto* gruppo : {&Option1, &Option2, &Option3, &Option4})
        for (std::size_t i = 1; i < gruppo->size(); ++i)
            (*gruppo)[i]->setValue(false);
    for (CasellaTesto* c : {trasm, ann, cost, costalt, are})
        c->setText(QString());
    VScroll1->setValue(0);
    VScroll2->setValue(-45);
    VScroll3->setValue(0);
    VScroll4->setValue(20);
    VScroll5->setValue(10);
    for (BarraScorrimento* b : {HScroll1, HScroll2, HScroll3})
        b->setValue(10);
    // Each label shows its bar's value even where the bar did not move.
    VScroll1_Change();
    VScroll2_Change();
    VScroll3_Change();
    HScroll1_Change();
    HScroll2_Change();
    HScroll3_Change();
    // These steps count as not done until the user makes them.
    acq->setCaption(QString());
    temper->setCaption(QString());
    for (Etichetta* e : {tass, infl, ener})
        e->setCaption(QString());
    ModKorvel::numLocalita = 1;
    disabilitaRiquadri();
    aggiornaPasso();
}

// ---- calculation and results ---------------------------------------------------------------

calcoli::IngressiDett dettagliato::ingressi() const
{
    calcoli::IngressiDett in;
    in.latitudine = ModKorvel::latitudine;
    in.radiazione = ModKorvel::radiazione;
    in.temperatura = ModKorvel::temperatura;
    in.gradiGiorno = ModKorvel::gradiGiorno;
    in.inclinazione = numeri::val(incl->Caption());
    in.azimut = in.inclinazione == 0 ? 0.0 : numeri::val(azim->Caption());
    in.usoImpiantoDett = usoScelto();
    in.consumoAcqua = numeri::val(acq->Caption());
    in.temperaturaConsumo = numeri::val(temper->Caption());
    in.temperaturaRete = numeri::val(ret->Caption());
    in.trasmittanzaDett = numeri::val(trasm->Text());
    in.tipoCollettore = collettoreScelto();
    in.tipoFluido = fluidoScelto();
    in.superficieCaptante = numeri::val(are->Text());
    in.costoImpianto = numeri::val(cost->Text());
    in.durataImpiantoDett = numeri::val(ann->Text());
    in.combustibileDett = combustibileScelto();
    in.costoCombustibile = numeri::val(costalt->Text());
    in.tassoScontoDett = static_cast<float>(HScroll1->Value() / 100.0);
    in.tassoInflazione = static_cast<float>(HScroll2->Value() / 100.0);
    in.tassoAumentoDett = static_cast<float>(HScroll3->Value() / 100.0);
    return in;
}

bool dettagliato::calcolo()
{
    const calcoli::IngressiDett in = ingressi();
    auto ris = std::make_unique<calcoli::RisultatiDett>();
    const QString motivo = calcoli::calcolaDettagliato(in, *ris);
    if (!motivo.isEmpty()) {
        piattaforma::msgBox(motivo, piattaforma::vbCritical, ModKorvel::titoloControllo);
        return false;
    }
    calcoli::memorizzaDett(*ris);
    // The results always name the town they were computed for.
    ModKorvel::localitaCalcolata = loc->Text() + QStringLiteral("  ") + numeri::testoConSegno(in.latitudine);
    finestra<risdettagliato>().mostraRisultati();
    return true;
}

void dettagliato::cmdavanti_Click()
{
    if (!ModKorvel::verificaSilenziosa([this] { controlla_Click(); }))
        return;
    if (!calcolo())
        return;
    finestra<risdettagliato>().Show();
    ModKorvel::tipoElaborazione = 2;
}
