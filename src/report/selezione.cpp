// Selecting the text of the pages: places in the text, the text between two of them,
// the place under a point of a page and what a page highlights, all on the lines the
// page model keeps.
#include "report/documento.h"

#include "report/aspettoTabella.h"
#include "report/metriche.h"
#include "report/posizioniLinea.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <cmath>
#include <limits>

namespace documento {

namespace dettaglio {

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

Posizione inizioDi(const Linea& l) { return {l.blocco, l.riga, l.colonna, l.inizio}; }

bool ripetuta(const PezzoPagina& p)
{
    const auto* riga = std::get_if<PezzoRiga>(&p);
    return riga && riga->ripetuta;
}

// Each line of a page that the text reads there: not those of a header row repeated
// at its head, which stand for the table going on.
template <class F>
void perLineeLette(const Pagina& pagina, F&& f)
{
    for (const PezzoPagina& pezzo : pagina.pezzi)
        if (!ripetuta(pezzo))
            for (int i = comune(pezzo).primaLinea; i < comune(pezzo).fineLinea; ++i)
                f(pagina.linee[std::size_t(i)]);
}
Posizione fineDi(const Linea& l) { return {l.blocco, l.riga, l.colonna, l.fine}; }

// A text copied as plain text: a line break inside a paragraph ends a line, inside a
// cell (where lines end rows) it is a blank, as a paragraph end is.
QString inChiaro(QString testo, bool cella)
{
    if (cella)
        testo.replace(QLatin1Char('\n'), QLatin1Char(' '));
    testo.replace(QChar(0x0B), cella ? QLatin1Char(' ') : QLatin1Char('\n'));
    return testo;
}

QString spezzone(const QString& testo, int da, int a)
{
    da = std::clamp(da, 0, int(testo.size()));
    a = std::clamp(a, da, int(testo.size()));
    return testo.mid(da, a - da);
}

} // namespace

Posizione Documento::inizioTesto() const
{
    return std::holds_alternative<Griglia>(blocchi_.front()) ? Posizione{0, 1, 1, 0} : Posizione{};
}

Posizione Documento::fineTesto() const
{
    // The document always ends with a paragraph.
    const int ultimo = int(blocchi_.size()) - 1;
    return {ultimo, 0, 0, int(std::get<Capoverso>(blocchi_.back()).testo().size())};
}

QString Documento::testoTra(Posizione da, Posizione a) const
{
    if (a < da)
        std::swap(da, a);
    if (!(da < a) || da.blocco < 0)
        return {};
    QString testo;
    for (int b = da.blocco; b <= a.blocco && b < int(blocchi_.size()); ++b) {
        const bool primo = b == da.blocco, ultimo = b == a.blocco;
        if (const auto* p = std::get_if<Capoverso>(&blocchi_[std::size_t(b)])) {
            const QString t = p->testo();
            testo += inChiaro(spezzone(t, primo ? da.carattere : 0, ultimo ? a.carattere : int(t.size())), false);
        } else {
            const Griglia& g = std::get<Griglia>(blocchi_[std::size_t(b)]);
            const Posizione dalla = primo && da.riga > 0 ? da : Posizione{b, 1, 1, 0};
            const Posizione alla = ultimo && a.riga > 0 ? a : Posizione{b, g.righe, g.colonne, std::numeric_limits<int>::max()};
            QStringList righe;
            for (int r = std::max(1, dalla.riga); r <= std::min(g.righe, alla.riga); ++r) {
                QStringList celle;
                const int prima = r == dalla.riga ? std::max(1, dalla.colonna) : 1;
                const int ultima = r == alla.riga ? std::min(g.colonne, alla.colonna) : g.colonne;
                for (int c = prima; c <= ultima; ++c) {
                    const QString& t = g.cella(r, c);
                    const bool daQui = r == dalla.riga && c == dalla.colonna, finoQui = r == alla.riga && c == alla.colonna;
                    celle << inChiaro(spezzone(t, daQui ? dalla.carattere : 0, finoQui ? alla.carattere : int(t.size())), true);
                }
                righe << celle.join(QLatin1Char('\t'));
            }
            testo += righe.join(QLatin1Char('\n'));
        }
        if (!ultimo)
            testo += QLatin1Char('\n');
    }
    return testo;
}

namespace {

// How far `y` stands above or below the band [alto, alto + altezza]; 0 inside it.
double distanza(double y, double alto, double altezza) { return y < alto ? alto - y : std::max(0.0, y - (alto + altezza)); }

// What a point of a page falls on: the piece under it or nearest to it, in a row the
// cell under it, and that cell's (or paragraph's) line under the point or nearest.
struct Bersaglio {
    const PezzoPagina* parte = nullptr; // none when the page has no lines
    int colonna = 0;
    const Linea* linea = nullptr; // none when none of the cell's lines stand on this page
    const Pezzo& pezzo() const { return comune(*parte); }
    // A header row repeated at the page's head: it holds no text of its own there.
    bool suRipetuta() const { return parte && ripetuta(*parte); }
};

Bersaglio bersaglio(const Documento& d, const Pagina& pagina, QPointF punto)
{
    Bersaglio b;
    double lontano = std::numeric_limits<double>::max();
    for (const PezzoPagina& parte : pagina.pezzi) {
        const Pezzo& pezzo = comune(parte);
        if (pezzo.fineLinea == pezzo.primaLinea)
            continue;
        if (const double dist = distanza(punto.y(), pezzo.y, pezzo.altezza); dist < lontano) {
            lontano = dist;
            b.parte = &parte;
        }
    }
    if (!b.parte)
        return b;
    if (const auto* riga = std::get_if<PezzoRiga>(b.parte)) {
        const Griglia* g = d.griglia(riga->tabella);
        if (!g)
            return {};
        const FormaTabella forma = formaTabella(d, riga->tabella);
        b.colonna = g->colonne;
        for (int k = 1; k <= g->colonne; ++k)
            if (punto.x() < forma.sinistra(k + 1)) {
                b.colonna = k;
                break;
            }
    }
    lontano = std::numeric_limits<double>::max();
    for (int i = b.pezzo().primaLinea; i < b.pezzo().fineLinea; ++i) {
        const Linea& l = pagina.linee[std::size_t(i)];
        if (l.colonna != b.colonna)
            continue;
        if (const double dist = distanza(punto.y(), l.y, l.altezza); dist < lontano) {
            lontano = dist;
            b.linea = &l;
        }
    }
    return b;
}

// The text a place is in: its paragraph's runs joined, or its cell's.
QString testoDi(const std::vector<Blocco>& blocchi, Posizione p)
{
    if (p.blocco < 0 || p.blocco >= int(blocchi.size()))
        return {};
    if (const auto* c = std::get_if<Capoverso>(&blocchi[std::size_t(p.blocco)]))
        return c->testo();
    const Griglia& g = std::get<Griglia>(blocchi[std::size_t(p.blocco)]);
    return p.riga >= 1 && p.riga <= g.righe && p.colonna >= 1 && p.colonna <= g.colonne ? g.cella(p.riga, p.colonna) : QString();
}

const Pagina* paginaDi(const std::vector<Pagina>& pagine, int indice)
{
    return indice >= 0 && indice < int(pagine.size()) ? &pagine[std::size_t(indice)] : nullptr;
}

// The place of the text a point of `pagina` falls on (`b`): a repeated header row
// stands for the row after it, a cell none of whose lines stand on this page for its
// place after the lines before.
std::optional<Posizione> posizioneDi(const Pagina& pagina, const Bersaglio& b, QPointF punto)
{
    if (!b.parte)
        return std::nullopt;
    if (b.suRipetuta()) {
        const auto dopo = std::find_if(pagina.pezzi.begin(), pagina.pezzi.end(), [&](const PezzoPagina& p) {
            return comune(p).y > b.pezzo().y && !ripetuta(p) && comune(p).fineLinea > comune(p).primaLinea;
        });
        if (dopo == pagina.pezzi.end())
            return std::nullopt;
        return inizioDi(pagina.linee[std::size_t(comune(*dopo).primaLinea)]);
    }
    if (!b.linea) {
        const Linea& prima = pagina.linee[std::size_t(b.pezzo().primaLinea)];
        return Posizione{prima.blocco, prima.riga, b.colonna, 0};
    }
    Posizione p = inizioDi(*b.linea);
    p.carattere = posizioneInLinea(*b.linea, punto.x());
    return p;
}

} // namespace

std::optional<Posizione> Documento::posizioneSulla(int indice, QPointF punto)
{
    const Pagina* pagina = paginaDi(pagine(), indice);
    return pagina ? posizioneDi(*pagina, bersaglio(*this, *pagina, punto), punto) : std::nullopt;
}

std::optional<std::pair<Posizione, Posizione>> Documento::parolaSulla(int indice, QPointF punto)
{
    const Pagina* pagina = paginaDi(pagine(), indice);
    if (!pagina)
        return std::nullopt;
    const Bersaglio b = bersaglio(*this, *pagina, punto);
    if (b.suRipetuta())
        return std::nullopt;
    const std::optional<Posizione> p = posizioneDi(*pagina, b, punto);
    if (!p)
        return std::nullopt;
    return parola(*p);
}

std::optional<std::pair<Posizione, Posizione>> Documento::lineaSulla(int indice, QPointF punto)
{
    const Pagina* pagina = paginaDi(pagine(), indice);
    if (!pagina)
        return std::nullopt;
    const Bersaglio b = bersaglio(*this, *pagina, punto);
    if (!b.parte || b.suRipetuta() || !b.linea)
        return std::nullopt;
    // Its text, without the blanks and the line break it ends with.
    const QString testo = testoDi(blocchi_, inizioDi(*b.linea));
    Posizione fine = fineDi(*b.linea);
    fine.carattere = std::min(fine.carattere, int(testo.size()));
    while (fine.carattere > b.linea->inizio && testo[fine.carattere - 1].isSpace())
        --fine.carattere;
    return std::pair{inizioDi(*b.linea), fine};
}

bool Documento::sulTesto(int indice, QPointF punto)
{
    const Pagina* pagina = paginaDi(pagine(), indice);
    if (!pagina)
        return false;
    bool sopra = false;
    perLineeLette(*pagina, [&](const Linea& l) {
        sopra = sopra
                || (!l.frammenti.empty() && punto.y() >= l.y && punto.y() < l.y + l.altezza
                    && punto.x() >= l.frammenti.front().x && punto.x() <= l.frammenti.back().x + l.frammenti.back().larghezza);
    });
    return sopra;
}

std::pair<Posizione, Posizione> Documento::parola(Posizione p) const
{
    const QString testo = testoDi(blocchi_, p);
    const int n = int(testo.size());
    const int qui = std::clamp(p.carattere, 0, n);
    // The stretches between Unicode's word boundaries, where a figure keeps its
    // separators ("1.234,56") and a word its apostrophe. The one holding character i,
    // and whether it is a word.
    QTextBoundaryFinder confini(QTextBoundaryFinder::Word, testo);
    const auto tratto = [&](int i) {
        confini.setPosition(i + 1);
        const int da = int(confini.toPreviousBoundary());
        confini.setPosition(da);
        const bool unaParola = confini.boundaryReasons().testFlag(QTextBoundaryFinder::StartOfItem);
        const int a = int(confini.toNextBoundary());
        return std::tuple{da, a < 0 ? n : a, unaParola};
    };
    int da = qui, a = qui;
    bool suParola = false;
    if (qui < n)
        std::tie(da, a, suParola) = tratto(qui);
    // Just past a word's end (a click on the right half of its last character): that word.
    if (!suParola && qui > 0)
        if (const auto [daPrima, aPrima, primaParola] = tratto(qui - 1); primaParola)
            std::tie(da, a) = std::pair{daPrima, aPrima};
    Posizione inizio = p, fine = p;
    inizio.carattere = da;
    fine.carattere = a;
    return {inizio, fine};
}

std::vector<QRectF> Documento::evidenziate(int indice, Posizione da, Posizione a)
{
    std::vector<QRectF> rettangoli;
    if (a < da)
        std::swap(da, a);
    const Pagina* pagina = paginaDi(pagine(), indice);
    if (!(da < a) || !pagina)
        return rettangoli;
    perLineeLette(*pagina, [&](const Linea& l) {
        if (!(inizioDi(l) < a) || !(da <= fineDi(l)) || (da == fineDi(l) && l.fine > l.inizio))
            return;
        const int inizio = da < inizioDi(l) ? l.inizio : da.carattere;
        const bool finoInFondo = fineDi(l) < a;
        const int fine = finoInFondo ? l.fine : a.carattere;
        double x1 = xInLinea(l, inizio), x2 = xInLinea(l, fine);
        // A line taken whole shows it, an empty one too.
        if (finoInFondo)
            x2 = std::max(x2, x1 + tabulazioneTwips / 8.0);
        if (x2 > x1)
            rettangoli.emplace_back(x1, l.y, x2 - x1, l.altezza);
    });
    return rettangoli;
}

std::optional<std::pair<int, QPointF>> Documento::doveSta(Posizione p)
{
    const std::vector<Pagina>& tutte = pagine();
    for (std::size_t i = 0; i < tutte.size(); ++i) {
        const Linea* trovata = nullptr;
        perLineeLette(tutte[i], [&](const Linea& l) {
            if (!trovata && l.blocco == p.blocco && l.riga == p.riga && l.colonna == p.colonna && l.inizio <= p.carattere
                && p.carattere <= l.fine)
                trovata = &l;
        });
        if (trovata)
            return std::pair{int(i), QPointF(xInLinea(*trovata, p.carattere), trovata->y + trovata->altezza / 2.0)};
    }
    return std::nullopt;
}

} // namespace documento
