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

// XML 1.0 allows tab, LF, CR, U+0020..U+D7FF, U+E000..U+FFFD and the supplementary planes.
bool ammessoInXml(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
        || (c >= 0x10000 && c <= 0x10FFFF);
}

// Pieces of a typed text: text, paragraph ends and page breaks.
struct Pezzo {
    enum Tipo { Testo, FineParagrafo, NuovaPagina } tipo;
    QString testo;
};

// Character 13, a line feed or CR LF end a paragraph; 12 starts a page; 9 and 11
// stay; every other control character, and what XML cannot hold, is dropped.
std::vector<Pezzo> scomponi(const QString& testo)
{
    std::vector<Pezzo> pezzi;
    QString corrente;
    auto chiudiTesto = [&] {
        if (!corrente.isEmpty()) {
            pezzi.push_back({Pezzo::Testo, corrente});
            corrente.clear();
        }
    };
    const QList<uint> codici = testo.toUcs4();
    for (qsizetype i = 0; i < codici.size(); ++i) {
        const char32_t c = codici[i];
        if (c == 0x0D || c == 0x0A) {
            if (c == 0x0D && i + 1 < codici.size() && codici[i + 1] == 0x0A)
                ++i;
            chiudiTesto();
            pezzi.push_back({Pezzo::FineParagrafo, {}});
        } else if (c == 0x0C) {
            chiudiTesto();
            pezzi.push_back({Pezzo::NuovaPagina, {}});
        } else if (c == 0x09 || c == 0x0B || (c >= 0x20 && ammessoInXml(c))) {
            corrente.append(QString::fromUcs4(&c, 1));
        }
    }
    chiudiTesto();
    return pezzi;
}

// A cell's text: paragraph ends become '\n'; page breaks and invalid characters go.
QString testoCella(const QString& testo)
{
    QString risultato;
    for (const Pezzo& pezzo : scomponi(testo)) {
        if (pezzo.tipo == Pezzo::Testo)
            risultato += pezzo.testo;
        else if (pezzo.tipo == Pezzo::FineParagrafo)
            risultato += QLatin1Char('\n');
    }
    return risultato;
}

int contatoreDocumenti = 0;
FabbricaFinestre fabbricaFinestre;

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

QString Capoverso::testo() const
{
    QString t;
    for (const Sequenza& s : sequenze)
        t += s.testo;
    return t;
}

bool Capoverso::vuoto() const
{
    return !nuovaPagina && std::all_of(sequenze.begin(), sequenze.end(), [](const Sequenza& s) { return s.testo.isEmpty(); });
}

// --- Paragrafo --------------------------------------------------------------------

Esito Paragrafo::impostaDimensione(double punti)
{
    if (!doc_)
        return Esito::fallito(QStringLiteral("Il paragrafo non appartiene a nessun documento."));
    if (Esito e = doc_->impostaDimensione(punti); !e)
        return e;
    Capoverso& p = doc_->ultimo();
    for (Sequenza& s : p.sequenze)
        s.carattere.dimensione = punti;
    p.marca.dimensione = punti;
    doc_->modificato();
    return Esito::riuscito();
}

Esito Paragrafo::impostaTesto(const QString& testo)
{
    if (!doc_)
        return Esito::fallito(QStringLiteral("Il paragrafo non appartiene a nessun documento."));
    Capoverso& p = doc_->ultimo();
    p.sequenze.clear();
    p.nuovaPagina = false;
    doc_->aggiungiTesto(testo);
    doc_->modificato();
    return Esito::riuscito();
}

// --- Tabella ----------------------------------------------------------------------

const Griglia* Tabella::griglia() const { return doc_ ? doc_->griglia(indice_) : nullptr; }

int Tabella::righe() const
{
    const Griglia* g = griglia();
    return g ? g->righe : 0;
}

int Tabella::colonne() const
{
    const Griglia* g = griglia();
    return g ? g->colonne : 0;
}

Esito Tabella::impostaDimensione(double punti)
{
    Griglia* g = doc_ ? doc_->grigliaModificabile(indice_) : nullptr;
    if (!g)
        return Esito::fallito(QStringLiteral("La tabella non esiste."));
    if (!(punti >= 1 && punti <= 1638))
        return Esito::fallito(QStringLiteral("Dimensione del carattere non valida: %1.").arg(punti));
    g->carattere.dimensione = punti;
    doc_->modificato();
    return Esito::riuscito();
}

Esito Tabella::scriviCella(int riga, int colonna, const QString& testo)
{
    Griglia* g = doc_ ? doc_->grigliaModificabile(indice_) : nullptr;
    if (!g)
        return Esito::fallito(QStringLiteral("La tabella non esiste."));
    if (riga < 1 || riga > g->righe || colonna < 1 || colonna > g->colonne)
        return Esito::fallito(QStringLiteral("La cella (%1, %2) non esiste in una tabella di %3 righe e %4 colonne.")
                                  .arg(riga)
                                  .arg(colonna)
                                  .arg(g->righe)
                                  .arg(g->colonne));
    g->cella(riga, colonna) = testoCella(testo);
    doc_->modificato();
    return Esito::riuscito();
}

