#include "climate/tabella.h"

#include "climate/datiClimatici.h"
#include "detailed/dettagliato.h"
#include "feasibility/fattib.h"
#include "platform/caratteri.h"
#include "platform/controlli.h"
#include "platform/righePaginate.h"
#include "base/ModKorvel.h"
#include "base/numeri.h"

#include <QSignalBlocker>

const QColor tabella::coloreNumero{0, 255, 255};
const QColor tabella::coloreCasella{255, 255, 255};
const QColor tabella::coloreEvidenza{255, 255, 0};

namespace {

const QColor giallo{255, 255, 0};
const QColor rosso{255, 0, 0};

// Twips between the tops of two month rows.
constexpr int passoRighe = 240;
constexpr int primaRiga = 2160;

// The labels of this window stand on yellow.
Etichetta* etichetta(QWidget* area, const QString& nome, const QString& caption, int left, int top, int width,
                     int height, const QString& suggerimento = QString())
{
    auto* e = controlli::etichetta(area, nome, caption, left, top, width, height, suggerimento);
    e->setBackColor(giallo);
    return e;
}

} // namespace

tabella::tabella() : FinestraLavoro(2)
{
    QWidget* a = area();

    Label28 = etichetta(a, QStringLiteral("Label28"), QStringLiteral("dati climatici archiviati"), 480, 960, 8535, 495,
                        QStringLiteral("tabella dei dati, prelevati dall'ENEA (radiazioni) e dall'Aeronautica Militare "
                                       "(temperature medie mensili), già compresi nel software (chiedere a SOFTWARE "
                                       "BRENTHAL per aggiornarli)"));
    Label28->setFont(caratteri::progetto(18, true));
    Label28->setAlignment(Qt::AlignCenter);

    Label4 = etichetta(a, QStringLiteral("Label4"), QStringLiteral("mese"), 480, 1560, 1575, 240,
                       QStringLiteral("il mese dell'anno"));
    Label5 = etichetta(a, QStringLiteral("Label5"), QStringLiteral("radiazione incidente"), 2040, 1560, 1575, 240,
                       QStringLiteral("la radiazione incidente misurata al suolo (su superficie orizzontale)"));
    Label10 = etichetta(a, QStringLiteral("Label10"), QStringLiteral("temperatura"), 3600, 1560, 1575, 240,
                        QStringLiteral("temperatura media mensile in gradi (secondo il Climate Normals)"));
    Label3 = etichetta(a, QStringLiteral("Label3"), QStringLiteral("num"), 480, 1800, 495, 240);
    Label7 = etichetta(a, QStringLiteral("Label7"), QStringLiteral("nome"), 960, 1800, 1095, 240);
    Label8 = etichetta(a, QStringLiteral("Label8"), QStringLiteral("kj/mq/giorno"), 2040, 1800, 1575, 240);
    Label11 = etichetta(a, QStringLiteral("Label11"), QStringLiteral("°C"), 3600, 1800, 1575, 240);

    righe_ = new RighePaginate(a, 12, primaRiga, passoRighe, passoRighe);
    righe_->impostaColoreEvidenziato(coloreEvidenza);
    const auto numeri = righe_->colonna(QStringLiteral("num"), 480, 495, Qt::AlignHCenter, coloreNumero);
    std::copy(numeri.begin(), numeri.end(), num.begin());
    std::vector<QWidget*> caselle[3];
    for (auto& colonna : caselle)
        colonna.assign(13, nullptr);
    for (int m = 1; m <= 12; ++m) {
        const int top = primaRiga + passoRighe * (m - 1);
        num[m]->setCaption(QString::number(m));
        // The month boxes only show the stored record: what is printed is what was loaded.
        mes[m] = new CasellaTesto(a, QStringLiteral("mes(%1)").arg(m));
        Finestra::posa(mes[m], 960, top, 1095, passoRighe);
        inc[m] = new CasellaTesto(a, QStringLiteral("inc(%1)").arg(m));
        Finestra::posa(inc[m], 2040, top, 1575, passoRighe);
        tem[m] = new CasellaTesto(a, QStringLiteral("tem(%1)").arg(m));
        Finestra::posa(tem[m], 3600, top, 1575, passoRighe);
        for (CasellaTesto* c : {mes[m], inc[m], tem[m]}) {
            c->setReadOnly(true);
            c->setFont(caratteri::progetto());
            c->setFrame(false);
        }
        caselle[0][std::size_t(m)] = mes[m];
        caselle[1][std::size_t(m)] = inc[m];
        caselle[2][std::size_t(m)] = tem[m];
    }
    for (const auto& colonna : caselle)
        righe_->aggiungiColonna(colonna, coloreCasella);
    righe_->evidenziaDa(numeri);
    connect(righe_, &RighePaginate::sopraRiga, this, &tabella::num_MouseMove);

    Label6 = etichetta(a, QStringLiteral("Label6"), QString(), 5280, 1560, 495, 495,
                       QStringLiteral("numero d'ordine della località"));
    Label6->setFont(caratteri::progetto(13.5));
    Label6->setAlignment(Qt::AlignCenter);
    Label1 = etichetta(a, QStringLiteral("Label1"), QStringLiteral("località di riferimento"), 5880, 1560, 3135, 495,
                       QStringLiteral("in ordine di latitudine (da nord a sud)"));
    Label1->setFont(caratteri::progetto(13.5));

    VScroll1 = new BarraScorrimento(Qt::Vertical, a, QStringLiteral("VScroll1"));
    Finestra::posa(VScroll1, 5280, 2160, 495, 2895);
    VScroll1->impostaIntervallo(1, 100, 1, 5);

    loc = etichetta(a, QStringLiteral("loc"), QString(), 5880, 2160, 3135, 495,
                    QStringLiteral("località di riferimento per i dati climatici"));
    Label9 = etichetta(a, QStringLiteral("Label9"),
                       QStringLiteral("Visualizzare le località e scegliere nel calcolo quella che più rappresenta la "
                                      "zona dove inserire i pannelli solari. A tal fine controllare la latitudine e le "
                                      "temperature medie mensili storiche."),
                       5880, 2760, 3135, 1095, QStringLiteral("nota sulla corretta procedura"));
    Label2 = etichetta(a, QStringLiteral("Label2"), QStringLiteral("latitudine"), 5880, 3960, 3135, 495);
    Label2->setFont(caratteri::progetto(13.5));
    La = etichetta(a, QStringLiteral("La"), QString(), 5880, 4560, 3135, 495,
                   QStringLiteral("latitudine della località di riferimento in gradi decimalizzati"));
    for (Etichetta* e : {loc, La}) {
        e->setFont(caratteri::progetto(13.5, true));
        e->setBackColor(rosso);
        e->setForeColor(giallo);
    }

    passo->setFont(caratteri::progetto());

    connect(VScroll1, &BarraScorrimento::Change, this, &tabella::VScroll1_Change);
}

