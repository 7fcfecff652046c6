#pragma once
// Scripted doubles of the platform services. Each installs itself on construction
// and restores the default service on destruction.
#include "platform/desktop.h"
#include "platform/dialoghi.h"
#include "platform/messaggi.h"
#include "platform/musica.h"

#include <QList>
#include <QString>
#include <deque>
#include <optional>

namespace doppi {

struct Messaggio {
    QString testo;
    int pulsanti = 0;
    QString titolo;
    int risposta = 0;
};

// Answers message boxes from a script; when the script is empty a box gets its
// default button (as Enter would). Every box shown is recorded.
class Messaggi final : public piattaforma::Messaggi {
public:
    Messaggi();
    ~Messaggi() override;
    void rispondi(int risposta) { risposte_.push_back(risposta); }
    int mostra(const QString& testo, int pulsanti, const QString& titolo) override;

    QList<Messaggio> mostrati;
    QStringList testi() const;
    void azzera() { mostrati.clear(); risposte_.clear(); }

private:
    std::deque<int> risposte_;
};

struct Dialogo {
    enum Tipo { Apri, Salva, Colore } tipo;
    piattaforma::RichiestaFile richiesta;
    piattaforma::ColoreRGB coloreIniziale = 0;
};

// Answers file and colour dialogs from a script; with the script empty a dialog is
// cancelled. Every dialog shown is recorded.
class Dialoghi final : public piattaforma::Dialoghi {
public:
    Dialoghi();
    ~Dialoghi() override;
    void scegliFile(const QString& nome) { file_.push_back(Scelta{true, nome}); }
    void annullaFile() { file_.push_back(Scelta{false, QString()}); }
    void scegliColore(piattaforma::ColoreRGB c) { colori_.push_back(c); }
    void annullaColore() { colori_.push_back(std::nullopt); }

    std::optional<QString> apri(const piattaforma::RichiestaFile& richiesta) override;
    std::optional<QString> salva(const piattaforma::RichiestaFile& richiesta) override;
    std::optional<piattaforma::ColoreRGB> colore(piattaforma::ColoreRGB iniziale, int flags) override;

    QList<Dialogo> mostrati;

private:
    struct Scelta {
        bool scelto;
        QString nome;
    };
    std::optional<QString> prossimo();
    std::deque<Scelta> file_;
    std::deque<std::optional<piattaforma::ColoreRGB>> colori_;
};

// Records the tune's commands.
class Musica final : public piattaforma::Musica {
public:
    Musica();
    ~Musica() override;
    void comando(const QString& nomeFile, const QString& comando) override;
    QStringList comandi;  // the commands in order
    QStringList file;     // the FileName at each command
};

class Desktop final : public piattaforma::Desktop {
public:
    Desktop();
    ~Desktop() override;
    bool apriIndirizzo(const QString& indirizzo) override;
    // Answers at once with esitoFile, or, with differito set, when rispondi() is called.
    void apriFile(const QString& percorso, std::function<void(bool)> esito) override;
    void rispondi(bool aperto);
    QStringList aperti;
    bool esito = true;
    QStringList file;
    bool esitoFile = true;
    bool differito = false;

private:
    std::deque<std::function<void(bool)>> inAttesa_;
};

} // namespace doppi
