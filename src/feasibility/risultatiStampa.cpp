// The results of the feasibility sizing in a new document: the annual need and the
// optimal area, a legend, and the table of the trial areas over which the covered
// share goes from nothing to complete.
#include "feasibility/risultati.h"

#include "feasibility/datiFattib.h"
#include "platform/controlli.h"
#include "shell/ModKorvel.h"
#include "shell/canaleWord.h"
#include "shell/numeri.h"

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
    const std::pair<const char*, const char*> legenda[] = {
        {"colonna", "significato"},
        {"impianto", "numero d'ordine dell'impianto calcolato"},
        {"superf.", "superficie dei collettori"},
        {"perc.1", "percentuale del fabbisogno energetico fornita dai pannelli ad un vetro e piastra non selettiva"},
        {"solare1", "energia solare fornita dai pannelli ad un vetro e piastra non selettiva"},
        {"perc.2", "percentuale del fabbisogno energetico fornita dai pannelli ad un vetro e piastra selettiva"},
        {"solare2", "energia solare fornita dai pannelli ad un vetro e piastra selettiva"},
        {"perc.3", "percentuale del fabbisogno energetico fornita dai pannelli a due vetri e piastra non selettiva"},
        {"solare3", "energia solare fornita dai pannelli a due vetri e piastra non selettiva"},
    };
    for (int riga = 1; riga <= 9; ++riga) {
        scriviCella(riga, 1, QString::fromUtf8(legenda[riga - 1].first));
        scriviCella(riga, 2, QString::fromUtf8(legenda[riga - 1].second));
    }
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
