// What the pages draw, against the lines and rows the page model keeps: every word of
// the program's own PDF where the model puts it (read back with poppler's pdftotext,
// at the saved PDF's resolution and at a printer's and the screen's), the pages
// drawn at the screen's resolution with every header shaded, every border drawn and
// no ink outside the model's lines and rows, and every border of a table in its
// place, of the stated thickness and colours, in the saved PDF and on the screen.
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

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

using namespace documento;

namespace {

const QString CR(1, QChar(13));
constexpr double margine = 20.0 / 25.4 * 72.0; // the page's margin in points

// A table without a format, three rows of four cells that read their row and column.
void tabellaSenzaFormato(Documento& d)
{
    auto s = d.aggiungiTabella(3, 4);
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 4; ++c)
            s->scriviCella(r, c, QStringLiteral("%1.%2").arg(r).arg(c));
}

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
    tabellaSenzaFormato(*d);
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

namespace {

// The one look of a formatted table, as stated: a navy header row in white text, a
// first column in light blue, grey borders of half a point (10 twips) everywhere.
constexpr QRgb blu = 0x1F3864, azzurro = 0xDEEAF6, bianco = 0xFFFFFF, grigio = 0x808080;
constexpr double bordoMezzoPunto = 10;

// A formatted table that goes on to a second page under its repeated header, an
// empty line and a table without a format; an empty line above and below each, so
// that no text stands near a border but the cells'.
std::shared_ptr<Documento> tabelleConBordi()
{
    auto d = std::make_shared<Documento>();
    d->impostaNomeCarattere(QStringLiteral("Century Gothic"));
    d->impostaDimensione(12);
    d->scrivi(QStringLiteral("Bordi") + CR + CR);
    auto t = d->aggiungiTabella(80, 3);
    t->impostaDimensione(10);
    for (int r = 1; r <= 80; ++r) {
        t->scriviCella(r, 1, r == 1 ? QStringLiteral("voce") : QStringLiteral("riga %1").arg(r));
        t->scriviCella(r, 2, r == 1 ? QStringLiteral("valore") : QString::number(r * 13.7, 'f', 2));
        t->scriviCella(r, 3, r == 1 ? QStringLiteral("nota") : QStringLiteral("nota %1").arg(r).repeated(r % 3 + 1));
    }
    t->formattaAutomatico();
    d->allineaColonna(1, 2, Allineamento::Destra);
    d->scrivi(CR);
    tabellaSenzaFormato(*d);
    return d;
}

// A point of a page, in twips from the top left corner of its text area.
struct Punto {
    double x = 0, y = 0;
};

// A border as the pages should show it at `punto` of a row's edge: drawn inside the
// row from its top (verso 1) or from its foot (-1), or astride a column's edge (0).
struct BordoAtteso {
    bool orizzontale;
    Punto punto;
    int verso;
    QString quale;
};

// What a page should show of its tables: one point of every border per cell it
// closes (tops, feet, edges and the lines between cells), and each cell's shading at
// a point of its margin where no text stands. Rows are found from the pages' pieces
// alone: the first row a page holds of a table opens it with its top border.
void attesiDellaPagina(Documento& d, const Pagina& pagina, std::vector<BordoAtteso>& bordi,
                       std::vector<std::pair<Punto, QRgb>>& sfondi)
{
    std::map<int, int> tabelle; // block -> its table, from 1
    for (std::size_t b = 0, n = 0; b < d.blocchi().size(); ++b)
        if (std::holds_alternative<Griglia>(d.blocchi()[b]))
            tabelle[int(b)] = int(++n);
    std::set<int> aperte;
    for (const PezzoPagina& parte : pagina.pezzi) {
        const Pezzo& pezzo = comune(parte);
        if (!tabelle.contains(pezzo.blocco))
            continue;
        const int numero = tabelle[pezzo.blocco];
        const dettaglio::FormaTabella forma = dettaglio::formaTabella(d, numero);
        const bool formattata = d.griglia(numero)->formattata;
        const int colonne = int(forma.colonne.size());
        const bool primo = aperte.insert(pezzo.blocco).second;
        // The header row: its lines are the first row's, where it stands and where it is repeated.
        const bool testata = formattata && std::any_of(pagina.linee.begin(), pagina.linee.end(), [&](const Linea& l) {
            return l.blocco == pezzo.blocco && l.riga == 1 && l.y >= pezzo.y && l.y < pezzo.y + pezzo.altezza;
        });
        const QString riga = QStringLiteral("table %1, row at %2").arg(numero).arg(pezzo.y);
        const double fondo = pezzo.y + pezzo.altezza;
        for (int k = 1; k <= colonne; ++k) {
            const double margine = forma.sinistra(k + 1) - forma.margine / 2.0; // inside the cell's right margin
            if (primo)
                bordi.push_back({true, {margine, double(pezzo.y)}, 1, riga + QStringLiteral(": top")});
            bordi.push_back({true, {margine, fondo}, -1, riga + QStringLiteral(": foot")});
            QRgb colore = bianco;
            if (testata)
                colore = blu;
            else if (formattata && k == 1)
                colore = azzurro;
            sfondi.push_back({{margine, fondo - 3 * bordoMezzoPunto}, colore});
        }
        for (int k = 1; k <= colonne + 1; ++k)
            bordi.push_back({false, {double(forma.sinistra(k)), pezzo.y + pezzo.altezza / 2.0}, 0,
                             riga + QStringLiteral(": edge %1 of %2").arg(k).arg(colonne + 1)});
    }
}

struct Sezione {
    double spessore = 0; // twips
    double centro = 0;   // twips from the text area's edge
    QRgb nucleo = 0;     // the pixel at its middle
    bool traBianchi = false; // white on both sides
};

// Across a border whose middle should stand at `centro` (twips), the pixels two and a
// half pixels or 25 twips beyond its `spessore` either side: how much of each is grey
// against the colour on its side of the border, summed into the border's thickness
// and weighed into where its middle stands.
Sezione sezione(const QImage& img, double dpi, const BordoAtteso& b, double centro, double spessore)
{
    const double s = dpi / 1440.0, m = dettaglio::margineTwips();
    const double lungo = ((b.orizzontale ? b.punto.x : b.punto.y) + m) * s;
    const double attraverso = (centro + m) * s, largo = spessore / 2 * s + std::max(2.5, 25 * s);
    const int fisso = int(std::floor(lungo));
    const int da = int(std::floor(attraverso - largo)), a = int(std::floor(attraverso + largo));
    const auto pixel = [&](int i) { return b.orizzontale ? img.pixel(fisso, i) : img.pixel(i, fisso); };
    const QRgb prima = pixel(da), dopo = pixel(a);
    const auto chiaro = [](QRgb c) { return qRed(c) >= 250 && qGreen(c) >= 250 && qBlue(c) >= 250; };
    Sezione sez;
    sez.traBianchi = chiaro(prima) && chiaro(dopo);
    double somma = 0, momento = 0;
    for (int i = da; i <= a; ++i) {
        const QRgb sfondo = i + 0.5 < attraverso ? prima : dopo;
        const QRgb v = pixel(i);
        double num = 0, den = 0;
        for (const int spostamento : {16, 8, 0}) {
            const auto canale = [&](QRgb c) { return double((c >> spostamento) & 0xFF); };
            const double g = canale(grigio) - canale(sfondo);
            num += (canale(v) - canale(sfondo)) * g;
            den += g * g;
        }
        const double f = den > 0 ? std::clamp(num / den, 0.0, 1.0) : 0.0;
        somma += f;
        momento += f * (i + 0.5);
    }
    sez.spessore = somma / s;
    sez.centro = somma > 0 ? momento / somma / s - m : -1e9;
    if (somma > 0)
        sez.nucleo = pixel(int(std::floor(momento / somma)));
    return sez;
}

// How closely a drawing is measured, in twips: where a border stands, and its
// thickness between two white cells or beside a shaded one (whose edge the drawing's
// smoothing blends into the border).
struct Tolleranze {
    double posto, spessore, spessoreSulColore;
};

// Every border of the tables of `pagine` (images at `dpi`) in its place, `spessore`
// twips thick and grey, every cell in its stated shading and the header's text white.
void confrontaBordi(Documento& d, const std::vector<QImage>& pagine, double dpi, double spessore, Tolleranze t,
                    const char* come)
{
    SCOPED_TRACE(come);
    ASSERT_EQ(pagine.size(), d.pagine().size());
    const double s = dpi / 1440.0, m = dettaglio::margineTwips();
    int traBianchi = 0, testate = 0;
    for (std::size_t p = 0; p < pagine.size(); ++p) {
        const QImage& img = pagine[p];
        std::vector<BordoAtteso> bordi;
        std::vector<std::pair<Punto, QRgb>> sfondi;
        attesiDellaPagina(d, d.pagine()[p], bordi, sfondi);
        int difetti = 0;
        for (const BordoAtteso& b : bordi) {
            const double centro = (b.orizzontale ? b.punto.y : b.punto.x) + b.verso * spessore / 2;
            const Sezione sez = sezione(img, dpi, b, centro, spessore);
            const bool nelPosto = std::abs(sez.centro - centro) <= t.posto;
            const bool spesso = std::abs(sez.spessore - spessore) <= (sez.traBianchi ? t.spessore : t.spessoreSulColore);
            // A band of two pixels or more covers one of them whole: the border's own grey.
            const bool grigioPieno = spessore * s < 2
                || (std::abs(qRed(sez.nucleo) - 0x80) <= 3 && std::abs(qGreen(sez.nucleo) - 0x80) <= 3 && std::abs(qBlue(sez.nucleo) - 0x80) <= 3);
            traBianchi += sez.traBianchi;
            if ((!nelPosto || !spesso || !grigioPieno) && ++difetti <= 5)
                ADD_FAILURE() << "page " << p + 1 << ", " << b.quale.toStdString() << ": a border " << sez.spessore
                              << " twips thick (" << spessore << " stated) at " << sez.centro << " (" << centro
                              << " stated), its grey #" << std::hex << (sez.nucleo & 0xFFFFFF) << std::dec;
        }
        EXPECT_EQ(difetti, 0) << "page " << p + 1 << ": of " << bordi.size() << " border points";
        for (const auto& [punto, colore] : sfondi) {
            const QRgb v = img.pixel(int((punto.x + m) * s), int((punto.y + m) * s));
            EXPECT_TRUE(std::abs(qRed(v) - qRed(colore)) <= 2 && std::abs(qGreen(v) - qGreen(colore)) <= 2
                        && std::abs(qBlue(v) - qBlue(colore)) <= 2)
                << "page " << p + 1 << " at " << punto.x << ", " << punto.y << ": #" << std::hex << (v & 0xFFFFFF)
                << " where #" << colore << " is stated";
        }
        // The header's text: its lightest pixel on the navy is white.
        for (const Linea& l : d.pagine()[p].linee) {
            const auto* g = std::get_if<Griglia>(&d.blocchi()[std::size_t(l.blocco)]);
            if (!g || !g->formattata || l.riga != 1 || l.frammenti.empty())
                continue;
            int piuChiaro = 0;
            const double destra = l.frammenti.back().x + l.frammenti.back().larghezza;
            for (int y = int((l.y + m) * s); y < int((l.y + l.altezza + m) * s); ++y)
                for (int x = int((l.frammenti.front().x + m) * s); x < int((destra + m) * s); ++x)
                    piuChiaro = std::max(piuChiaro, qGray(img.pixel(x, y)));
            EXPECT_GE(piuChiaro, 0xF0) << "page " << p + 1 << ": the header's text is not white";
            ++testate;
        }
    }
    EXPECT_GT(traBianchi, 100) << "borders measured between white cells";
    EXPECT_EQ(testate, 6) << "the header row's three cells, on each of the table's two pages";
}

} // namespace

