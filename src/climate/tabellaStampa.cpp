#include "climate/tabella.h"

#include "platform/controlli.h"
#include "report/canaleWord.h"
#include "base/numeri.h"

namespace {

// A number as the window shows it, in the user's number format.
double numeroMostrato(const QString& testo)
{
    bool ok = false;
    const double x = numeri::locale().toDouble(testo.trimmed(), &ok);
    return ok ? x : numeri::val(testo);
}

} // namespace

void tabella::stampatutte_click()
{
    tutte = QStringLiteral("sì");
    stampa_Click();
    tutte.clear();
}

void tabella::stampa_Click()
{
    using namespace ModKorvel;
    if (!avviaWord(*this))
        return;
    scriviIntestazione(20, 16, 12, 2, QStringLiteral("Tabella dei dati climatici"), 2);
    // The window and the name proposed on saving tell one town from all of them.
    intitolaDocumento(QStringLiteral("Tabella dei dati climatici - ")
                      + (tutte.isEmpty() ? loc->Caption() : QStringLiteral("tutte le località")));
    int tabelleScritte = 0;
    if (!tutte.isEmpty()) {
        for (int i = 1; i <= VScroll1->Max() && reportRiuscito(); ++i) {
            // Moving the scroll bar chooses the town; on the town already shown it
            // would run nothing, so the choice is made directly.
            const bool giaMostrata = VScroll1->Value() == i;
            VScroll1->setValue(i);
            if (giaMostrata)
                VScroll1_Change();
            scriviTabellaLocalita();
            ++tabelleScritte;
        }
    } else {
        scriviTabellaLocalita();
        tabelleScritte = 1;
    }
    allineaColonne(1, tabelleScritte, 3, 4);
    chiudiStato(*this, QStringLiteral("ho visualizzato i dati su WORD"));
}

void tabella::scriviTabellaLocalita()
{
    using namespace ModKorvel;
    // Each town's line gets a paragraph of its own, so it stands right above its table.
    aggiungiParagrafo(12);
    testoParagrafo(QChar(13) + QStringLiteral("Località di riferimento n.") + Label6->Caption() + QStringLiteral(" : ") +
                   loc->Caption() + QStringLiteral("  -  Latitudine ") + La->Caption());
    aggiungiTabella(14, 4);
    scriviCella(1, 1, QStringLiteral("numero"));
    scriviCella(1, 2, QStringLiteral("mese"));
    scriviCella(1, 3, QStringLiteral("radiazione incidente"));
    scriviCella(1, 4, QStringLiteral("temperatura media"));
    scriviCella(2, 3, QStringLiteral("kj/mq/giorno"));
    scriviCella(2, 4, QStringLiteral("°C"));
    for (int m = 1; m <= 12; ++m) {
        scriviCella(m + 2, 1, QLatin1Char(' ') + numeri::testoNumero(m));
        scriviCella(m + 2, 2, mes[m]->Text());
        scriviCella(m + 2, 3, inc[m]->Text());
        scriviCella(m + 2, 4, numeri::formatta(numeroMostrato(tem[m]->Text()), u"##0.0"));
    }
    formattaTabella();
}
