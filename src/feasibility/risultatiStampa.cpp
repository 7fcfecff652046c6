// The results of the feasibility sizing in a new document: the annual need and the
// optimal area, a legend, and the table of the trial areas over which the covered
// share goes from nothing to complete.
#include "feasibility/risultati.h"

#include "feasibility/datiFattib.h"
#include "platform/controlli.h"
#include "base/ModKorvel.h"
#include "report/canaleWord.h"
#include "report/relazione.h"
#include "base/numeri.h"

namespace {

bool tutteUguali(int s, double valore)
{
    const auto& p = ModKorvel::percentuali[s];
    return p[1] == valore && p[2] == valore && p[3] == valore;
}

} // namespace

risultati::Intervallo risultati::intervalloStampa()
{
    // From the area after the last one at which no kind covers anything, to the first
    // at which every kind covers everything.
    int nessuna = 0;
    int tutte = 0;
    for (int s = 1; s <= 1000; ++s) {
        if (tutteUguali(s, 0)) {
            nessuna = s;
        } else if (tutteUguali(s, 100)) {
            tutte = s;
            break;
        }
    }
    if (tutte > 0)
        return {nessuna + 1, tutte};
    // No area covers everything with all three kinds: from the first area that covers
    // something to the last one tried.
    for (int s = 1; s <= 1000; ++s)
        if (!tutteUguali(s, 0))
            return {s, 1000};
    return {1, 0};
}

int risultati::tabellaSintesi(std::optional<double> dimensione)
{
    using namespace ModKorvel;
    const relazione::Riga sintesi[] = {
        {QStringLiteral("tipologia"), QStringLiteral("valore")},
        {QStringLiteral("fabbisogno annuo"), numeri::testoConSegno(fabbisognoAnnuo) + QStringLiteral("  kwh")},
        {QStringLiteral("area ottimale"), numeri::testoConSegno(areaOttimale) + QStringLiteral("  mq")},
    };
    return relazione::tabellaDueColonne(sintesi, dimensione);
}

std::span<const relazione::Riga> risultati::righeLegenda()
{
    static const relazione::Riga legenda[] = {
        {QStringLiteral("colonna"), QStringLiteral("significato")},
        {QStringLiteral("impianto"), QStringLiteral("numero d'ordine dell'impianto calcolato")},
        {QStringLiteral("superf."), QStringLiteral("superficie dei collettori")},
        {QStringLiteral("perc.1"),
         QStringLiteral("percentuale del fabbisogno energetico fornita dai pannelli ad un vetro e piastra non selettiva")},
        {QStringLiteral("solare1"),
         QStringLiteral("energia solare fornita dai pannelli ad un vetro e piastra non selettiva")},
        {QStringLiteral("perc.2"),
         QStringLiteral("percentuale del fabbisogno energetico fornita dai pannelli ad un vetro e piastra selettiva")},
        {QStringLiteral("solare2"),
         QStringLiteral("energia solare fornita dai pannelli ad un vetro e piastra selettiva")},
        {QStringLiteral("perc.3"),
         QStringLiteral("percentuale del fabbisogno energetico fornita dai pannelli a due vetri e piastra non selettiva")},
        {QStringLiteral("solare3"),
         QStringLiteral("energia solare fornita dai pannelli a due vetri e piastra non selettiva")},
    };
    return legenda;
}

int risultati::tabellaImpianti(std::optional<double> dimensione)
{
    using namespace ModKorvel;
    // With no area covering anything the table holds its headings only.
    const Intervallo righe = intervalloStampa();
    static constexpr char16_t dueDecimali[] = u"##0.00";
    const relazione::Colonna colonne[] = {
        {QStringLiteral("impianto (num.)"), {}}, {QStringLiteral("superf. (mq.)"), dueDecimali},
        {QStringLiteral("perc.1 (%)"), dueDecimali}, {QStringLiteral("solare1 (kwh)"), {}},
        {QStringLiteral("perc.2 (%)"), dueDecimali}, {QStringLiteral("solare2 (kwh)"), {}},
        {QStringLiteral("perc.3 (%)"), dueDecimali}, {QStringLiteral("solare3 (kwh)"), {}},
    };
    return relazione::tabellaDati(colonne, righe.righe(), dimensione, [&righe](int riga, int colonna) -> Valore {
        const int s = righe.primo + riga - 1;
        if (colonna == 1)
            return s;
        if (colonna == 2)
            return superfici[s][1];
        // A kind that covered everything already at the previous area shows nothing more.
        const int k = (colonna - 1) / 2;
        if (percentuali[s - 1][k] == 100 && percentuali[s][k] == 100)
            return {};
        return colonna % 2 == 1 ? percentuali[s][k] : energiaSolare[s][k];
    });
}

void risultati::stampa_Click()
{
    using namespace ModKorvel;
    if (!avviaWord(*this))
        return;
    scriviIntestazione(20, 16, 12, 2, QStringLiteral("RISULTATI DEL CALCOLO DI FATTIBILITA'"), 2);
    tabellaSintesi(10);
    aggiungiParagrafo(10);
    relazione::legenda(righeLegenda(), 8);
    const int tabella = tabellaImpianti(8);
    if (tabella != 0)
        allineaColonne(tabella, tabella, 1, 8);
    chiudiStato(*this, QStringLiteral("ho visualizzato i risultati su WORD"));
}
