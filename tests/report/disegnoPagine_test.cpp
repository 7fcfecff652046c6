// What the pages draw, against the lines and rows the page model keeps: every word of
// the program's own PDF where the model puts it (read back with poppler's pdftotext,
// at the saved PDF's resolution and at a printer's and the screen's), and the pages
// drawn at the screen's resolution with every header shaded, every border drawn and
// no ink outside the model's lines and rows.
#include "report/aspettoTabella.h"
#include "report/documento.h"
#include "report/metriche.h"
#include "report/posizioniLinea.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

using namespace documento;

namespace {

const QString CR(1, QChar(13));
constexpr double margine = 20.0 / 25.4 * 72.0; // the page's margin in points

// Justified paragraphs in two faces, a formatted table whose row of many lines is
// split between pages and whose header repeats, and a table without a format.
std::shared_ptr<Documento> esempio()
{
    auto d = std::make_shared<Documento>();
    d->impostaNomeCarattere(QStringLiteral("Century Gothic"));
    d->impostaDimensione(20);
    d->impostaGrassetto(1);
    d->scrivi(QStringLiteral("RELAZIONE DI CALCOLO") + CR);
    d->impostaGrassetto(0);
    const QString frase = QStringLiteral("Il collettore riceve il massimo dell'energia quando i raggi del sole sono "
                                         "perpendicolari alla sua superficie, 12,5 kWh/anno; ");
    for (int i = 0; i < 14; ++i) {
        d->impostaNomeCarattere(i % 2 ? QStringLiteral("Times New Roman") : QStringLiteral("Century Gothic"));
        d->impostaDimensione(i % 3 ? 12 : 10);
        d->scrivi(frase.repeated(1 + i % 3) + QString::number(i) + CR);
    }
    d->allineaTutto(Allineamento::Giustificato);
    d->impostaNomeCarattere(QStringLiteral("Century Gothic"));
    d->impostaDimensione(12);
    auto t = d->aggiungiTabella(40, 3);
    t->impostaDimensione(10);
    for (int r = 1; r <= 40; ++r) {
        t->scriviCella(r, 1, r == 1 ? QStringLiteral("voce") : QStringLiteral("riga %1").arg(r));
        t->scriviCella(r, 2, r == 1 ? QStringLiteral("valore") : QString::number(r * 13.7, 'f', 2));
        t->scriviCella(r, 3, r == 1 ? QStringLiteral("nota") : r == 6 ? frase.repeated(14) : QStringLiteral("nota %1").arg(r));
    }
    t->formattaAutomatico();
    d->allineaColonna(1, 2, Allineamento::Destra);
    d->scrivi(QStringLiteral("Tabella senza formato:") + CR);
    auto s = d->aggiungiTabella(3, 4);
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 4; ++c)
            s->scriviCella(r, c, QStringLiteral("%1.%2").arg(r).arg(c));
    return d;
}

struct Parola {
    QString testo;
    double x = 0, y = 0; // left and top, points
};

// What poppler's pdftotext reads in a PDF: its text, or with -bbox its words and boxes.
QString pdftotext(const QByteArray& pdf, const QStringList& opzioni = {})
{
    QTemporaryDir cartella;
    const QString nome = cartella.filePath(QStringLiteral("pagine.pdf"));
    QFile file(nome);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size());
    file.close();
    QProcess processo;
    processo.start(QStringLiteral("pdftotext"), opzioni + QStringList{nome, QStringLiteral("-")});
    EXPECT_TRUE(processo.waitForFinished(30000)) << "pdftotext (poppler-utils) is needed";
    return QString::fromUtf8(processo.readAllStandardOutput());
}

// The words of each page of a PDF, as pdftotext places them.
std::vector<std::vector<Parola>> paroleDelPdf(const QByteArray& pdf)
{
    const QString xml = pdftotext(pdf, {QStringLiteral("-bbox")});
    static const QRegularExpression parola(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" yMax=\"[\\d.]+\">([^<]*)</word>"));
    std::vector<std::vector<Parola>> pagine;
    for (const QString& pagina : xml.split(QStringLiteral("<page ")).mid(1)) {
        pagine.emplace_back();
        for (auto m = parola.globalMatch(pagina); m.hasNext();) {
            const auto p = m.next();
            QString testo = p.captured(3);
            testo.replace(QStringLiteral("&apos;"), QStringLiteral("'")).replace(QStringLiteral("&quot;"), QStringLiteral("\""));
            testo.replace(QStringLiteral("&lt;"), QStringLiteral("<")).replace(QStringLiteral("&gt;"), QStringLiteral(">"));
            testo.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
            pagine.back().push_back({testo, p.captured(1).toDouble(), p.captured(2).toDouble()});
        }
    }
    return pagine;
}

