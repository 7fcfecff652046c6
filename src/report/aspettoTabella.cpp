// The look of a table as the file writes it and the pages show it.
#include "report/aspettoTabella.h"

namespace documento::dettaglio {

int FormaTabella::larghezza() const
{
    int totale = 0;
    for (int l : colonne)
        totale += l;
    return totale;
}

int FormaTabella::larghezzaTesto(int colonna) const { return std::max(1, colonne[std::size_t(colonna - 1)] - 2 * margine); }

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
    forma.formattata = g->formattata;
    return forma;
}

} // namespace documento::dettaglio
