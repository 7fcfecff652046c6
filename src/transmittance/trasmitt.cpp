#include "transmittance/trasmitt.h"

#include "base/ModKorvel.h"
#include "base/numeri.h"
#include "detailed/dettagliato.h"
#include "feasibility/fattib.h"
#include "platform/controlli.h"
#include "platform/messaggi.h"
#include "platform/modulo.h"
#include "shell/filtroNumerico.h"
#include "transmittance/calcoloTrasmittanza.h"
#include "transmittance/datiTrasmittanza.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>

using namespace ModKorvel;

namespace {

QString numeroElemento(int elemento) { return QStringLiteral("n. ") + QString::number(elemento); }

QString senzaElementi(int gruppo)
{
    return gruppo == 1 ? QStringLiteral("Scegliere o digitare gli elementi periferici da calcolare")
                       : QStringLiteral("Scegliere o digitare gli elementi interni da calcolare");
}

} // namespace

trasmitt::trasmitt() : FinestraLavoro(3), file_(CommonDialog1, QStringLiteral("Korvel-trasm-"), &ModKorvel::nomeFile)
{
    costruisci();
}

trasmitt::~trasmitt() = default;

QString trasmitt::messaggioAreaMancante(int gruppo, int elemento)
{
    return (gruppo == 1 ? QStringLiteral("Digitare il valore dell'area dell'elemento periferico ")
                        : QStringLiteral("Digitare il valore dell'area dell'elemento interno "))
        + numeroElemento(elemento);
}

QString trasmitt::messaggioTrasmittanzaMancante() { return QStringLiteral("Attenzione! Inserire i dati della trasmittanza."); }

QString trasmitt::passoAreaMancante(int gruppo, int elemento)
{
    return (gruppo == 1 ? QStringLiteral("digitare il valore dell'area dell'elemento periferico ")
                        : QStringLiteral("digitare il valore dell'area dell'elemento interno "))
        + numeroElemento(elemento);
}

void trasmitt::caricaFinestra()
{
    aggiornaPasso();
    primoPeriferico = 1;
    primoInterno = 1;
    modulo::impostaBarra(scrollaes, 290, [this] { scrollaes_Change(); });
    modulo::impostaBarra(scrollain, 89, [this] { scrollain_Change(); });
    scrivi(equiv, QStringLiteral("990"));
    // The element table outlives the window: show what it holds.
    VScroll1_Change();
    VScroll2_Change();
}

// ---- writing boxes -------------------------------------------------------------

void trasmitt::collega(CasellaTesto* casella, const std::function<void()>& gestore)
{
    gestori_.insert(casella, gestore);
    connect(casella, &CasellaTesto::Change, this, gestore);
}

QString trasmitt::testoDi(const QWidget* casella)
{
    if (const auto* c = qobject_cast<const QComboBox*>(casella))
        return c->currentText();
    if (const auto* t = qobject_cast<const QLineEdit*>(casella))
        return t->text();
    return QString();
}

void trasmitt::scrivi(QWidget* casella, const QString& testo)
{
    if (testoDi(casella) == testo)
        return;
    {
        const QSignalBlocker blocco(casella);
        if (auto* c = qobject_cast<QComboBox*>(casella)) {
            c->setEditText(testo);
            // A type longer than its box shows from its beginning.
            c->lineEdit()->setCursorPosition(0);
        } else if (auto* t = qobject_cast<QLineEdit*>(casella))
            t->setText(testo);
    }
    if (const std::function<void()> gestore = gestori_.value(casella))
        gestore();
}

void trasmitt::filtra(CasellaTesto* casella, bool virgolaSilenziosa)
{
    // The handler that called the filter goes on with the kept text.
    const QSignalBlocker blocco(casella);
    filtroNumerico::filtra(casella, virgolaSilenziosa);
}

// ---- row handlers --------------------------------------------------------------

bool trasmitt::rifiutaTipo(Griglia& g, int r, const QString& testo)
{
    // Only a new element is refused: a type written back by paging or a file is
    // already the element's. The element tested is the one above on the first page.
    const int n = *g.primo + r - 1;
    if (testo.isEmpty() || r < 2 || !tipologiaElem[g.gruppo][n].isEmpty() || !tipologiaElem[g.gruppo][r - 1].isEmpty())
        return false;
    QComboBox* tipo = (*g.tipo)[r];
    // The flag swallows the change that emptying causes, and only when there is one.
    if (!testoDi(tipo).isEmpty()) {
        g.ignoraCambio = 1;
        scrivi(tipo, QString());
    }
    piattaforma::msgBox(QStringLiteral("Scegliere o digitare il dato dell'elemento precedente."),
                        piattaforma::vbCritical, titoloControllo);
    return true;
}

