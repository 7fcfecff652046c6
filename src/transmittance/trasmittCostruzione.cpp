// The construction of the transmittance window: the two grids of elements and the
// right-hand column of coefficients, results and the send button.
#include "transmittance/trasmitt.h"

#include "platform/caratteri.h"
#include "platform/controlli.h"
#include "platform/modulo.h"
#include "platform/righePaginate.h"
#include "shell/immagini.h"
#include "transmittance/calcoloTrasmittanza.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

namespace {

// Design layout (twips). Grid columns: number, type, area, unit value with its bar,
// total; then the paging bar.
constexpr int sinistraNumero = 120, larghezzaNumero = 375;
constexpr int sinistraTipo = 540, larghezzaTipo = 2655;
constexpr int sinistraArea = 3240, larghezzaArea = 840;
constexpr int sinistraUnitaria = 4125, larghezzaUnitaria = 720;
constexpr int sinistraBarraUnitaria = 4860, larghezzaBarraUnitaria = 240;
constexpr int sinistraTotale = 5145, larghezzaTotale = 960;
constexpr int sinistraPagine = 6150, larghezzaPagine = 255;
constexpr int passoRighe = 300;
constexpr int altezzaRiga = 285;
// The right-hand column: coefficients, results and the send button.
constexpr int sinistraDestra = 6600, larghezzaDestra = 2880;
constexpr int larghezzaValore = 1200;

const QColor coloreNumero{0, 255, 255};
const QColor coloreCasella{255, 255, 255};
const QColor coloreCalcolato{255, 255, 192};

const QString suggerimentoTipo = QStringLiteral(
    "il singolo elemento di cui è composto l'involucro edilizio da riscaldare");
const QString suggerimentoArea = QStringLiteral("area totale della tipologia di elemento considerato");
const QString suggerimentoUnitaria = QStringLiteral(
    "valore preimpostato del coefficiente di trasmissione termica tra i due ambienti separati da una parete (in "
    "Watt su mq per grado)");
const QString suggerimentoTotale = QStringLiteral(
    "valore ottenuto moltiplicando la trasmittanza unitaria per la superficie di riferimento (in Watt su grado)");
const QString suggerimentoLiminare = QStringLiteral("coefficiente aria-parete dovuto alla conduzione ed all'irraggiamento");
const QString suggerimentoNumero = QStringLiteral("numero d'ordine");

Etichetta* etichetta(QWidget* area, const char* nome, const QString& caption, int left, int top, int width,
                     int height, const QString& suggerimento = QString())
{
    return controlli::etichetta(area, QString::fromLatin1(nome), caption, left, top, width, height, suggerimento);
}

CasellaTesto* casella(QWidget* area, const QString& nome, int left, int top, int width, const QString& suggerimento,
                      bool solaLettura)
{
    auto* c = new CasellaTesto(area, nome);
    Finestra::posa(c, left, top, width, altezzaRiga + 30);
    c->setFont(caratteri::progetto());
    c->setToolTip(suggerimento);
    c->setReadOnly(solaLettura);
    if (solaLettura)
        c->setFocusPolicy(Qt::NoFocus);
    return c;
}

} // namespace

