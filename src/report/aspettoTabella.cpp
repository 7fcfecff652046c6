// The look of a table as the file writes it and the pages show it.
#include "report/aspettoTabella.h"

#include <cstdint>

namespace documento::dettaglio {

int FormaTabella::larghezza() const
{
    int totale = 0;
    for (int l : colonne)
        totale += l;
    return totale;
}

int FormaTabella::larghezzaTesto(int colonna) const
{
    const std::vector<int>& lette = celle.size() == colonne.size() ? celle : colonne;
    int cella = lette[std::size_t(colonna - 1)];
    // The last cell reaches the table's right edge, whatever width it was read at.
    if (std::size_t(colonna) == lette.size()) {
        cella = larghezza();
        for (std::size_t k = 0; k + 1 < lette.size(); ++k)
            cella -= lette[k];
    }
    return std::max(1, cella - 2 * margine);
}

// The word processor makes a table of n cells of 65535 / n in a table 65535 wide,
// scales them to the columns' sum (each edge at the sum before it, truncated), then
// moves each edge to the file's column edge as a separator in ten-thousandths of the
// table (rounded), back in twips (truncated). An edge that lands where the scaling put
// it, or one twip short of it, stays where the scaling put it.
std::vector<int> celleLette(const std::vector<int>& colonne)
{
    const auto n = std::int64_t(colonne.size());
    std::int64_t somma = 0;
    for (int c : colonne)
        somma += c;
    if (n == 0 || somma <= 0)
        return colonne;
    constexpr std::int64_t massimo = 65535, relativo = 10000;
    const auto separatore = [&](std::int64_t x) { return (2 * x * relativo + somma) / (2 * somma) * somma / relativo; };
    std::vector<int> celle;
    celle.reserve(colonne.size());
    std::int64_t bordo = 0, colonna = 0;
    for (std::int64_t i = 1; i <= n; ++i) {
        const std::int64_t scalato = massimo / n * i * somma / massimo;
        std::int64_t fine = scalato;
        if (i < n) {
            colonna += colonne[std::size_t(i - 1)];
            const std::int64_t nuovo = separatore(colonna);
            if (nuovo > scalato || nuovo < scalato - 1)
                fine = nuovo;
        }
        celle.push_back(int(fine - bordo));
        bordo = fine;
    }
    return celle;
}

int FormaTabella::sinistra(int colonna) const
{
    int x = -margine;
    for (int k = 1; k < colonna; ++k)
        x += colonne[std::size_t(k - 1)];
    return x;
}

Carattere FormaTabella::carattere(const Griglia& g, int riga)
{
    Carattere c = g.carattere;
    if (g.formattata && riga == 1)
        c.grassetto = true;
    return c;
}

std::optional<QRgb> FormaTabella::coloreTesto(int riga) const
{
    if (intestazione(riga))
        return testoIntestazione;
    return std::nullopt;
}

std::optional<QRgb> FormaTabella::sfondo(int riga, int colonna) const
{
    if (intestazione(riga))
        return sfondoIntestazione;
    if (formattata && colonna == 1)
        return sfondoPrimaColonna;
    return std::nullopt;
}

FormaTabella formaTabella(const Documento& documento, int tabella)
{
    FormaTabella forma;
    const Griglia* g = documento.griglia(tabella);
    if (!g)
        return forma;
    const ColonneTabella colonne = documento.colonne(tabella);
    forma.margine = twips(colonne.margine);
    for (double mm : colonne.larghezze)
        forma.colonne.push_back(twips(mm));
    forma.celle = celleLette(forma.colonne);
    forma.formattata = g->formattata;
    return forma;
}

} // namespace documento::dettaglio
