// Placing a line's pieces: where its text starts for its alignment, what its blanks
// widen by when it is justified, its pieces of text in one font each, and its height.
#include "report/tratti.h"

#include <algorithm>

namespace documento::dettaglio {

// Whether a tratto of blanks is of spaces only (U+0020): no-break, en and em spaces
// count as text where the word processor looks for blanks.
bool soloSpazi(const QString& testo, const Tratto& t)
{
    return QStringView(testo).mid(t.inizio, t.fine - t.inizio).count(QLatin1Char(' ')) == t.fine - t.inizio;
}

bool soloSpaziETabulazioni(QStringView riga)
{
    return std::all_of(riga.begin(), riga.end(), [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); });
}

namespace {

// How a line stands for its alignment (layout units): where its pieces start, what
// each blank from tratto `allargati` on widens by. A paragraph's last line, and a line
// ended by a line break, are not justified; in a justified line a tab stands as a
// fixed piece of the line, and only the blanks after the last one widen.
struct Allineata {
    double inizio = 0;
    double aggiunta = 0;
    std::size_t allargati = 0;
};

Allineata allinea(std::span<const Tratto> tratti, std::size_t da, std::size_t contenuto, double occupata, double larghezza,
                  Allineamento allineamento, bool finale)
{
    switch (allineamento) {
    case Allineamento::Centro:
        return {(larghezza - occupata) / 2, 0.0, da};
    case Allineamento::Destra:
        return {larghezza - occupata, 0.0, da};
    case Allineamento::Giustificato: {
        if (finale)
            return {0.0, 0.0, da};
        std::size_t allargati = da;
        for (std::size_t k = da; k < contenuto; ++k)
            if (tratti[k].tipo == Tratto::Tabulazione)
                allargati = k + 1;
        int spazi = 0;
        for (std::size_t k = allargati; k < contenuto; ++k)
            if (tratti[k].tipo == Tratto::Spazi)
                spazi += tratti[k].fine - tratti[k].inizio;
        // A line whose text runs past its end (after a tab past a narrow cell's edge)
        // keeps its blanks as they are: they never narrow.
        return {0.0, spazi > 0 && occupata < larghezza ? (larghezza - occupata) / spazi : 0.0, allargati};
    }
    case Allineamento::Sinistra:
        break;
    }
    return {0.0, 0.0, da};
}

} // namespace

// One line of tratti [da, a): its height, range and pieces, x in twips from the
// paragraph's left edge.
Linea lineaDi(const QString& testo, std::span<const Tratto> tratti, std::size_t da, std::size_t a, double larghezza,
              Allineamento allineamento, bool ultima)
{
    Linea linea;
    linea.inizio = tratti[da].inizio;
    linea.fine = tratti[a - 1].fine;
    int sopra = 0, sotto = 0;
    std::size_t contenuto = da; // tratti up to the last one that is drawn
    double occupata = 0;         // layout units, without the blanks at the end
    double x = 0;
    for (std::size_t k = da; k < a; ++k) {
        const Tratto& t = tratti[k];
        sopra = std::max(sopra, t.metrica->ascesa);
        sotto = std::max(sotto, t.metrica->altezza - t.metrica->ascesa);
        x += t.larghezza;
        if (t.tipo == Tratto::Testo || t.tipo == Tratto::Tabulazione) {
            contenuto = k + 1;
            occupata = x;
        }
    }
    linea.altezza = sopra + sotto;
    linea.ascesa = sopra;
    // Blanks before a tab sent on to the next line are the line's own, not blanks it
    // broke at: they widen with the others when they fit on it; else they hang.
    if (a < tratti.size() && tratti[a].tipo == Tratto::Tabulazione && tratti[a - 1].tipo == Tratto::Spazi && x <= larghezza) {
        contenuto = a;
        occupata = x;
    }

    const auto [inizioRiga, aggiunta, allargati]
        = allinea(tratti, da, contenuto, occupata, larghezza, allineamento, ultima || tratti[a - 1].tipo == Tratto::ACapo);
    x = std::max(0.0, inizioRiga);
    Frammento* aperto = nullptr;
    for (std::size_t k = da; k < contenuto; ++k) {
        const Tratto& t = tratti[k];
        // Pieces of text go on in one piece until a tab, a font or, in a justified
        // line, a blank that widens.
        const bool segue = aperto && aperto->metrica == t.metrica && aperto->inizio + aperto->testo.size() == t.inizio;
        if (t.tipo == Tratto::Testo || (t.tipo == Tratto::Spazi && segue && aggiunta == 0)) {
            if (segue) {
                aperto->testo += QStringView(testo).mid(t.inizio, t.fine - t.inizio);
                aperto->larghezza += t.larghezza / unitaPerTwip;
            } else {
                linea.frammenti.push_back({testo.mid(t.inizio, t.fine - t.inizio), t.inizio, x / unitaPerTwip,
                                           t.larghezza / unitaPerTwip, t.metrica});
                aperto = &linea.frammenti.back();
            }
        } else {
            aperto = nullptr;
        }
        x += t.larghezza;
        if (t.tipo == Tratto::Spazi && k >= allargati)
            x += aggiunta * (t.fine - t.inizio);
    }
    return linea;
}

// A line that holds nothing but spaces and tabs is as high as the document's default
// font (Times New Roman 12, the styles part's), whatever its runs' font, when it is its
// paragraph's first line or holds no tab (the last line after a line break): the word
// processor leaves such a line out of its runs' heights.
void altezzaDiRigaBianca(Linea& linea, const QString& testo, std::span<const Tratto> tratti, std::size_t da,
                         std::size_t a, Metriche& metriche)
{
    const QStringView riga = QStringView(testo).mid(tratti[da].inizio, tratti[a - 1].fine - tratti[da].inizio);
    if (!soloSpaziETabulazioni(riga) || (da > 0 && riga.contains(QLatin1Char('\t'))))
        return;
    const Metrica& predefinita = metriche.di(Carattere{});
    linea.altezza = predefinita.altezza;
    linea.ascesa = predefinita.ascesa;
}

} // namespace documento::dettaglio
