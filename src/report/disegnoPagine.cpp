// Drawing the pages of a document: the lines and rows the pagination placed, where it
// placed them, on the screen, on a printer or into a PDF alike. Nothing is laid out here.
#include "report/documento.h"

#include "report/aspettoTabella.h"
#include "report/metriche.h"

#include <QPainter>

#include <algorithm>

namespace documento {

namespace {

using namespace dettaglio;

// Layout units from twips.
double u(double twips) { return twips * unitaPerTwip; }

// A piece's lines, each piece of text on the line's baseline.
void disegnaLinee(QPainter& pittore, const Pagina& pagina, const Pezzo& pezzo, const QColor& colore)
{
    pittore.setPen(colore);
    for (int i = pezzo.primaLinea; i < pezzo.fineLinea; ++i) {
        const Linea& linea = pagina.linee[std::size_t(i)];
        const double base = u(linea.y + linea.ascesa);
        for (const Frammento& f : linea.frammenti) {
            pittore.setFont(f.metrica->font);
            pittore.drawText(QPointF(u(f.x), base), f.testo);
        }
    }
}

// A table's row: its shading, then its text, then its borders, at least a device's
// pixel thick (`pixel`, in layout units) so that the screen shows them.
void disegnaRiga(QPainter& pittore, const FormaTabella& forma, const PezzoRiga& pezzo, const Pagina& pagina, double pixel)
{
    const int alto = pezzo.y;
    const int basso = pezzo.y + pezzo.altezza;
    const int colonne = int(forma.colonne.size());
    for (int k = 1; k <= colonne; ++k)
        if (const auto sfondo = forma.sfondo(pezzo.riga, k))
            pittore.fillRect(QRectF(u(forma.sinistra(k)), u(alto), u(forma.colonne[std::size_t(k - 1)]), u(basso - alto)),
                             QColor(*sfondo));
    const std::optional<QRgb> colore = forma.coloreTesto(pezzo.riga);
    disegnaLinee(pittore, pagina, pezzo, colore ? QColor(*colore) : QColor(Qt::black));
    const QColor bordo(coloreBordo);
    const double spessore = std::max(u(bordoTwips), pixel);
    const double sinistra = u(forma.sinistra(1)), destra = u(forma.sinistra(colonne + 1));
    if (pezzo.bordoSopra)
        pittore.fillRect(QRectF(sinistra, u(alto), destra - sinistra, spessore), bordo);
    pittore.fillRect(QRectF(sinistra, u(basso) - spessore, destra - sinistra, spessore), bordo);
    for (int k = 1; k <= colonne + 1; ++k)
        pittore.fillRect(QRectF(u(forma.sinistra(k)) - spessore / 2, u(alto), spessore, u(basso - alto)), bordo);
}

// The text of a line as it stands in its paragraph or cell, without its line break.
QString testoLinea(const QString& sorgente, const Linea& linea)
{
    QString t = sorgente.mid(linea.inizio, linea.fine - linea.inizio);
    t.remove(QChar(0x0B));
    return t.trimmed();
}

} // namespace

void Documento::disegnaPagina(QPainter& pittore, int indice, double dpi)
{
    const std::vector<Pagina>& tutte = pagine();
    if (indice < 0 || indice >= int(tutte.size()))
        return;
    const Pagina& pagina = tutte[std::size_t(indice)];
    pittore.save();
    const double scala = dpi / (twipsPerPollice * unitaPerTwip);
    pittore.scale(scala, scala);
    pittore.translate(u(margineTwips()), u(margineTwips()));
    int tabella = 0;
    FormaTabella forma;
    for (const PezzoPagina& pezzo : pagina.pezzi) {
        const auto* riga = std::get_if<PezzoRiga>(&pezzo);
        if (!riga) {
            disegnaLinee(pittore, pagina, comune(pezzo), Qt::black);
            continue;
        }
        if (riga->tabella != tabella) {
            tabella = riga->tabella;
            forma = formaTabella(*this, tabella);
        }
        disegnaRiga(pittore, forma, *riga, pagina, twipsPerPollice * unitaPerTwip / dpi);
    }
    pittore.restore();
}

QString Documento::testoPagina(int indice)
{
    const std::vector<Pagina>& tutte = pagine();
    if (indice < 0 || indice >= int(tutte.size()))
        return {};
    const Pagina& pagina = tutte[std::size_t(indice)];
    QStringList righe;
    for (const PezzoPagina& parte : pagina.pezzi) {
        const Pezzo& pezzo = comune(parte);
        const auto* riga = std::get_if<PezzoRiga>(&parte);
        if (!riga) {
            const QString testo = std::get<Capoverso>(blocchi_[std::size_t(pezzo.blocco)]).testo();
            for (int i = pezzo.primaLinea; i < pezzo.fineLinea; ++i)
                righe << testoLinea(testo, pagina.linee[std::size_t(i)]);
            continue;
        }
        const Griglia& g = std::get<Griglia>(blocchi_[std::size_t(pezzo.blocco)]);
        QStringList celle;
        for (int k = 1; k <= g.colonne; ++k) {
            const QString& testo = g.cella(riga->riga, k);
            if (riga->intera) {
                celle << QString(testo).replace(QLatin1Char('\n'), QLatin1Char(' '));
                continue;
            }
            QStringList parti;
            for (int i = pezzo.primaLinea; i < pezzo.fineLinea; ++i) {
                const Linea& l = pagina.linee[std::size_t(i)];
                if (l.colonna == k && l.fine > l.inizio)
                    parti << testoLinea(testo, l);
            }
            celle << parti.join(QLatin1Char(' '));
        }
        righe << celle.join(QLatin1Char('\t'));
    }
    return righe.join(QLatin1Char('\n'));
}

} // namespace documento
