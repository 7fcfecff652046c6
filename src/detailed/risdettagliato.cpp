#include "detailed/risdettagliato.h"

#include "base/ModKorvel.h"
#include "base/numeri.h"
#include "cover/frontespizio.h"
#include "detailed/datiDettagliato.h"
#include "detailed/dettagliato.h"
#include "detailed/tabelleDettagliato.h"
#include "platform/caratteri.h"
#include "platform/controlli.h"
#include "platform/messaggi.h"
#include "platform/modulo.h"
#include "platform/righePaginate.h"

#include <algorithm>

const QColor risdettagliato::coloreNormale{0, 255, 255};
const QColor risdettagliato::coloreEvidenziato{255, 255, 0};

namespace {

const QColor giallo{255, 255, 0};
const QColor nero{0, 0, 0};

// Design layout (twips). The month table stands in Frame1: headings, then 12 rows.
constexpr int topIntestazioni = 240;
constexpr int topMesi = 600;
constexpr int passoRighe = 240;
constexpr int altezzaRiga = 255;
constexpr int sinistraNumeri = 120;
constexpr int larghezzaNumeri = 255;
constexpr int sinistraValori = 360;
constexpr int passoColonne = 600;
constexpr int larghezzaValori = 615;
// The year table, its heading row above its five rows.
constexpr int topAnni = 4320;
constexpr int topIntestazioniAnni = 4080;
constexpr int sinistraAnni[] = {960, 1560, 2760, 3960};
constexpr int larghezzaAnni[] = {615, 1200, 1200, 1200};

struct Intestazione {
    const char* nome;
    const char* caption;
    const char* suggerimento;
    const char* colonna;
};

const Intestazione intestazioniMesi[17] = {
    {},
    {"Label24", "n.", "numero d'ordine del mese dell'anno", "num"},
    {"Label2", "rad.0°", "radiazione in kj/mq/giorno su superficie orizzontale", "rad0"},
    {"Label3", "rad.s°", "radiazione in kj/mq/giorno sulla superficie dei collettori", "rads"},
    {"Label5", "rapp.", "rapporto tra radiazione sui collettori e radiazione su superficie orizzontale", "rapp"},
    {"Label6", "rad.0°k", "radiazione in kwh/mq/giorno su superficie orizzontale", "rad0k"},
    {"Label7", "rad.s°k", "radiazione in kwh/mq/giorno sulla superficie dei collettori", "radsk"},
    {"Label8", "rad.ext.", "radiazione extraterrestre", "extr"},
    {"Label9", "nuvol.", "indice di nuvolosità", "nuv"},
    {"Label10", "tram.", "angolo di tramonto", "tram"},
    {"Label11", "coll.", "angolo di tramonto-collettore", "coll"},
    {"Label12", "r.diff.", "rapporto tra radiazione giornaliera diffusa e globale", "diff"},
    {"Label13", "ta", "media mensile del prodotto effettivo trasmissività-assorbimento", "tau"},
    {"Label14", "incid.", "angolo medio mensile di incidenza sul collettore", "inc"},
    {"Label4", "fabbis.", "fabbisogno energetico in kwh", "fabbis"},
    {"Label15", "f", "frazione del fabbisogno fornita dai collettori", "ef"},
    {"Label16", "utile", "energia utile captata dai collettori in kwh", "util"},
};

const char* const nomiMesi[] = {"gennaio", "febbraio", "marzo",     "aprile",  "maggio",   "giugno",
                                "luglio",  "agosto",   "settembre", "ottobre", "novembre", "dicembre"};

const QString suggerimentoAttuale =
    QStringLiteral("costo attuale in centesimi dell'energia tradizionale (per l'unità di misura)");
const QString suggerimentoSolare =
    QStringLiteral("costo corrispondente dell'energia solare in centesimi (per l'unità di misura)");

// A heading: yellow, black text.
Etichetta* intestazione(QWidget* genitore, const QString& nome, const QString& caption, int left, int top, int width,
                        int height, const QString& suggerimento)
{
    auto* e = controlli::etichetta(genitore, nome, caption, left, top, width, height, suggerimento);
    e->setBackColor(giallo);
    e->setForeColor(nero);
    return e;
}

// A value cell outside the tables: cyan, right-aligned, empty at design.
Etichetta* valore(QWidget* genitore, const char* nome, int left, int top, int width, int height)
{
    auto* e = controlli::etichetta(genitore, QString::fromLatin1(nome), QString(), left, top, width, height);
    e->setBackColor(risdettagliato::coloreNormale);
    e->setForeColor(nero);
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return e;
}

} // namespace

