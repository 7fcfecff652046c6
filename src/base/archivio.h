#pragma once
// The data files of the program (cover page, feasibility, detailed, transmittance)
// share one plain format: records of fields separated by commas and ended by CR LF,
// texts between double quotes, numbers bare with a point, a value never set written
// as nothing, one byte per character in Windows-1252. Files written by the Windows
// versions of the program read back unchanged.
//
// A window writes by building the whole content with a Scrittore and saving it with
// scrittura::scriviFile. It reads by loading the whole file into a Lettore, taking every
// value into temporaries with the typed accessors, and applying them to the window
// only when Lettore::ok() says that everything was present and acceptable.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

class Valore;

namespace archivio {

// Longest field a reader accepts, in bytes (one byte per character).
constexpr qsizetype campoMassimo = 64 * 1024;
// Largest file a reader loads: far above any data file the program writes.
constexpr qsizetype fileMassimo = 16 * 1024 * 1024;
// Most fields a reader splits a file into, also far above any data file: every field
// costs memory of its own, so a large file of bare separators must stop early.
constexpr qsizetype campiMassimi = 256 * 1024;

// Windows-1252. A character the set cannot hold is written as "?"; so are control
// characters other than the tab, which would make the file unreadable.
QByteArray codifica(QStringView testo);
// Every byte maps to one character; check bytesValidi() first for a file.
QString decodifica(const QByteArray& byte);
// False when the bytes hold something a data file never does: control bytes other
// than tab, CR and LF, DEL, or the five bytes Windows-1252 leaves undefined.
bool bytesValidi(const QByteArray& byte);

// The characters of a text that Windows-1252 cannot hold (composed forms first, as
// codifica() takes them), each once, in order of appearance; control characters are
// not counted.
QString caratteriNonRegistrabili(QStringView testo);

// Builds the content of a data file in memory, record by record.
class Scrittore {
public:
    // A field whose text lost characters on writing, and the characters lost.
    struct Perdita {
        QString campo;
        QString caratteri;
    };

    // A text between double quotes. A double quote inside it is written as the
    // closing typographic quote, so that no field is cut or shifted on reading.
    Scrittore& testo(const QString& valore);
    // The same, for a text the user typed: nomeCampo names its field as the window
    // shows it, for the message of characters the file cannot hold (see perdite()).
    Scrittore& testo(const QString& valore, const QString& nomeCampo);
    // A whole number, bare.
    Scrittore& intero(long long valore);
    // A floating value, bare, plain decimal notation with a point, no exponent;
    // whole values without a point. Not-a-number and infinities cannot be stored.
    Scrittore& decimale(double valore);
    // A value never set: nothing between its commas.
    Scrittore& vuoto();
    // A loosely typed value as its kind says (empty, whole, floating, text).
    Scrittore& valore(const Valore& valore);
    // Ends the record (CR LF).
    Scrittore& fineRecord();

    const QByteArray& contenuto() const { return dati_; }
    // False when a value could not be stored so as to read back (a text longer than
    // campoMassimo, a number that is not finite): such content must not be saved.
    bool ok() const { return ok_; }
    // The named fields whose characters were written as "?"; the file is still
    // written, and the save tells the user.
    const QList<Perdita>& perdite() const { return perdite_; }

private:
    void separa();
    QByteArray dati_;
    bool inizioRecord_ = true;
    bool ok_ = true;
    QList<Perdita> perdite_;
};

// One field as read.
struct Campo {
    QString testo;             // the text between the quotes, or the bare field
    bool virgolette = false;   // the field began with a double quote
    bool vuoto() const { return !virgolette && testo.isEmpty(); }
};

// Splits a file's content into its fields. Commas and line ends (CR LF, CR or LF)
// separate fields; blanks and tabs before a field are skipped; a field that begins
// with a double quote runs to the next double quote (the rest up to the next comma
// or line end is skipped), or to its line end when no quote closes it; any other
// field runs to the next comma or line end, its trailing blanks dropped. Nothing
// when the content is not a data file (binary bytes, a UTF-8 byte-order mark, a
// quoted text holding a line end, a field longer than campoMassimo, more than
// campiMassimi fields).
std::optional<QList<Campo>> campi(const QByteArray& contenuto);

// Reads the fields of a whole file in order, with typed, validated access. Each
// accessor takes the next field; a missing field or a value of the wrong kind or out
// of range makes ok() false for good and gives a neutral value, so a reader takes
// every value it needs and checks ok() once before using any of them.
class Lettore {
public:
    // An empty reader: no fields, and ok() is false.
    Lettore() = default;
    explicit Lettore(const QByteArray& contenuto);
    // Loads a whole file; a file that cannot be read, is larger than fileMassimo or
    // is not a data file gives a reader whose ok() is false. A file that cannot be
    // read at all (missing, a folder, no permission, a read error) also gives the
    // reason in `motivo`.
    static Lettore daFile(const QString& nome, QString* motivo = nullptr);

    // Any field as text: a quoted field's text, a bare field as it stands, "" for a
    // value never set. A bare field holding a double quote fails.
    QString testo();
    // A text as a text box stores it: only a field between double quotes; a bare
    // number or a value never set there means a file of another kind.
    QString testoTraVirgolette();
    // A whole number in [minimo, massimo]. Empty fields, texts that are not whole
    // numbers and values outside the range fail. A quoted number is accepted, as
    // loosely typed values may have been stored as texts.
    long long intero(long long minimo, long long massimo);
    // The same, but a value never set is accepted and gives nothing.
    std::optional<long long> interoOVuoto(long long minimo, long long massimo);
    // A position in a list of `quante` entries: 0 .. quante - 1.
    int indice(int quante);
    // A finite floating value with a point as decimal separator.
    double decimale();
    std::optional<double> decimaleOVuoto();
    // Skips one field.
    void salta();

    bool ok() const { return ok_; }
    // Fields not read yet.
    qsizetype restanti() const { return campi_.size() - prossimo_; }

private:
    const Campo* prendi();
    void fallisci() { ok_ = false; }
    QList<Campo> campi_;
    qsizetype prossimo_ = 0;
    bool ok_ = false;
};

} // namespace archivio
