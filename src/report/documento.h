#pragma once
// The document layer the reports write into, in place of a word processor.
//
// An Applicazione is what a report starts: it owns its documents and, once made
// visible, a window where the user watches the document grow and which stays open
// afterwards (save as DOCX or PDF, print, open in the desktop's word processor).
// The window belongs to the windows library: it installs a factory with
// impostaFabbricaFinestre() at start. Without a factory (core tests, benchmarks) an
// application simply has no window.
//
// A Documento keeps its own model of paragraphs and tables (blocchi()); its pages,
// which the page count, the PDF, the print and the screen share, are laid out from
// the model only when asked for, so writing thousands of cells stays cheap. The DOCX
// writer (report/docx.h) writes the same model.
//
// Positions follow the reports' conventions: everything is appended at the end of the
// document. The document always ends with a paragraph (the "last paragraph"); text
// typed at the selection, and the text set on a kept paragraph, go into it. In a text,
// character 13 (or a line feed, or CR LF) ends a paragraph, character 12 starts a new
// page, character 11 breaks the line, a tab stays a tab; other control characters and
// characters that XML 1.0 does not allow are dropped.
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <compare>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

class QPageLayout;
class QPagedPaintDevice;
class QPainter;

namespace documento {

// Paragraph alignment, numbered as the reports number it.
enum class Allineamento { Sinistra = 0, Centro = 1, Destra = 2, Giustificato = 3 };

// The bold value that toggles bold instead of setting it.
inline constexpr int wdToggle = 9999998;

// Page and margins shared by the page count, the PDF, the print and the DOCX file.
inline constexpr double larghezzaPaginaMm = 210.0;
inline constexpr double altezzaPaginaMm = 297.0;
inline constexpr double marginePaginaMm = 20.0;

struct Carattere {
    QString nome = QStringLiteral("Times New Roman");
    double dimensione = 12.0; // points
    bool grassetto = false;
    bool operator==(const Carattere&) const = default;
};

// A run of text in one font. testo holds no paragraph end and no page break; it may
// hold '\t' and '\v' (line break).
struct Sequenza {
    QString testo;
    Carattere carattere;
};

struct Capoverso {
    std::vector<Sequenza> sequenze;
    Allineamento allineamento = Allineamento::Sinistra;
    bool nuovaPagina = false; // starts on a new page
    Carattere marca;          // font of the paragraph mark: the height of an empty paragraph
    QString testo() const;    // the runs' text joined
    bool vuoto() const;
};

// A table. Cells are kept row by row; a cell's text may hold '\n' (paragraph end
// inside the cell), '\t' and '\v'.
struct Griglia {
    int righe = 0;
    int colonne = 0;
    std::vector<QString> celle;
    Carattere carattere;                    // font of the whole table
    std::vector<Allineamento> allineamenti; // one per column
    bool formattata = false;                // the automatic format has been applied
    QString& cella(int riga, int colonna) { return celle[std::size_t((riga - 1) * colonne + (colonna - 1))]; }
    const QString& cella(int riga, int colonna) const { return celle[std::size_t((riga - 1) * colonne + (colonna - 1))]; }
};

using Blocco = std::variant<Capoverso, Griglia>;

namespace dettaglio {
struct Metrica;
class Metriche;
} // namespace dettaglio

// A place in the document's text, in reading order: a block, for a table a cell (row
// and column from 1, 0 for a paragraph) and a character of its text (a paragraph's
// runs joined, or the cell's text).
struct Posizione {
    int blocco = 0;
    int riga = 0;
    int colonna = 0;
    int carattere = 0;
    auto operator<=>(const Posizione&) const = default;
};

// A piece of a line in one font, where the drawing writes it. Lengths across a page
// are in twips as doubles (the layout measures glyphs in sixths of a twip).
struct Frammento {
    QString testo;       // no tab, no line break
    int inizio = 0;      // where testo starts in the line's text (Linea::inizio counts from the same origin)
    double x = 0;        // left edge, twips from the left edge of the page's text area
    double larghezza = 0;
    const dettaglio::Metrica* metrica = nullptr; // its font, kept by the document
};

// One line of text on a page, of a paragraph or of a table's cell, where the page
// layout put it: what the count, the screen, the print and the PDF draw.
struct Linea {
    int blocco = 0;        // position in Documento::blocchi()
    int riga = 0;          // a table cell's row and column, from 1; 0 for a paragraph
    int colonna = 0;
    int inizio = 0;        // the line's range in its text, the paragraph's runs joined or the
    int fine = 0;          // cell's text: the blanks it ends with and its line break included
    double x = 0;          // where its box starts, twips from the left edge of the page's text area
    int y = 0;             // top, twips from the top of the page's text area
    int altezza = 0;       // twips
    int ascesa = 0;        // baseline below the top, twips
    std::vector<Frammento> frammenti;
};

// What a page holds of one block, in twips from the top of the page's text area, with
// its lines in Pagina::linee.
struct Pezzo {
    int blocco = 0;     // position in Documento::blocchi()
    int y = 0;
    int altezza = 0;
    int primaLinea = 0; // its lines: [primaLinea, fineLinea)
    int fineLinea = 0;
};

// Lines of a paragraph.
struct PezzoCapoverso : Pezzo {};

// A table's row: whole, or some of its cells' lines when the row is split between two
// pages.
struct PezzoRiga : Pezzo {
    int tabella = 0;         // by its position among the tables (from 1)
    int riga = 0;            // from 1
    bool bordoSopra = false; // the table's top border opens the row on this page
    bool ripetuta = false;   // the header row repeated where the table goes on
    bool intera = true;      // every line of the row stands here
};

using PezzoPagina = std::variant<PezzoCapoverso, PezzoRiga>;

// What every piece has.
inline const Pezzo& comune(const PezzoPagina& p)
{
    return std::visit([](const Pezzo& pezzo) -> const Pezzo& { return pezzo; }, p);
}
inline Pezzo& comune(PezzoPagina& p)
{
    return std::visit([](Pezzo& pezzo) -> Pezzo& { return pezzo; }, p);
}

struct Pagina {
    std::vector<PezzoPagina> pezzi;
    std::vector<Linea> linee;
};

// How a table is laid out across the text width, in millimetres.
struct ColonneTabella {
    std::vector<double> larghezze; // one per column
    double margine = 0;            // left and right margin inside every cell
};

// Result of an operation that can fail: empty text on success, else the reason (Italian).
struct Esito {
    QString errore;
    bool ok() const { return errore.isEmpty(); }
    explicit operator bool() const { return ok(); }
    static Esito riuscito() { return {}; }
    static Esito fallito(const QString& motivo) { return Esito{motivo}; }
};

class Documento;

// A text as an attribute of the DOCX file holds it: without control characters and
// without what XML 1.0 does not allow; a lone surrogate half becomes U+FFFD, as in
// the document's own texts.
QString testoXml(const QString& testo);

// A paragraph added at the end of a document, kept by the report that added it.
// It stands for the document's last paragraph: a text set on it replaces the text of
// that paragraph, so a text ending with a paragraph end leaves the next text to land
// after it, and after anything (tables too) added meanwhile.
class Paragrafo {
public:
    Paragrafo() = default;
    bool valido() const { return bool(doc_); }
    Esito impostaDimensione(double punti); // Range.Font.Size
    Esito impostaTesto(const QString& testo); // Range.Text
private:
    friend class Documento;
    explicit Paragrafo(std::shared_ptr<Documento> doc) : doc_(std::move(doc)) {}
    std::shared_ptr<Documento> doc_;
};

// A table of a document, by its position among the document's tables (from 1).
class Tabella {
public:
    Tabella() = default;
    bool valida() const { return bool(doc_); }
    int indice() const { return indice_; }
    int righe() const;
    int colonne() const;
    Esito impostaDimensione(double punti);          // Range.Font.Size
    Esito scriviCella(int riga, int colonna, const QString& testo); // Cell(r, c).Range.Text
    QString cella(int riga, int colonna) const;
    // AutoFormat: every format number gives the program's one look (shaded bold
    // header row, marked first column, thin borders, columns fitted to their content).
    Esito formattaAutomatico(int formato = 9);
    std::shared_ptr<Documento> documento() const { return doc_; }
private:
    friend class Documento;
    Tabella(std::shared_ptr<Documento> doc, int indice) : doc_(std::move(doc)), indice_(indice) {}
    const Griglia* griglia() const;
    std::shared_ptr<Documento> doc_;
    int indice_ = 0;
};

class Documento : public QObject, public std::enable_shared_from_this<Documento> {
    Q_OBJECT
public:
    Documento();
    ~Documento() override;