risdettagliato::risdettagliato() : FinestraLavoro(7) { costruisci(); }

risdettagliato::~risdettagliato() = default;

risdettagliato::Colonna& risdettagliato::colonnaMese(int c)
{
    Colonna* colonne[] = {&num,  &num,  &rad0, &rads, &rapp, &rad0k, &radsk, &extr, &nuv,
                          &tram, &coll, &diff, &tau,  &inc,  &fabbis, &ef,   &util};
    return *colonne[std::clamp(c, 1, 16)];
}

void risdettagliato::costruisci()
{
    QWidget* a = area();
    costruisciMesi();
    costruisciAnni();

    Label1 = intestazione(a, QStringLiteral("Label1"), QStringLiteral("fabbisogno kwh"), 6840, 4800, 1335, 255,
                          QStringLiteral("fabbisogno annuo richiesto dall'edificio"));
    fabbann = valore(a, "fabbann", 8160, 4800, 1215, 255);
    labelf = intestazione(a, QStringLiteral("labelf"), QStringLiteral("frazione solare"), 6840, 5040, 1335, 255,
                          QStringLiteral("frazione del fabbisogno energetico fornita dall'impianto solare"));
    frazann = valore(a, "frazann", 8160, 5040, 1215, 255);
    Label21 = intestazione(a, QStringLiteral("Label21"), QStringLiteral("energia utile kwh"), 6840, 5280, 1335, 255,
                           QStringLiteral("energia utile annua garantita dall'impianto solare"));
    utann = valore(a, "utann", 8160, 5280, 1215, 255);
    Label22 = intestazione(a, QStringLiteral("Label22"), QStringLiteral("tempo di recupero"), 5280, 4800, 1455, 255,
                           QStringLiteral("tempo necessario al recupero dell'investimento"));
    rec = valore(a, "rec", 5280, 5040, 1455, 495);
    rec->setAlignment(Qt::AlignCenter);

    loc = controlli::etichetta(a, QStringLiteral("loc"), QString(), 5280, 4200, 4095, 495,
                               QStringLiteral("località di riferimento per i dati climatici e latitudine"));
    loc->setBackColor(QColor(255, 0, 0));
    loc->setForeColor(giallo);
    loc->setFont(caratteri::progetto(13.5, true));
    loc->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    posa(passo, 2400, 5640, 3615, 450);
    passo->setFont(caratteri::progetto());

    calc = new Pulsante(a, QStringLiteral("calc"), QStringLiteral("&Dati"));
    posa(calc, 6120, 5760, 1095, 375);
    calc->setToolTip(QStringLiteral("cliccare per visualizzare la finestra Dati"));
    frontes = new Pulsante(a, QStringLiteral("frontes"), QStringLiteral("Fr&ontespizio"));
    posa(frontes, 7200, 5760, 1095, 375);
    frontes->setToolTip(QStringLiteral("cliccare per visualizzare il Frontespizio"));
    for (Pulsante* p : {calc, frontes})
        p->setFont(esco->font());

    connect(calc, &Pulsante::Click, this, &risdettagliato::calc_Click);
    connect(frontes, &Pulsante::Click, this, &risdettagliato::frontes_Click);
}

