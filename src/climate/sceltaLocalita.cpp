// The town choice shared by the three town choosers: the climate table's scroll bar
// and the lists of the feasibility and detailed windows.
#include "climate/datiClimatici.h"
#include "climate/tabella.h"
#include "detailed/dettagliato.h"
#include "feasibility/fattib.h"
#include "platform/controlli.h"
#include "platform/messaggi.h"
#include "base/ModKorvel.h"
#include "base/numeri.h"

namespace ModKorvel {

namespace {

// Shows a town's name in the feasibility list. A list holding that name shows it by
// selecting it (which, when the position moves, is a town choice of its own); a text
// typed into an editable list is replaced.
void mostraNomeInElenco(Elenco* lista, const QString& nome)
{
    if (lista->currentText() == nome)
        return;
    const int posizione = lista->findText(nome, Qt::MatchExactly);
    if (posizione >= 0 && lista->ListIndex() != posizione)
        lista->setListIndex(posizione);
    if (lista->isEditable() && lista->currentText() != nome)
        lista->setEditText(nome);
}

} // namespace

void scegliLocalita()
{
    fattib& fattibilita = finestra<fattib>();
    if (!fattibilita.loc->currentText().isEmpty() && fattibilita.loc->ListIndex() < 0) {
        piattaforma::msgBox(QStringLiteral("Attenzione: scegliere i dati dalla lista preimpostata."),
                            piattaforma::vbCritical, titoloControllo);
        if (fattibilita.loc->isEditable())
            fattibilita.loc->setEditText(QString());
        return;
    }
    fattibilita.Frame9->setEnabled(true);
    finestra<dettagliato>().Frame1->setEnabled(true);

    caricaDatiClimatici();

    // The shown number, name and record all belong to the town that was loaded.
    const int n = localitaValida(numLocalita);
    tabella& t = finestra<tabella>();
    t.Label6->setCaption(numeri::testoNumero(n));
    t.loc->setCaption(localita[n]);
    t.La->setCaption(numeri::testoNumero(latitudine));
    for (int m = 1; m <= 12; ++m) {
        t.inc[m]->setText(numeri::testoNumero(radiazione[m]));
        t.tem[m]->setText(numeri::testoNumero(temperatura[m]));
    }

    mostraNomeInElenco(fattibilita.loc, localita[n]);
}

} // namespace ModKorvel
