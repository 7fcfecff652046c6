#pragma once
// The title-screen tune: a MIDI player driven by command texts, like a media
// control with a FileName and a Command property.
#include <QString>

namespace piattaforma {

class Musica {
public:
    virtual ~Musica() = default;
    // "open" loads FileName, "play" starts or resumes, "pause" pauses, "close" stops
    // and releases the file. A missing file, sound font or device leaves it silent;
    // no command ever fails visibly.
    virtual void comando(const QString& nomeFile, const QString& comando) = 0;
};

Musica& musica();
void impostaMusica(Musica* servizio);

// The control of the title screen: setting Command runs it on the service.
class MMControl {
public:
    QString FileName;
    void setCommand(const QString& comando) { musica().comando(FileName, comando); }
};

} // namespace piattaforma
