// Rendering the model into a QTextDocument, and the column widths of its tables that
// the rendering, the page count and the DOCX file share.
#include "report/documento.h"

#include "report/impaginazioneInterna.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>

namespace documento {

using dettaglio::dpiPagine;
using dettaglio::fontMisurato;
using dettaglio::mmPerPollice;
using dettaglio::testoQt;
using dettaglio::unitaPerPunto;

namespace {

// Word's default left and right cell margins: 108 twips.
constexpr double paddingCellaMm = 108.0 / 1440.0 * mmPerPollice;
constexpr double bordoMm = 0.18;
// The narrowest cell margin a table of many columns may take.
constexpr double margineMinimoMm = 0.5;
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

QTextCharFormat formatoCarattere(const Carattere& c)
{
    installaSostituzioniCaratteri();
    QTextCharFormat f;
    f.setFontFamilies(QStringList{c.nome});
    f.setFontPointSize(c.dimensione);
    f.setFontWeight(c.grassetto ? QFont::Bold : QFont::Normal);
    return f;
}

// Single line spacing as the word processor takes it from the face it draws: the
// face's ascent, descent and line gap. The layout's own line leaves out the gap, so
// it is set to that share of its natural height.
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
    const double senzaInterlinea = m.ascent() + m.descent();
    const double percentuale = senzaInterlinea > 0 ? 100.0 * m.lineSpacing() / senzaInterlinea : 100.0;
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

} // namespace

namespace dettaglio {

QString testoQt(const QString& testo)
{
    QString t = testo;
    t.replace(QChar(0x0B), QChar::LineSeparator);
    return t;
}

QFont fontMisurato(const Carattere& c)
{
    installaSostituzioniCaratteri();
    QFont f(c.nome);
    f.setPixelSize(std::max(1, qRound(c.dimensione * unitaPerPunto)));
    f.setBold(c.grassetto);
    return f;
}

} // namespace dettaglio

namespace {

// Column widths and cell margins of a table, in mm: natural widths of the content
// when they fit, else shrunk towards the longest words, as a word processor fits a
// table to its content. A table whose longest words do not fit even so (many columns
// of figures) narrows its cell margins first, so that its figures are not broken.
ColonneTabella colonneAdattate(const Griglia& g)
{
    const double disponibile = larghezzaPaginaMm - 2 * marginePaginaMm;
    Carattere normale = g.carattere;
    normale.grassetto = false;
    Carattere grassetto = g.carattere;
    grassetto.grassetto = true;
    const QFontMetricsF metricaNormale(fontMisurato(normale));
    const QFontMetricsF metricaGrassetto(fontMisurato(grassetto));
    const double mmPerUnita = mmPerPollice / 72.0 / unitaPerPunto;

    // Natural widths first; the longest words only when the content does not fit.
    auto perRighe = [&](auto&& misura) {
        for (int r = 1; r <= g.righe; ++r) {
            const QFontMetricsF& m = (g.formattata && r == 1) || g.carattere.grassetto ? metricaGrassetto : metricaNormale;
            for (int c = 1; c <= g.colonne; ++c) {
                const QString& testo = g.cella(r, c);
                if (!testo.isEmpty())
                    misura(m, testo, std::size_t(c - 1), std::size_t(r - 1) * std::size_t(g.colonne) + std::size_t(c - 1));
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
    const auto n = std::size_t(g.colonne);
    std::vector<double> naturale(n, 0.0);
    std::vector<double> minimo(n, 0.0);
    ColonneTabella colonne;
    // The page count reuses each cell's measure: most cells hold one short line.
    colonne.testi.assign(g.celle.size(), 0.0F);
    perRighe([&](const QFontMetricsF& m, const QString& testo, std::size_t c, std::size_t cella) {
        const QStringList parti = linee(testo);
        double massima = 0;
        for (const QString& linea : parti)
            massima = std::max(massima, m.horizontalAdvance(linea));
        naturale[c] = std::max(naturale[c], massima * mmPerUnita);
        colonne.testi[cella] = parti.size() == 1 ? float(massima / unitaPerPunto) : -1.0F;
    });
    // Some air: the file may be opened where the font is drawn a little wider.
    constexpr double aria = 1.1;
    colonne.margine = paddingCellaMm;
    double sommaProva = 0;
    for (double l : naturale)
        sommaProva += l * aria + 2 * colonne.margine + bordoMm + 1.0;
    if (sommaProva > disponibile) {
        perRighe([&](const QFontMetricsF& m, const QString& testo, std::size_t c, std::size_t) {
            for (const QString& linea : linee(testo))
                for (const QString& parola : linea.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                    minimo[c] = std::max(minimo[c], m.horizontalAdvance(parola) * mmPerUnita);
        });
        double parole = 0;
        for (double l : minimo)
            parole += l * aria + bordoMm;
        if (parole + 2 * double(n) * colonne.margine > disponibile)
            colonne.margine = std::clamp((disponibile - parole) / (2 * double(n)), margineMinimoMm, paddingCellaMm);
    }
    const double extra = 2 * colonne.margine + bordoMm;
    double sommaNaturale = 0, sommaMinimo = 0;
    for (std::size_t c = 0; c < n; ++c) {
        naturale[c] = naturale[c] * aria + extra + 1.0;
        minimo[c] = minimo[c] * aria + extra;
        sommaNaturale += naturale[c];
        sommaMinimo += minimo[c];
    }
    colonne.larghezze.resize(n);
    for (std::size_t c = 0; c < n; ++c) {
        if (sommaNaturale <= disponibile)
            colonne.larghezze[c] = naturale[c];
        else if (sommaMinimo >= disponibile)
            colonne.larghezze[c] = minimo[c] * disponibile / sommaMinimo;
        else
            colonne.larghezze[c]
                = minimo[c] + (naturale[c] - minimo[c]) * (disponibile - sommaMinimo) / (sommaNaturale - sommaMinimo);
    }
    return colonne;
}

ColonneTabella colonneDi(const Griglia& g)
{
    if (g.formattata)
        return colonneAdattate(g);
    const double disponibile = larghezzaPaginaMm - 2 * marginePaginaMm;
    return {std::vector<double>(std::size_t(g.colonne), disponibile / g.colonne), paddingCellaMm, {}};
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
        const ColonneTabella colonne = documento.colonne(++numeroTabella);
        const std::vector<double>& larghezze = colonne.larghezze;
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
        const double padding = daMm(colonne.margine, dpi);
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
    // The faces the word processor of this desktop draws the two names with where
    // they are not installed, so that the pages here are the pages it shows.
    static const bool fatto = [] {
        QFont::insertSubstitutions(QStringLiteral("Century Gothic"), {QStringLiteral("DejaVu Sans")});
        QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                                   {QStringLiteral("Liberation Serif"), QStringLiteral("Nimbus Roman")});
        return true;
    }();
    (void)fatto;
}

ColonneTabella Documento::colonne(int tabella) const
{
    const Griglia* g = griglia(tabella);
    if (!g)
        return {};
    // Widths depend on the tables alone: texts and alignments set elsewhere keep them.
    if (versioneLarghezze_ != versioneTabelle_) {
        larghezze_.clear();
        versioneLarghezze_ = versioneTabelle_;
    }
    auto& voce = larghezze_[tabella];
    if (voce.larghezze.empty())
        voce = colonneDi(*g);
    return voce;
}

std::vector<double> Documento::larghezzeColonne(int tabella) const { return colonne(tabella).larghezze; }

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

} // namespace documento