QString Tabella::cella(int riga, int colonna) const
{
    const Griglia* g = griglia();
    if (!g || riga < 1 || riga > g->righe || colonna < 1 || colonna > g->colonne)
        return {};
    return g->cella(riga, colonna);
}

Esito Tabella::formattaAutomatico(int)
{
    Griglia* g = doc_ ? doc_->grigliaModificabile(indice_) : nullptr;
    if (!g)
        return Esito::fallito(QStringLiteral("La tabella non esiste."));
    g->formattata = true;
    doc_->modificato();
    return Esito::riuscito();
}

// --- Documento --------------------------------------------------------------------

Documento::Documento()
{
    titolo_ = QStringLiteral("Documento %1").arg(++contatoreDocumenti);
    Capoverso primo;
    primo.marca = corrente_;
    blocchi_.emplace_back(std::move(primo));
}

Documento::~Documento() = default;

void Documento::impostaTitolo(const QString& titolo)
{
    QString pulito;
    for (const Pezzo& p : scomponi(titolo))
        pulito += p.tipo == Pezzo::Testo ? p.testo : QStringLiteral(" ");
    pulito.replace(QChar(0x0B), QLatin1Char(' '));
    pulito.replace(QLatin1Char('\t'), QLatin1Char(' '));
    pulito = pulito.simplified();
    if (pulito.isEmpty() || pulito == titolo_)
        return;
    titolo_ = pulito;
    modificato();
}

const Griglia* Documento::griglia(int indice) const
{
    if (indice < 1 || indice > numeroTabelle())
        return nullptr;
    return &std::get<Griglia>(blocchi_[tabelle_[std::size_t(indice - 1)]]);
}

Griglia* Documento::grigliaModificabile(int indice)
{
    return const_cast<Griglia*>(griglia(indice));
}

Capoverso& Documento::ultimo() { return std::get<Capoverso>(blocchi_.back()); }

void Documento::nuovoCapoverso()
{
    Capoverso nuovo;
    nuovo.allineamento = ultimo().allineamento;
    nuovo.marca = corrente_;
    blocchi_.emplace_back(std::move(nuovo));
}

void Documento::aggiungiTesto(const QString& testo)
{
    for (const Pezzo& pezzo : scomponi(testo)) {
        switch (pezzo.tipo) {
        case Pezzo::Testo: {
            Capoverso& p = ultimo();
            if (!p.sequenze.empty() && p.sequenze.back().carattere == corrente_)
                p.sequenze.back().testo += pezzo.testo;
            else
                p.sequenze.push_back(Sequenza{pezzo.testo, corrente_});
            p.marca = corrente_;
            break;
        }
        case Pezzo::FineParagrafo:
            ultimo().marca = corrente_;
            nuovoCapoverso();
            break;
        case Pezzo::NuovaPagina:
            if (!ultimo().vuoto())
                nuovoCapoverso();
            ultimo().nuovaPagina = true;
            break;
        }
    }
}

void Documento::modificato()
{
    ++versione_;
    emit cambiato();
}

Paragrafo Documento::aggiungiParagrafo()
{
    ultimo().marca = corrente_;
    nuovoCapoverso();
    modificato();
    return Paragrafo(shared_from_this());
}

std::optional<Tabella> Documento::aggiungiTabella(int righe, int colonne, Esito* esito)
{
    if (righe < 1 || righe > 32767 || colonne < 1 || colonne > 63) {
        if (esito)
            *esito = Esito::fallito(QStringLiteral("Una tabella di %1 righe e %2 colonne non si può creare.").arg(righe).arg(colonne));
        return std::nullopt;
    }
    Griglia g;
    g.righe = righe;
    g.colonne = colonne;
    g.celle.resize(std::size_t(righe) * std::size_t(colonne));
    g.carattere = corrente_;
    g.allineamenti.assign(std::size_t(colonne), ultimo().allineamento);
    if (ultimo().vuoto()) {
        // The table takes the place of the empty last paragraph, which follows it.
        blocchi_.insert(blocchi_.end() - 1, Blocco(std::move(g)));
        tabelle_.push_back(blocchi_.size() - 2);
    } else {
        blocchi_.emplace_back(std::move(g));
        tabelle_.push_back(blocchi_.size() - 1);
        Capoverso dopo;
        dopo.allineamento = std::get<Capoverso>(blocchi_[blocchi_.size() - 2]).allineamento;
        dopo.marca = corrente_;
        blocchi_.emplace_back(std::move(dopo));
    }
    modificato();
    if (esito)
        *esito = Esito::riuscito();
    return Tabella(shared_from_this(), numeroTabelle());
}

std::optional<Tabella> Documento::tabella(int indice, Esito* esito)
{
    if (indice < 1 || indice > numeroTabelle()) {
        if (esito)
            *esito = Esito::fallito(QStringLiteral("La tabella n. %1 non esiste nel documento, che ne ha %2.").arg(indice).arg(numeroTabelle()));
        return std::nullopt;
    }
    if (esito)
        *esito = Esito::riuscito();
    return Tabella(shared_from_this(), indice);
}

