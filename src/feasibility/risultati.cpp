#include "feasibility/risultati.h"

#include "cover/frontespizio.h"
#include "feasibility/datiFattib.h"
#include "feasibility/fattib.h"
#include "platform/caratteri.h"
#include "platform/controlli.h"
#include "platform/messaggi.h"
#include "platform/righePaginate.h"
#include "base/ModKorvel.h"
#include "base/numeri.h"

#include <QSignalBlocker>

#include <algorithm>

const QColor risultati::coloreNormale{0, 255, 255};
const QColor risultati::coloreEvidenziato{255, 255, 0};

namespace {

// Design layout (twips).
constexpr int sinistraBlocco[] = {0, 60, 3225, 6390};
constexpr int larghezzaBlocco = 3120;
constexpr int topBlocchi = 1965;
constexpr int altezzaBlocco = 1875;
// Columns inside a block: number, surface, share, energy; then the scroll bar.
constexpr int sinistraColonna[] = {105, 585, 1290, 2040};
constexpr int larghezzaColonna[] = {435, 660, 705, 720};
constexpr int sinistraBarra = 2805;
constexpr int topRighe = 285;
constexpr int passoRighe = 300;
constexpr int altezzaRiga = 270;

const QString testiTipo[] = {
    QString(),
    QStringLiteral("vengono visualizzati i risultati con pannelli solari ad un vetro e con piastra non selettiva"),
    QStringLiteral("vengono visualizzati i risultati con pannelli solari ad un vetro e con piastra selettiva"),
    QStringLiteral("vengono visualizzati i risultati con pannelli solari a due vetri e con piastra non selettiva"),
};

const QString captionBlocchi[] = {
    QString(),
    QStringLiteral("Risultati con collettori ad un vetro e con piastra non selettiva"),
    QStringLiteral("Risultati con collettori ad un vetro e con piastra selettiva"),
    QStringLiteral("Risultati con collettori a due vetri e con piastra non selettiva"),
};

using controlli::etichetta;

// A column heading over block 1 with its unit under it.
void intestazione(QWidget* area, Etichetta*& titolo, const char* nomeTitolo, const QString& testo,
                  Etichetta*& unita, const char* nomeUnita, const QString& testoUnita, int colonna,
                  const QString& suggerimento)
{
    // A little wider than the column, into the gaps, so that no word is cut.
    const int left = sinistraBlocco[1] + sinistraColonna[colonna] - 45;
    const int width = larghezzaColonna[colonna] + 90;
    titolo = etichetta(area, QString::fromLatin1(nomeTitolo), testo, left, 1140, width, 555, suggerimento);
    titolo->setFont(caratteri::stretto(7.5));
    titolo->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    unita = etichetta(area, QString::fromLatin1(nomeUnita), testoUnita, left, 1695, width, 240, suggerimento);
    unita->setFont(caratteri::stretto(7.5, true));
    unita->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
}

} // namespace

risultati::risultati() : FinestraLavoro(5) { costruisci(); }

risultati::~risultati() = default;