void trasmitt::costruisci()
{
    QWidget* a = area();
    periferici_ = {1, &Combo1, &ar, &tra, &scrolla1, &trat, &num, nullptr, &primoPeriferico, 0};
    interni_ = {2, &Combo2, &ar2, &tra2, &scrolla2, &trat2, &num2, nullptr, &primoInterno, 0};

    auto* titolo = etichetta(a, "Label1", QStringLiteral("opere murarie periferiche all'involucro dell'edificio"),
                             sinistraNumero, 480, 6285, 255, QStringLiteral("parti esterne dell'edificio da riscaldare"));
    titolo->setFont(caratteri::progetto(caratteri::puntiNormali, true));

    // Column headings, over the external grid; the internal grid has the same columns.
    struct Intestazione {
        const char* nome;
        QString testo;
        int left, top, width, height;
        const QString& suggerimento;
        Qt::Alignment allineamento;
    };
    const Qt::Alignment sotto = Qt::AlignHCenter | Qt::AlignBottom;
    const Qt::Alignment sopra = Qt::AlignHCenter | Qt::AlignTop;
    const Intestazione intestazioni[] = {
        {"Label2", QStringLiteral("num"), sinistraNumero, 735, larghezzaNumero, 420, suggerimentoNumero, sotto},
        {"Label3", QStringLiteral("tipologia elemento"), sinistraTipo, 735, larghezzaTipo, 420, suggerimentoTipo,
         Qt::AlignLeft | Qt::AlignBottom},
        {"Label4", QStringLiteral("area"), sinistraArea, 735, larghezzaArea, 420, suggerimentoArea, sotto},
        {"Label5", QStringLiteral("trasmittanza unitaria"), sinistraUnitaria, 735,
         larghezzaUnitaria + larghezzaBarraUnitaria + 45, 420, suggerimentoUnitaria, sotto},
        {"Label6", QStringLiteral("trasmittanza totale"), sinistraTotale, 735, larghezzaTotale, 420,
         suggerimentoTotale, sotto},
        {"Label7", QStringLiteral("nome"), sinistraTipo, 1155, larghezzaTipo, 225, suggerimentoTipo,
         Qt::AlignLeft | Qt::AlignTop},
        {"Label8", QStringLiteral("mq"), sinistraArea, 1155, larghezzaArea, 225, suggerimentoArea, sopra},
        {"Label9", QStringLiteral("W/mq°C"), sinistraUnitaria, 1155, larghezzaUnitaria, 225, suggerimentoUnitaria,
         sopra},
        {"Label10", QStringLiteral("W/°C"), sinistraTotale, 1155, larghezzaTotale, 225, suggerimentoTotale, sopra},
    };
    for (const Intestazione& i : intestazioni)
        etichetta(a, i.nome, i.testo, i.left, i.top, i.width, i.height, i.suggerimento)->setAlignment(i.allineamento);

    costruisciGriglia(periferici_, 1410);

    auto* titoloInterni = etichetta(
        a, "Label11",
        QStringLiteral("opere murarie interne all'involucro dell'edificio tra zona riscaldata e non (scale, "
                       "sottotetto, garage, ecc.)"),
        sinistraNumero, 2955, 6285, 420, QStringLiteral("parti interne tra ambienti dell'edificio"));
    titoloInterni->setFont(caratteri::progetto(caratteri::puntiNormali, true));
    titoloInterni->setAlignment(Qt::AlignLeft | Qt::AlignBottom);

    costruisciGriglia(interni_, 3390);

    etichetta(a, "Label15", QStringLiteral("usare il punto per i decimali"), sinistraNumero, 4950, 3000, 240);
    etichetta(a, "Label16", QStringLiteral("kcal/mq°C = W/mq°C x 0,86"), sinistraArea, 4950, 2865, 240);

    costruisciRisultati();
    passo->setFont(caratteri::progetto());
}

