#include "feasibility/fattib.h"

#include "climate/datiClimatici.h"
#include "climate/elencoLocalita.h"
#include "feasibility/calcoloFattib.h"
#include "feasibility/datiFattib.h"
#include "feasibility/risultati.h"
#include "platform/caratteri.h"
#include "platform/controlli.h"
#include "platform/messaggi.h"
#include "platform/modulo.h"
#include "base/ModKorvel.h"
#include "base/numeri.h"
#include "base/unita.h"
#include "shell/filtroNumerico.h"
#include "transmittance/datiTrasmittanza.h"

#include <memory>

namespace {

// Design layout (twips): three columns of frames in four rows under the town.
constexpr int colonna[] = {120, 3390, 6480};
constexpr int larghezza[] = {3180, 3000, 3000};
constexpr int riga[] = {960, 2115, 3270, 4425};
constexpr int altezzaRiquadro = 1095;

// Inside a frame: a scroll bar with its value label, or a typed box.
constexpr int sinistraInterna = 120;
constexpr int topBarra = 255;
constexpr int larghezzaBarra = 255;
constexpr int altezzaBarra = 735;
constexpr int topCasella = 435;
constexpr int altezzaCasella = 315;

const QString testiPasso[] = {
    QStringLiteral("controllare, correggere, archiviare quanto immesso, visualizzare i risultati cliccando "
                   "sull'apposito tasto ------------------>>>"),
    QStringLiteral("aprire un file con i dati archiviati o iniziare l'immissione dei dati scegliendo la località di "
                   "riferimento tra quelle preimpostate"),
    QStringLiteral("scegliere la tipologia di impianto (riscaldamento degli ambienti o produzione di acqua calda "
                   "sanitaria)"),
    QStringLiteral("scegliere, con l'apposita barra verticale di scorrimento, la quantità di acqua consumata "
                   "giornalmente"),
    QStringLiteral("scegliere, con l'apposita barra verticale di scorrimento, la temperatura dell'acqua consumata "
                   "giornalmente"),
    QStringLiteral("digitare il valore della trasmittanza dell'edificio a cui si riferisce l'impianto"),
    QStringLiteral("digitare il numero di anni di vita dell'impianto di pannelli solari"),
    QStringLiteral("digitare il costo a mq. dei pannelli solari che si intendono impiantare"),
    QStringLiteral("digitare il costo annuo dell'elettricità per ogni mq. di pannelli solari"),
    QStringLiteral("scegliere il tipo di combustibile usato in alternativa ai pannelli solari"),
    QStringLiteral("digitare il costo del combustibile usato in alternativa ai pannelli solari"),
    QStringLiteral("scegliere, con l'apposita barra verticale di scorrimento, il valore del tasso di sconto previsto "
                   "nel periodo di vita dell'impianto"),
    QStringLiteral("scegliere, con l'apposita barra verticale di scorrimento, il valore del tasso di aumento "
                   "dell'energia, usata in alternativa"),
};

const QString messaggiControllo[] = {
    QStringLiteral("I dati sono stati immessi formalmente in modo corretto."),
    QStringLiteral("Aprire un file con i dati archiviati o iniziare l'immissione dei dati scegliendo la località di "
                   "riferimento tra quelle preimpostate."),
    QStringLiteral("Scegliere la tipologia di impianto (riscaldamento degli ambienti o produzione di acqua calda "
                   "sanitaria)."),
    QStringLiteral("Scegliere, con l'apposita barra verticale di scorrimento, la quantità di acqua consumata "
                   "giornalmente."),
    QStringLiteral("Scegliere, con l'apposita barra verticale di scorrimento, la temperatura dell'acqua consumata "
                   "giornalmente."),
    QStringLiteral("Digitare il valore della trasmittanza dell'edificio a cui si riferisce l'impianto."),
    QStringLiteral("Digitare il numero di anni di vita dell'impianto di pannelli solari."),
    QStringLiteral("Digitare il costo a mq. dei pannelli solari che si intendono impiantare."),
    QStringLiteral("Digitare il costo annuo dell'elettricità per ogni mq. di pannelli solari."),
    QStringLiteral("Scegliere il tipo di combustibile usato in alternativa ai pannelli solari."),
    QStringLiteral("Digitare il costo del combustibile usato in alternativa ai pannelli solari."),
    QStringLiteral("Scegliere, con l'apposita barra verticale di scorrimento, il valore del tasso di sconto previsto "
                   "nel periodo di vita dell'impianto."),
    QStringLiteral("Scegliere, con l'apposita barra verticale di scorrimento, il valore del tasso di aumento "
                   "dell'energia, usata in alternativa, previsto nel periodo di vita dell'impianto."),
};

// A typed number counts as missing when it is empty or reads as 0.
bool vuotoOZero(const QString& testo) { return testo.isEmpty() || numeri::val(testo) == 0; }

// A frame of the grid: column col, row r.
Cornice* riquadro(QWidget* area, const char* nome, const QString& caption, int col, int r, const QString& suggerimento)
{
    return modulo::riquadro(area, QString::fromLatin1(nome), caption,
                            {colonna[col], riga[r], larghezza[col], altezzaRiquadro}, suggerimento);
}

// A vertical scroll bar and its value label inside a frame of column col.
void barra(Cornice* f, const char* nome, const char* nomeValore, int col, modulo::Intervallo intervallo,
           BarraScorrimento*& b, Etichetta*& valore)
{
    const auto pezzo = modulo::barraConValore(f, Qt::Vertical, QString::fromLatin1(nome),
                                              {sinistraInterna, topBarra, larghezzaBarra, altezzaBarra}, intervallo,
                                              QString::fromLatin1(nomeValore), {480, 465, larghezza[col] - 600, 255});
    b = pezzo.barra;
    valore = pezzo.valore;
}

CasellaTesto* casella(Cornice* f, const char* nome, int larghezzaCasella)
{
    return modulo::casella(f, QString::fromLatin1(nome), {sinistraInterna, topCasella, larghezzaCasella, altezzaCasella});
}

} // namespace