// The words the model's lines hold on each page, where their glyphs' tops stand.
std::vector<std::vector<Parola>> paroleDelModello(Documento& d)
{
    std::vector<std::vector<Parola>> pagine;
    for (const Pagina& pagina : d.pagine()) {
        pagine.emplace_back();
        for (const Linea& l : pagina.linee)
            for (const Frammento& f : l.frammenti) {
                const double ascesa = f.metrica->misura.metriche().ascent() / dettaglio::unitaPerTwip / 20.0;
                const double y = margine + (l.y + l.ascesa) / 20.0 - ascesa;
                int i = 0;
                for (const QString& p : f.testo.split(QLatin1Char(' '))) {
                    if (!p.isEmpty())
                        pagine.back().push_back({p, margine + dettaglio::xInLinea(l, f.inizio + i) / 20.0, y});
                    i += int(p.size()) + 1;
                }
            }
    }
    return pagine;
}

// Every word drawn where the model has it, and nothing else drawn.
void confronta(const std::vector<std::vector<Parola>>& modello, const std::vector<std::vector<Parola>>& pdf, double tolleranza,
               const char* come)
{
    SCOPED_TRACE(come);
    ASSERT_EQ(pdf.size(), modello.size()) << "pages";
    for (std::size_t p = 0; p < modello.size(); ++p) {
        std::vector<Parola> resto = pdf[p];
        int mancanti = 0;
        for (const Parola& attesa : modello[p]) {
            const auto trovata = std::find_if(resto.begin(), resto.end(), [&](const Parola& w) {
                return w.testo == attesa.testo && std::abs(w.x - attesa.x) <= tolleranza && std::abs(w.y - attesa.y) <= tolleranza;
            });
            if (trovata != resto.end()) {
                resto.erase(trovata);
            } else if (++mancanti <= 3) {
                ADD_FAILURE() << "page " << p + 1 << ": \"" << attesa.testo.toStdString() << "\" not drawn at x " << attesa.x
                              << " y " << attesa.y << " pt";
            }
        }
        EXPECT_EQ(mancanti, 0) << "page " << p + 1;
        for (std::size_t i = 0; i < resto.size() && i < 3; ++i)
            ADD_FAILURE() << "page " << p + 1 << ": \"" << resto[i].testo.toStdString() << "\" drawn at x " << resto[i].x << " y "
                          << resto[i].y << " pt where the model has nothing";
    }
}

const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));

QByteArray letto(const QString& nome)
{
    QFile file(nome);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << nome.toStdString();
    return file.readAll();
}

// The PDF a print to a file writes, at the printer's resolution.
QByteArray pdfStampato(Documento& d, int risoluzione)
{
    QTemporaryDir cartella;
    const QString nome = cartella.filePath(QStringLiteral("stampa.pdf"));
    EXPECT_TRUE(d.stampaPdf(nome, a4, risoluzione));
    return letto(nome);
}

} // namespace

TEST(DisegnoPagine, EveryWordOfTheSavedAndPrintedPdfStandsWhereTheModelPutsIt)
{
    auto d = esempio();
    ASSERT_GE(d->pagine().size(), 2u);
    const auto modello = paroleDelModello(*d);

    QTemporaryDir cartella;
    const QString nome = cartella.filePath(QStringLiteral("salvato.pdf"));
    ASSERT_TRUE(d->salvaPdf(nome));
    // The saved PDF is drawn at 1200 dpi: a quarter of a point is a few of its dots.
    confronta(modello, paroleDelPdf(letto(nome)), 0.25, "saved PDF");
    confronta(modello, paroleDelPdf(pdfStampato(*d, 600)), 0.25, "printed at 600 dpi");
    // The screen's pixel is three quarters of a point.
    confronta(modello, paroleDelPdf(pdfStampato(*d, 96)), 1.5, "drawn at 96 dpi");
}