void tabella::caricaFinestra()
{
    static const char* const nomiMesi[] = {"gennaio", "febbraio", "marzo",     "aprile",  "maggio",   "giugno",
                                           "luglio",  "agosto",   "settembre", "ottobre", "novembre", "dicembre"};
    for (int m = 1; m <= 12; ++m)
        mes[m]->setText(QString::fromUtf8(nomiMesi[m - 1]));
    ModKorvel::caricaLocalita();
    VScroll1->setMax(ModKorvel::totaleLocalita);
    {
        // A town chosen before this window was first opened stays chosen; the one
        // town choice below then shows it.
        const QSignalBlocker blocco(VScroll1);
        const int scelta = ModKorvel::numLocalita;
        VScroll1->setValue(scelta >= 1 && scelta <= ModKorvel::totaleLocalita ? scelta : 1);
    }
    VScroll1_Change();
    impostaPasso();
}

void tabella::impostaPasso()
{
    passo->setCaption(QStringLiteral("Finestra di sola lettura: visualizzare i dati con la barra di scorrimento "
                                     "verticale, stampare la tabella o passare al calcolo."));
}

void tabella::spostaLocalita(int numero) { VScroll1->setValue(numero); }

void tabella::mostraDatiLocalita(int numero)
{
    using namespace ModKorvel;
    Label6->setCaption(numeri::testoNumero(numero));
    loc->setCaption(localita[numero]);
    La->setCaption(numeri::testoNumero(latitudine));
    for (int m = 1; m <= 12; ++m) {
        inc[m]->setText(numeri::testoNumero(radiazione[m]));
        tem[m]->setText(numeri::testoNumero(temperatura[m]));
    }
}

void tabella::num_MouseMove(int Index) { righe_->evidenzia(Index); }

void tabella::VScroll1_Change()
{
    ModKorvel::numLocalita = VScroll1->Value();
    // Each list runs its own town choice when its position moves; the scroll bar is
    // already on that town, so the cascade stops there.
    finestra<fattib>().spostaLocalita(VScroll1->Value());
    finestra<dettagliato>().spostaLocalita(VScroll1->Value());
    ModKorvel::scegliLocalita();
}