fattib::fattib() : FinestraLavoro(4), file_(CommonDialog1, QStringLiteral("Korvel-fattib-"), &ModKorvel::nomeFile)
{
    costruisci();
}

fattib::~fattib() = default;

QString fattib::testoPasso(int passo) { return (passo >= 0 && passo <= 12) ? testiPasso[passo] : QString(); }

QString fattib::messaggioControllo(int passo)
{
    return (passo >= 0 && passo <= 12) ? messaggiControllo[passo] : QString();
}

void fattib::costruisci()
{
    QWidget* a = area();

    Label1 = new Etichetta(a, QStringLiteral("Label1"), QStringLiteral("Dati per il calcolo"));
    posa(Label1, colonna[0], 495, larghezza[0], 375);
    Label1->setFont(caratteri::progetto(12, true));

    Label2 = new Etichetta(a, QStringLiteral("Label2"), QStringLiteral("località di riferimento"));
    posa(Label2, colonna[1], 555, larghezza[1] - 120, 255);
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label2->setFont(caratteri::progetto());
    Label2->setToolTip(QStringLiteral("la località di riferimento (sceglierla tra quelle preimpostate)"));

    loc = new Elenco(a, QStringLiteral("loc"));
    posa(loc, colonna[2], 525, larghezza[2], 315);

    // Use of the plant.
    Frame9 = riquadro(a, "Frame9", QStringLiteral("Uso dell'impianto"), 0, 0,
                      QStringLiteral("scegliere la tipologia di impianto da realizzare"));
    const QString usi[] = {QString(), QStringLiteral("riscaldamento degli ambienti"),
                           QStringLiteral("produzione di acqua calda sanitaria")};
    for (int i = 1; i <= 2; ++i) {
        Option1[i] = new PulsanteOpzione(Frame9, QStringLiteral("Option1(%1)").arg(i), usi[i]);
        posa(Option1[i], sinistraInterna, 300 + 345 * (i - 1), larghezza[0] - 180, 300);
        Option1[i]->setToolTip(Frame9->toolTip());
        connect(Option1[i], &PulsanteOpzione::Click, this, [this, i] { Option1_Click(i); });
    }

    // Hot water.
    Frame1 = riquadro(a, "Frame1", QStringLiteral("Consumo giornaliero d'acqua"), 1, 0,
                      QStringLiteral("la quantità media di litri d'acqua calda consumata giornalmente (sceglierla con "
                                     "la barra di scorrimento)"));
    barra(Frame1, "VScroll1", "acq", 1, {10, 32000, 5, 50}, VScroll1, acq);
    Frame2 = riquadro(a, "Frame2", QStringLiteral("Temperatura di consumo dell'acqua"), 2, 0,
                      QStringLiteral("la temperatura media alla quale viene utilizzata l'acqua calda (sceglierla con "
                                     "la barra di scorrimento)"));
    barra(Frame2, "VScroll2", "temper", 2, {20, 100, 1, 5}, VScroll2, temper);

    // Space heating.
    Frame3 = riquadro(a, "Frame3", QStringLiteral("Trasmittanza dell'edificio (W/°K)."), 0, 1,
                      QStringLiteral("la trasmittanza totale dell'edificio espressa in Watt su gradi centigradi Kelvin"));
    trasm = casella(Frame3, "trasm", 1695);
    ver = new Pulsante(Frame3, QStringLiteral("ver"), QStringLiteral("calcola"));
    posa(ver, 1935, topCasella - 30, 1035, 375);
    ver->setToolTip(QStringLiteral("cliccare per calcolare la trasmittanza dell'edificio"));

    // Costs and life.
    Frame4 = riquadro(a, "Frame4", QStringLiteral("Durata dell'impianto in anni"), 1, 1,
                      QStringLiteral("digitare il numero di anni che si prevede possa durare l'impianto"));
    ann = casella(Frame4, "ann", 1695);
    Frame5 = riquadro(a, "Frame5", QStringLiteral("Costo (in euro) al mq. dei collettori"), 2, 1,
                      QStringLiteral("digitare il costo in euro a mq. del tipo di collettore scelto per l'impianto"));
    cost = casella(Frame5, "cost", 1695);
    Frame6 = riquadro(a, "Frame6", QStringLiteral("Costo di elettricità al mq. dei collettori"), 0, 2,
                      QStringLiteral("digitare il costo annuo in euro, per ogni mq. di pannello solare, di elettricità"));
    elettr = casella(Frame6, "elettr", 1695);

    // Alternative fuel.
    Frame7 = riquadro(a, "Frame7", QStringLiteral("Combustibile alternativo"), 1, 2,
                      QStringLiteral("scegliere il tipo di combustibile usato in alternativa all'impianto solare"));
    const QString combustibili[] = {QString(), QStringLiteral("gasolio"), QStringLiteral("metano"),
                                    QStringLiteral("elettricità")};
    for (int i = 1; i <= 3; ++i) {
        Option3[i] = new PulsanteOpzione(Frame7, QStringLiteral("Option3(%1)").arg(i), combustibili[i]);
        const int sinistra = i == 2 ? 1560 : sinistraInterna;
        posa(Option3[i], sinistra, i == 3 ? 645 : 300, 1320, 300);
        Option3[i]->setToolTip(Frame7->toolTip());
        connect(Option3[i], &PulsanteOpzione::Click, this, [this, i] { Option3_Click(i); });
    }
    Frame8 = riquadro(a, "Frame8", QStringLiteral("Costo in euro combustibile alternativo"), 2, 2,
                      QStringLiteral("digitare il costo in euro secondo l'unità di misura del combustibile usato in "
                                     "alternativa"));
    costalt = casella(Frame8, "costalt", 1695);
    // Waits for a fuel, whose unit it is priced in.
    costalt->setEnabled(false);

    // Rates, in hundredths of a percent.
    Frame10 = riquadro(a, "Frame10", QStringLiteral("Tasso percentuale di sconto"), 0, 3,
                       QStringLiteral("il tasso di sconto di riferimento per la verifica economica (sceglierlo con la "
                                      "barra di scorrimento)"));
    barra(Frame10, "VScroll4", "tass", 0, {10, 10000, 1, 10}, VScroll4, tass);
    Frame11 = riquadro(a, "Frame11", QStringLiteral("Tasso di aumento costo energia"), 1, 3,
                       QStringLiteral("il tasso di aumento annuo del costo dell'energia usata in alternativa (sceglierlo "
                                      "con la barra di scorrimento)"));
    barra(Frame11, "VScroll5", "tasen", 1, {10, 10000, 1, 10}, VScroll5, tasen);

    cmdavanti = new Pulsante(a, QStringLiteral("cmdavanti"), QStringLiteral("&Risultati"));
    posa(cmdavanti, 7800, 4740, 1575, 495);
    cmdavanti->setFont(caratteri::progetto(10, true));
    cmdavanti->setToolTip(QStringLiteral("cliccare per visualizzare la finestra Risultati"));

    passo->setFont(caratteri::progetto());

    // Created after the frames: the town choice unlocks Frame9.
    sceltaLocalita_ = new ElencoLocalita(loc, [this] { aggiornaPasso(); }, [this] { return !Frame9->isEnabled(); });

    connect(VScroll1, &BarraScorrimento::Change, this, &fattib::VScroll1_Change);
    connect(VScroll2, &BarraScorrimento::Change, this, &fattib::VScroll2_Change);
    connect(VScroll4, &BarraScorrimento::Change, this, &fattib::VScroll4_Change);
    connect(VScroll5, &BarraScorrimento::Change, this, &fattib::VScroll5_Change);
    for (CasellaTesto* c : {trasm, ann, cost, elettr, costalt})
        connect(c, &CasellaTesto::Change, this, [this, c] { casellaNumerica_Change(c); });
    connect(ver, &Pulsante::Click, this, &fattib::ver_Click);
    connect(cmdavanti, &Pulsante::Click, this, &fattib::cmdavanti_Click);
}