namespace {

// The PDF Qt's writer makes of the pages, as it is.
QByteArray pdfDelloScrittore(Documento& d, int risoluzione)
{
    QByteArray dati;
    QBuffer buffer(&dati);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(risoluzione);
        pdf.setPageLayout(a4);
        EXPECT_TRUE(d.stampa(&pdf));
    }
    return dati;
}

// Whether every object the cross-reference table lists stands where it says (poppler
// rebuilds a wrong table silently).
bool tabellaGiusta(const QByteArray& pdf)
{
    static const QRegularExpression fine(QStringLiteral("startxref\\n(\\d+)"));
    const auto m = fine.match(QString::fromLatin1(pdf.right(64)));
    const qsizetype xref = m.hasMatch() ? m.captured(1).toLongLong() : -1;
    const QList<QByteArray> righe = pdf.mid(xref).split('\n');
    if (xref < 0 || righe.size() < 2 || righe[0] != "xref" || !righe[1].startsWith("0 "))
        return false;
    const int oggetti = righe[1].mid(2).toInt();
    for (int k = 1; k < oggetti; ++k)
        if (!pdf.mid(righe[2 + k].left(10).toLongLong()).startsWith(QByteArray::number(k) + " 0 obj"))
            return false;
    return oggetti > 1;
}

} // namespace

// Copied or searched in a viewer, the text of the saved PDF and of a print to a file
// reads the letters a ligature joins ("superficie", not "superﬁcie"); the glyphs stand
// just where the writer puts them and the file's table finds every object.
TEST(DisegnoPagine, ThePdfsTextReadsTheLettersALigatureJoins)
{
    auto d = std::make_shared<Documento>();
    for (const QString& nome : {QStringLiteral("Century Gothic"), QStringLiteral("Times New Roman")})
        for (const int grassetto : {0, 1}) {
            d->impostaNomeCarattere(nome);
            d->impostaGrassetto(grassetto);
            d->scrivi(QStringLiteral("superficie fluido officina") + CR);
        }
    QTemporaryDir cartella;
    const QString salvato = cartella.filePath(QStringLiteral("salvato.pdf")), stampato = cartella.filePath(QStringLiteral("stampato.pdf"));
    ASSERT_TRUE(d->salvaPdf(salvato));
    ASSERT_TRUE(d->stampaPdf(stampato, a4, 600));
    for (const auto& [nome, risoluzione] : {std::pair{salvato, 1200}, std::pair{stampato, 600}}) {
        SCOPED_TRACE(nome.toStdString());
        const QByteArray pdf = letto(nome), scrittore = pdfDelloScrittore(*d, risoluzione);
        ASSERT_TRUE(pdftotext(scrittore).contains(QChar(0xFB01))) << "the writer's own text holds the ligature";
        EXPECT_EQ(pdftotext(pdf).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
                  QStringList(4, QStringLiteral("superficie fluido officina")) + QStringList{QStringLiteral("\f")});
        // Every word's box as the writer's, its text the ligature's letters.
        const auto parole = [](const QByteArray& pdf) { return pdftotext(pdf, {QStringLiteral("-bbox")}).section(QStringLiteral("<body>"), 1); };
        EXPECT_EQ(parole(pdf), parole(scrittore).normalized(QString::NormalizationForm_KC));
        EXPECT_TRUE(tabellaGiusta(pdf));
    }
}

namespace {

struct Rettangolo {
    QRectF r;
    QRgb colore;
};

double luce(QRgb c) { return 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c); }

QRectF inPixel(double x, double y, double larghezza, double altezza, double dpi)
{
    const double s = dpi / 1440.0, m = dettaglio::margineTwips();
    return {(m + x) * s, (m + y) * s, larghezza * s, altezza * s};
}

} // namespace

