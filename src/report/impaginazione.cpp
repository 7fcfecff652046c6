// The pages of a document, broken as the word processor breaks the saved file. Every
// paragraph is broken into lines at the text width, where that word processor breaks
// Italian text (acapo.h) and measuring as it measures; every table row is as high as
// its tallest cell plus its border; a line or a row that does not fit goes to the next
// page; a paragraph leaves no single line at the foot of a page nor at the head of the
// next (widows and orphans of two lines); a row of several lines is split between the
// pages, cell by cell, with no such rule; a formatted table repeats its header row at
// the top of every page it goes on to. Lengths are whole twips, as in that layout.
// Each page keeps its lines, placed and in their fonts: the drawing only draws them.
#include "report/documento.h"

#include "report/acapo.h"
#include "report/aspettoTabella.h"
#include "report/docx.h"
#include "report/impaginazioneInterna.h"

#include <QRawFont>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <span>
#include <utility>

namespace documento {

namespace dettaglio {

int larghezzaTestoTwips() { return docx::twips(larghezzaPaginaMm) - 2 * docx::twips(marginePaginaMm); }
int altezzaTestoTwips() { return docx::twips(altezzaPaginaMm) - 2 * docx::twips(marginePaginaMm); }
int margineTwips() { return docx::twips(marginePaginaMm); }

namespace {

int arrotonda(double x) { return int(std::floor(x + 0.5)); }

qint16 intero16(const QByteArray& tabella, int posizione)
{
    if (posizione + 2 > tabella.size())
        return 0;
    return qFromBigEndian<qint16>(tabella.constData() + posizione);
}

// The line height and ascent in twips of a face at `pixel` layout units, from the
// face's own tables as the word processor reads them: the horizontal header's
// ascender, descender and line gap; the OS/2 table's Windows metrics when the header
// has none, its typographic ones when the face asks for them. Each is rounded to
// whole pixels, and ascent and descent together to whole twips, the gap apart.
bool metricaDelCarattere(const QFont& font, int pixel, int& altezza, int& ascesa)
{
    const QRawFont grezzo = QRawFont::fromFont(font);
    const QByteArray hhea = grezzo.fontTable("hhea");
    const double unita = grezzo.unitsPerEm();
    if (!grezzo.isValid() || hhea.size() < 10 || unita <= 0)
        return false;
    const double scala = pixel / unita;
    double sopra = intero16(hhea, 4) * scala;
    double sotto = -intero16(hhea, 6) * scala;
    double interlinea = intero16(hhea, 8) * scala;
    const QByteArray os2 = grezzo.fontTable("OS/2");
    if (os2.size() >= 78) {
        const double tipoSopra = intero16(os2, 68), tipoSotto = intero16(os2, 70), tipoInterlinea = intero16(os2, 72);
        const double winSopra = quint16(intero16(os2, 74)), winSotto = quint16(intero16(os2, 76));
        if (sopra == 0 && sotto == 0) {
            sopra = winSopra * scala;
            sotto = winSotto * scala;
            interlinea = 0;
        }
        constexpr quint16 usaMetricheTipografiche = 1 << 7;
        if ((quint16(intero16(os2, 62)) & usaMetricheTipografiche) && (tipoSopra != 0 || tipoSotto != 0)) {
            sopra = tipoSopra * scala;
            sotto = -tipoSotto * scala;
            interlinea = tipoInterlinea * scala;
        }
    }
    const int pxSopra = arrotonda(sopra), pxSotto = arrotonda(sotto), pxInterlinea = arrotonda(interlinea);
    altezza = arrotonda(double(pxSopra + pxSotto) / unitaPerTwip) + arrotonda(double(pxInterlinea) / unitaPerTwip);
    ascesa = arrotonda(double(pxSopra) / unitaPerTwip);
    return altezza > 0;
}

} // namespace

const Metrica& Metriche::di(const Carattere& c)
{
    // The saved file keeps sizes in half points.
    const int mezziPunti = std::max(2, arrotonda(c.dimensione * 2));
    const auto chiave = std::make_tuple(c.nome.toLower(), mezziPunti, c.grassetto);
    auto trovata = voci_.find(chiave);
    if (trovata != voci_.end())
        return *trovata->second;
    installaSostituzioniCaratteri();
    const int pixel = mezziPunti * twipsPerPunto * unitaPerTwip / 2;
    QFont f(c.nome);
    f.setPixelSize(pixel);
    f.setBold(c.grassetto);
    // Unhinted glyphs advance by their design width rounded to whole pixels, as there.
    f.setHintingPreference(QFont::PreferNoHinting);
    // The saved file asks for no kerning, and the word processor sets none.
    f.setKerning(false);
    auto voce = std::make_unique<Metrica>(f);
    if (!metricaDelCarattere(f, pixel, voce->altezza, voce->ascesa)) {
        voce->altezza = std::max(1, arrotonda(voce->misura.metriche().lineSpacing() / unitaPerTwip));
        voce->ascesa = arrotonda(voce->misura.metriche().ascent() / unitaPerTwip);
    }
    return *voci_.emplace(chiave, std::move(voce)).first->second;
}

namespace {

// A stretch of a paragraph's text that no line breaks inside: a word or a part of one
// between two break opportunities, a run of blanks, a tab or a line break, in one font.
struct Tratto {
    enum Tipo { Testo, Spazi, Tabulazione, ACapo } tipo;
    int inizio;
    int fine;
    const Metrica* metrica;
    double larghezza; // layout units; a tab's is where it lands
};

bool bianco(QChar c) { return c.isSpace() && c != QChar(0x0B); }

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

// The next default tab stop after `x` (layout units).
double tabulazioneDopo(double x)
{
    const double passo = double(tabulazioneTwips) * unitaPerTwip;
    return (std::floor(x / passo + 1e-9) + 1) * passo;
}

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