void fattib::caricaFinestra()
{
    ModKorvel::caricaLocalita();
    aggiornaPasso();
    sceltaLocalita_->riempi();
    disabilitaRiquadri();
}

void fattib::disabilitaRiquadri()
{
    for (Cornice* f : {Frame1, Frame2, Frame3, Frame4, Frame5, Frame6, Frame7, Frame8, Frame9, Frame10, Frame11})
        f->setEnabled(false);
    finestra<risultati>().abilitaAcqua(false);
}

int fattib::usoScelto() const
{
    for (int i = 1; i <= 2; ++i)
        if (Option1[i]->Value())
            return i;
    return 0;
}

int fattib::combustibileScelto() const
{
    for (int i = 1; i <= 3; ++i)
        if (Option3[i]->Value())
            return i;
    return 0;
}

// ---- town ----------------------------------------------------------------------

bool fattib::localitaFuoriElenco() const { return !loc->currentText().isEmpty() && loc->ListIndex() < 0; }

void fattib::cancellaLocalitaDigitata()
{
    if (loc->isEditable())
        loc->setEditText(QString());
}

void fattib::spostaLocalita(int numero) { loc->setListIndex(numero - 1); }

void fattib::mostraNomeLocalita(const QString& nome)
{
    if (loc->currentText() == nome)
        return;
    const int posizione = loc->findText(nome, Qt::MatchExactly);
    if (posizione >= 0 && loc->ListIndex() != posizione)
        loc->setListIndex(posizione);
    if (loc->isEditable() && loc->currentText() != nome)
        loc->setEditText(nome);
}

