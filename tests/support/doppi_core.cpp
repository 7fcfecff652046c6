#include "support/doppi.h"

namespace doppi {

Messaggi::Messaggi() { piattaforma::impostaMessaggi(this); }
Messaggi::~Messaggi() { piattaforma::impostaMessaggi(nullptr); }

int Messaggi::mostra(const QString& testo, int pulsanti, const QString& titolo)
{
    int risposta = piattaforma::rispostaPredefinita(pulsanti);
    if (!risposte_.empty()) {
        risposta = risposte_.front();
        risposte_.pop_front();
    }
    mostrati.append(Messaggio{testo, pulsanti, titolo, risposta});
    return risposta;
}

QStringList Messaggi::testi() const
{
    QStringList t;
    for (const auto& m : mostrati)
        t << m.testo;
    return t;
}

Dialoghi::Dialoghi() { piattaforma::impostaDialoghi(this); }
Dialoghi::~Dialoghi() { piattaforma::impostaDialoghi(nullptr); }

std::optional<QString> Dialoghi::prossimo()
{
    if (file_.empty())
        return std::nullopt;
    const Scelta scelta = file_.front();
    file_.pop_front();
    if (!scelta.scelto)
        return std::nullopt;
    return scelta.nome;
}

std::optional<QString> Dialoghi::apri(const piattaforma::RichiestaFile& richiesta)
{
    mostrati.append(Dialogo{Dialogo::Apri, richiesta, 0});
    return prossimo();
}

std::optional<QString> Dialoghi::salva(const piattaforma::RichiestaFile& richiesta)
{
    mostrati.append(Dialogo{Dialogo::Salva, richiesta, 0});
    return prossimo();
}

std::optional<piattaforma::ColoreRGB> Dialoghi::colore(piattaforma::ColoreRGB iniziale, int flags)
{
    piattaforma::RichiestaFile r;
    r.flags = flags;
    mostrati.append(Dialogo{Dialogo::Colore, r, iniziale});
    if (colori_.empty())
        return std::nullopt;
    auto scelta = colori_.front();
    colori_.pop_front();
    return scelta;
}

Musica::Musica() { piattaforma::impostaMusica(this); }
Musica::~Musica() { piattaforma::impostaMusica(nullptr); }
void Musica::comando(const QString& nomeFile, const QString& c)
{
    comandi << c;
    file << nomeFile;
}

Desktop::Desktop() { piattaforma::impostaDesktop(this); }
Desktop::~Desktop() { piattaforma::impostaDesktop(nullptr); }
bool Desktop::apriIndirizzo(const QString& indirizzo)
{
    aperti << indirizzo;
    return esito;
}

void Desktop::apriFile(const QString& percorso, std::function<void(bool)> risposta)
{
    file << percorso;
    if (differito)
        inAttesa_.push_back(std::move(risposta));
    else if (risposta)
        risposta(esitoFile);
}

void Desktop::rispondi(bool aperto)
{
    if (inAttesa_.empty())
        return;
    auto risposta = std::move(inAttesa_.front());
    inAttesa_.pop_front();
    if (risposta)
        risposta(aperto);
}

} // namespace doppi
