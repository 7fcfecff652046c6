#pragma once
// Opening web pages and mail links with the desktop's own programs.
#include <QString>

namespace piattaforma {

class Desktop {
public:
    virtual ~Desktop() = default;
    // Returns false when the desktop could not open the address.
    virtual bool apriIndirizzo(const QString& indirizzo) = 0;
};

Desktop& desktop();
void impostaDesktop(Desktop* servizio);

} // namespace piattaforma
