#include "cover/datiFrontespizio.h"

#include "base/archivio.h"

namespace ModKorvel {

namespace {

// The reduced line is the full one without tipostudio. Each field is named as the
// cover page labels it, for the message of characters a file cannot hold.
void scriviRiga(archivio::Scrittore& s, const datiFrontespizio& d, bool conTipoStudio)
{
    s.testo(d.progetto, QStringLiteral("progetto")).testo(d.localita, QStringLiteral("località"));
    if (conTipoStudio)
        s.testo(d.tipostudio, QStringLiteral("tipologia di studio"));
    s.testo(d.committente, QStringLiteral("committente"))
        .testo(d.luogo, QStringLiteral("luogo elaborazione"))
        .testo(d.data, QStringLiteral("data elaborazione"))
        .testo(d.allegati, QStringLiteral("allegati alla relazione"))
        .fineRecord();
}

datiFrontespizio leggiRiga(archivio::Lettore& l, bool conTipoStudio)
{
    datiFrontespizio d;
    d.progetto = l.testoTraVirgolette();
    d.localita = l.testoTraVirgolette();
    if (conTipoStudio)
        d.tipostudio = l.testoTraVirgolette();
    d.committente = l.testoTraVirgolette();
    d.luogo = l.testoTraVirgolette();
    d.data = l.testoTraVirgolette();
    d.allegati = l.testoTraVirgolette();
    return d;
}

} // namespace

void rigaFrontespizio(archivio::Scrittore& s, const datiFrontespizio& d) { scriviRiga(s, d, true); }
void rigaFrontespizioRidotta(archivio::Scrittore& s, const datiFrontespizio& d) { scriviRiga(s, d, false); }
datiFrontespizio leggiRigaFrontespizio(archivio::Lettore& l) { return leggiRiga(l, true); }
datiFrontespizio leggiRigaFrontespizioRidotta(archivio::Lettore& l) { return leggiRiga(l, false); }

} // namespace ModKorvel
