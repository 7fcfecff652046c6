#include "cover/datiFrontespizio.h"

#include "cover/archivio.h"

namespace ModKorvel {

void rigaFrontespizio(archivio::Scrittore& s, const datiFrontespizio& d)
{
    s.testo(d.progetto).testo(d.localita).testo(d.tipostudio).testo(d.committente);
    s.testo(d.luogo).testo(d.data).testo(d.allegati).fineRecord();
}

void rigaFrontespizioRidotta(archivio::Scrittore& s, const datiFrontespizio& d)
{
    s.testo(d.progetto).testo(d.localita).testo(d.committente);
    s.testo(d.luogo).testo(d.data).testo(d.allegati).fineRecord();
}

datiFrontespizio leggiRigaFrontespizio(archivio::Lettore& l)
{
    datiFrontespizio d;
    d.progetto = l.testoTraVirgolette();
    d.localita = l.testoTraVirgolette();
    d.tipostudio = l.testoTraVirgolette();
    d.committente = l.testoTraVirgolette();
    d.luogo = l.testoTraVirgolette();
    d.data = l.testoTraVirgolette();
    d.allegati = l.testoTraVirgolette();
    return d;
}

datiFrontespizio leggiRigaFrontespizioRidotta(archivio::Lettore& l)
{
    datiFrontespizio d;
    d.progetto = l.testoTraVirgolette();
    d.localita = l.testoTraVirgolette();
    d.committente = l.testoTraVirgolette();
    d.luogo = l.testoTraVirgolette();
    d.data = l.testoTraVirgolette();
    d.allegati = l.testoTraVirgolette();
    return d;
}

} // namespace ModKorvel
