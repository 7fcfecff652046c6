// The results of the feasibility sizing in a new document: the annual need and the
// optimal area, a legend, and the table of the trial areas over which the covered
// share goes from nothing to complete.
#include "feasibility/risultati.h"

#include "feasibility/datiFattib.h"
#include "platform/controlli.h"
#include "base/ModKorvel.h"
#include "report/canaleWord.h"
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

void risultati::stampa_Click()
{
    using namespace ModKorvel;
    if (!avviaWord(*this))
        return;
    scriviIntestazione(20, 16, 12, 2, QStringLiteral("RISULTATI DEL CALCOLO DI FATTIBILITA'"), 2);

    aggiungiTabella(3, 2, 10);
    scriviCella(1, 1, QStringLiteral("tipologia"));
    scriviCella(1, 2, QStringLiteral("valore"));
    scriviCella(2, 1, QStringLiteral("fabbisogno annuo"));
    scriviCella(2, 2, numeri::testoConSegno(fabbisognoAnnuo) + QStringLiteral("  kwh"));
    scriviCella(3, 1, QStringLiteral("area ottimale"));
    scriviCella(3, 2, numeri::testoConSegno(areaOttimale) + QStringLiteral("  mq"));
    formattaTabella();

    const QString fine(1, QChar(13));
    aggiungiParagrafo(10, fine + QStringLiteral("Legenda:") + fine);
    aggiungiTabella(9, 2, 8);
    const std::pair<QString, QString> legenda[] = {
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
    scriviRighe(legenda);
    formattaTabella();
    testoParagrafo(fine);

    // With no area covering anything the table holds its headings only.
    const Intervallo righe = intervalloStampa();
    aggiungiTabella(righe.righe() + 1, 8, 8);
    const char* const titoli[] = {"impianto (num.)", "superf. (mq.)", "perc.1 (%)", "solare1 (kwh)",
                                  "perc.2 (%)",      "solare2 (kwh)", "perc.3 (%)", "solare3 (kwh)"};
    for (int colonna = 1; colonna <= 8; ++colonna)
        scriviCella(1, colonna, QString::fromLatin1(titoli[colonna - 1]));
    for (int s = righe.primo; s <= righe.ultimo && reportRiuscito(); ++s) {
        const int riga = s - righe.primo + 2;
        scriviCella(riga, 1, numeri::testoNumero(s));
        scriviCella(riga, 2, numeri::formatta(superfici[s][1], u"##0.00"));
        for (int k = 1; k <= 3; ++k) {
            // A kind that covered everything already at the previous area shows nothing more.
            if (percentuali[s - 1][k] == 100 && percentuali[s][k] == 100)
                continue;
            scriviCella(riga, 2 * k + 1, numeri::formatta(percentuali[s][k], u"##0.00"));
            scriviCella(riga, 2 * k + 2, numeri::testoNumero(energiaSolare[s][k]));
        }
    }
    formattaTabella();
    allineaColonne(3, 3, 1, 8);
    chiudiStato(*this, QStringLiteral("ho visualizzato i risultati su WORD"));
}