void fattib::abilitaUso() { Frame9->setEnabled(true); }

// ---- use, fuel, scroll bars, typed numbers -------------------------------------------

void fattib::Option1_Click(int Index)
{
    risultati& r = finestra<risultati>();
    const bool acqua = Index == 2;
    if (Index == 1 || Index == 2) {
        Frame1->setEnabled(acqua);
        Frame2->setEnabled(acqua);
        Frame3->setEnabled(!acqua);
        r.abilitaAcqua(acqua);
    }
    for (Cornice* f : {Frame4, Frame5, Frame6, Frame7, Frame10, Frame11})
        f->setEnabled(true);
    aggiornaPasso();
}

void fattib::Option3_Click(int Index)
{
    costalt->setEnabled(true);
    Frame8->setEnabled(true);
    Frame8->setCaption(QStringLiteral("Costo in euro al ") + ModKorvel::unitaDelCombustibile(Index));
    aggiornaPasso();
}

void fattib::VScroll1_Change()
{
    acq->setCaption(numeri::testoConSegno(VScroll1->Value()) + QStringLiteral(" litri"));
    finestra<risultati>().mostraConsumo(acq->Caption(), VScroll1->Value());
    aggiornaPasso();
}

void fattib::VScroll2_Change()
{
    temper->setCaption(numeri::testoConSegno(VScroll2->Value()) + QStringLiteral(" gradi"));
    finestra<risultati>().mostraTemperatura(temper->Caption(), VScroll2->Value());
    aggiornaPasso();
}

fattib::Acqua fattib::acqua() const
{
    return {Frame1->isEnabled(), Frame2->isEnabled(), acq->Caption(), temper->Caption(), VScroll1->Value(),
            VScroll2->Value()};
}

void fattib::impostaConsumo(int litri)
{
    if (VScroll1->Value() != litri)
        VScroll1->setValue(litri);
}

void fattib::impostaTemperatura(int gradi)
{
    if (VScroll2->Value() != gradi)
        VScroll2->setValue(gradi);
}

void fattib::VScroll4_Change()
{
    tass->setCaption(numeri::testoConSegno(VScroll4->Value() / 100.0) + QStringLiteral(" %"));
    aggiornaPasso();
}

void fattib::VScroll5_Change()
{
    tasen->setCaption(numeri::testoConSegno(VScroll5->Value() / 100.0) + QStringLiteral(" %"));
    aggiornaPasso();
}

