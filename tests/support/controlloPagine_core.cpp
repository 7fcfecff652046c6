#include "support/controlloPagine.h"

#include <map>
#include <tuple>

namespace controlloPagine {

QStringList difetti(documento::Documento& doc)
{
    using namespace documento;
    QStringList trovati;
    const auto difetto = [&](const QString& testo) {
        if (trovati.size() < 10)
            trovati << testo;
    };
    const int altezzaPagina = qRound((altezzaPaginaMm - 2 * marginePaginaMm) / 25.4 * 1440); // 257 mm
    std::map<std::tuple<int, int, int>, int> fineTesto; // where each paragraph's or cell's text stopped
    const std::vector<Pagina>& pagine = doc.pagine();
    for (std::size_t i = 0; i < pagine.size(); ++i) {
        const Pagina& pagina = pagine[i];
        const QString dove = QStringLiteral("page %1: ").arg(i + 1);
        int fondo = 0;
        for (const PezzoPagina& parte : pagina.pezzi) {
            const Pezzo& p = comune(parte);
            const auto* riga = std::get_if<PezzoRiga>(&parte);
            if (p.y < fondo)
                difetto(dove + QStringLiteral("a piece at %1 over the one above it, down to %2").arg(p.y).arg(fondo));
            fondo = p.y + p.altezza;
            if (fondo > altezzaPagina + 1 && pagina.pezzi.size() > 1)
                difetto(dove + QStringLiteral("a piece down to %1, past the page's foot").arg(fondo));
            if (p.primaLinea < 0 || p.primaLinea > p.fineLinea || p.fineLinea > int(pagina.linee.size())) {
                difetto(dove + QStringLiteral("a piece's lines out of its page"));
                continue;
            }
            for (int k = p.primaLinea; k < p.fineLinea; ++k) {
                const Linea& l = pagina.linee[std::size_t(k)];
                if (l.blocco != p.blocco || l.riga != (riga ? riga->riga : 0) || l.y < p.y || l.y + l.altezza > p.y + p.altezza)
                    difetto(dove + QStringLiteral("a line at %1 outside its piece at %2 of %3").arg(l.y).arg(p.y).arg(p.altezza));
                if (riga && riga->ripetuta)
                    continue;
                // A cell's paragraph ends with one character more, its paragraph end.
                int& fine = fineTesto[{l.blocco, l.riga, l.colonna}];
                if (l.inizio != fine && !(l.riga > 0 && l.inizio == fine + 1))
                    difetto(dove + QStringLiteral("a line of block %1 from %2 after %3").arg(l.blocco).arg(l.inizio).arg(fine));
                fine = l.fine;
            }
        }
    }
    return trovati;
}

} // namespace controlloPagine
