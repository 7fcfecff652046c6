#pragma once
// Opening web pages, mail links and files with the desktop's own programs.
#include <QString>

#include <functional>

namespace piattaforma {

class Desktop {
public:
    virtual ~Desktop() = default;
    // Returns false when the desktop could not open the address.
    virtual bool apriIndirizzo(const QString& indirizzo) = 0;
    // Opens a local file with the desktop's program for its kind. The answer comes
    // later, on the event loop: false when the opener failed or found no program,
    // true once it has handed the file over (or is still running the program).
    virtual void apriFile(const QString& percorso, std::function<void(bool)> esito) = 0;
};

Desktop& desktop();
void impostaDesktop(Desktop* servizio);

} // namespace piattaforma