void trasmitt::tipo_Change(Griglia& g, int r)
{
    if (g.ignoraCambio == 1) {
        g.ignoraCambio = 0;
        return;
    }
    const QString testo = testoDi((*g.tipo)[r]);
    if (rifiutaTipo(g, r, testo))
        return;
    const int n = *g.primo + r - 1;
    tipologiaElem[g.gruppo][n] = testo;
    // A typed type keeps the element's own unit value.
    scrivi((*g.unitaria)[r], trasUnitaria[g.gruppo][n]);
    calcolo();
    aggiornaPasso();
}

void trasmitt::tipo_Click(Griglia& g, int r, int posizione)
{
    const auto tipi = calcoli::tipiElemento(g.gruppo);
    if (posizione < 0 || std::size_t(posizione) >= tipi.size())
        return;
    const calcoli::TipoElemento& scelto = tipi[std::size_t(posizione)];
    if (rifiutaTipo(g, r, scelto.nome))
        return;
    const int n = *g.primo + r - 1;
    tipologiaElem[g.gruppo][n] = scelto.nome;
    trasUnitaria[g.gruppo][n] = calcoli::testoCalcolato(scelto.unitaria);
    scrivi((*g.unitaria)[r], trasUnitaria[g.gruppo][n]);
    calcolo();
    aggiornaPasso();
}

void trasmitt::scegliTipo(int gruppo, int riga, int posizione)
{
    Griglia& g = griglia(gruppo);
    if (riga < 1 || riga > righe)
        return;
    QComboBox* tipo = (*g.tipo)[riga];
    if (posizione < 0 || posizione >= tipo->count())
        return;
    {
        const QSignalBlocker blocco(tipo);
        tipo->setCurrentIndex(posizione);
    }
    tipo_Click(g, riga, posizione);
}

void trasmitt::area_Change(Griglia& g, int r)
{
    CasellaTesto* area = (*g.area)[r];
    filtra(area, false);
    areaElem[g.gruppo][*g.primo + r - 1] = area->Text();
    calcolo();
    aggiornaPasso();
}

void trasmitt::unitaria_Change(Griglia& g, int r)
{
    CasellaTesto* unitaria = (*g.unitaria)[r];
    filtra(unitaria, true);
    trasUnitaria[g.gruppo][*g.primo + r - 1] = unitaria->Text();
    calcolo();
}

void trasmitt::barra_Change(Griglia& g, int r)
{
    scrivi((*g.unitaria)[r], calcoli::testoCalcolato((*g.barra)[r]->Value() / 10.0));
}

void trasmitt::VScroll1_Change() { pagina(periferici_); }
void trasmitt::VScroll2_Change() { pagina(interni_); }

void trasmitt::scorri(int gruppo, int primo)
{
    Griglia& g = griglia(gruppo);
    modulo::impostaBarra(g.pagine, primo, [this, &g] { pagina(g); });
}

void trasmitt::pagina(Griglia& g)
{
    *g.primo = std::clamp(g.pagine->Value(), 1, elementiPerGruppo - righe + 1);
    for (int r = 1; r <= righe; ++r) {
        const int n = *g.primo + r - 1;
        // The element's values are taken before its row is written: the row's handlers
        // store what the boxes show, and a box may still show the element before.
        const QString tipo = tipologiaElem[g.gruppo][n];
        const QString area = areaElem[g.gruppo][n];
        const QString unitaria = trasUnitaria[g.gruppo][n];
        (*g.numero)[r]->setCaption(QString::number(n));
        scrivi((*g.tipo)[r], tipo);
        scrivi((*g.area)[r], area);
        scrivi((*g.unitaria)[r], unitaria);
        // The total as the calculation left it.
        const auto& totale = trasTotale[g.gruppo][n];
        scrivi((*g.totale)[r], totale ? calcoli::testoCalcolato(*totale) : QString());
    }
}

// ---- coefficients and air change -----------------------------------------------

void trasmitt::coefficiente_Change(CasellaTesto* casella)
{
    filtra(casella, true);
    // Emptied too: the correction then goes, and the results with it.
    calcolo();
}

void trasmitt::scrollaes_Change()
{
    scrivi(traes, calcoli::testoCalcolato(scrollaes->Value() / 10.0));
    calcolo();
}

void trasmitt::scrollain_Change()
{
    scrivi(train, calcoli::testoCalcolato(scrollain->Value() / 10.0));
    calcolo();
}

void trasmitt::delim_Click()
{
    scrivi(traes, QString());
    scrivi(tralim, QString());
}