    // Title of the document's window ("Documento 1", ... until a report names it).
    QString titolo() const { return titolo_; }
    void impostaTitolo(const QString& titolo);

    // The model, top to bottom; never empty, always ending with a paragraph.
    const std::vector<Blocco>& blocchi() const { return blocchi_; }
    int numeroTabelle() const { return int(tabelle_.size()); }
    const Griglia* griglia(int indice) const; // from 1; nullptr when absent

    // Paragraphs.Add at the end of the document: the last paragraph is ended (an empty
    // one stays as an empty line) and a new empty one follows.
    Paragrafo aggiungiParagrafo();
    // Tables.Add at the end of the document: the table takes the place of an empty
    // last paragraph, or follows a last paragraph holding text; a new empty paragraph
    // always follows the table. It takes the font and alignment in force there.
    // Rows from 1 to 32767, columns from 1 to 63.
    std::optional<Tabella> aggiungiTabella(int righe, int colonne, Esito* esito = nullptr);
    std::optional<Tabella> tabella(int indice, Esito* esito = nullptr);

    // Typing at the end of the document (the selection's insertion point).
    Carattere carattereCorrente() const { return corrente_; }
    void impostaNomeCarattere(const QString& nome);
    Esito impostaDimensione(double punti); // from 1 to 1638 points
    // 0 off, any other value on, wdToggle toggles.
    void impostaGrassetto(int valore);
    void scrivi(const QString& testo);

