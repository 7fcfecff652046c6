#pragma once
// Message boxes of the program. Every text the user reads in a box goes through
// msgBox(), so tests can answer the boxes from a script and read what was shown.
#include <QString>

namespace piattaforma {

// Button and icon codes, combined by addition.
enum : int {
    vbOKOnly = 0,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton2 = 256,
};

// Answers.
enum : int {
    vbOK = 1,
    vbYes = 6,
    vbNo = 7,
};

class Messaggi {
public:
    virtual ~Messaggi() = default;
    // Shows a modal box. In `testo` a carriage return (character 13) starts a new line.
    // Returns vbOK, vbYes or vbNo.
    virtual int mostra(const QString& testo, int pulsanti, const QString& titolo) = 0;
};

// The service in use. Until one is set, boxes are answered with their default button.
Messaggi& messaggi();
// Sets the service (not owned); nullptr restores the default.
void impostaMessaggi(Messaggi* servizio);

// The answer a box gives when its default button is pressed (Enter).
int rispostaPredefinita(int pulsanti);

inline int msgBox(const QString& testo, int pulsanti = vbOKOnly, const QString& titolo = QString())
{
    return messaggi().mostra(testo, pulsanti, titolo);
}

} // namespace piattaforma