// At the screen's resolution: each header cell shaded (the repeated ones too), each
// first-column cell of a formatted table shaded, a border at every row's foot and
// every column's edge, text in every line of text, and no ink anywhere else.
TEST(DisegnoPagine, PagesDrawnAtTheScreensResolutionShowEveryRowsShadingBordersAndTextOnly)
{
    auto d = esempio();
    constexpr double dpi = 96;
    const auto& pagine = d->pagine();
    int testateViste = 0, righeDivise = 0;
    for (std::size_t p = 0; p < pagine.size(); ++p) {
        SCOPED_TRACE("page " + std::to_string(p + 1));
        QImage img(qRound(210 / 25.4 * dpi), qRound(297 / 25.4 * dpi), QImage::Format_RGB32);
        img.fill(Qt::white);
        {
            // As the document window draws them.
            QPainter pittore(&img);
            pittore.setRenderHint(QPainter::Antialiasing);
            pittore.setRenderHint(QPainter::TextAntialiasing);
            d->disegnaPagina(pittore, int(p), dpi);
        }
        QImage concesso(img.size(), QImage::Format_Grayscale8); // where ink may stand
        concesso.fill(0);
        QPainter maschera(&concesso);
        const auto permetti = [&](const QRectF& r, double bordo) { maschera.fillRect(r.adjusted(-bordo, -bordo, bordo, bordo), Qt::white); };

        for (const Linea& l : pagine[p].linee) {
            if (l.frammenti.empty())
                continue;
            const double sinistra = l.frammenti.front().x;
            const double destra = l.frammenti.back().x + l.frammenti.back().larghezza;
            const QRectF r = inPixel(sinistra, l.y, destra - sinistra, l.altezza, dpi);
            permetti(r, 1.5);
            // Some ink (or, on a dark header, some light) inside the line.
            bool segno = false;
            for (int y = int(r.top()); y <= int(r.bottom()) && !segno; ++y)
                for (int x = int(r.left()); x <= int(r.right()) && !segno; ++x)
                    segno = std::abs(luce(img.pixel(x, y)) - luce(img.pixel(int(r.left()) - 1, int(r.bottom())))) > 90;
            EXPECT_TRUE(segno) << "nothing drawn in the line at y " << l.y;
        }
        for (const PezzoPagina& parte : pagine[p].pezzi) {
            const auto* riga = std::get_if<PezzoRiga>(&parte);
            if (!riga)
                continue;
            const PezzoRiga& pezzo = *riga;
            const Griglia* g = d->griglia(pezzo.tabella);
            ASSERT_TRUE(g);
            const dettaglio::FormaTabella forma = dettaglio::formaTabella(*d, pezzo.tabella);
            testateViste += pezzo.ripetuta;
            righeDivise += !pezzo.intera;
            for (int k = 1; k <= g->colonne; ++k) {
                const QRectF cella = inPixel(forma.sinistra(k), pezzo.y, forma.colonne[std::size_t(k - 1)], pezzo.altezza, dpi);
                permetti(cella, 1); // and the half pixel its borders' edges blend into
                // The shading where no text reaches: just above the cell's foot, at its right.
                const QRgb campione = img.pixel(int(cella.right()) - 3, int(cella.bottom()) - 3);
                const auto sfondo = forma.sfondo(pezzo.riga, k);
                if (sfondo)
                    EXPECT_LT(std::abs(luce(campione) - luce(*sfondo)), 12) << "row " << pezzo.riga << " column " << k << " unshaded";
                else
                    EXPECT_GT(luce(campione), 250) << "row " << pezzo.riga << " column " << k << " shaded";
                // The border at the cell's left edge and at its foot: the darkest of the
                // three pixels around where it stands.
                const double m = dpi / 1440.0 * dettaglio::margineTwips();
                const double xBordo = m + forma.sinistra(k) * dpi / 1440.0;
                double sinistro = 255, piede = 255;
                for (int d = -1; d <= 1; ++d) {
                    sinistro = std::min(sinistro, luce(img.pixel(int(std::floor(xBordo)) + d, int(cella.center().y()))));
                    piede = std::min(piede, luce(img.pixel(int(cella.center().x()), int(std::floor(cella.bottom() - 0.5)) + d)));
                }
                EXPECT_LT(sinistro, 215) << "no border left of row " << pezzo.riga << " column " << k;
                EXPECT_LT(piede, 215) << "no border at the foot of row " << pezzo.riga << " column " << k;
            }
        }
        maschera.end();
        int fuori = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                fuori += luce(img.pixel(x, y)) < 200 && qGray(concesso.pixel(x, y)) == 0;
        EXPECT_EQ(fuori, 0) << "pixels inked outside the model's lines and rows";
    }
    EXPECT_GT(testateViste, 0) << "the example repeats its header";
    EXPECT_GT(righeDivise, 0) << "the example splits a row";
}