    // Replaces the last occurrence of `testo` in a run of a paragraph (Find and
    // Replace, once, from the end).
    Esito sostituisci(const QString& testo, const QString& nuovo);

    // Alignment of every paragraph and every table cell.
    void allineaTutto(Allineamento allineamento);
    Esito allineaColonna(int tabella, int colonna, Allineamento allineamento);

    // The pages of the document on A4 with the file's margins, broken where the word
    // processor breaks the saved file (line by line and row by row): the one layout
    // that the count, the window, the print and the PDF share. Laid out again after a
    // change, when next asked for.
    const std::vector<Pagina>& pagine();
    std::optional<int> contaPagine(Esito* esito = nullptr);
    // Draws page `indice` (from 0) with the painter's origin at the page's top left
    // corner, in units of `dpi` dots an inch.
    void disegnaPagina(QPainter& pittore, int indice, double dpi);
    // The text of a page: its lines one a line, a table row's cells apart by tabs.
    QString testoPagina(int indice);
    // Column widths of a table in millimetres: equal shares of the text width, or
    // for a formatted table widths fitted to the content (at most the text width);
    // and its left and right cell margins.
    ColonneTabella colonne(int tabella) const;

    // Selecting and copying, as in a page viewer. The text between two places as plain
    // text in reading order: paragraphs on lines of their own, a table's cells apart by
    // tabs and its rows by line ends.
    QString testoTra(Posizione da, Posizione a) const;
    Posizione inizioTesto() const;
    Posizione fineTesto() const;
    // The place nearest to a point of page `indice`, in twips from the top left corner
    // of its text area (a header row repeated there stands for where its table goes on).
    std::optional<Posizione> posizioneSulla(int indice, QPointF punto);
    // What a double click at a point of page `indice` takes: the word under it or
    // nearest to it (parola); nothing on a header row repeated there.
    std::optional<std::pair<Posizione, Posizione>> parolaSulla(int indice, QPointF punto);
    // What a triple click takes: the line under the point or nearest to it, without the
    // blanks and the line break it ends with; nothing on a header row repeated there.
    std::optional<std::pair<Posizione, Posizione>> lineaSulla(int indice, QPointF punto);
    // Whether the point stands over text that can be selected: a line from its first
    // glyph to its last, not of a repeated header row.
    bool sulTesto(int indice, QPointF punto);
    // The word around a place, between Unicode's word boundaries (a figure with its
    // separators, "1.234,56", is one word): its first place and the place after it;
    // off words, the blank or sign there.
    std::pair<Posizione, Posizione> parola(Posizione p) const;
    // What page `indice` highlights of the text between two places, in twips from the
    // top left corner of its text area.
    std::vector<QRectF> evidenziate(int indice, Posizione da, Posizione a);
    // The page a place of the text stands on and its point there (the middle of its
    // line's height), in twips from the top left corner of its text area.
    std::optional<std::pair<int, QPointF>> doveSta(Posizione p);