void fattib::casellaNumerica_Change(CasellaTesto* c)
{
    filtroNumerico::filtra(c);
    aggiornaPasso();
}

void fattib::ver_Click()
{
    ModKorvel::chiamanteTrasm = 1;
    mostraFinestraNumero(3);
}

QString fattib::trasmittanzaImmessa() const { return trasm->Text(); }

void fattib::riceviTrasmittanza(const QString& testo) { trasm->setText(testo); }

// ---- clearing ------------------------------------------------------------------

void fattib::cancella_click()
{
    sceltaLocalita_->scegliPrima();
    for (PulsanteOpzione* o : {Option1[1], Option1[2], Option3[1], Option3[2], Option3[3]})
        o->setValue(false);
    for (CasellaTesto* c : {trasm, ann, cost, elettr, costalt})
        c->setText(QString());
    VScroll1->setValue(10);
    VScroll2->setValue(20);
    VScroll4->setValue(10);
    VScroll5->setValue(10);
    VScroll1_Change();
    VScroll2_Change();
    VScroll4_Change();
    VScroll5_Change();
    acq->setCaption(QString());
    temper->setCaption(QString());
    tass->setCaption(QString());
    tasen->setCaption(QString());
    ModKorvel::numLocalita = 1;
    disabilitaRiquadri();
    aggiornaPasso();
}

// ---- hint and check ------------------------------------------------------------

int fattib::primoPassoMancante() const
{
    const bool riscaldamento = Option1[1]->Value();
    const bool acqua = Option1[2]->Value();
    if (loc->Text().isEmpty())
        return 1;
    if (!riscaldamento && !acqua)
        return 2;
    if (acqua && acq->Caption().isEmpty())
        return 3;
    if (acqua && temper->Caption().isEmpty())
        return 4;
    if (riscaldamento && vuotoOZero(trasm->Text()))
        return 5;
    if (vuotoOZero(ann->Text()))
        return 6;
    if (vuotoOZero(cost->Text()))
        return 7;
    if (vuotoOZero(elettr->Text()))
        return 8;
    if (combustibileScelto() == 0)
        return 9;
    if (vuotoOZero(costalt->Text()))
        return 10;
    if (tass->Caption().isEmpty())
        return 11;
    if (tasen->Caption().isEmpty())
        return 12;
    return 0;
}

void fattib::aggiornaPasso() { passo->setCaption(testoPasso(primoPassoMancante())); }

void fattib::controlla_Click()
{
    sceltaLocalita_->conferma();
    const int mancante = primoPassoMancante();
    if (mancante != 0) {
        piattaforma::msgBox(messaggioControllo(mancante), piattaforma::vbCritical, ModKorvel::titoloControllo);
        return;
    }
    ModKorvel::confermaControllo(messaggioControllo(0));
}

// ---- calculation and results ---------------------------------------------------

calcoli::IngressiFattib fattib::ingressi() const
{
    calcoli::IngressiFattib in;
    in.usoImpianto = usoScelto();
    in.consumoAcqua = numeri::val(acq->Caption());
    in.temperaturaAcqua = numeri::val(temper->Caption());
    in.trasmittanza = numeri::val(trasm->Text()) * unita::megajouleOraPerWatt;
    in.durataImpianto = numeri::val(ann->Text());
    in.costoCollettori = numeri::val(cost->Text());
    in.costoElettricita = numeri::val(elettr->Text());
    in.combustibile = combustibileScelto();
    in.costoCombustibile = numeri::val(costalt->Text());
    in.tassoSconto = static_cast<float>(VScroll4->Value() / 100.0);
    in.tassoAumento = static_cast<float>(VScroll5->Value() / 100.0);
    in.coefficienti = ModKorvel::coefficienti;
    return in;
}

bool fattib::calcolo()
{
    auto ris = std::make_unique<calcoli::RisultatiFattib>();
    const QString motivo = calcoli::calcolaFattib(ingressi(), *ris);
    if (!motivo.isEmpty()) {
        piattaforma::msgBox(motivo, piattaforma::vbCritical, ModKorvel::titoloControllo);
        return false;
    }
    calcoli::memorizzaFattib(*ris);

    // The results always name the town they were computed for.
    finestra<risultati>().mostraRisultati(loc->Text());
    return true;
}

void fattib::cmdavanti_Click()
{
    if (!ModKorvel::verificaSilenziosa([this] { controlla_Click(); }))
        return;
    if (!calcolo()) // names the town in the results window too
        return;
    finestra<risultati>().Show();
    ModKorvel::tipoElaborazione = 1;
}