// The tables' borders, shading and header text, as the saved PDF shows them (drawn by
// poppler's cairo renderer at 300 dpi) and as the screen shows them (drawn at 96 dpi
// as the document window draws them, borders a device pixel thick).
TEST(DisegnoPagine, EveryBorderOfATableInItsPlaceWithTheStatedThicknessAndColours)
{
    auto d = tabelleConBordi();
    ASSERT_EQ(d->pagine().size(), 2u);

    QTemporaryDir cartella;
    const QString pdf = cartella.filePath(QStringLiteral("bordi.pdf"));
    ASSERT_TRUE(d->salvaPdf(pdf));
    std::vector<QImage> salvate;
    for (int p = 1; p <= 2; ++p) {
        const QString png = cartella.filePath(QStringLiteral("pagina%1").arg(p));
        QProcess pdftocairo;
        pdftocairo.start(QStringLiteral("pdftocairo"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("300"),
                                                        QStringLiteral("-f"), QString::number(p), QStringLiteral("-l"),
                                                        QString::number(p), QStringLiteral("-singlefile"), pdf, png});
        ASSERT_TRUE(pdftocairo.waitForFinished(60000) && pdftocairo.exitCode() == 0) << "pdftocairo (poppler-utils) is needed";
        salvate.push_back(QImage(png + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32));
    }
    confrontaBordi(*d, salvate, 300, bordoMezzoPunto, {1, 0.5, 3}, "saved PDF");

    std::vector<QImage> schermo;
    constexpr double dpi = 96;
    for (int p = 0; p < 2; ++p) {
        QImage img(qRound(210 / 25.4 * dpi), qRound(297 / 25.4 * dpi), QImage::Format_RGB32);
        img.fill(Qt::white);
        {
            // As the document window draws them.
            QPainter pittore(&img);
            pittore.setRenderHint(QPainter::Antialiasing);
            pittore.setRenderHint(QPainter::TextAntialiasing);
            d->disegnaPagina(pittore, p, dpi);
        }
        schermo.push_back(img);
    }
    confrontaBordi(*d, schermo, dpi, 1440 / dpi, {5, 1, 7.5}, "screen");
}
