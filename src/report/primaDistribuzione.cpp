#include "report/primaDistribuzione.h"

#include <algorithm>

namespace documento::dettaglio {

namespace {

// The saved file states no count of pages or paragraphs, so the word processor counts
// the nodes of its body (its start and end, one a paragraph; a table two, and each cell
// two and its paragraphs) less 25 a table.
long nodiStimati(const Documento& documento)
{
    long nodi = 2, tabelle = 0;
    bool dopoTabella = false;
    for (const Blocco& blocco : documento.blocchi()) {
        if (std::holds_alternative<Capoverso>(blocco)) {
            ++nodi;
            dopoTabella = false;
            continue;
        }
        const Griglia& g = std::get<Griglia>(blocco);
        // Two tables in a row are kept apart in the file by an empty paragraph.
        nodi += dopoTabella ? 1 : 0;
        nodi += 2;
        for (const QString& cella : g.celle)
            nodi += 2 + 1 + cella.count(QLatin1Char('\n'));
        ++tabelle;
        dopoTabella = true;
    }
    return std::max(0L, nodi - 25 * tabelle);
}

// Paragraphs (and rows) a page holds in the guess.
long capoversiPerPagina(long nodi)
{
    if (nodi <= 100)
        return 25;
    return std::min(53L, std::max(20L, 20 + nodi / 1000 * 3));
}

} // namespace

std::vector<TaglioIniziale> primaDistribuzione(const Documento& documento)
{
    const long perPagina = capoversiPerPagina(nodiStimati(documento));
    std::vector<TaglioIniziale> tagli;
    long conto = 0;
    int pagina = 1;
    bool primo = true, dopoTabella = false;
    const auto capoverso = [&](bool saltoPrima) {
        ++conto;
        if (!primo && (conto > perPagina || saltoPrima)) {
            ++pagina;
            conto = 0;
        }
        primo = false;
    };
    for (const Blocco& blocco : documento.blocchi()) {
        if (const auto* p = std::get_if<Capoverso>(&blocco)) {
            // A page break with text after it becomes a break before the paragraph.
            capoverso(p->nuovaPagina && !p->testo().isEmpty());
            dopoTabella = false;
            continue;
        }
        if (dopoTabella)
            capoverso(false);
        const Griglia& g = std::get<Griglia>(blocco);
        const long righe = g.righe;
        const long ripetute = g.formattata ? 1 : 0; // the header row of a formatted table
        TaglioIniziale taglio;
        conto += righe;
        if (conto > perPagina + 10) {
            // So many rows a piece: a page's count for a table longer than three pages,
            // else that count shared among the cells of its second row, at least two.
            const bool lunga = righe > 3 * perPagina;
            const long pezzo = lunga ? perPagina : std::max(2L, perPagina / std::max(1, g.colonne));
            if (pezzo < righe && ripetute < pezzo) {
                taglio = {true, pagina, 1, lunga, int(pezzo)};
                // Each piece on a page of its own; every piece after the first also holds
                // the repeated header. The last piece goes a page further on.
                long fatte = pezzo, tutte = righe;
                for (;;) {
                    ++pagina;
                    ++taglio.pezzi;
                    tutte += ripetute;
                    if (fatte + pezzo >= tutte)
                        break;
                    fatte += pezzo;
                }
                ++pagina;
            } else {
                taglio.pagina = ++pagina;
            }
            conto = 0;
        } else {
            if (!primo && conto > perPagina) {
                ++pagina;
                conto = 0;
            }
            taglio.pagina = pagina;
        }
        primo = false;
        tagli.push_back(taglio);
        dopoTabella = true;
    }
    return tagli;
}

} // namespace documento::dettaglio
