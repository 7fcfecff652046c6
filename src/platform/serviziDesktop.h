#pragma once
// The desktop implementations of the platform services (message boxes, file and
// colour dialogs, web and mail links) on the toolkit's own widgets. The tune has its
// own class in musicaFluid.h.
#include "platform/desktop.h"
#include "platform/dialoghi.h"
#include "platform/messaggi.h"

#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>

namespace piattaforma {

// Installs every desktop service (and the toolkit's Italian texts). Call once, after
// the application object exists.
void installaServiziDesktop();

// --- Message boxes -----------------------------------------------------------

struct PulsanteMessaggio {
    QString testo;
    int risposta = vbOK;
};

// What a button-and-icon code asks of a box.
struct FormaMessaggio {
    QMessageBox::Icon icona = QMessageBox::NoIcon;
    QList<PulsanteMessaggio> pulsanti; // left to right as the code names them
    int predefinita = vbOK;             // the answer of Enter
    int escape = vbOK;                  // the answer of Escape and of the close box
};

FormaMessaggio formaMessaggio(int pulsanti);
// Character 13 (alone or followed by 10) starts a new line.
QString righeMessaggio(const QString& testo);

class MessaggiDesktop final : public Messaggi {
public:
    int mostra(const QString& testo, int pulsanti, const QString& titolo) override;
};

// --- File and colour dialogs -------------------------------------------------

// Where a file dialog starts and what it offers.
struct AvvioDialogoFile {
    QString cartella;     // absolute folder shown first
    QString nome;         // name filled in ("" for none)
    QStringList filtri;   // the toolkit's filter texts ("" list: every file)
    int filtroScelto = -1; // index into filtri, -1 when there are none
};
// FileName: empty or a bare name starts in `cartellaCorrente`; a path starts in its
// folder with its name filled; an existing folder starts there with no name, except
// in a save, whose path names the file proposed even where a folder stands.
AvvioDialogoFile preparaDialogoFile(const RichiestaFile& richiesta, const QString& cartellaCorrente,
                                    bool salvataggio = false);

// Where a data-file dialog with an empty or bare name starts: the folder of the last
// file chosen in a data-file dialog while it exists (an open dialog empties its name
// first, and would otherwise go back to the same folder every time), else the
// documents folder. Never the program's own folder, whose files are not the user's.
QString cartellaDiPartenza();
void ricordaCartella(const QString& fileScelto);

// The text of the question asked before a save replaces an existing file.
QString domandaSostituzione(const QString& nomeCompleto);

class DialoghiDesktop final : public Dialoghi {
public:
    std::optional<QString> apri(const RichiestaFile& richiesta) override;
    std::optional<QString> salva(const RichiestaFile& richiesta) override;
    std::optional<ColoreRGB> colore(ColoreRGB iniziale, int flags) override;
};

// --- Addresses ---------------------------------------------------------------

// Files open through xdg-open, watched for a while: where the desktop has no program
// for the file, or none starts, the opener ends with a failure code. Where it keeps
// running, it is running the program (a desktop without its own opener runs it in
// the foreground), and that counts as opened.
class DesktopQt final : public Desktop {
public:
    explicit DesktopQt(int attesaMs = 10000) : attesaMs_(attesaMs) {}
    bool apriIndirizzo(const QString& indirizzo) override;
    void apriFile(const QString& percorso, std::function<void(bool)> esito) override;

private:
    int attesaMs_;
};

} // namespace piattaforma