void Documento::impostaNomeCarattere(const QString& nome)
{
    QString pulito = nome.trimmed();
    if (pulito.isEmpty())
        return;
    corrente_.nome = pulito;
    if (ultimo().vuoto())
        ultimo().marca = corrente_;
    modificato();
}

Esito Documento::impostaDimensione(double punti)
{
    if (!(punti >= 1 && punti <= 1638))
        return Esito::fallito(QStringLiteral("Dimensione del carattere non valida: %1.").arg(punti));
    corrente_.dimensione = punti;
    if (ultimo().vuoto())
        ultimo().marca = corrente_;
    modificato();
    return Esito::riuscito();
}

void Documento::impostaGrassetto(int valore)
{
    corrente_.grassetto = valore == wdToggle ? !corrente_.grassetto : valore != 0;
    if (ultimo().vuoto())
        ultimo().marca = corrente_;
    modificato();
}

void Documento::scrivi(const QString& testo)
{
    aggiungiTesto(testo);
    modificato();
}

void Documento::allineaTutto(Allineamento allineamento)
{
    for (Blocco& b : blocchi_) {
        if (auto* p = std::get_if<Capoverso>(&b))
            p->allineamento = allineamento;
        else
            std::get<Griglia>(b).allineamenti.assign(std::get<Griglia>(b).allineamenti.size(), allineamento);
    }
    modificato();
}

Esito Documento::allineaColonna(int tabella, int colonna, Allineamento allineamento)
{
    Griglia* g = grigliaModificabile(tabella);
    if (!g)
        return Esito::fallito(QStringLiteral("La tabella n. %1 non esiste nel documento, che ne ha %2.").arg(tabella).arg(numeroTabelle()));
    if (colonna < 1 || colonna > g->colonne)
        return Esito::fallito(QStringLiteral("La colonna %1 non esiste nella tabella n. %2, che ne ha %3.").arg(colonna).arg(tabella).arg(g->colonne));
    g->allineamenti[std::size_t(colonna - 1)] = allineamento;
    modificato();
    return Esito::riuscito();
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
    return scriviFile(nomeFile, dati);
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
    return scriviFile(nomeFile, dati);
}

// --- Applicazione -----------------------------------------------------------------

void impostaFabbricaFinestre(FabbricaFinestre fabbrica) { fabbricaFinestre = std::move(fabbrica); }

std::shared_ptr<Applicazione> Applicazione::nuova() { return std::shared_ptr<Applicazione>(new Applicazione); }

void Applicazione::impostaVisibile(bool visibile)
{
    visibile_ = visibile;
    if (visibile && !finestraAperta_ && fabbricaFinestre) {
        finestraAperta_ = true;
        fabbricaFinestre(shared_from_this());
    }
}

std::shared_ptr<Documento> Applicazione::aggiungiDocumento()
{
    documenti_.push_back(std::make_shared<Documento>());
    selezione_ = {};
    emit documentoAggiunto();
    return documenti_.back();
}

std::shared_ptr<Documento> Applicazione::documento(int indice) const
{
    if (indice < 1 || indice > numeroDocumenti())
        return nullptr;
    return documenti_[std::size_t(indice - 1)];
}

std::shared_ptr<Documento> Applicazione::documentoAttivo() const
{
    return documenti_.empty() ? nullptr : documenti_.back();
}

Esito Applicazione::selezionaTutto()
{
    if (!documentoAttivo())
        return Esito::fallito(QStringLiteral("Nessun documento aperto."));
    selezione_ = {Selezione::Tutto, 0, 0};
    return Esito::riuscito();
}

Esito Applicazione::selezionaColonna(int tabella, int colonna)
{
    const auto doc = documentoAttivo();
    if (!doc)
        return Esito::fallito(QStringLiteral("Nessun documento aperto."));
    const Griglia* g = doc->griglia(tabella);
    if (!g)
        return Esito::fallito(QStringLiteral("La tabella n. %1 non esiste nel documento, che ne ha %2.").arg(tabella).arg(doc->numeroTabelle()));
    if (colonna < 1 || colonna > g->colonne)
        return Esito::fallito(QStringLiteral("La colonna %1 non esiste nella tabella n. %2, che ne ha %3.").arg(colonna).arg(tabella).arg(g->colonne));
    selezione_ = {Selezione::Colonna, tabella, colonna};
    return Esito::riuscito();
}

Esito Applicazione::allineaSelezione(Allineamento allineamento)
{
    const auto doc = documentoAttivo();
    if (!doc)
        return Esito::fallito(QStringLiteral("Nessun documento aperto."));
    switch (selezione_.tipo) {
    case Selezione::Tutto:
        doc->allineaTutto(allineamento);
        return Esito::riuscito();
    case Selezione::Colonna:
        return doc->allineaColonna(selezione_.tabella, selezione_.colonna, allineamento);
    case Selezione::Fine:
        break;
    }
    doc->ultimo().allineamento = allineamento;
    doc->modificato();
    return Esito::riuscito();
}

void Applicazione::rilasciaSelezione() { selezione_ = {}; }

} // namespace documento