    // The blanks inside the line take what justification adds; a paragraph's last
    // line, and a line ended by a line break, are not justified.
    double inizioRiga = 0, aggiunta = 0;
    switch (allineamento) {
    case Allineamento::Centro:
        inizioRiga = (larghezza - occupata) / 2;
        break;
    case Allineamento::Destra:
        inizioRiga = larghezza - occupata;
        break;
    case Allineamento::Giustificato:
        if (!ultima && tratti[a - 1].tipo != Tratto::ACapo) {
            int spazi = 0;
            for (std::size_t k = da; k < contenuto; ++k)
                if (tratti[k].tipo == Tratto::Spazi)
                    spazi += tratti[k].fine - tratti[k].inizio;
            if (spazi > 0)
                aggiunta = (larghezza - occupata) / spazi;
        }
        break;
    case Allineamento::Sinistra:
        break;
    }
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
        if (t.tipo == Tratto::Spazi)
            x += aggiunta * (t.fine - t.inizio);
    }
    return linea;
}

} // namespace

double Misura::avanzamento(QChar c) const
{
    const auto trovato = avanzamenti_.constFind(c.unicode());
    if (trovato != avanzamenti_.constEnd())
        return *trovato;
    return *avanzamenti_.insert(c.unicode(), metriche_.horizontalAdvance(c));
}

bool Misura::separabili(QChar a, QChar b) const
{
    const quint32 chiave = quint32(a.unicode()) << 16 | b.unicode();
    const auto trovata = coppie_.constFind(chiave);
    if (trovata != coppie_.constEnd())
        return *trovata;
    return *coppie_.insert(chiave, metriche_.horizontalAdvance(QString(a) + b) == avanzamento(a) + avanzamento(b));
}

bool Misura::additivo(QStringView testo) const
{
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const QChar c = testo[i];
        if (c.unicode() < 0x20 || c.isSurrogate() || c.isMark() || (i > 0 && !separabili(testo[i - 1], c)))
            return false;
    }
    return true;
}

double Misura::larghezza(QStringView testo) const
{
    if (!additivo(testo))
        return metriche_.horizontalAdvance(testo.toString());
    double somma = 0;
    for (const QChar c : testo)
        somma += avanzamento(c);
    return somma;
}

