#include "climate/tabella.h"

#include "platform/controlli.h"
#include "report/canaleWord.h"
#include "report/relazione.h"
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
            scriviTabellaLocalita({});
            ++tabelleScritte;
        }
    } else {
        scriviTabellaLocalita({});
        tabelleScritte = 1;
    }
    allineaColonne(1, tabelleScritte, 3, 4);
    chiudiStato(*this, QStringLiteral("ho visualizzato i dati su WORD"));
}

int tabella::scriviTabellaLocalita(const FormaTabellaClima& forma)
{
    using namespace ModKorvel;
    const QString fine(1, QChar(13));
    const QString riga = fine + QStringLiteral("Località di riferimento n.") + Label6->Caption() + QStringLiteral(" : ")
        + loc->Caption() + QStringLiteral("  -  Latitudine ") + La->Caption();
    if (forma.paragrafoProprio) {
        // Each town's line gets a paragraph of its own, so it stands right above its table.
        aggiungiParagrafo(12);
        testoParagrafo(riga);
    } else {
        testoParagrafo(riga + fine);
    }
    const bool sotto = forma.unitaSottoIntestazioni;
    const relazione::Colonna colonne[] = {
        {QStringLiteral("numero"), {}},
        {QStringLiteral("mese"), {}},
        {sotto ? QStringLiteral("radiazione incidente") : QStringLiteral("radiazione incidente (kj/mq/giorno)"), {}},
        {sotto ? QStringLiteral("temperatura media") : QStringLiteral("temperatura media (C°)"),
         forma.schemaTemperatura},
    };
    const int prima = sotto ? 1 : 0;
    return relazione::tabellaDati(colonne, prima + 12, std::nullopt, [&](int r, int colonna) -> Valore {
        if (r <= prima)
            return colonna == 3 ? QStringLiteral("kj/mq/giorno") : colonna == 4 ? QStringLiteral("°C") : Valore{};
        const int m = r - prima;
        switch (colonna) {
        case 1: return forma.numeroConSegno ? QLatin1Char(' ') + numeri::testoNumero(m) : numeri::testoNumero(m);
        case 2: return mes[m]->Text();
        case 3: return inc[m]->Text();
        default: return numeroMostrato(tem[m]->Text());
        }
    });
}