void risdettagliato::costruisciMesi()
{
    Frame1 = new Cornice(area(), QStringLiteral("Frame1"),
                         QStringLiteral("Risultati del calcolo dettagliato per i vari mesi dell'anno (da 1 a 12)"));
    posa(Frame1, 0, 480, 9495, 3540);
    QPalette p = Frame1->palette();
    p.setColor(QPalette::Window, QColor(128, 128, 128));
    p.setColor(QPalette::WindowText, giallo);
    Frame1->setPalette(p);
    Frame1->setAutoFillBackground(true);
    Frame1->setFont(caratteri::progetto(caratteri::puntiNormali, true));

    mesi_ = new RighePaginate(Frame1, 12, topMesi, passoRighe, altezzaRiga);
    mesi_->impostaColoreEvidenziato(coloreEvidenziato);
    for (int c = 1; c <= 16; ++c) {
        const Intestazione& i = intestazioniMesi[c];
        const int left = c == 1 ? sinistraNumeri : sinistraValori + passoColonne * (c - 2);
        const int width = c == 1 ? larghezzaNumeri : larghezzaValori;
        intestazioni[std::size_t(c)] = intestazione(Frame1, QString::fromLatin1(i.nome), QString::fromUtf8(i.caption),
                                                    left, topIntestazioni, width, 330, QString::fromUtf8(i.suggerimento));
        intestazioni[std::size_t(c)]->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        intestazioni[std::size_t(c)]->setFont(caratteri::stretto(caratteri::puntiNormali));
        const auto celle = mesi_->colonna(QString::fromLatin1(i.colonna), left, width,
                                          c == 1 ? Qt::AlignHCenter : Qt::AlignRight, coloreNormale);
        Colonna& colonna = colonnaMese(c);
        std::copy(celle.begin(), celle.end(), colonna.begin());
        for (int m = 1; m <= 12; ++m)
            colonna[std::size_t(m)]->setForeColor(nero);
    }
    for (int m = 1; m <= 12; ++m) {
        num[std::size_t(m)]->setCaption(QString::number(m));
        num[std::size_t(m)]->setToolTip(QString::fromLatin1(nomiMesi[m - 1]));
        // Yellow until the pointer first passes over a month; then only the row under it.
        num[std::size_t(m)]->setBackColor(giallo);
    }
    mesi_->evidenziaDa({num.begin(), num.end()});
    connect(mesi_, &RighePaginate::sopraRiga, this, &risdettagliato::num_MouseMove);
}

void risdettagliato::costruisciAnni()
{
    QWidget* a = area();
    Label17 = intestazione(a, QStringLiteral("Label17"), QStringLiteral("anno"), sinistraAnni[0], topIntestazioniAnni,
                           larghezzaAnni[0], 255, QStringLiteral("numero d'ordine dell'anno per l'analisi economica"));
    Label18 = intestazione(a, QStringLiteral("Label18"), QStringLiteral("costo attuale"), sinistraAnni[1],
                           topIntestazioniAnni, larghezzaAnni[1], 255, suggerimentoAttuale);
    Label19 = intestazione(a, QStringLiteral("Label19"), QStringLiteral("costo solare"), sinistraAnni[2],
                           topIntestazioniAnni, larghezzaAnni[2], 255, suggerimentoSolare);
    Label20 = intestazione(a, QStringLiteral("Label20"), QStringLiteral("bilancio"), sinistraAnni[3],
                           topIntestazioniAnni, larghezzaAnni[3], 255,
                           QStringLiteral("bilancio progressivo (in euro) tra i costi dei due tipi di energia"));
    for (Etichetta* e : {Label17, Label18, Label19, Label20})
        e->setAlignment(Qt::AlignCenter);

    anni_ = new RighePaginate(a, 5, topAnni, passoRighe, altezzaRiga);
    anni_->impostaColoreEvidenziato(coloreEvidenziato);
    std::array<Etichetta*, 6>* colonne[] = {&numann, &att, &sol, &bil};
    const char* const nomi[] = {"numann", "att", "sol", "bil"};
    for (int c = 0; c < 4; ++c) {
        const auto celle = anni_->colonna(QString::fromLatin1(nomi[c]), sinistraAnni[c], larghezzaAnni[c],
                                          c == 0 ? Qt::AlignHCenter : Qt::AlignRight, coloreNormale);
        std::copy(celle.begin(), celle.end(), colonne[c]->begin());
        for (int i = 1; i <= 5; ++i)
            (*colonne[c])[std::size_t(i)]->setForeColor(nero);
    }
    for (int i = 1; i <= 5; ++i)
        numann[std::size_t(i)]->setCaption(QString::number(i));
    anni_->evidenziaDa({numann.begin(), numann.end()});
    connect(anni_, &RighePaginate::sopraRiga, this, &risdettagliato::numann_MouseMove);

    // Left of the headings and the rows: its value is the year in the first row, so
    // that the last page ends at year 100.
    VScroll1 = anni_->aggiungiBarra(QStringLiteral("VScroll1"), 360, 495, {1, 96, 1, 5});
    posa(VScroll1, 360, topIntestazioniAnni, 495, 1455);
    connect(anni_, &RighePaginate::pagina, this, &risdettagliato::VScroll1_Change);
}