int Misura::quantiEntrano(QStringView testo, double spazio) const
{
    int dentro = 0;
    if (additivo(testo)) {
        double x = 0;
        while (dentro < testo.size() && (x += avanzamento(testo[dentro])) <= spazio)
            ++dentro;
        return dentro;
    }
    int fuori = int(testo.size());
    while (fuori - dentro > 1) {
        const int mezzo = (dentro + fuori) / 2;
        if (metriche_.horizontalAdvance(testo.left(mezzo).toString()) <= spazio)
            dentro = mezzo;
        else
            fuori = mezzo;
    }
    while (dentro > 0 && dentro < testo.size() && (testo[dentro].isLowSurrogate() || testo[dentro].isMark()))
        --dentro;
    return dentro;
}

void righeDi(const std::vector<Sequenza>& sequenze, const Carattere& marca, Allineamento allineamento, int larghezza,
             Metriche& metriche, std::vector<Linea>& righe)
{
    righe.clear();
    const double larghezzaUnita = double(larghezza) * unitaPerTwip;
    const Sequenza* sola = nullptr;
    int pieni = 0;
    for (const Sequenza& s : sequenze)
        if (!s.testo.isEmpty()) {
            sola = &s;
            ++pieni;
        }
    if (pieni == 0) {
        // An empty paragraph is as high as its mark.
        const Metrica& m = metriche.di(marca);
        Linea vuota;
        vuota.altezza = m.altezza;
        vuota.ascesa = m.ascesa;
        righe.push_back(std::move(vuota));
        return;
    }

    // One run that fits on a line needs no breaking.
    if (pieni == 1 && !sola->testo.contains(QChar(0x0B)) && !sola->testo.contains(QLatin1Char('\t'))) {
        const Metrica& m = metriche.di(sola->carattere);
        const double intera = m.misura.larghezza(sola->testo);
        if (intera <= larghezzaUnita) {
            int fine = int(sola->testo.size());
            while (fine > 0 && bianco(sola->testo[fine - 1]))
                --fine;
            if (fine > 0) {
                const int n = int(sola->testo.size());
                const Tratto testo{Tratto::Testo, 0, fine, &m, fine == n ? intera : larghezzaDi(m, sola->testo, 0, fine)};
                const Tratto tratti[] = {testo, {Tratto::Spazi, fine, n, &m, intera - testo.larghezza}};
                righe.push_back(lineaDi(sola->testo, tratti, 0, fine == n ? 1 : 2, larghezzaUnita, allineamento, true));
                return;
            }
        }
    }

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

    // The text in tratti, each measured whole.
    std::vector<Tratto> tratti;
    {
        std::size_t sequenza = 0;
        int i = 0;
        const int n = int(testo.size());
        while (i < n) {
            while (sequenzeFino[sequenza].first <= i)
                ++sequenza;
            const int fineSequenza = sequenzeFino[sequenza].first;
            const Metrica* m = sequenzeFino[sequenza].second;
            const QChar c = testo[i];
            if (c == QChar(0x0B) || c == QLatin1Char('\t')) {
                tratti.push_back({c == QLatin1Char('\t') ? Tratto::Tabulazione : Tratto::ACapo, i, i + 1, m, 0});
                ++i;
                continue;
            }
            const bool spazi = bianco(c);
            int j = i + 1;
            while (j < fineSequenza && bianco(testo[j]) == spazi && testo[j] != QChar(0x0B) && testo[j] != QLatin1Char('\t')
                   && (spazi || !rotture[std::size_t(j)]))
                ++j;
            tratti.push_back({spazi ? Tratto::Spazi : Tratto::Testo, i, j, m, larghezzaDi(*m, testo, i, j)});
            // A break inside a run of blanks (before a no-break space) leaves them all on
            // the line, the no-break ones too.
            if (spazi && j < n && std::any_of(rotture.begin() + i + 1, rotture.begin() + j, [](char r) { return r != 0; }))
                rotture[std::size_t(j)] = 1;
            i = j;
        }
    }

    std::size_t da = 0;
    while (da < tratti.size()) {
        std::size_t a = tratti.size();
        double x = 0;
        std::size_t ultimaRottura = 0; // a tratto the line may end before; 0: none
        for (std::size_t k = da; k < tratti.size(); ++k) {
            Tratto& t = tratti[k];
            if (k > da && rotture[std::size_t(t.inizio)])
                ultimaRottura = k;
            if (t.tipo == Tratto::ACapo) {
                a = k + 1;
                break;
            }
            if (t.tipo == Tratto::Spazi) {
                // Blanks at the end of a line hang past its edge.
                x += t.larghezza;
                continue;
            }
            if (t.tipo == Tratto::Tabulazione)
                t.larghezza = tabulazioneDopo(x) - x;
            if (x + t.larghezza <= larghezzaUnita) {
                x += t.larghezza;
                continue;
            }
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
            if (ultimaRottura > da) {
                a = ultimaRottura;
            } else if (t.tipo == Tratto::Tabulazione) {
                a = k + 1;
            } else {
                // No break opportunity on the line: it ends with the last character that fits.
                int entrano = quantiEntrano(testo, t, larghezzaUnita - x);
                if (entrano == 0 && k == da)
                    entrano = std::min(t.fine - t.inizio, testo[t.inizio].isHighSurrogate() ? 2 : 1);
                if (entrano == 0) {
                    a = k;
                } else {
                    if (t.inizio + entrano < t.fine) {
                        Tratto resto = t;
                        resto.inizio = t.inizio + entrano;
                        resto.larghezza = larghezzaDi(*t.metrica, testo, resto.inizio, resto.fine);
                        t.fine = resto.inizio;
                        t.larghezza = larghezzaDi(*t.metrica, testo, t.inizio, t.fine);
                        tratti.insert(tratti.begin() + std::ptrdiff_t(k + 1), resto);
                    }
                    a = k + 1;
                }
            }
            break;
        }
        righe.push_back(lineaDi(testo, tratti, da, a, larghezzaUnita, allineamento, a == tratti.size()));
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

double xInLinea(const Linea& linea, int posizione)
{
    if (linea.frammenti.empty())
        return linea.x;
    const Frammento* prima = nullptr;
    for (const Frammento& f : linea.frammenti) {
        if (posizione < f.inizio)
            return prima ? prima->x + prima->larghezza : f.x;
        if (posizione <= f.inizio + f.testo.size())
            return f.x + f.metrica->misura.larghezza(QStringView(f.testo).left(posizione - f.inizio)) / unitaPerTwip;
        prima = &f;
    }
    return prima->x + prima->larghezza;
}

int posizioneInLinea(const Linea& linea, double x)
{
    if (linea.frammenti.empty() || x <= linea.frammenti.front().x)
        return linea.inizio;
    for (const Frammento& f : linea.frammenti) {
        if (x > f.x + f.larghezza)
            continue;
        if (x < f.x)
            return f.inizio;
        // The nearest boundary between two characters of the piece.
        const double dentro = (x - f.x) * unitaPerTwip;
        int sinistra = 0, destra = int(f.testo.size());
        while (destra - sinistra > 1) {
            const int mezzo = (sinistra + destra) / 2;
            if (f.metrica->misura.larghezza(QStringView(f.testo).left(mezzo)) <= dentro)
                sinistra = mezzo;
            else
                destra = mezzo;
        }
        const double a = f.metrica->misura.larghezza(QStringView(f.testo).left(sinistra));
        const double b = f.metrica->misura.larghezza(QStringView(f.testo).left(destra));
        int k = dentro - a <= b - dentro ? sinistra : destra;
        if (k < f.testo.size() && f.testo[k].isLowSurrogate())
            ++k;
        return f.inizio + k;
    }
    // Past the last piece: the end of its text.
    const Frammento& ultimo = linea.frammenti.back();
    return ultimo.inizio + int(ultimo.testo.size());
}

} // namespace dettaglio

namespace {

using namespace dettaglio;

class Impaginatore {
public:
    Impaginatore(Documento& d, Metriche& metriche) : documento_(d), metriche_(metriche) {}

    std::vector<Pagina> impagina()
    {
        pagine_.assign(1, Pagina{});
        int numeroTabella = 0;
        const Griglia* precedente = nullptr;
        const auto& blocchi = documento_.blocchi();
        for (std::size_t i = 0; i < blocchi.size(); ++i) {
            if (const auto* p = std::get_if<Capoverso>(&blocchi[i])) {
                capoverso(*p, int(i));
                precedente = nullptr;
                continue;
            }
            const Griglia& g = std::get<Griglia>(blocchi[i]);
            // The saved file keeps two tables apart with an empty line in the first one's font.
            if (precedente) {
                const Metrica& m = metriche_.di(precedente->carattere);
                if (usato_ > 0 && usato_ + m.altezza > altezzaPagina_)
                    nuovaPagina();
                usato_ += m.altezza;
            }
            if (std::exchange(saltoDopo_, false) && usato_ > 0)
                nuovaPagina();
            tabella(g, int(i), ++numeroTabella);
            precedente = &g;
        }
        return std::move(pagine_);
    }

private:
    void nuovaPagina()
    {
        pagine_.emplace_back();
        usato_ = 0;
    }

    // Places a piece at the foot of the page, with its lines (y from the piece's top).
    void aggiungi(PezzoPagina pezzo, std::vector<Linea>&& linee)
    {
        Pagina& pagina = pagine_.back();
        pezzo.y = usato_;
        pezzo.primaLinea = int(pagina.linee.size());
        for (Linea& l : linee) {
            l.y += usato_;
            pagina.linee.push_back(std::move(l));
        }
        pezzo.fineLinea = int(pagina.linee.size());
        usato_ += pezzo.altezza;
        pagina.pezzi.push_back(std::move(pezzo));
    }

    void capoverso(const Capoverso& p, int blocco)
    {
        // A paragraph that holds a page break alone stays where it is and the page
        // breaks after it (and not at all at the document's end); a break before the
        // first paragraph leaves the first page empty. Both as there.
        const bool soloSalto = p.nuovaPagina && p.testo().isEmpty();
        const bool dopoUnSalto = std::exchange(saltoDopo_, soloSalto);
        const bool salto = (p.nuovaPagina && !soloSalto) || dopoUnSalto;
        if (salto && (usato_ > 0 || blocco == 0))
            nuovaPagina();
        righeDi(p.sequenze, p.marca, p.allineamento, larghezzaTesto_, metriche_, righe_);
        const int n = int(righe_.size());
        int da = 0;
        while (da < n) {
            int entrano = 0, altezza = 0;
            while (da + entrano < n && usato_ + altezza + righe_[std::size_t(da + entrano)].altezza <= altezzaPagina_)
                altezza += righe_[std::size_t(da + entrano++)].altezza;
            if (da + entrano < n) {
                const bool paginaVuota = usato_ == 0;
                // No last line alone at the head of the next page...
                if (n - (da + entrano) < 2 && entrano - 1 >= (paginaVuota ? 1 : 0))
                    --entrano;
                // ...and no first line alone at the foot of this one.
                if (da == 0 && entrano < 2 && !paginaVuota)
                    entrano = 0;
                // A line higher than a whole page stands on its own page.
                if (entrano == 0 && paginaVuota)
                    entrano = 1;
            }
            if (entrano > 0) {
                PezzoPagina pezzo;
                pezzo.blocco = blocco;
                pezzo.prima = da;
                pezzo.fine = da + entrano;
                std::vector<Linea> linee;
                for (int k = da; k < da + entrano; ++k) {
                    Linea& l = righe_[std::size_t(k)];
                    l.blocco = blocco;
                    l.y = pezzo.altezza;
                    pezzo.altezza += l.altezza;
                    linee.push_back(std::move(l));
                }
                aggiungi(std::move(pezzo), std::move(linee));
                da += entrano;
            }
            if (da < n)
                nuovaPagina();
        }
    }

    // The lines of each cell of row `r`, x from the page's text edge.
    void righeRiga(const Griglia& g, int r, int blocco, const FormaTabella& forma, std::vector<std::vector<Linea>>& celle)
    {
        const Carattere c = forma.carattere(g, r);
        celle.resize(std::size_t(g.colonne));
        for (int k = 1; k <= g.colonne; ++k) {
            std::vector<Linea>& linee = celle[std::size_t(k - 1)];
            linee.clear();
            const double x = forma.sinistra(k) + forma.margine;
            const QString& testo = g.cella(r, k);
            // Most cells hold one paragraph: its run is kept from cell to cell.
            std::vector<ParagrafoCella> paragrafi;
            if (testo.contains(QLatin1Char('\n'))) {
                paragrafi = paragrafiCella(testo, c);
            } else {
                cellaSola_.clear();
                if (!testo.isEmpty())
                    cellaSola_.push_back({testo, c});
            }
            for (std::size_t p = 0; p < std::max<std::size_t>(1, paragrafi.size()); ++p) {
                const std::vector<Sequenza>& sequenze = paragrafi.empty() ? cellaSola_ : paragrafi[p].sequenze;
                const int inizio = paragrafi.empty() ? 0 : paragrafi[p].inizio;
                righeDi(sequenze, c, g.allineamenti[std::size_t(k - 1)], forma.larghezzaTesto(k), metriche_, righe_);
                for (Linea& l : righe_) {
                    l.blocco = blocco;
                    l.riga = r;
                    l.colonna = k;
                    l.inizio += inizio;
                    l.fine += inizio;
                    l.x = x;
                    for (Frammento& f : l.frammenti) {
                        f.inizio += inizio;
                        f.x += x;
                    }
                    linee.push_back(std::move(l));
                }
            }
        }
    }

    static int somma(const std::vector<Linea>& linee, int da, int a)
    {
        int s = 0;
        for (int k = da; k < a; ++k)
            s += linee[std::size_t(k)].altezza;
        return s;
    }

    void tabella(const Griglia& g, int blocco, int numero)
    {
        const FormaTabella forma = formaTabella(documento_, numero);
        const bool testata = forma.intestazione(1) && g.righe > 1;
        std::vector<std::vector<Linea>> celle, celleTestata;
        int altezzaTestata = 0;
        if (testata) {
            righeRiga(g, 1, blocco, forma, celleTestata);
            for (const auto& linee : celleTestata)
                altezzaTestata = std::max(altezzaTestata, somma(linee, 0, int(linee.size())));
            altezzaTestata += bordoTwips;
        }
        bool apertaSullaPagina = false; // the table's top border stands on this page
        bool soloTestata = false;       // the page holds nothing but the repeated header
        // Ways the word processor lays out a table that meets a page's foot, followed
        // here as it shows them: a header row split there (only its bottom border was
        // missing) is repeated above the rest of it, and on every page the table goes
        // on to but its last; a header row sent to the next page because the row after
        // it would not follow it there takes just that row with it, and a table without
        // a header whose first row went whole to the next page has that row alone
        // there, when the rest of the table does not fit that page.
        bool testataSpezzata = false;
        std::size_t ultimaConTestata = 0; // the last page that keeps it, when the header row was split
        int rigaSola = 0; // the row that ends the page the table went to, when the rest does not fit it
        const auto nuovaPaginaTabella = [&](int r, bool ripeti) {
            nuovaPagina();
            apertaSullaPagina = false;
            soloTestata = false;
            // The header row again, where the table goes on.
            if (testata && ripeti) {
                PezzoPagina pezzo;
                pezzo.blocco = blocco;
                pezzo.tabella = numero;
                pezzo.riga = 1;
                pezzo.ripetuta = true;
                pezzo.bordoSopra = true;
                pezzo.altezza = bordoTwips + altezzaTestata;
                std::vector<Linea> linee;
                for (const auto& cella : celleTestata) {
                    int y = bordoTwips;
                    for (Linea l : cella) {
                        l.ripetuta = true;
                        l.y = y;
                        y += l.altezza;
                        linee.push_back(std::move(l));
                    }
                }
                aggiungi(std::move(pezzo), std::move(linee));
                apertaSullaPagina = true;
                soloTestata = r > 1;
            }
        };
        // Where the table stood before its third row, to lay the rest out again.
        struct Ritorno {
            bool attivo = false;
            std::size_t pagine = 0, pezzi = 0, linee = 0;
            int usato = 0;
            bool aperta = false, sola = false;
        } ritorno;
        std::vector<int> da; // each cell's first line still to place
        std::vector<std::vector<Linea>> seconda; // row 2, laid out early to see whether it follows the header
        for (int r = 1; r <= g.righe; ++r) {
            if (rigaSola > 0 && r == rigaSola + 1)
                ritorno = Ritorno{true, pagine_.size(), pagine_.back().pezzi.size(), pagine_.back().linee.size(), usato_,
                                  apertaSullaPagina, soloTestata};
            if (r == 1 && testata) {
                celle = celleTestata;
            } else if (r == 2 && !seconda.empty()) {
                celle = std::move(seconda);
            } else {
                righeRiga(g, r, blocco, forma, celle);
            }
            // A header row goes whole to the next page when more than its bottom
            // border is missing here, or when not a line of the row after it would
            // follow it here.
            if (r == 1 && forma.intestazione(1) && usato_ > 0) {
                int contenuto = 0;
                for (const auto& linee : celle)
                    contenuto = std::max(contenuto, somma(linee, 0, int(linee.size())));
                const int spazio = altezzaPagina_ - usato_;
                bool sposta = bordoTwips + contenuto > spazio;
                if (!sposta && 2 * bordoTwips + contenuto <= spazio && g.righe > 1) {
                    righeRiga(g, 2, blocco, forma, seconda);
                    const int resto = spazio - 2 * bordoTwips - contenuto - bordoTwips;
                    sposta = std::none_of(seconda.begin(), seconda.end(), [&](const std::vector<Linea>& l) {
                        return !l.empty() && l.front().altezza <= resto;
                    });
                    if (sposta)
                        rigaSola = 2;
                }
                if (sposta)
                    nuovaPaginaTabella(1, false);
            }
            da.assign(std::size_t(g.colonne), 0);
            bool daCapo = false;
            for (;;) {
                const int sopra = apertaSullaPagina ? 0 : bordoTwips;
                const int spazio = altezzaPagina_ - usato_ - sopra - bordoTwips;
                const bool paginaVuota = usato_ == 0 || soloTestata;
                soloTestata = false;
                // The piece of the row that holds each cell's lines up to `a`.
                const auto pezzoFino = [&](const std::vector<int>& a) {
                    PezzoPagina pezzo;
                    pezzo.blocco = blocco;
                    pezzo.tabella = numero;
                    pezzo.riga = r;
                    pezzo.bordoSopra = !apertaSullaPagina;
                    int contenuto = 0;
                    bool intera = true;
                    std::vector<Linea> linee;
                    for (std::size_t k = 0; k < celle.size(); ++k) {
                        contenuto = std::max(contenuto, somma(celle[k], da[k], a[k]));
                        intera = intera && da[k] == 0 && a[k] == int(celle[k].size());
                        int y = sopra;
                        for (int i = da[k]; i < a[k]; ++i) {
                            Linea& l = celle[k][std::size_t(i)];
                            l.y = y;
                            y += l.altezza;
                            linee.push_back(std::move(l));
                        }
                    }
                    pezzo.altezza = sopra + contenuto + bordoTwips;
                    if (!intera)
                        for (std::size_t k = 0; k < celle.size(); ++k)
                            pezzo.celle.emplace_back(da[k], a[k]);
                    aggiungi(std::move(pezzo), std::move(linee));
                    apertaSullaPagina = true;
                    da = a;
                };
                // Each cell keeps on this page the lines that fit.
                std::vector<int> a(da);
                bool qualcosa = false, tutto = true;
                for (std::size_t k = 0; k < celle.size(); ++k) {
                    int h = 0;
                    while (a[k] < int(celle[k].size()) && h + celle[k][std::size_t(a[k])].altezza <= spazio)
                        h += celle[k][std::size_t(a[k]++)].altezza;
                    qualcosa = qualcosa || a[k] > da[k];
                    tutto = tutto && a[k] == int(celle[k].size());
                }
                if (tutto || (!qualcosa && paginaVuota)) {
                    // The whole row, or what is left of it; when not even a line of it
                    // fits an empty page, it goes on that page all the same.
                    for (std::size_t k = 0; k < celle.size(); ++k)
                        a[k] = int(celle[k].size());
                    pezzoFino(a);
                    break;
                }
                if (ritorno.attivo) {
                    // The rest does not fit the page the header went to with one row.
                    pagine_.resize(ritorno.pagine);
                    pagine_.back().pezzi.resize(ritorno.pezzi);
                    pagine_.back().linee.resize(ritorno.linee);
                    usato_ = ritorno.usato;
                    apertaSullaPagina = ritorno.aperta;
                    soloTestata = ritorno.sola;
                    ritorno.attivo = false;
                    nuovaPaginaTabella(rigaSola + 1, true);
                    daCapo = true;
                    break;
                }
                if (qualcosa)
                    pezzoFino(a);
                if (r == 1 && !qualcosa && !forma.intestazione(1))
                    rigaSola = 1;
                if (r == 1 && forma.intestazione(1) && !testataSpezzata) {
                    testataSpezzata = true;
                    // (when none of it fit, the table keeps it on its last page up to two pages on)
                    ultimaConTestata = pagine_.size() + (qualcosa ? 0 : 2);
                }
                nuovaPaginaTabella(r, r > 1 || qualcosa);
            }
            if (daCapo) {
                r = rigaSola;
                rigaSola = 0;
            }
        }
        if (testataSpezzata && pagine_.size() > ultimaConTestata)
            togliTestataDallUltimaPagina(blocco);
    }

    // The header row repeated at the head of the last page of the table at `blocco`
    // taken away: the table opens on that page with its next row.
    void togliTestataDallUltimaPagina(int blocco)
    {
        Pagina& pagina = pagine_.back();
        const auto testata = std::find_if(pagina.pezzi.begin(), pagina.pezzi.end(),
                                          [&](const PezzoPagina& p) { return p.blocco == blocco && p.ripetuta; });
        if (testata == pagina.pezzi.end() || testata + 1 == pagina.pezzi.end() || (testata + 1)->blocco != blocco)
            return;
        // The next row takes the header's place and its top border; what follows moves
        // up by the header less that border.
        const int altezza = testata->altezza, tolta = altezza - bordoTwips;
        const int primaLinea = testata->primaLinea, linee = testata->fineLinea - testata->primaLinea;
        pagina.linee.erase(pagina.linee.begin() + primaLinea, pagina.linee.begin() + primaLinea + linee);
        const auto dopo = pagina.pezzi.erase(testata);
        dopo->bordoSopra = true;
        dopo->altezza += bordoTwips;
        for (auto p = dopo; p != pagina.pezzi.end(); ++p) {
            p->primaLinea -= linee;
            p->fineLinea -= linee;
            p->y -= p == dopo ? altezza : tolta;
        }
        for (auto l = pagina.linee.begin() + primaLinea; l != pagina.linee.end(); ++l)
            l->y -= tolta;
        usato_ -= tolta;
    }

    Documento& documento_;
    Metriche& metriche_;
    std::vector<Linea> righe_;
    std::vector<Sequenza> cellaSola_;
    std::vector<Pagina> pagine_;
    const int altezzaPagina_ = altezzaTestoTwips();
    const int larghezzaTesto_ = larghezzaTestoTwips();
    int usato_ = 0;
    bool saltoDopo_ = false; // a paragraph holding a page break alone asks for a new page
};

} // namespace

const std::vector<Pagina>& Documento::pagine()
{
    if (versionePagine_ == versione_ && !pagine_.empty())
        return pagine_;
    if (!metriche_)
        metriche_ = std::make_unique<Metriche>();
    pagine_ = Impaginatore(*this, *metriche_).impagina();
    versionePagine_ = versione_;
    return pagine_;
}

std::optional<int> Documento::contaPagine(Esito* esito)
{
    const int pagine = int(this->pagine().size());
    if (pagine < 1) {
        if (esito)
            *esito = Esito::fallito(QStringLiteral("Non è stato possibile impaginare il documento."));
        return std::nullopt;
    }
    if (esito)
        *esito = Esito::riuscito();
    return pagine;
}

} // namespace documento