void risultati::costruisci()
{
    QWidget* a = area();

    loc = etichetta(a, QStringLiteral("loc"), QString(), 120, 525, 4455, 375,
                    QStringLiteral("località di riferimento per i dati climatici"));
    loc->setFont(caratteri::progetto(12, true));
    loc->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    Label1 = etichetta(a, QStringLiteral("Label1"), QStringLiteral("fabbisogno annuo in kwh"), 4800, 525, 2295, 255,
                       QStringLiteral("fabbisogno annuo richiesto dall'edificio"));
    fabb = etichetta(a, QStringLiteral("fabb"), QString(), 7200, 525, 1455, 255);
    Label6 = etichetta(a, QStringLiteral("Label6"), QStringLiteral("area ottimale in mq."), 4800, 825, 2295, 255,
                       QStringLiteral("superficie dei pannelli valutata economicamente accettabile"));
    ottim = etichetta(a, QStringLiteral("ottim"), QString(), 7200, 825, 1455, 255);
    for (Etichetta* e : {fabb, ottim}) {
        e->setFont(caratteri::progetto(caratteri::puntiNormali, true));
        e->setBackColor(coloreNormale);
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    intestazione(a, Label24, "Label24", QStringLiteral("imp."), Label3, "Label3", QStringLiteral("n."), 0,
                 QStringLiteral("numero d'ordine dell'impianto calcolato"));
    intestazione(a, Label4, "Label4", QStringLiteral("superficie di captazione"), Label7, "Label7",
                 QStringLiteral("mq"), 1, QStringLiteral("superficie totale di captazione dei pannelli"));
    intestazione(a, Label5, "Label5", QStringLiteral("percentuale energia solare"), Label8, "Label8",
                 QStringLiteral("%"), 2,
                 QStringLiteral("percentuale del fabbisogno energetico fornita dai pannelli solari"));
    intestazione(a, Label10, "Label10", QStringLiteral("energia solare utile annua"), Label11, "Label11",
                 QStringLiteral("kwh"), 3, QStringLiteral("totale dell'energia solare captata dai pannelli"));

    const char* const nomi[4][4] = {
        {},
        {"num", "areac", "fraz", "util"},
        {"num2", "areac2", "fraz2", "util2"},
        {"num3", "areac3", "fraz3", "util3"},
    };
    Cornice** cornici[] = {nullptr, &Frame1, &Frame2, &Frame3};
    BarraScorrimento** barre[] = {nullptr, &VScroll1, &VScroll2, &VScroll3};
    for (int k = 1; k <= 3; ++k) {
        auto* f = new Cornice(a, QStringLiteral("Frame%1").arg(k), captionBlocchi[k]);
        posa(f, sinistraBlocco[k], topBlocchi, larghezzaBlocco, altezzaBlocco);
        // The kind's long name must fit above its narrow block.
        f->setFont(caratteri::stretto(7));
        *cornici[k] = f;

        auto* righe = new RighePaginate(f, 5, topRighe, passoRighe, altezzaRiga);
        righe->impostaColoreEvidenziato(coloreEvidenziato);
        blocchi_[std::size_t(k)] = righe;
        Blocco b = blocco(k);
        std::array<Etichetta*, 6>* colonne[] = {b.num, b.areac, b.fraz, b.util};
        for (int c = 0; c < 4; ++c) {
            const auto celle = righe->colonna(QString::fromLatin1(nomi[k][c]), sinistraColonna[c], larghezzaColonna[c],
                                              c == 0 ? Qt::AlignHCenter : Qt::AlignRight, coloreNormale);
            std::copy(celle.begin(), celle.end(), colonne[c]->begin());
        }
        for (int i = 1; i <= 5; ++i)
            (*b.num)[i]->setToolTip(testiTipo[k]);
        righe->evidenziaDa({std::begin(*b.num), std::end(*b.num)});
        connect(righe, &RighePaginate::sopraRiga, this, [this, k](int i) {
            if (k == 1)
                num_MouseMove(i);
            else if (k == 2)
                num2_MouseMove(i);
            else
                num3_MouseMove(i);
        });
        *barre[k] = righe->aggiungiBarra(QStringLiteral("VScroll%1").arg(k), sinistraBarra, 240, {1, 996, 1, 10});
    }

    const QString suggerimentoAcqua = QStringLiteral(
        "cliccare sulla barra di scorrimento per modificare i valori del consumo di acqua calda");
    Frame4 = new Cornice(a, QStringLiteral("Frame4"), QStringLiteral("Consumo d'acqua/giorno"));
    posa(Frame4, 120, 4020, 2895, 1395);
    Frame4->setFont(caratteri::progetto());
    Frame4->setToolTip(suggerimentoAcqua);
    VScroll4 = new BarraScorrimento(Qt::Vertical, Frame4, QStringLiteral("VScroll4"));
    posa(VScroll4, 120, 270, 255, 1005);
    VScroll4->impostaIntervallo(10, 32000, 5, 50);
    VScroll4->setToolTip(suggerimentoAcqua);
    acq = etichetta(Frame4, QStringLiteral("acq"), QString(), 480, 630, 2295, 255, suggerimentoAcqua);

    const QString suggerimentoTemperatura = QStringLiteral(
        "cliccare sulla barra di scorrimento per modificare i valori della temparatura di consumo dell'acqua");
    Frame5 = new Cornice(a, QStringLiteral("Frame5"), QStringLiteral("Temperatura di consumo"));
    posa(Frame5, 3135, 4020, 2895, 1395);
    Frame5->setFont(caratteri::progetto());
    Frame5->setToolTip(suggerimentoTemperatura);
    VScroll5 = new BarraScorrimento(Qt::Vertical, Frame5, QStringLiteral("VScroll5"));
    posa(VScroll5, 120, 270, 255, 1005);
    VScroll5->impostaIntervallo(20, 100, 1, 5);
    VScroll5->setToolTip(suggerimentoTemperatura);
    temper = etichetta(Frame5, QStringLiteral("temper"), QString(), 480, 630, 2295, 255, suggerimentoTemperatura);

    calc = new Pulsante(a, QStringLiteral("calc"), QStringLiteral("&Dati"));
    posa(calc, 6390, 4500, 1335, 435);
    calc->setToolTip(QStringLiteral("cliccare per visualizzare la finestra Dati"));
    frontes = new Pulsante(a, QStringLiteral("frontes"), QStringLiteral("Fr&ontespizio"));
    posa(frontes, 7920, 4500, 1590, 435);
    frontes->setToolTip(QStringLiteral("cliccare per visualizzare il Frontespizio"));
    for (Pulsante* p : {calc, frontes})
        p->setFont(caratteri::progetto());

    passo->setFont(caratteri::progetto());

    connect(blocchi_[1], &RighePaginate::pagina, this, &risultati::VScroll1_Change);
    connect(blocchi_[2], &RighePaginate::pagina, this, &risultati::VScroll2_Change);
    connect(blocchi_[3], &RighePaginate::pagina, this, &risultati::VScroll3_Change);
    connect(VScroll4, &BarraScorrimento::Change, this, &risultati::VScroll4_Change);
    connect(VScroll5, &BarraScorrimento::Change, this, &risultati::VScroll5_Change);
    connect(calc, &Pulsante::Click, this, &risultati::calc_Click);
    connect(frontes, &Pulsante::Click, this, &risultati::frontes_Click);
}

void risultati::caricaFinestra()
{
    impostaPasso();
    riprendiAcqua();
}

// The feasibility window sets the water controls here as its inputs change; a results
// window closed and opened again starts from what that window shows, so that its bars
// neither jump from their design values nor serve a heating plant.
void risultati::riprendiAcqua()
{
    const fattib* f = Unica<fattib>::seCaricata();
    if (!f)
        return;
    const fattib::Acqua a = f->acqua();
    Frame4->setEnabled(a.consumoAbilitato);
    Frame5->setEnabled(a.temperaturaAbilitata);
    // Placing the bars is no change of the user's: nothing is recalculated.
    mostraConsumo(a.consumo, a.litri);
    mostraTemperatura(a.temperatura, a.gradi);
}

void risultati::impostaPasso()
{
    passo->setCaption(QStringLiteral(
        "Visualizzare i risultati con le barre di scorrimento; modificare i dati dell'acqua con le relative barre."));
}

risultati::Blocco risultati::blocco(int k)
{
    switch (k) {
    case 1: return {&num, &areac, &fraz, &util, VScroll1};
    case 2: return {&num2, &areac2, &fraz2, &util2, VScroll2};
    default: return {&num3, &areac3, &fraz3, &util3, VScroll3};
    }
}

RighePaginate* risultati::righe(int k) const { return blocchi_[std::size_t(std::clamp(k, 1, 3))]; }

// ---- the three blocks -------------------------------------------------------------

void risultati::VScroll1_Change() { mostraBlocco(1); }
void risultati::VScroll2_Change() { mostraBlocco(2); }
void risultati::VScroll3_Change() { mostraBlocco(3); }

void risultati::mostraBlocco(int k)
{
    ripristinaColori(k);
    const Blocco b = blocco(k);
    const int v = b.barra->Value();
    for (int i = 1; i <= 5; ++i) {
        const int r = v + i - 1;
        (*b.num)[i]->setCaption(numeri::testoNumero(r));
        (*b.num)[i]->setToolTip(testiTipo[k]);
        // Every calculated area is at least 1 m²: a 0 is a row never calculated.
        const bool calcolata = r >= 1 && r <= 1000 && ModKorvel::superfici[r][k] != 0;
        (*b.areac)[i]->setCaption(calcolata ? numeri::testoNumero(ModKorvel::superfici[r][k]) : QString());
        (*b.fraz)[i]->setCaption(calcolata ? numeri::testoNumero(ModKorvel::percentuali[r][k]) : QString());
        (*b.util)[i]->setCaption(calcolata ? numeri::testoNumero(ModKorvel::energiaSolare[r][k]) : QString());
    }
}

void risultati::ripristinaColori(int k) { righe(k)->ripristinaColori(); }

void risultati::ripristinaColori1() { ripristinaColori(1); }
void risultati::ripristinaColori2() { ripristinaColori(2); }
void risultati::ripristinaColori3() { ripristinaColori(3); }

void risultati::num_MouseMove(int Index) { righe(1)->evidenzia(Index); }
void risultati::num2_MouseMove(int Index) { righe(2)->evidenzia(Index); }
void risultati::num3_MouseMove(int Index) { righe(3)->evidenzia(Index); }

// ---- water: re-runs through the feasibility window ----------------------------------

void risultati::VScroll4_Change()
{
    acq->setCaption(numeri::testoConSegno(VScroll4->Value()) + QStringLiteral(" litri"));
    // The feasibility window's bar moves first: the calculation reads that window.
    fattib& f = finestra<fattib>();
    f.impostaConsumo(VScroll4->Value());
    f.cmdavanti_Click();
}

void risultati::VScroll5_Change()
{
    temper->setCaption(numeri::testoConSegno(VScroll5->Value()) + QStringLiteral(" gradi"));
    fattib& f = finestra<fattib>();
    f.impostaTemperatura(VScroll5->Value());
    f.cmdavanti_Click();
}

void risultati::abilitaAcqua(bool abilita)
{
    Frame4->setEnabled(abilita);
    Frame5->setEnabled(abilita);
}

void risultati::mostraConsumo(const QString& testo, int litri)
{
    acq->setCaption(testo);
    // The bar stands on the same amount, so that its arrows step from what the label shows.
    const QSignalBlocker blocco(VScroll4);
    VScroll4->setValue(litri);
}

void risultati::mostraTemperatura(const QString& testo, int gradi)
{
    temper->setCaption(testo);
    const QSignalBlocker blocco(VScroll5);
    VScroll5->setValue(gradi);
}

void risultati::mostraRisultati(const QString& localita)
{
    fabb->setCaption(numeri::testoNumero(ModKorvel::fabbisognoAnnuo));
    ottim->setCaption(numeri::testoNumero(ModKorvel::areaOttimale));
    loc->setCaption(localita);
    VScroll1_Change();
    VScroll2_Change();
    VScroll3_Change();
}

void risultati::controlla_Click()
{
    fattib& f = finestra<fattib>();
    ModKorvel::controllaECalcola([&f] { f.controlla_Click(); }, [&f] { return f.calcolo(); });
}

// ---- file commands: the feasibility window's -----------------------------------------

void risultati::apri_Click() { finestra<fattib>().apri_Click(); }

void risultati::salva_Click() { finestra<fattib>().salva_Click(); }

void risultati::salvanome_Click()
{
    ModKorvel::nomeFile.clear();
    finestra<fattib>().scrivoArchivio();
}

void risultati::calc_Click() { mostra<fattib>(); }

void risultati::frontes_Click() { mostra<frontespizio>(); }