void trasmitt::equiv_Change()
{
    filtra(equiv, true);
    calcolo();
}

// ---- calculation ---------------------------------------------------------------

void trasmitt::calcolo()
{
    const calcoli::RisultatiTrasmittanza ris = calcoli::calcolaTrasmittanza(
        calcoli::ingressiTrasmittanzaDaModulo(traes->Text(), train->Text(), equiv->Text()));
    calcoli::memorizzaTrasmittanza(ris);
    for (Griglia* g : {&periferici_, &interni_}) {
        for (int r = 1; r <= righe; ++r) {
            const auto& totale = trasTotale[g->gruppo][*g->primo + r - 1];
            scrivi((*g->totale)[r], totale ? calcoli::testoCalcolato(*totale) : QString());
        }
    }
    scrivi(tralim, calcoli::testoCalcolato(ris.correzione));
    scrivi(total, calcoli::testoCalcolato(ris.totale));
    scrivi(complessiva, calcoli::testoCalcolato(ris.complessiva));
}

// ---- hint, check, clearing, hand-over -------------------------------------------

QString trasmitt::primoErrore(bool completo) const
{
    for (int g = 1; g <= 2; ++g)
        if (completo && tipologiaElem[g][1].isEmpty())
            return senzaElementi(g);
    for (int g = 1; g <= 2; ++g)
        for (const int i : calcoli::elementiConTipo(g))
            if (areaElem[g][i].isEmpty())
                return messaggioAreaMancante(g, i);
    return QString();
}

void trasmitt::aggiornaPasso()
{
    // The external grid wholly before the internal one.
    for (int g = 1; g <= 2; ++g) {
        if (tipologiaElem[g][1].isEmpty()) {
            passo->setCaption(g == 1 ? QStringLiteral("scegliere o digitare gli elementi periferici da calcolare")
                                     : QStringLiteral("scegliere o digitare gli elementi interni da calcolare"));
            return;
        }
        for (const int i : calcoli::elementiConTipo(g)) {
            if (areaElem[g][i].isEmpty()) {
                passo->setCaption(passoAreaMancante(g, i));
                return;
            }
        }
    }
    passo->setCaption(QStringLiteral(
        "Correggere, archiviare quanto immesso, digitare ulteriori dati, andare oltre (calcolo impianto, stampa)."));
}

void trasmitt::controlla_Click()
{
    // The silent check lets a window without elements of a group pass.
    const QString errore = primoErrore(controlloSilenzioso != 1);
    if (!errore.isEmpty()) {
        piattaforma::msgBox(errore, piattaforma::vbCritical, titoloControllo);
        return;
    }
    confermaControllo(QStringLiteral("I dati sono stati immessi correttamente."));
}

void trasmitt::cancella_click()
{
    // From the last row up, so that no row finds the one above it already empty.
    for (int r = righe; r >= 1; --r)
        for (QWidget* c : std::initializer_list<QWidget*>{Combo1[r], Combo2[r], ar[r], tra[r], trat[r], ar2[r],
                                                          tra2[r], trat2[r]})
            scrivi(c, QString());
    tipologiaElem = {};
    areaElem = {};
    trasUnitaria = {};
    trasTotale = {};
    // The correction of the emptied table ("0"), not the one of the last element
    // still there while the rows were emptied.
    calcolo();
    scrivi(total, QString());
    scrivi(complessiva, QString());
    aggiornaPasso();
}

void trasmitt::Command1_Click()
{
    if (chiamanteTrasm != 1 && chiamanteTrasm != 2)
        return;
    // A window whose elements do not pass would send a transmittance that is not the
    // building's; an empty or zero one would wipe what the caller holds. Silently, a
    // building without internal (or external) elements passes.
    if (!ModKorvel::verificaSilenziosa([this] { controlla_Click(); }))
        return;
    // Nothing to send: the user is told why, as by the check.
    const QString valore = complessiva->Text();
    QString motivo;
    if (calcoli::elementiConTipo(1).empty() && calcoli::elementiConTipo(2).empty())
        motivo = senzaElementi(1);
    else if (valore.isEmpty() || numeri::val(valore) == 0)
        motivo = messaggioTrasmittanzaMancante();
    if (!motivo.isEmpty()) {
        piattaforma::msgBox(motivo, piattaforma::vbCritical, titoloControllo);
        return;
    }
    if (chiamanteTrasm == 1) {
        fattib& f = finestra<fattib>();
        f.riceviTrasmittanza(valore);
        f.Show();
    } else {
        dettagliato& d = finestra<dettagliato>();
        d.riceviTrasmittanza(valore);
        d.Show();
    }
}
