#pragma once
// The title-screen tune on FluidSynth. Whatever is missing (the file, a sound font,
// an audio device) leaves the player silent; no command ever reports anything.
#include "platform/musica.h"

#include <QStringList>
#include <memory>

namespace piattaforma {

class MusicaFluidSynth final : public Musica {
public:
    // Sound fonts tried in order; audio drivers tried in order.
    explicit MusicaFluidSynth(QStringList fontiSonore = fontiPredefinite(),
                              QStringList driverAudio = driverPredefiniti());
    ~MusicaFluidSynth() override;
    MusicaFluidSynth(const MusicaFluidSynth&) = delete;
    MusicaFluidSynth& operator=(const MusicaFluidSynth&) = delete;

    // "open" (FileName relative to the current folder), "play" (start or resume),
    // "pause", "close" (stop and release). Other commands are ignored.
    void comando(const QString& nomeFile, const QString& comando) override;

    // A tune is loaded and has an audio output.
    bool aperta() const;
    // The loaded tune is playing.
    bool inRiproduzione() const;

    static QStringList fontiPredefinite();
    static QStringList driverPredefiniti();

    // The full path of the tune "open" would load for this FileName: the file in the
    // current folder, when it is a MIDI file; empty otherwise.
    static QString fileMidi(const QString& nomeFile);

private:
    void apri(const QString& nomeFile);
    void suona();
    void pausa();
    void chiudi();

    struct Lettore;
    QStringList fontiSonore_;
    QStringList driverAudio_;
    std::unique_ptr<Lettore> lettore_;
};

} // namespace piattaforma