void risdettagliato::caricaFinestra()
{
    impostaPasso();
    // Opened again after being closed, the window shows what it showed before: the
    // last results, and the unit of the fuel the detailed window has chosen.
    if (tabelleDett::calcolato())
        mostraRisultati();
    if (const dettagliato* d = Unica<dettagliato>::seCaricata())
        impostaUnita(ModKorvel::unitaDelCombustibile(d->combustibileScelto()));
}

void risdettagliato::impostaPasso()
{
    passo->setCaption(
        QStringLiteral("Visualizzare i risultati con la barra di scorrimento, correggere cliccando su Dati, stampare."));
}

void risdettagliato::impostaUnita(const QString& unita)
{
    if (unita.isEmpty()) {
        Label18->setToolTip(suggerimentoAttuale);
        Label19->setToolTip(suggerimentoSolare);
        return;
    }
    Label18->setToolTip(QStringLiteral("costo attuale in centesimi di euro al ") + unita);
    Label19->setToolTip(QStringLiteral("costo solare corrispondente in centesimi di euro al ") + unita);
}

// ---- results ----------------------------------------------------------------------------

void risdettagliato::mostraRisultati()
{
    using namespace ModKorvel;
    for (int c = 2; c <= 16; ++c) {
        Colonna& colonna = colonnaMese(c);
        for (int m = 1; m <= 12; ++m)
            colonna[std::size_t(m)]->setCaption(tabelleDett::valoreMese(c, m).comeTesto());
    }
    const bool ci = tabelleDett::calcolato();
    fabbann->setCaption(ci ? numeri::testoNumero(fabbisognoAnnuoDett) : QString());
    frazann->setCaption(ci ? numeri::testoNumero(frazioneAnnua) : QString());
    utann->setCaption(ci ? numeri::testoNumero(energiaUtileAnnua) : QString());
    rec->setCaption(tempoRecupero);
    loc->setCaption(localitaCalcolata);
    modulo::impostaBarra(VScroll1, 1, [this] { VScroll1_Change(); });
}

void risdettagliato::VScroll1_Change()
{
    const int v = VScroll1->Value();
    // A first year beyond the plant life leaves the page as it is.
    if (v > ModKorvel::durataCalcolata)
        return;
    ripristinaColoriAnni();
    for (int i = 1; i <= 5; ++i) {
        const int k = v + i - 1;
        const auto r = std::size_t(i);
        numann[r]->setCaption(numeri::testoNumero(k));
        att[r]->setCaption(tabelleDett::valoreAnno(2, k).comeTesto());
        sol[r]->setCaption(tabelleDett::valoreAnno(3, k).comeTesto());
        bil[r]->setCaption(tabelleDett::valoreAnno(4, k).comeTesto());
    }
}

void risdettagliato::ripristinaColoriMesi() { mesi_->ripristinaColori(); }
void risdettagliato::ripristinaColoriAnni() { anni_->ripristinaColori(); }

void risdettagliato::num_MouseMove(int Index) { mesi_->evidenzia(Index); }
void risdettagliato::numann_MouseMove(int Index) { anni_->evidenzia(Index); }

// ---- re-run and file commands: the detailed window's ---------------------------------------

void risdettagliato::controlla_Click()
{
    dettagliato& d = finestra<dettagliato>();
    // Never on inputs the detailed window's check refuses.
    ModKorvel::controllaECalcola([&d] { d.controlla_Click(); }, [&d] { return d.calcolo(); });
}

void risdettagliato::apri_Click() { finestra<dettagliato>().apri_Click(); }

void risdettagliato::salva_Click() { finestra<dettagliato>().salva_Click(); }

void risdettagliato::salvanome_Click()
{
    ModKorvel::nomeFile.clear();
    finestra<dettagliato>().scrivoArchivio();
}

void risdettagliato::calc_Click() { mostra<dettagliato>(); }

void risdettagliato::frontes_Click() { mostra<frontespizio>(); }
