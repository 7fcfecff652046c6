// The tune on FluidSynth: settings, synthesizer, MIDI player and audio output live
// together and are released together.
#include "platform/musicaFluid.h"

#include <QDir>
#include <QFileInfo>

#include <dlfcn.h>
#include <fluidsynth.h>

namespace piattaforma {

namespace {

// The sound library prints its own diagnostics when no sound card exists; the
// program must stay quiet, so its handler is replaced when the library is loaded.
extern "C" void erroreSuonoMuto(const char*, int, const char*, int, const char*, ...) {}

void silenzia()
{
    static bool fatto = false;
    if (fatto)
        return;
    fatto = true;
    for (int livello = FLUID_PANIC; livello < LAST_LOG_LEVEL; ++livello)
        fluid_set_log_function(livello, nullptr, nullptr);
    using Gestore = void (*)(const char*, int, const char*, int, const char*, ...);
    using Imposta = int (*)(Gestore);
    if (void* simbolo = dlsym(RTLD_DEFAULT, "snd_lib_error_set_handler"))
        reinterpret_cast<Imposta>(simbolo)(&erroreSuonoMuto);
}

} // namespace

struct MusicaFluidSynth::Lettore {
    fluid_settings_t* impostazioni = nullptr;
    fluid_synth_t* sintetizzatore = nullptr;
    fluid_player_t* player = nullptr;
    fluid_audio_driver_t* uscita = nullptr;

    ~Lettore()
    {
        // The output thread drives the synthesizer: it goes first.
        if (uscita)
            delete_fluid_audio_driver(uscita);
        if (player) {
            fluid_player_stop(player);
            delete_fluid_player(player);
        }
        if (sintetizzatore)
            delete_fluid_synth(sintetizzatore);
        if (impostazioni)
            delete_fluid_settings(impostazioni);
    }
};

MusicaFluidSynth::MusicaFluidSynth(QStringList fontiSonore, QStringList driverAudio)
    : fontiSonore_(std::move(fontiSonore)), driverAudio_(std::move(driverAudio))
{
    silenzia();
}

MusicaFluidSynth::~MusicaFluidSynth() { chiudi(); }

QStringList MusicaFluidSynth::fontiPredefinite()
{
    return {QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"), QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2")};
}

QStringList MusicaFluidSynth::driverPredefiniti()
{
    return {QStringLiteral("pulseaudio"), QStringLiteral("alsa")};
}

QString MusicaFluidSynth::fileMidi(const QString& nomeFile)
{
    if (nomeFile.isEmpty())
        return QString();
    const QFileInfo file(QDir::current(), nomeFile);
    if (!file.isFile())
        return QString();
    const QString percorso = file.absoluteFilePath();
    return fluid_is_midifile(QFile::encodeName(percorso).constData()) ? percorso : QString();
}

bool MusicaFluidSynth::aperta() const { return lettore_ != nullptr; }

bool MusicaFluidSynth::inRiproduzione() const
{
    return lettore_ && fluid_player_get_status(lettore_->player) == FLUID_PLAYER_PLAYING;
}

void MusicaFluidSynth::comando(const QString& nomeFile, const QString& comando)
{
    const QString c = comando.trimmed().toLower();
    if (c == QLatin1String("open"))
        apri(nomeFile);
    else if (c == QLatin1String("play"))
        suona();
    else if (c == QLatin1String("pause"))
        pausa();
    else if (c == QLatin1String("close"))
        chiudi();
}

void MusicaFluidSynth::apri(const QString& nomeFile)
{
    chiudi();
    const QString midi = fileMidi(nomeFile);
    if (midi.isEmpty())
        return;
    const QByteArray percorso = QFile::encodeName(midi);
    QByteArray fonte;
    for (const QString& f : fontiSonore_) {
        if (QFileInfo(f).isFile()) {
            fonte = QFile::encodeName(f);
            break;
        }
    }
    if (fonte.isEmpty())
        return;

    auto lettore = std::make_unique<Lettore>();
    lettore->impostazioni = new_fluid_settings();
    if (!lettore->impostazioni)
        return;
    lettore->sintetizzatore = new_fluid_synth(lettore->impostazioni);
    if (!lettore->sintetizzatore || fluid_synth_sfload(lettore->sintetizzatore, fonte.constData(), 1) == FLUID_FAILED)
        return;
    lettore->player = new_fluid_player(lettore->sintetizzatore);
    if (!lettore->player || fluid_player_add(lettore->player, percorso.constData()) != FLUID_OK)
        return;
    for (const QString& driver : driverAudio_) {
        fluid_settings_setstr(lettore->impostazioni, "audio.driver", driver.toUtf8().constData());
        lettore->uscita = new_fluid_audio_driver(lettore->impostazioni, lettore->sintetizzatore);
        if (lettore->uscita)
            break;
    }
    if (!lettore->uscita)
        return;
    lettore_ = std::move(lettore);
}

void MusicaFluidSynth::suona()
{
    if (lettore_)
        fluid_player_play(lettore_->player);
}

void MusicaFluidSynth::pausa()
{
    if (!lettore_)
        return;
    // Stopping the player keeps its position; the notes still sounding are released.
    fluid_player_stop(lettore_->player);
    fluid_synth_all_notes_off(lettore_->sintetizzatore, -1);
}

void MusicaFluidSynth::chiudi() { lettore_.reset(); }

} // namespace piattaforma
