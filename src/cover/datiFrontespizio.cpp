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
    d.progetto = l.testo();
    d.localita = l.testo();
    d.tipostudio = l.testo();
    d.committente = l.testo();
    d.luogo = l.testo();
    d.data = l.testo();
    d.allegati = l.testo();
    return d;
}

datiFrontespizio leggiRigaFrontespizioRidotta(archivio::Lettore& l)
{
    datiFrontespizio d;
    d.progetto = l.testo();
    d.localita = l.testo();
    d.committente = l.testo();
    d.luogo = l.testo();
    d.data = l.testo();
    d.allegati = l.testo();
    return d;
}

} // namespace ModKorvel