    // Writes the pages on a paged device (PDF writer, printer); the device's page
    // should be A4 without margins (the margins are in the pages).
    Esito stampa(QPagedPaintDevice* dispositivo);
    // Atomic saves: an existing file is replaced only when the new one is complete.
    Esito salvaDocx(const QString& nomeFile) const;
    Esito salvaPdf(const QString& nomeFile);
    // Printing into a PDF file on the printer's page and at its resolution: written
    // as the saves are, but the document does not count as saved.
    Esito stampaPdf(const QString& nomeFile, const QPageLayout& pagina, int risoluzione);

    // Grows with every change; the window compares it to know when to refresh.
    quint64 versione() const { return versione_; }
    // Saved (DOCX or PDF) since its last change.
    bool salvato() const { return versioneSalvata_ == versione_; }

signals:
    void cambiato();

private:
    friend class Paragrafo;
    friend class Tabella;
    friend class Applicazione;
    Capoverso& ultimo();
    void nuovoCapoverso();
    void aggiungiTesto(const QString& testo);
    void modificato();
    // A change of a table's cells, size or format, which its column widths follow.
    void tabellaModificata();
    Griglia* grigliaModificabile(int indice);
    Esito scriviPdf(const QString& nomeFile, const QPageLayout& pagina, int risoluzione);

    QString titolo_;
    std::vector<Blocco> blocchi_;
    std::vector<std::size_t> tabelle_; // positions in blocchi_ of the tables, in order
    Carattere corrente_;
    quint64 versione_ = 0;
    quint64 versioneTabelle_ = 0;
    mutable quint64 versioneSalvata_ = ~quint64(0);
    mutable std::map<int, ColonneTabella> larghezze_;
    mutable quint64 versioneLarghezze_ = ~quint64(0);
    std::vector<Pagina> pagine_;
    quint64 versionePagine_ = ~quint64(0);
    std::unique_ptr<dettaglio::Metriche> metriche_;
};

class Applicazione;
using FabbricaFinestre = std::function<void(const std::shared_ptr<Applicazione>&)>;
// Installed by the windows library at start; called when an application first
// becomes visible, to give it its window.
void impostaFabbricaFinestre(FabbricaFinestre fabbrica);

// What a report starts: a new application each time.
class Applicazione : public QObject, public std::enable_shared_from_this<Applicazione> {
    Q_OBJECT
public:
    static std::shared_ptr<Applicazione> nuova();

    bool visibile() const { return visibile_; }
    // Making it visible the first time opens its window (when a factory is installed).
    void impostaVisibile(bool visibile);

    // Documents.Add: a new blank document, the active one.
    std::shared_ptr<Documento> aggiungiDocumento();
    int numeroDocumenti() const { return int(documenti_.size()); }
    std::shared_ptr<Documento> documento(int indice) const; // from 1
    std::shared_ptr<Documento> documentoAttivo() const;

    // The selection of the active document: the end of the document, or the whole
    // document (selezionaTutto), or one column of one table (selezionaColonna).
    // Typing always goes to the end of the document.
    Esito selezionaTutto();
    Esito selezionaColonna(int tabella, int colonna);
    Esito allineaSelezione(Allineamento allineamento);
    void rilasciaSelezione(); // back to the end of the document

signals:
    void documentoAggiunto();

private:
    Applicazione() = default;
    std::vector<std::shared_ptr<Documento>> documenti_;
    bool visibile_ = false;
    bool finestraAperta_ = false;
    struct Selezione {
        enum Tipo { Fine, Tutto, Colonna } tipo = Fine;
        int tabella = 0;
        int colonna = 0;
    } selezione_;
};

// New documents are titled "Documento 1", "Documento 2", ... from here on.
void ripristinaNumerazione();

// The faces the document's font names are drawn and counted with where they are not
// installed, those the word processor of a Debian desktop uses for the saved file:
// "Century Gothic" as DejaVu Sans, "Times New Roman" as Liberation Serif. Installed
// once, idempotent.
void installaSostituzioniCaratteri();

} // namespace documento
