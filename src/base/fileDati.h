#pragma once
#include "base/archivio.h"
#include "platform/dialoghi.h"

#include <QList>
#include <QString>
#include <functional>

namespace archivio {

// The data file of one window: the dialog texts of its kind of file and the rules of
// its open and save commands, shared by every window that owns a data file.
//
// The name a plain save writes to is only ever a file chosen in this window's own
// open or save dialog and then read or written successfully. The remembered name
// (the window's own, or the one the calculation windows share) only decides whether
// a plain save must ask: it asks while the remembered name is empty, and also while
// this window has no such file of its own.
class FileDati {
public:
    // dialogo: the window's one dialog; prefisso: "Korvel-front-" and alike;
    // ricordato: the remembered name shared with other windows, or nullptr for a
    // name of the window's own. The dialog gets the prefix as its preset name.
    FileDati(piattaforma::CommonDialog& dialogo, const QString& prefisso, QString* ricordato = nullptr);

    QString filtroSalva() const;    // "File P | P*"
    QString filtroApri() const;     // "Tutti i file (*.*) | *.*|File P | P*"

    // The remembered name ("" when none) and the file a plain save writes to.
    QString ricordato() const { return *ricordato_; }
    void impostaRicordato(const QString& nome) { *ricordato_ = nome; }
    QString bersaglio() const { return bersaglio_; }

    // What a reader gives back: the step that puts the values read into the window,
    // or nothing when the file does not hold acceptable values.
    using Applica = std::function<void()>;
    using Leggi = std::function<Applica(Lettore&)>;

    // Open: shows the open dialog (Cancel changes nothing), loads the chosen file and
    // runs `leggi` on it. Only when every value was read and accepted is the returned
    // step run and the file remembered; otherwise nothing changes and one critical
    // message says that the file could not be read, with the reason, or that it is
    // not a valid data file of this window.
    // True when the file was applied.
    bool apri(const Leggi& leggi);

    // Save: asks for a name when a plain save may not write without asking (see
    // above); `scrivi` builds the content. A file that cannot be written leaves the
    // previous one intact, and the file of a plain save unchanged, and is reported
    // with a critical message naming it and the reason. A file
    // written with characters it cannot hold gets one message naming their fields.
    // True when the file was written. The caller runs its checks first.
    bool salva(const std::function<void(Scrittore&)>& scrivi);

private:
    piattaforma::CommonDialog& dialogo_;
    QString prefisso_;
    QString proprio_;
    QString* ricordato_;
    QString bersaglio_;
};

// The message of a file that cannot be read as a data file of the window.
QString messaggioNonValido(const QString& nome);
// The message of a file that cannot be read at all, and why.
QString messaggioNonLeggibile(const QString& nome, const QString& motivo);
// The message of a file that cannot be written; the reason, when known, on a line
// of its own.
QString messaggioNonScritto(const QString& nome, const QString& motivo = QString());
// The message of a file written with characters it cannot hold.
QString messaggioNonRegistrabili(const QString& nome, const QList<Scrittore::Perdita>& perdite);

} // namespace archivio
