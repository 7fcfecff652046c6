// The line formatter. A paragraph's text is cut into stretches no line breaks inside
// (words and parts of words between two break opportunities, runs of blanks, tabs,
// line breaks), each measured once; a line takes stretches while they fit, blanks at
// its end hanging past the edge, and ends at the last break opportunity, or, when it
// has none, at the last character that fits. A tab goes to the next default stop, or
// to the next line with the word after it, as the word processor sets it. Each line
// then places its pieces as its alignment asks (posaRiga.cpp).
#include "report/righe.h"

#include "report/acapo.h"
#include "report/tratti.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <utility>

namespace documento::dettaglio {

namespace {

constexpr QChar aCapo(0x0B); // a line break inside a paragraph
constexpr QLatin1Char tabulatore('\t');

bool bianco(QChar c) { return c.isSpace() && c != aCapo; }

double larghezzaDi(const Metrica& m, const QString& testo, int inizio, int fine)
{
    return m.misura.larghezza(QStringView(testo).mid(inizio, fine - inizio));
}

// How many characters of `tratto` fit in `spazio` layout units (whole characters:
// a surrogate pair or a combining sequence is not split).
int quantiEntrano(const QString& testo, const Tratto& tratto, double spazio)
{
    return tratto.metrica->misura.quantiEntrano(QStringView(testo).mid(tratto.inizio, tratto.fine - tratto.inizio), spazio);
}

// The next default tab stop after `x` (layout units); a position a rounding error
// short of a stop counts as on it.
double tabulazioneDopo(double x)
{
    constexpr double erroreDiArrotondamento = 1e-9;
    const double passo = double(tabulazioneTwips) * unitaPerTwip;
    return (std::floor(x / passo + erroreDiArrotondamento) + 1) * passo;
}

// A portion, as the word processor formats a line: the text of one font up to a tab or
// a line break. It takes a portion whole onto a line, without measuring it character
// by character, when the portion is short against the room left (twice the room, in
// twips, exceeds its characters times its line height) and its width rounded to whole
// twips fits that room: so a short text may end up to half a twip past the edge.
bool entraIntera(qsizetype caratteri, double larghezza, int spazio, int altezza)
{
    return 2 * qint64(spazio) > qint64(caratteri) * altezza && arrotonda(larghezza / unitaPerTwip) <= spazio;
}

bool iniziaPorzione(const Tratto& prima, const Tratto& tratto)
{
    return prima.metrica != tratto.metrica || prima.tipo == Tratto::Tabulazione || tratto.tipo == Tratto::Tabulazione;
}

// Where the portion starting at tratto `k` ends, when it goes whole onto a line with
// `spazio` twips left (entraIntera); `k` when it does not.
std::size_t porzioneIntera(std::span<const Tratto> tratti, std::size_t k, int spazio)
{
    const Tratto& prima = tratti[k];
    double larghezza = 0;
    std::size_t fine = k;
    for (; fine < tratti.size() && (tratti[fine].tipo == Tratto::Testo || tratti[fine].tipo == Tratto::Spazi)
           && tratti[fine].metrica == prima.metrica;
         ++fine) {
        if (2 * qint64(spazio) <= qint64(tratti[fine].fine - prima.inizio) * prima.metrica->altezza)
            return k;
        larghezza += tratti[fine].larghezza;
    }
    return fine > k && entraIntera(tratti[fine - 1].fine - prima.inizio, larghezza, spazio, prima.metrica->altezza) ? fine : k;
}

// A tab at `x` of a line `larghezza` wide (layout units), as the word processor sets
// the default stops of the saved file. A tab whose stop is on the line's end or past
// it is full: it starts the next line, or at a line's start takes the rest of the
// line ("WWW.STUDIO.IT|\t collettore|\t|\tsanitaria" where the third stop is the
// cell's edge); but the paragraph's last character stays where it is, unless blanks
// before it hang past where the line's text must end ("dei \t", "impianto \t"): then
// it starts a line of its own. The first stop, 1.25 cm in, counts as one of the
// paragraph's own stops, which may reach the line's end or pass it: on a cell's edge
// the tab stays ("la\t (25%)"); where a cell is narrower, the tab goes to it past the
// edge, and the text after it need only fit in the room the tab leaves when it is a
// twip wide.
struct Tabulazione {
    double fermata = 0; // where the text after it starts
    bool piena = false;
    double limite = 0; // where the text after it must end
};

Tabulazione tabulazione(double x, double larghezza, bool ultimoCarattere, bool dopoBianchiOltre)
{
    const double twip = unitaPerTwip;
    Tabulazione t{tabulazioneDopo(x), false, larghezza};
    const bool prima = t.fermata == double(tabulazioneTwips) * unitaPerTwip;
    if ((larghezza <= x + twip && x <= larghezza) || (ultimoCarattere && dopoBianchiOltre))
        t.piena = true;
    else if (prima && t.fermata > larghezza)
        t.limite = larghezza + t.fermata - x - twip;
    else
        t.piena = !ultimoCarattere && !prima && t.fermata >= larghezza;
    return t;
}


// A paragraph of one run that fits on a line, without a tab or a line break: its one
// line, or nothing when it needs breaking.
bool rigaIntera(const std::vector<Sequenza>& sequenze, Allineamento allineamento, double larghezza, Metriche& metriche,
                std::vector<Linea>& righe)
{
    const Sequenza* sola = nullptr;
    for (const Sequenza& s : sequenze)
        if (!s.testo.isEmpty()) {
            if (sola)
                return false;
            sola = &s;
        }
    if (!sola || sola->testo.contains(aCapo) || sola->testo.contains(tabulatore))
        return false;
    const Metrica& m = metriche.di(sola->carattere);
    const double intera = m.misura.larghezza(sola->testo);
    if (intera > larghezza && !entraIntera(sola->testo.size(), intera, arrotonda(larghezza / unitaPerTwip), m.altezza))
        return false;
    int fine = int(sola->testo.size());
    while (fine > 0 && bianco(sola->testo[fine - 1]))
        --fine;
    if (fine == 0)
        return false;
    const int n = int(sola->testo.size());
    const Tratto testo{Tratto::Testo, 0, fine, &m, fine == n ? intera : larghezzaDi(m, sola->testo, 0, fine)};
    const Tratto tratti[] = {testo, {Tratto::Spazi, fine, n, &m, intera - testo.larghezza}};
    righe.push_back(lineaDi(sola->testo, tratti, 0, fine == n ? 1 : 2, larghezza, allineamento, true));
    return true;
}

// The text of runs cut into tratti, each measured whole; where each run ends decides
// its font. A break inside a run of blanks (before a no-break space) leaves them all
// on the line, the no-break ones too: `rotture` moves such a break after the run.
std::vector<Tratto> trattiDi(const QString& testo, const std::vector<std::pair<int, const Metrica*>>& sequenzeFino,
                             std::vector<char>& rotture)
{
    std::vector<Tratto> tratti;
    std::size_t sequenza = 0;
    int i = 0;
    const int n = int(testo.size());
    while (i < n) {
        while (sequenzeFino[sequenza].first <= i)
            ++sequenza;
        const int fineSequenza = sequenzeFino[sequenza].first;
        const Metrica* m = sequenzeFino[sequenza].second;
        const QChar c = testo[i];
        if (c == aCapo || c == tabulatore) {
            tratti.push_back({c == tabulatore ? Tratto::Tabulazione : Tratto::ACapo, i, i + 1, m, 0});
            ++i;
            continue;
        }
        const bool spazi = bianco(c);
        int j = i + 1;
        while (j < fineSequenza && bianco(testo[j]) == spazi && testo[j] != aCapo && testo[j] != tabulatore
               && (spazi || !rotture[std::size_t(j)]))
            ++j;
        tratti.push_back({spazi ? Tratto::Spazi : Tratto::Testo, i, j, m, larghezzaDi(*m, testo, i, j)});
        if (spazi && j < n && std::any_of(rotture.begin() + i + 1, rotture.begin() + j, [](char r) { return r != 0; }))
            rotture[std::size_t(j)] = 1;
        i = j;
    }
    return tratti;
}

// A line with no break opportunity ends with the last character of tratto `k` that
// fits in `spazio` (at least one, when the line has nothing else); the tratto is cut
// there. Returns where the line ends.
std::size_t tagliaDove(const QString& testo, std::vector<Tratto>& tratti, std::size_t da, std::size_t k, double spazio)
{
    Tratto& t = tratti[k];
    int entrano = quantiEntrano(testo, t, spazio);
    if (entrano == 0 && k == da)
        entrano = std::min(t.fine - t.inizio, testo[t.inizio].isHighSurrogate() ? 2 : 1);
    if (entrano == 0)
        return k;
    if (t.inizio + entrano < t.fine) {
        Tratto resto = t;
        resto.inizio = t.inizio + entrano;
        resto.larghezza = larghezzaDi(*t.metrica, testo, resto.inizio, resto.fine);
        t.fine = resto.inizio;
        t.larghezza = larghezzaDi(*t.metrica, testo, t.inizio, t.fine);
        tratti.insert(tratti.begin() + std::ptrdiff_t(k + 1), resto);
    }
    return k + 1;
}

// The last two break opportunities a line has met: tratti it may end before; 0: none.
struct Rotture {
    std::size_t ultima = 0;
    std::size_t prima = 0; // the one before it
    void segna(std::size_t k)
    {
        prima = ultima;
        ultima = k;
    }
};

// Where the line stands as it fills, in layout units: as the word processor measures
// it, each portion in whole twips, and as the widths of its pieces add up, which the
// line's pieces are placed by (a tab lands on its stop from there).
struct Posto {
    double x = 0;
    double reale = 0;
    double inizioPorzione = 0;
    void avanza(double larghezza)
    {
        x += larghezza;
        reale += larghezza;
    }
};

// A portion from tratto `k` that goes whole onto the line (porzioneIntera), its text
// to end at `limite`: its breaks noted, the line's place moved past it, and where it
// ends returned; `k` when it does not go whole.
std::size_t saltaPorzione(std::span<const Tratto> tratti, const std::vector<char>& rotture, std::size_t k, Posto& posto,
                          double limite, Rotture& viste)
{
    if (tratti[k].tipo == Tratto::Tabulazione)
        return k;
    const std::size_t fine = porzioneIntera(tratti, k, arrotonda(limite / unitaPerTwip) - arrotonda(posto.x / unitaPerTwip));
    if (fine == k)
        return k;
    double porzione = 0;
    for (std::size_t j = k; j < fine; ++j) {
        if (j > k && rotture[std::size_t(tratti[j].inizio)])
            viste.segna(j);
        porzione += tratti[j].larghezza;
    }
    posto.x += arrotonda(porzione / unitaPerTwip) * unitaPerTwip;
    posto.reale += porzione;
    return fine;
}

// Where a line that overflows at tratto `k` ends, `x` into it, its text to end at
// `limite`: at its last break, before a tab whose word finds no break on the line, or
// with the last character that fits.
std::size_t fineOltre(const QString& testo, std::vector<Tratto>& tratti, const std::vector<char>& rotture, std::size_t da,
                      std::size_t k, std::size_t ultimaRottura, double x, double limite, Allineamento allineamento)
{
    // A line not aligned left ends before the blanks its break follows: after nothing
    // but the spaces the line starts with, there is no break to take.
    if (allineamento != Allineamento::Sinistra && ultimaRottura == da + 1 && tratti[da].tipo == Tratto::Spazi
        && soloSpazi(testo, tratti[da]))
        ultimaRottura = 0;
    // A word right after a tab that finds no break on the line after the tab takes the
    // tab with it to the next line, unless the tab starts the line: the line ends before
    // the tab, whatever the characters on either side; but a line that holds no break
    // at all (it goes on with a word cut at the end of the line before) has the word
    // cut after the tab instead.
    std::size_t tab = k;
    while (tab > da && tratti[tab].tipo != Tratto::Tabulazione)
        --tab;
    // A line that starts after a slash whose break the line before could not take (its
    // word started after a blank) goes on with a word cut there; so does one that starts
    // with a tab sent on from the line before, at no break ("sanitaria|\t\t\"e|cologica\"").
    const int inizio = tratti[da].inizio;
    const bool inizioDiParola = da == 0 || tratti[da - 1].tipo == Tratto::ACapo || tratti[da].tipo == Tratto::Spazi
                                || (rotture[std::size_t(inizio)]
                                    && (tratti[da].tipo == Tratto::Tabulazione || rotturaDopoBarra(testo, inizio) == inizio));
    if (tab > da && ultimaRottura <= tab + 1 && tratti[tab + 1].tipo == Tratto::Testo
        && (ultimaRottura > da || inizioDiParola))
        return tab;
    // A line that starts at a break with a tab, the text after it finding no break
    // (no break comes before a quotation mark: \t"ECOLOGICA"), holds the tab alone; the
    // text is cut on the next line.
    if (tab == da && k > da && ultimaRottura <= da && tratti[da].tipo == Tratto::Tabulazione
        && (da == 0 || tratti[da - 1].tipo == Tratto::ACapo || rotture[std::size_t(tratti[da].inizio)]))
        return da + 1;
    if (ultimaRottura > da)
        return ultimaRottura;
    return tagliaDove(testo, tratti, da, k, limite - x);
}

// Where the line that starts at tratto `da` ends (the tratto after its last). Tabs
// take their width here, from where they land.
std::size_t fineRiga(const QString& testo, std::vector<Tratto>& tratti, const std::vector<char>& rotture, std::size_t da,
                     double larghezza, Allineamento allineamento)
{
    Posto posto;
    double limite = larghezza;     // where the line's text must end
    Rotture viste;
    for (std::size_t k = da; k < tratti.size(); ++k) {
        Tratto& t = tratti[k];
        if (k > da && rotture[std::size_t(t.inizio)])
            viste.segna(k);
        if (t.tipo == Tratto::ACapo)
            return k + 1;
        // Each portion the line holds whole takes its width in whole twips; a short
        // one may go whole onto the line.
        if (k == da || iniziaPorzione(tratti[k - 1], t)) {
            posto.x = posto.inizioPorzione + arrotonda((posto.x - posto.inizioPorzione) / unitaPerTwip) * unitaPerTwip;
            posto.inizioPorzione = posto.x;
            if (const std::size_t fine = saltaPorzione(tratti, rotture, k, posto, limite, viste); fine > k) {
                k = fine - 1;
                continue;
            }
        }
        if (t.tipo == Tratto::Spazi) {
            // Blanks at the end of a line hang past its edge.
            posto.avanza(t.larghezza);
            continue;
        }
        if (t.tipo == Tratto::Tabulazione) {
            const Tabulazione tab = tabulazione(posto.x, larghezza, k + 1 == tratti.size(),
                                                    k > da && tratti[k - 1].tipo == Tratto::Spazi && posto.x > limite);
            t.larghezza = tab.fermata - posto.reale;
            if (!tab.piena) {
                posto.x = posto.reale = tab.fermata;
                limite = tab.limite;
                continue;
            }
            if (k != da)
                return k;
            t.larghezza = larghezza - posto.reale;
            return k + 1;
        }
        if (posto.x + t.larghezza <= limite) {
            posto.avanza(t.larghezza);
            continue;
        }
        // Where not even the first character after a slash fits, the line does not
        // end after the slash but at the break before it ("solare-|termico/").
        std::size_t ultimaRottura = viste.ultima;
        if (k > da && ultimaRottura == k && t.tipo == Tratto::Testo && testo[t.inizio - 1] == QLatin1Char('/')
            && quantiEntrano(testo, t, limite - posto.x) == 0)
            ultimaRottura = viste.prima;
        // A slash keeps its word whole: the line ends at the blank before the word,
        // and where that blank is not on the line, as if it had no break at all.
        if (ultimaRottura > da) {
            const int posizione = rotturaDopoBarra(testo, tratti[ultimaRottura].inizio);
            if (posizione <= tratti[da].inizio)
                ultimaRottura = 0;
            else
                while (ultimaRottura > da + 1 && tratti[ultimaRottura].inizio > posizione)
                    --ultimaRottura;
        }
        return fineOltre(testo, tratti, rotture, da, k, ultimaRottura, posto.x, limite, allineamento);
    }
    return tratti.size();
}

} // namespace

void righeDi(const std::vector<Sequenza>& sequenze, const Carattere& marca, Allineamento allineamento, int larghezza,
             Metriche& metriche, std::vector<Linea>& righe)
{
    righe.clear();
    const double larghezzaUnita = double(larghezza) * unitaPerTwip;
    if (std::all_of(sequenze.begin(), sequenze.end(), [](const Sequenza& s) { return s.testo.isEmpty(); })) {
        // An empty paragraph is as high as its mark.
        const Metrica& m = metriche.di(marca);
        Linea vuota;
        vuota.altezza = m.altezza;
        vuota.ascesa = m.ascesa;
        righe.push_back(std::move(vuota));
        return;
    }
    if (rigaIntera(sequenze, allineamento, larghezzaUnita, metriche, righe))
        return;

    QString testo;
    std::vector<std::pair<int, const Metrica*>> sequenzeFino; // where each run ends
    for (const Sequenza& s : sequenze) {
        if (s.testo.isEmpty())
            continue;
        testo += s.testo;
        sequenzeFino.emplace_back(int(testo.size()), &metriche.di(s.carattere));
    }
    std::vector<char> rotture;
    puntiDiRottura(testo, rotture);
    std::vector<Tratto> tratti = trattiDi(testo, sequenzeFino, rotture);
    for (std::size_t da = 0; da < tratti.size();) {
        const std::size_t a = fineRiga(testo, tratti, rotture, da, larghezzaUnita, allineamento);
        righe.push_back(lineaDi(testo, tratti, da, a, larghezzaUnita, allineamento, a == tratti.size()));
        altezzaDiRigaBianca(righe.back(), testo, tratti, da, a, metriche);
        da = a;
    }
    // A line break at the paragraph's end leaves an empty line after it.
    if (tratti.back().tipo == Tratto::ACapo) {
        Linea vuota;
        vuota.inizio = vuota.fine = int(testo.size());
        vuota.altezza = tratti.back().metrica->altezza;
        vuota.ascesa = tratti.back().metrica->ascesa;
        righe.push_back(std::move(vuota));
    }
}

std::vector<ParagrafoCella> paragrafiCella(const QString& testo, const Carattere& c)
{
    std::vector<ParagrafoCella> paragrafi;
    if (!testo.contains(QLatin1Char('\n'))) {
        paragrafi.push_back({testo.isEmpty() ? std::vector<Sequenza>{} : std::vector<Sequenza>{{testo, c}}, 0});
        return paragrafi;
    }
    int inizio = 0;
    for (const QString& p : testo.split(QLatin1Char('\n'))) {
        paragrafi.push_back({p.isEmpty() ? std::vector<Sequenza>{} : std::vector<Sequenza>{{p, c}}, inizio});
        inizio += int(p.size()) + 1;
    }
    return paragrafi;
}

} // namespace documento::dettaglio
