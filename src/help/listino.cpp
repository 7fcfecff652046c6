#include "help/listino.h"

#include "base/archivio.h"

#include <algorithm>
#include <limits>

namespace listino {

namespace {

Listino leggi(archivio::Lettore lettore)
{
    Listino risultato;
    if (!lettore.ok())
        return risultato;
    const QString intestazione = lettore.testo();
    if (!lettore.ok())
        return risultato;
    risultato.intestazione = intestazione;
    const long long conteggio = lettore.intero(std::numeric_limits<long long>::min(), std::numeric_limits<long long>::max());
    if (!lettore.ok())
        return risultato;
    const long long quanti = std::clamp<long long>(conteggio, 0, prodottiMassimi);
    for (long long i = 0; i < quanti; ++i) {
        Prodotto p;
        p.nome = lettore.testo();
        p.argomento = lettore.testo();
        p.prezzoListino = lettore.decimale();
        p.prezzoOfferta = lettore.decimale();
        // A record is kept only whole.
        if (!lettore.ok())
            break;
        risultato.prodotti.push_back(std::move(p));
    }
    return risultato;
}

} // namespace

Listino leggiListino(const QByteArray& contenuto) { return leggi(archivio::Lettore(contenuto)); }

Listino leggiListinoDa(const QString& nome) { return leggi(archivio::Lettore::daFile(nome)); }

} // namespace listino