void trasmitt::costruisciGriglia(Griglia& g, int topRighe)
{
    QWidget* a = area();
    const bool esterni = g.gruppo == 1;
    const QString suffisso = esterni ? QString() : QStringLiteral("2");
    auto* paginate = new RighePaginate(a, righe, topRighe, passoRighe, altezzaRiga);
    const auto numeri = paginate->colonna(QStringLiteral("num") + suffisso, sinistraNumero, larghezzaNumero,
                                          Qt::AlignHCenter, coloreNumero);
    std::vector<QWidget*> aree(righe + 1, nullptr), unitarie(righe + 1, nullptr), totali(righe + 1, nullptr);
    for (int r = 1; r <= righe; ++r) {
        const int top = topRighe + passoRighe * (r - 1);
        Etichetta* numero = numeri[std::size_t(r)];
        numero->setCaption(QString::number(r));
        numero->setToolTip(suggerimentoNumero);
        (*g.numero)[r] = numero;

        auto* tipo = new QComboBox(a);
        tipo->setObjectName(QStringLiteral("Combo%1(%2)").arg(g.gruppo).arg(r));
        tipo->setEditable(true);
        // Typed text stays as typed: no completion, nothing added to the list.
        tipo->setCompleter(nullptr);
        tipo->setInsertPolicy(QComboBox::NoInsert);
        tipo->setFont(caratteri::progetto());
        tipo->setToolTip(suggerimentoTipo);
        posa(tipo, sinistraTipo, top - 15, larghezzaTipo, altezzaRiga + 30);
        for (const calcoli::TipoElemento& t : calcoli::tipiElemento(g.gruppo))
            tipo->addItem(t.nome);
        tipo->setCurrentIndex(-1);
        tipo->setEditText(QString());
        // The list shows the types whole, also where the box is narrower.
        tipo->view()->setMinimumWidth(tipo->view()->sizeHintForColumn(0) + 24);
        (*g.tipo)[r] = tipo;

        CasellaTesto* area = casella(a, (esterni ? QStringLiteral("ar(%1)") : QStringLiteral("ar2(%1)")).arg(r),
                                     sinistraArea, top - 15, larghezzaArea, suggerimentoArea, false);
        CasellaTesto* unitaria = casella(a, (esterni ? QStringLiteral("tra(%1)") : QStringLiteral("tra2(%1)")).arg(r),
                                         sinistraUnitaria, top - 15, larghezzaUnitaria, suggerimentoUnitaria, true);
        CasellaTesto* totale = casella(a, (esterni ? QStringLiteral("trat(%1)") : QStringLiteral("trat2(%1)")).arg(r),
                                       sinistraTotale, top - 15, larghezzaTotale, suggerimentoTotale, true);
        for (CasellaTesto* c : {area, unitaria, totale})
            c->setAlignment(Qt::AlignRight);
        (*g.area)[r] = area;
        (*g.unitaria)[r] = unitaria;
        (*g.totale)[r] = totale;
        aree[std::size_t(r)] = area;
        unitarie[std::size_t(r)] = unitaria;
        totali[std::size_t(r)] = totale;

        auto* barra = new BarraScorrimento(Qt::Vertical, a,
                                           (esterni ? QStringLiteral("scrolla1(%1)") : QStringLiteral("scrolla2(%1)")).arg(r));
        posa(barra, sinistraBarraUnitaria, top - 15, larghezzaBarraUnitaria, altezzaRiga + 30);
        barra->impostaIntervallo(1, 100, 1, 10);
        barra->setToolTip(suggerimentoUnitaria);
        (*g.barra)[r] = barra;

        Griglia* gp = &g;
        connect(tipo->lineEdit(), &QLineEdit::textEdited, this, [this, gp, r] { tipo_Change(*gp, r); });
        connect(tipo, &QComboBox::activated, this, [this, gp, r](int posizione) { tipo_Click(*gp, r, posizione); });
        gestori_.insert(tipo, [this, gp, r] { tipo_Change(*gp, r); });
        collega(area, [this, gp, r] { area_Change(*gp, r); });
        collega(unitaria, [this, gp, r] { unitaria_Change(*gp, r); });
        connect(barra, &BarraScorrimento::Change, this, [this, gp, r] { barra_Change(*gp, r); });
    }
    paginate->aggiungiColonna(aree, coloreCasella);
    paginate->aggiungiColonna(unitarie, coloreCasella);
    paginate->aggiungiColonna(totali, coloreCalcolato);
    g.pagine = paginate->aggiungiBarra(esterni ? QStringLiteral("VScroll1") : QStringLiteral("VScroll2"),
                                       sinistraPagine, larghezzaPagine, {1, 16, 1, 5});
    (esterni ? VScroll1 : VScroll2) = g.pagine;
    connect(paginate, &RighePaginate::pagina, this, [this, esterni] { esterni ? VScroll1_Change() : VScroll2_Change(); });
}

