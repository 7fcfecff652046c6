#include "support/controlloPagine.h"

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <tuple>

namespace controlloPagine {

namespace {

// Every row ends with its bottom border, and the first row a page holds of a table
// opens with its top border: half a point each.
constexpr int bordo = 10;

// The lines of a piece, found by where they stand: its block's lines from its top down
// to its foot, in each paragraph or cell in order.
std::vector<const documento::Linea*> lineeDi(const documento::Pagina& pagina, const documento::Pezzo& p)
{
    std::vector<const documento::Linea*> linee;
    for (const documento::Linea& l : pagina.linee)
        if (l.blocco == p.blocco && l.y >= p.y && l.y < p.y + p.altezza)
            linee.push_back(&l);
    return linee;
}

// The lines of a paragraph's piece, or of each cell of a row's piece, one below the
// other from the piece's top (after the row's top border), the last or the tallest
// cell's down to its foot (before the row's bottom border): neither gap nor overlap.
void lineeSenzaVuoti(const documento::Pagina& pagina, const documento::Pezzo& p, bool riga, bool apre,
                     const std::function<void(const QString&)>& difetto)
{
    const int alto = p.y + (apre ? bordo : 0), basso = p.y + p.altezza - (riga ? bordo : 0);
    std::map<int, int> fondi; // where each cell's (or the paragraph's) lines have come down to
    for (const documento::Linea* l : lineeDi(pagina, p)) {
        const auto [fondo, nuovo] = fondi.try_emplace(riga ? l->colonna : 0, alto);
        if (l->y != fondo->second)
            difetto(QStringLiteral("a line at %1 where the lines above it in its %2 end at %3")
                        .arg(l->y)
                        .arg(riga ? QStringLiteral("cell") : QStringLiteral("paragraph"))
                        .arg(fondo->second));
        fondo->second = l->y + l->altezza;
    }
    int giu = alto;
    for (const auto& [colonna, fondo] : fondi)
        giu = std::max(giu, fondo);
    if (giu != basso)
        difetto(QStringLiteral("a piece at %1 whose lines end at %2, not at %3").arg(p.y).arg(giu).arg(basso));
}

// The height of an empty paragraph in font `c`, as the layout makes it.
int altezzaVuota(const documento::Carattere& c)
{
    static std::map<std::tuple<QString, double, bool>, int> altezze;
    auto [voce, nuova] = altezze.try_emplace({c.nome, c.dimensione, c.grassetto}, 0);
    if (nuova) {
        documento::Documento d;
        d.impostaNomeCarattere(c.nome);
        d.impostaDimensione(c.dimensione);
        d.impostaGrassetto(c.grassetto ? 1 : 0);
        // An empty paragraph before one with text: the document's last one is laid out otherwise.
        d.scrivi(QStringLiteral("\rx"));
        voce->second = documento::comune(d.pagine().front().pezzi.front()).altezza;
    }
    return voce->second;
}

} // namespace

QStringList difetti(documento::Documento& doc)
{
    using namespace documento;
    QStringList trovati;
    const auto difetto = [&](const QString& testo) {
        if (trovati.size() < 10)
            trovati << testo;
    };
    const auto tabella = [&](int blocco) { return std::holds_alternative<Griglia>(doc.blocchi()[std::size_t(blocco)]); };
    const int altezzaPagina = qRound((altezzaPaginaMm - 2 * marginePaginaMm) / 25.4 * 1440); // 257 mm
    std::map<std::tuple<int, int, int>, int> fineTesto; // where each paragraph's or cell's text stopped
    int bloccoPrima = -1, separatore = 0; // the block laid out last; after a table, an empty line in its font
    const std::vector<Pagina>& pagine = doc.pagine();
    for (std::size_t i = 0; i < pagine.size(); ++i) {
        const Pagina& pagina = pagine[i];
        const QString dove = QStringLiteral("page %1: ").arg(i + 1);
        const auto qui = [&](const QString& testo) { difetto(dove + testo); };
        int fondo = 0;
        std::set<int> aperte; // the tables the page holds rows of
        for (const PezzoPagina& parte : pagina.pezzi) {
            const Pezzo& p = comune(parte);
            const auto* pezzoRiga = std::get_if<PezzoRiga>(&parte);
            // Two tables one after the other stand an empty line in the first one's font
            // apart: here, or at the foot of the page before.
            const bool traTabelle = bloccoPrima >= 0 && p.blocco != bloccoPrima && tabella(bloccoPrima) && tabella(p.blocco);
            const int atteso = fondo + (traTabelle && !(fondo == 0 && p.y == 0) ? separatore : 0);
            if (p.y < atteso)
                qui(QStringLiteral("a piece at %1 over the one above it, down to %2").arg(p.y).arg(atteso));
            else if (p.y > atteso)
                qui(QStringLiteral("a gap of %1 twips above a piece at %2").arg(p.y - atteso).arg(p.y));
            fondo = p.y + p.altezza;
            // A piece higher than the room may stand alone on its page, or below its
            // table's header row alone at the page's head.
            const auto* primo = std::get_if<PezzoRiga>(&pagina.pezzi.front());
            const bool sottoLaTestata = pagina.pezzi.size() == 2 && primo && primo->riga == 1 && primo->y == 0
                                        && primo->blocco == p.blocco;
            if (fondo > altezzaPagina + 1 && pagina.pezzi.size() > 1 && !sottoLaTestata)
                qui(QStringLiteral("a piece down to %1, past the page's foot").arg(fondo));
            const bool riga = tabella(p.blocco);
            lineeSenzaVuoti(pagina, p, riga, riga && aperte.insert(p.blocco).second, qui);
            bloccoPrima = p.blocco;
            if (riga)
                separatore = altezzaVuota(std::get<Griglia>(doc.blocchi()[std::size_t(p.blocco)]).carattere);
            if (p.primaLinea < 0 || p.primaLinea > p.fineLinea || p.fineLinea > int(pagina.linee.size())) {
                qui(QStringLiteral("a piece's lines out of its page"));
                continue;
            }
            for (int k = p.primaLinea; k < p.fineLinea; ++k) {
                const Linea& l = pagina.linee[std::size_t(k)];
                if (l.blocco != p.blocco || l.riga != (pezzoRiga ? pezzoRiga->riga : 0) || l.y < p.y
                    || l.y + l.altezza > p.y + p.altezza)
                    qui(QStringLiteral("a line at %1 outside its piece at %2 of %3").arg(l.y).arg(p.y).arg(p.altezza));
                if (pezzoRiga && pezzoRiga->ripetuta)
                    continue;
                // A cell's paragraph ends with one character more, its paragraph end.
                int& fine = fineTesto[{l.blocco, l.riga, l.colonna}];
                if (l.inizio != fine && !(l.riga > 0 && l.inizio == fine + 1))
                    qui(QStringLiteral("a line of block %1 from %2 after %3").arg(l.blocco).arg(l.inizio).arg(fine));
                fine = l.fine;
            }
        }
    }
    return trovati;
}

} // namespace controlloPagine
