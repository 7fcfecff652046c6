// Drawing the pages of a document: every line and every row where the pagination put
// it, on the screen, on a printer or into a PDF alike.
#include "report/documento.h"

#include "report/impaginazioneInterna.h"

#include <QPainter>

#include <algorithm>

namespace documento {

namespace {

using namespace dettaglio;

const QColor coloreBordo(0x80, 0x80, 0x80);
const QColor sfondoIntestazione(0x1F, 0x38, 0x64);
const QColor sfondoPrimaColonna(0xDE, 0xEA, 0xF6);

// Layout units from twips.
double u(int twips) { return double(twips) * unitaPerTwip; }

// The cells of a table row: each cell's paragraphs laid out, their lines one list.
struct CellaDisposta {
    std::vector<std::unique_ptr<QTextLayout>> paragrafi;
    struct Linea {
        const QTextLayout* paragrafo;
        int indice; // in the paragraph; -1 for an empty paragraph
        Riga riga;
    };
    std::vector<Linea> linee;
};

void disponiCella(const Griglia& g, int r, int k, const ColonneTwips& misure, Metriche& metriche, CellaDisposta& cella)
{
    Carattere c = g.carattere;
    if (g.formattata && r == 1)
        c.grassetto = true;
    const int larghezza = std::max(1, misure.larghezze[std::size_t(k - 1)] - 2 * misure.margine);
    std::vector<Riga> righe;
    for (const auto& paragrafo : paragrafiCella(g.cella(r, k), c)) {
        auto testo = std::make_unique<QTextLayout>();
        righeDi(paragrafo, c, g.allineamenti[std::size_t(k - 1)], larghezza, metriche, righe, testo.get());
        for (std::size_t i = 0; i < righe.size(); ++i)
            cella.linee.push_back({testo.get(), paragrafo.empty() ? -1 : int(i), righe[i]});
        cella.paragrafi.push_back(std::move(testo));
    }
}

// A line of a layout with its top at `y` (layout units), its baseline where the
// word processor puts it.
void disegnaLinea(QPainter& pittore, const QTextLayout& testo, int indice, const Riga& riga, double x, double y)
{
    if (indice < 0)
        return;
    const QTextLine linea = testo.lineAt(indice);
    linea.draw(&pittore, QPointF(x, y + u(riga.ascesa) - linea.ascent()));
}

// The columns, in twips, of the table at position `blocco` of the document.
ColonneTwips misureDi(const Documento& documento, int blocco)
{
    const auto& blocchi = documento.blocchi();
    const auto numero = std::count_if(blocchi.begin(), blocchi.begin() + blocco + 1,
                                      [](const Blocco& b) { return std::holds_alternative<Griglia>(b); });
    return colonneTwips(documento.colonne(int(numero)));
}

std::pair<int, int> lineeMostrate(const PezzoPagina& pezzo, int k, int tutte)
{
    if (pezzo.celle.empty())
        return {0, tutte};
    const auto& intervallo = pezzo.celle[std::size_t(k - 1)];
    return {std::min(intervallo.first, tutte), std::min(intervallo.second, tutte)};
}

} // namespace

void Documento::disegnaPagina(QPainter& pittore, int indice, double dpi)
{
    const std::vector<Pagina>& tutte = pagine();
    if (indice < 0 || indice >= int(tutte.size()))
        return;
    Metriche& metriche = *metriche_;
    pittore.save();
    const double scala = dpi / (1440.0 * unitaPerTwip);
    pittore.scale(scala, scala);
    pittore.translate(u(margineTwips()), u(margineTwips()));
    pittore.setPen(Qt::black);
    std::vector<Riga> righe;
    for (const PezzoPagina& pezzo : tutte[std::size_t(indice)].pezzi) {
        if (pezzo.riga == 0) {
            const auto& p = std::get<Capoverso>(blocchi_[std::size_t(pezzo.blocco)]);
            QTextLayout testo;
            righeDi(p.sequenze, p.marca, p.allineamento, larghezzaTestoTwips(), metriche, righe, &testo);
            int y = pezzo.y;
            for (int k = pezzo.prima; k < pezzo.fine && k < int(righe.size()); ++k) {
                disegnaLinea(pittore, testo, p.testo().isEmpty() ? -1 : k, righe[std::size_t(k)], 0, u(y));
                y += righe[std::size_t(k)].altezza;
            }
            continue;
        }
        const auto& g = std::get<Griglia>(blocchi_[std::size_t(pezzo.blocco)]);
        const ColonneTwips misure = misureDi(*this, pezzo.blocco);
        const int alto = pezzo.y;
        const int basso = pezzo.y + pezzo.altezza;
        const int contenuto = alto + (pezzo.bordoSopra ? bordoTwips : 0);
        const bool testata = g.formattata && pezzo.riga == 1;
        // The table stands a cell margin to the left, so that its text lines up with the page's.
        int x = -misure.margine;
        std::vector<int> bordi{x};
        for (int k = 1; k <= g.colonne; ++k) {
            const int larghezza = misure.larghezze[std::size_t(k - 1)];
            if (testata || (g.formattata && k == 1))
                pittore.fillRect(QRectF(u(x), u(alto), u(larghezza), u(basso - alto)),
                                 testata ? sfondoIntestazione : sfondoPrimaColonna);
            CellaDisposta cella;
            disponiCella(g, pezzo.riga, k, misure, metriche, cella);
            const auto [da, a] = lineeMostrate(pezzo, k, int(cella.linee.size()));
            pittore.setPen(testata ? Qt::white : Qt::black);
            int y = contenuto;
            for (int i = da; i < a; ++i) {
                const CellaDisposta::Linea& l = cella.linee[std::size_t(i)];
                disegnaLinea(pittore, *l.paragrafo, l.indice, l.riga, u(x + misure.margine), u(y));
                y += l.riga.altezza;
            }
            x += larghezza;
            bordi.push_back(x);
        }
        pittore.setPen(Qt::black);
        const int sinistra = bordi.front(), destra = bordi.back();
        if (pezzo.bordoSopra)
            pittore.fillRect(QRectF(u(sinistra), u(alto), u(destra - sinistra), u(bordoTwips)), coloreBordo);
        pittore.fillRect(QRectF(u(sinistra), u(basso - bordoTwips), u(destra - sinistra), u(bordoTwips)), coloreBordo);
        for (int b : bordi)
            pittore.fillRect(QRectF(u(b) - u(bordoTwips) / 2, u(alto), u(bordoTwips), u(basso - alto)), coloreBordo);
    }
    pittore.restore();
}

QString Documento::testoPagina(int indice)
{
    const std::vector<Pagina>& tutte = pagine();
    if (indice < 0 || indice >= int(tutte.size()))
        return {};
    Metriche& metriche = *metriche_;
    QStringList linee;
    std::vector<Riga> righe;
    for (const PezzoPagina& pezzo : tutte[std::size_t(indice)].pezzi) {
        if (pezzo.riga == 0) {
            const auto& p = std::get<Capoverso>(blocchi_[std::size_t(pezzo.blocco)]);
            const QString testo = p.testo();
            righeDi(p.sequenze, p.marca, p.allineamento, larghezzaTestoTwips(), metriche, righe);
            for (int k = pezzo.prima; k < pezzo.fine && k < int(righe.size()); ++k)
                linee << testo.mid(righe[std::size_t(k)].inizio, righe[std::size_t(k)].lunghezza).trimmed();
            continue;
        }
        const auto& g = std::get<Griglia>(blocchi_[std::size_t(pezzo.blocco)]);
        QStringList celle;
        if (pezzo.celle.empty()) {
            for (int k = 1; k <= g.colonne; ++k)
                celle << QString(g.cella(pezzo.riga, k)).replace(QLatin1Char('\n'), QLatin1Char(' '));
        } else {
            const ColonneTwips misure = misureDi(*this, pezzo.blocco);
            for (int k = 1; k <= g.colonne; ++k) {
                CellaDisposta cella;
                disponiCella(g, pezzo.riga, k, misure, metriche, cella);
                const auto [da, a] = lineeMostrate(pezzo, k, int(cella.linee.size()));
                QStringList parti;
                for (int i = da; i < a; ++i) {
                    const CellaDisposta::Linea& l = cella.linee[std::size_t(i)];
                    if (l.indice >= 0)
                        parti << l.paragrafo->text().mid(l.riga.inizio, l.riga.lunghezza).trimmed();
                }
                celle << parti.join(QLatin1Char(' '));
            }
        }
        linee << celle.join(QLatin1Char('\t'));
    }
    return linee.join(QLatin1Char('\n'));
}

} // namespace documento