void trasmitt::costruisciRisultati()
{
    QWidget* a = area();
    const int x = sinistraDestra;

    // A surface coefficient: its caption, its read-only box and the bar that sets it.
    const auto coefficiente = [&](const char* nome, const QString& caption, const char* casellaNome,
                                  const char* barraNome, int top, CasellaTesto*& c, BarraScorrimento*& b) {
        etichetta(a, nome, caption, x, top, larghezzaDestra, 240, suggerimentoLiminare);
        c = casella(a, QString::fromLatin1(casellaNome), x, top + 255, larghezzaValore, suggerimentoLiminare, true);
        b = new BarraScorrimento(Qt::Vertical, a, QString::fromLatin1(barraNome));
        posa(b, x + larghezzaValore + 60, top + 210, 255, 405);
        b->impostaIntervallo(1, 1000, 1, 10);
        b->setToolTip(suggerimentoLiminare);
    };
    coefficiente("Label17", QStringLiteral("coefficiente liminare esterno"), "traes", "scrollaes", 480, traes,
                 scrollaes);
    coefficiente("Label18", QStringLiteral("coefficiente liminare interno"), "train", "scrollain", 1200, train,
                 scrollain);
    delim = new Pulsante(a, QStringLiteral("delim"));
    delim->setIcon(immagini::iconaBarra(20));
    delim->setToolTip(QStringLiteral("clicca per cancellare i dati del coefficiente liminare esterno"));
    posa(delim, x + larghezzaValore + 375, 705, 375, 375);

    tralim = casella(a, QStringLiteral("tralim"), x, 1920, larghezzaValore,
                     QStringLiteral("trasmittanza dovuta ai coefficienti liminari esterno e interno"), true);

    Label12 = etichetta(a, "Label12", QStringLiteral("trasmittanza calcolata W/°C"), x, 2370, larghezzaDestra, 240,
                        QStringLiteral("trasmittanza totale ottenuta dal calcolo"));
    total = casella(a, QStringLiteral("total"), x, 2625, larghezzaValore, Label12->toolTip(), true);
    // Narrow enough that the unit goes whole onto the second line.
    Label13 = etichetta(a, "Label13", QStringLiteral("trasmitt. equivalente ricambi d'aria W/°C"), x, 3000, 2400, 420,
                        QStringLiteral("trasmittanza equivalente ad un ricambio d'aria abituale in un edificio di "
                                       "circa mq.200"));
    equiv = casella(a, QStringLiteral("equiv"), x, 3435, larghezzaValore, Label13->toolTip(), false);
    Label14 = etichetta(a, "Label14", QStringLiteral("trasmittanza complessiva W/°C"), x, 3840, larghezzaDestra, 240,
                        QStringLiteral("trasmittanza complessiva dell'edificio"));
    complessiva = casella(a, QStringLiteral("compl"), x, 4095, larghezzaValore, Label14->toolTip(), true);
    complessiva->setFont(caratteri::progetto(caratteri::puntiNormali, true));
    for (CasellaTesto* c : {traes, train, tralim, total, equiv, complessiva})
        c->setAlignment(Qt::AlignRight);
    for (CasellaTesto* c : {traes, train, tralim, total, complessiva})
        modulo::coloraCella(c, coloreCalcolato);

    Command1 = new Pulsante(a, QStringLiteral("Command1"), QStringLiteral("inserisci trasmittanza nel calcolo"));
    Command1->setToolTip(
        QStringLiteral("cliccare per inserire il valore della trasmittanza complessiva nei dati di calcolo"));
    Command1->setFont(caratteri::progetto(caratteri::puntiNormali, true));
    posa(Command1, x, 4560, larghezzaDestra, 495);

    collega(traes, [this] { coefficiente_Change(traes); });
    collega(train, [this] { coefficiente_Change(train); });
    collega(equiv, [this] { equiv_Change(); });
    connect(scrollaes, &BarraScorrimento::Change, this, &trasmitt::scrollaes_Change);
    connect(scrollain, &BarraScorrimento::Change, this, &trasmitt::scrollain_Change);
    connect(delim, &Pulsante::Click, this, &trasmitt::delim_Click);
    connect(Command1, &Pulsante::Click, this, &trasmitt::Command1_Click);
}
