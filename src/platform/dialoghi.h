#pragma once
// File and colour dialogs. Each window owns a CommonDialog value that keeps its
// properties between uses; showing it goes through the Dialoghi service, so tests
// can answer dialogs from a script.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace piattaforma {

// A colour as the program stores it: red in the lowest byte, then green, then blue.
using ColoreRGB = std::uint32_t;
constexpr ColoreRGB RGB(int r, int g, int b)
{
    return ColoreRGB(r & 0xFF) | (ColoreRGB(g & 0xFF) << 8) | (ColoreRGB(b & 0xFF) << 16);
}
constexpr int rossoDi(ColoreRGB c) { return int(c & 0xFF); }
constexpr int verdeDi(ColoreRGB c) { return int((c >> 8) & 0xFF); }
constexpr int bluDi(ColoreRGB c) { return int((c >> 16) & 0xFF); }

struct RichiestaFile {
    QString titolo;      // DialogTitle
    QString nomeFile;    // FileName: the name (and folder) the dialog starts from
    QString filtro;      // Filter as "description|pattern|description|pattern"
    int indiceFiltro = 0; // FilterIndex, from 1 (0 counts as 1)
    int flags = 0;
    // A data-file dialog: an empty or bare name starts in the folder last chosen in
    // such dialogs, and a choice moves it. Other dialogs (the reports') name their own
    // folder and move nothing.
    bool cartellaRicordata = false;
    // The prefix of a data file's name: a save dialog proposing a longer name selects
    // what follows the prefix, so that a name typed replaces it behind the prefix.
    QString prefisso;
};

// One filter entry translated for the toolkit's dialogs.
struct VoceFiltro {
    QString descrizione; // blanks trimmed, a trailing "(…)" removed
    QStringList modelli; // blanks trimmed; "*.*" becomes "*" so names without extension appear
    QString perQt() const; // "description (p1 p2)"
};
// Splits "description|pattern|…" into entries; a trailing description without pattern is dropped.
QList<VoceFiltro> analizzaFiltro(const QString& filtro);

class Dialoghi {
public:
    virtual ~Dialoghi() = default;
    // Each returns the chosen full file name, or nothing on Cancel or error.
    virtual std::optional<QString> apri(const RichiestaFile& richiesta) = 0;
    virtual std::optional<QString> salva(const RichiestaFile& richiesta) = 0;
    // Returns the chosen colour, or nothing on Cancel.
    virtual std::optional<ColoreRGB> colore(ColoreRGB iniziale, int flags) = 0;
};

// The user's documents folder (the desktop's own, else ~/Documents), created if
// missing: reports are saved there and the data-file dialogs first start there.
QString cartellaDocumenti();

// The service in use. Until one is set every dialog is cancelled.
Dialoghi& dialoghi();
void impostaDialoghi(Dialoghi* servizio);

// The dialog control of a window, for its data files. Properties keep their values
// between uses.
class CommonDialog {
public:
    QString DialogTitle;
    QString FileName;
    QString Filter;
    int FilterIndex = 0;
    int Flags = 0;
    ColoreRGB Color = 0;
    QString prefisso; // the prefix of the window's data files (see RichiestaFile)

    // Each returns false when the user cancelled (nothing changes then);
    // on true FileName (or Color) holds the choice.
    bool ShowOpen();
    bool ShowSave();
    bool ShowColor();

private:
    RichiestaFile richiesta() const;
};

} // namespace piattaforma
