#include "report/documento.h"

#include "report/docx.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>
#include <cmath>

namespace documento {

namespace {

// Layout resolution of the page count and of the pages printed or exported.
constexpr double dpiPagine = 300.0;
constexpr double mmPerPollice = 25.4;
// Word's default left and right cell margins: 108 twips.
constexpr double paddingCellaMm = 108.0 / 1440.0 * mmPerPollice;
constexpr double bordoMm = 0.18;
const QColor coloreBordo(0x80, 0x80, 0x80);
const QColor sfondoIntestazione(0x1F, 0x38, 0x64);
const QColor sfondoPrimaColonna(0xDE, 0xEA, 0xF6);

double daMm(double mm, double dpi) { return mm / mmPerPollice * dpi; }

// A paint device that only fixes the layout resolution.
const QImage& dispositivoPagine()
{
    static const QImage immagine = [] {
        QImage i(1, 1, QImage::Format_RGB32);
        const int puntiPerMetro = qRound(dpiPagine / 0.0254);
        i.setDotsPerMeterX(puntiPerMetro);
        i.setDotsPerMeterY(puntiPerMetro);
        return i;
    }();
    return immagine;
}

// The layout scales frame, table and border lengths by the paint device's resolution
// over the screen's; this measures that factor once, so lengths come out exact.
double scalaLunghezze()
{
    static const double scala = [] {
        QTextDocument prova;
        prova.documentLayout()->setPaintDevice(const_cast<QImage*>(&dispositivoPagine()));
        QTextFrameFormat formato = prova.rootFrame()->frameFormat();
        formato.setMargin(1000);
        prova.rootFrame()->setFrameFormat(formato);
        prova.setPageSize(QSizeF(1e7, 1e7));
        const double x = prova.documentLayout()->blockBoundingRect(prova.begin()).x();
        return x > 0 ? x / 1000.0 : 1.0;
    }();
    return scala;
}

QFont fontDi(const Carattere& c)
{
    QFont f(c.nome);
    f.setPointSizeF(c.dimensione);
    f.setBold(c.grassetto);
    return f;
}

QTextCharFormat formatoCarattere(const Carattere& c)
{
    installaSostituzioniCaratteri();
    QTextCharFormat f;
    f.setFontFamilies(QStringList{c.nome});
    f.setFontPointSize(c.dimensione);
    f.setFontWeight(c.grassetto ? QFont::Bold : QFont::Normal);
    return f;
}

// Single line spacing as a word processor takes it from the font the document
// names; the layout's own line (ascent, descent and leading of the font drawn in its
// place) is set to that share.
double percentualeRiga(const QString& famiglia)
{
    static QHash<QString, double> cache;
    const QString chiave = famiglia.toLower();
    if (const auto trovata = cache.constFind(chiave); trovata != cache.constEnd())
        return *trovata;
    installaSostituzioniCaratteri();
    QFont f(famiglia);
    f.setPixelSize(1000);
    const QFontMetricsF m(f);
    double voluta = (m.ascent() + m.descent()) / 1000.0;
    if (chiave == QLatin1String("century gothic"))
        voluta = 1.226;
    else if (chiave == QLatin1String("times new roman"))
        voluta = 1.15;
    const double naturale = m.lineSpacing() / 1000.0;
    const double percentuale = naturale > 0 ? 100.0 * voluta / naturale : 100.0;
    cache.insert(chiave, percentuale);
    return percentuale;
}

Qt::Alignment allineamentoQt(Allineamento a)
{
    switch (a) {
    case Allineamento::Centro:
        return Qt::AlignHCenter;
    case Allineamento::Destra:
        return Qt::AlignRight;
    case Allineamento::Giustificato:
        return Qt::AlignJustify;
    case Allineamento::Sinistra:
        break;
    }
    return Qt::AlignLeft;
}

// Text with '\v' as a line break inside the paragraph.
QString testoQt(const QString& testo)
{
    QString t = testo;
    t.replace(QChar(0x0B), QChar::LineSeparator);
    return t;
}

// Widths of the columns in mm: natural widths of the content when they fit, else
// shrunk towards the longest words, as a word processor fits a table to its content.
std::vector<double> larghezzeAdattate(const Griglia& g)
{
    const double disponibile = larghezzaPaginaMm - 2 * marginePaginaMm;
    const double extra = 2 * paddingCellaMm + bordoMm;
    Carattere normale = g.carattere;
    normale.grassetto = false;
    Carattere grassetto = g.carattere;
    grassetto.grassetto = true;
    installaSostituzioniCaratteri();
    const QFontMetricsF metricaNormale(fontDi(normale), &dispositivoPagine());
    const QFontMetricsF metricaGrassetto(fontDi(grassetto), &dispositivoPagine());
    const double mmPerPixel = mmPerPollice / dpiPagine;

    // Natural widths first; the longest words only when the content does not fit.
    auto perRighe = [&](auto&& misura) {
        for (int r = 1; r <= g.righe; ++r) {
            const QFontMetricsF& m = (g.formattata && r == 1) || g.carattere.grassetto ? metricaGrassetto : metricaNormale;
            for (int c = 1; c <= g.colonne; ++c) {
                const QString& testo = g.cella(r, c);
                if (!testo.isEmpty())
                    misura(m, testo, std::size_t(c - 1));
            }
        }
    };
    auto linee = [](const QString& testo) {
        if (!testo.contains(QLatin1Char('\n')) && !testo.contains(QChar(0x0B)))
            return QStringList{testo};
        QString t = testo;
        t.replace(QChar(0x0B), QLatin1Char('\n'));
        return t.split(QLatin1Char('\n'));
    };
    std::vector<double> naturale(std::size_t(g.colonne), 0.0);
    std::vector<double> minimo(std::size_t(g.colonne), 0.0);
    perRighe([&](const QFontMetricsF& m, const QString& testo, std::size_t c) {
        for (const QString& linea : linee(testo))
            naturale[c] = std::max(naturale[c], m.horizontalAdvance(linea) * mmPerPixel);
    });
    double sommaProva = 0;
    for (double n : naturale)
        sommaProva += n * 1.15 + extra + 1.0;
    if (sommaProva > disponibile) {
        perRighe([&](const QFontMetricsF& m, const QString& testo, std::size_t c) {
            for (const QString& linea : linee(testo))
                for (const QString& parola : linea.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                    minimo[c] = std::max(minimo[c], m.horizontalAdvance(parola) * mmPerPixel);
        });
    }
    double sommaNaturale = 0, sommaMinimo = 0;
    for (int c = 0; c < g.colonne; ++c) {
        // Some air: the word processor that opens the file may draw the font with a
        // slightly wider substitute.
        naturale[std::size_t(c)] = naturale[std::size_t(c)] * 1.15 + extra + 1.0;
        minimo[std::size_t(c)] = minimo[std::size_t(c)] * 1.15 + extra;
        sommaNaturale += naturale[std::size_t(c)];
        sommaMinimo += minimo[std::size_t(c)];
    }
    std::vector<double> larghezze(std::size_t(g.colonne));
    for (int c = 0; c < g.colonne; ++c) {
        const auto i = std::size_t(c);
        if (sommaNaturale <= disponibile)
            larghezze[i] = naturale[i];
        else if (sommaMinimo >= disponibile)
            larghezze[i] = minimo[i] * disponibile / sommaMinimo;
        else
            larghezze[i] = minimo[i] + (naturale[i] - minimo[i]) * (disponibile - sommaMinimo) / (sommaNaturale - sommaMinimo);
    }
    return larghezze;
}

std::vector<double> larghezzeDi(const Griglia& g)
{
    if (g.formattata)
        return larghezzeAdattate(g);
    const double disponibile = larghezzaPaginaMm - 2 * marginePaginaMm;
    return std::vector<double>(std::size_t(g.colonne), disponibile / g.colonne);
}

// Renders the model into a QTextDocument whose lengths are pixels at dpi.
void rendi(const Documento& documento, QTextDocument& doc, double dpi)
{
    QTextCursor cursore(&doc);
    cursore.beginEditBlock();
    bool bloccoLibero = true; // the cursor stands in an empty block nobody has formatted
    int numeroTabella = 0;
    for (const Blocco& blocco : documento.blocchi()) {
        if (const auto* p = std::get_if<Capoverso>(&blocco)) {
            QTextBlockFormat formato;
            formato.setAlignment(allineamentoQt(p->allineamento));
            const QString& famiglia = p->sequenze.empty() ? p->marca.nome : p->sequenze.front().carattere.nome;
            formato.setLineHeight(percentualeRiga(famiglia), QTextBlockFormat::ProportionalHeight);
            if (p->nuovaPagina)
                formato.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            const QTextCharFormat marca = formatoCarattere(p->marca);
            if (bloccoLibero) {
                cursore.setBlockFormat(formato);
                cursore.setBlockCharFormat(marca);
                bloccoLibero = false;
            } else {
                cursore.insertBlock(formato, marca);
            }
            for (const Sequenza& s : p->sequenze)
                cursore.insertText(testoQt(s.testo), formatoCarattere(s.carattere));
            continue;
        }
        const auto& g = std::get<Griglia>(blocco);
        if (!bloccoLibero)
            cursore.insertBlock();
        QTextTableFormat formatoTabella;
        formatoTabella.setCellSpacing(0);
        formatoTabella.setCellPadding(0);
        // At least one unit wide: thinner borders vanish from the screen.
        formatoTabella.setBorder(std::max(1.0, daMm(bordoMm, dpi)));
        formatoTabella.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        formatoTabella.setBorderBrush(coloreBordo);
        formatoTabella.setBorderCollapse(true);
        formatoTabella.setMargin(0);
        formatoTabella.setAlignment(Qt::AlignLeft);
        // The saved file repeats a formatted table's header row on every page it
        // spans; the pages counted and printed here do the same.
        if (g.formattata && g.righe > 1)
            formatoTabella.setHeaderRowCount(1);
        const std::vector<double> larghezze = documento.larghezzeColonne(++numeroTabella);
        QList<QTextLength> vincoli;
        double totale = 0;
        for (double l : larghezze) {
            vincoli << QTextLength(QTextLength::FixedLength, daMm(l, dpi));
            totale += l;
        }
        formatoTabella.setColumnWidthConstraints(vincoli);
        formatoTabella.setWidth(QTextLength(QTextLength::FixedLength, daMm(totale, dpi)));
        QTextTable* tabella = cursore.insertTable(g.righe, g.colonne, formatoTabella);

        Carattere intestazione = g.carattere;
        intestazione.grassetto = true;
        const QTextCharFormat formatoNormale = formatoCarattere(g.carattere);
        QTextCharFormat formatoIntestazione = formatoCarattere(intestazione);
        formatoIntestazione.setForeground(Qt::white);
        // The cell margins as the paragraphs' indents: one block format per column.
        const double padding = daMm(paddingCellaMm, dpi);
        std::vector<QTextBlockFormat> formatiColonna(std::size_t(g.colonne));
        for (int c = 0; c < g.colonne; ++c) {
            QTextBlockFormat& f = formatiColonna[std::size_t(c)];
            // A justified cell is drawn flush left: the layout would stretch the letters
            // of a lone word across a narrow column.
            const Allineamento a = g.allineamenti[std::size_t(c)];
            f.setAlignment(allineamentoQt(a == Allineamento::Giustificato ? Allineamento::Sinistra : a));
            f.setLeftMargin(padding);
            f.setRightMargin(padding);
            f.setLineHeight(percentualeRiga(g.carattere.nome), QTextBlockFormat::ProportionalHeight);
        }
        for (int r = 0; r < g.righe; ++r) {
            for (int c = 0; c < g.colonne; ++c) {
                QTextTableCell cella = tabella->cellAt(r, c);
                const bool testata = g.formattata && r == 0;
                if (testata || (g.formattata && c == 0)) {
                    QTextTableCellFormat formatoCella = cella.format().toTableCellFormat();
                    formatoCella.setBackground(testata ? sfondoIntestazione : sfondoPrimaColonna);
                    cella.setFormat(formatoCella);
                }
                QTextCursor dentro = cella.firstCursorPosition();
                const QTextBlockFormat& formatoBlocco = formatiColonna[std::size_t(c)];
                dentro.setBlockFormat(formatoBlocco);
                const QTextCharFormat& testo = testata ? formatoIntestazione : formatoNormale;
                const QString& contenuto = g.cella(r + 1, c + 1);
                if (contenuto.isEmpty()) {
                    // An empty cell is as high as a line of the table's font.
                    dentro.setBlockCharFormat(testo);
                    continue;
                }
                if (!contenuto.contains(QLatin1Char('\n'))) {
                    dentro.insertText(testoQt(contenuto), testo);
                    continue;
                }
                const QStringList paragrafi = contenuto.split(QLatin1Char('\n'));
                for (qsizetype i = 0; i < paragrafi.size(); ++i) {
                    if (i > 0)
                        dentro.insertBlock(formatoBlocco, testo);
                    if (!paragrafi[i].isEmpty())
                        dentro.insertText(testoQt(paragrafi[i]), testo);
                }
            }
        }
        cursore.movePosition(QTextCursor::End);
        bloccoLibero = true;
    }
    cursore.endEditBlock();
}

std::unique_ptr<QTextDocument> nuovoTesto()
{
    auto doc = std::make_unique<QTextDocument>();
    doc->setUndoRedoEnabled(false);
    doc->setUseDesignMetrics(true);
    doc->setDocumentMargin(0);
    return doc;
}

} // namespace

// ---------------------------------------------------------------------------------

void installaSostituzioniCaratteri()
{
    static const bool fatto = [] {
        QFont::insertSubstitution(QStringLiteral("Century Gothic"), QStringLiteral("URW Gothic"));
        QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Nimbus Roman"));
        return true;
    }();
    (void)fatto;
}


std::vector<double> Documento::larghezzeColonne(int tabella) const
{
    const Griglia* g = griglia(tabella);
    if (!g)
        return {};
    if (versioneLarghezze_ != versione_) {
        larghezze_.clear();
        versioneLarghezze_ = versione_;
    }
    auto& voce = larghezze_[tabella];
    if (voce.empty())
        voce = larghezzeDi(*g);
    return voce;
}

double Documento::larghezzaTesto(double dpi) { return daMm(larghezzaPaginaMm - 2 * marginePaginaMm, dpi); }

QTextDocument* Documento::impaginato()
{
    if (impaginato_ && versioneImpaginato_ == versione_)
        return impaginato_.get();
    auto doc = nuovoTesto();
    // Lengths in the layout's own units; the page size in the device's pixels. All set
    // before the content, which goes in as one edit and so is laid out only once.
    const double dpiLunghezze = dpiPagine / scalaLunghezze();
    doc->documentLayout()->setPaintDevice(const_cast<QImage*>(&dispositivoPagine()));
    doc->setPageSize(QSizeF(daMm(larghezzaPaginaMm, dpiPagine), daMm(altezzaPaginaMm, dpiPagine)));
    QTextFrameFormat radice = doc->rootFrame()->frameFormat();
    radice.setMargin(daMm(marginePaginaMm, dpiLunghezze));
    doc->rootFrame()->setFrameFormat(radice);
    rendi(*this, *doc, dpiLunghezze);
    impaginato_ = std::move(doc);
    versioneImpaginato_ = versione_;
    return impaginato_.get();
}

std::unique_ptr<QTextDocument> Documento::rendiPerSchermo(double dpi) const
{
    auto doc = nuovoTesto();
    rendi(*this, *doc, dpi);
    return doc;
}

std::optional<int> Documento::contaPagine(Esito* esito)
{
    const int pagine = impaginato()->pageCount();
    if (pagine < 1) {
        if (esito)
            *esito = Esito::fallito(QStringLiteral("Non è stato possibile impaginare il documento."));
        return std::nullopt;
    }
    if (esito)
        *esito = Esito::riuscito();
    return pagine;
}

Esito Documento::stampa(QPagedPaintDevice* dispositivo)
{
    QTextDocument* doc = impaginato();
    const int pagine = doc->pageCount();
    QPainter pittore;
    if (!dispositivo || !pittore.begin(dispositivo))
        return Esito::fallito(QStringLiteral("Non è stato possibile avviare la stampa."));
    const QSizeF pagina = doc->pageSize();
    const double scalaX = dispositivo->logicalDpiX() / dpiPagine;
    const double scalaY = dispositivo->logicalDpiY() / dpiPagine;
    for (int i = 0; i < pagine; ++i) {
        if (i > 0 && !dispositivo->newPage())
            return Esito::fallito(QStringLiteral("Non è stato possibile aggiungere una pagina alla stampa."));
        pittore.save();
        pittore.scale(scalaX, scalaY);
        const QRectF vista(0, i * pagina.height(), pagina.width(), pagina.height());
        pittore.translate(0, -vista.top());
        pittore.setClipRect(vista);
        QAbstractTextDocumentLayout::PaintContext contesto;
        contesto.clip = vista;
        contesto.palette.setColor(QPalette::Text, Qt::black);
        doc->documentLayout()->draw(&pittore, contesto);
        pittore.restore();
    }
    if (!pittore.end())
        return Esito::fallito(QStringLiteral("La stampa non è stata completata."));
    return Esito::riuscito();
}

namespace {
Esito scriviFile(const QString& nomeFile, const QByteArray& dati)
{
    if (nomeFile.trimmed().isEmpty())
        return Esito::fallito(QStringLiteral("Il nome del file è vuoto."));
    QSaveFile file(nomeFile);
    if (!file.open(QIODevice::WriteOnly))
        return Esito::fallito(QStringLiteral("Non è possibile scrivere il file \"%1\".").arg(nomeFile));
    if (file.write(dati) != dati.size()) {
        file.cancelWriting();
        return Esito::fallito(QStringLiteral("La scrittura del file \"%1\" non è riuscita.").arg(nomeFile));
    }
    if (!file.commit())
        return Esito::fallito(QStringLiteral("Non è possibile completare il file \"%1\".").arg(nomeFile));
    return Esito::riuscito();
}
} // namespace

Esito Documento::salvaDocx(const QString& nomeFile) const
{
    QByteArray dati;
    if (Esito e = docx::componi(*this, dati); !e)
        return e;
    Esito esito = scriviFile(nomeFile, dati);
    if (esito)
        versioneSalvata_ = versione_;
    return esito;
}

Esito Documento::salvaPdf(const QString& nomeFile)
{
    QByteArray dati;
    {
        QBuffer buffer(&dati);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(int(dpiPagine));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(titolo_);
        pdf.setCreator(QCoreApplication::applicationName());
        if (Esito e = stampa(&pdf); !e)
            return e;
    }
    Esito esito = scriviFile(nomeFile, dati);
    if (esito)
        versioneSalvata_ = versione_;
    return esito;
}

} // namespace documento
