// The tune: whatever is missing, every command sequence stays silent and harmless.
#include "platform/musicaFluid.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

using piattaforma::MusicaFluidSynth;

// A one-note standard MIDI file.
QByteArray branoMinimo()
{
    const QByteArray traccia = QByteArray::fromHex("00903c40"   // note on
                                                   "60803c40"   // note off after 96 ticks
                                                   "00ff2f00"); // end of track
    QByteArray file = QByteArray::fromHex("4d546864000000060000000100604d54726b");
    const quint32 n = quint32(traccia.size());
    file += char(n >> 24);
    file += char(n >> 16);
    file += char(n >> 8);
    file += char(n);
    return file + traccia;
}

class Musica : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(cartella.isValid());
        precedente = QDir::currentPath();
        QDir::setCurrent(cartella.path());
    }
    void TearDown() override { QDir::setCurrent(precedente); }
    void scriviBrano(const QString& nome = QStringLiteral("Internet.mid"))
    {
        QFile f(nome);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(branoMinimo());
    }
    void sequenza(MusicaFluidSynth& m, const QString& nome)
    {
        for (const char* c : {"open", "play", "pause", "play", "close", "play", "pause", "close"}) {
            m.comando(nome, QString::fromLatin1(c));
            EXPECT_FALSE(m.aperta()) << c;
            EXPECT_FALSE(m.inRiproduzione()) << c;
        }
    }
    QTemporaryDir cartella;
    QString precedente;
};

TEST_F(Musica, AMissingFileLeavesItSilentWithoutAWord)
{
    testing::internal::CaptureStderr();
    {
        MusicaFluidSynth musica;
        sequenza(musica, QStringLiteral("Internet.mid"));
        sequenza(musica, QString());
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), std::string());
}

TEST_F(Musica, AMissingSoundFontLeavesItSilentWithoutAWord)
{
    scriviBrano();
    testing::internal::CaptureStderr();
    {
        MusicaFluidSynth musica({QStringLiteral("/non/esiste.sf2")});
        sequenza(musica, QStringLiteral("Internet.mid"));
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), std::string());
}

TEST_F(Musica, AFileThatIsNoTuneIsIgnored)
{
    QFile f(QStringLiteral("Internet.mid"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("non sono musica");
    f.close();
    MusicaFluidSynth musica;
    sequenza(musica, QStringLiteral("Internet.mid"));
}

TEST_F(Musica, NoAudioDeviceLeavesItSilent)
{
    scriviBrano();
    MusicaFluidSynth musica(MusicaFluidSynth::fontiPredefinite(), {QStringLiteral("nessuno")});
    sequenza(musica, QStringLiteral("Internet.mid"));
}

TEST_F(Musica, AFailingSoundCardSaysNothing)
{
    // Only where the sound library surely finds no card, so the test never makes noise.
    if (QFileInfo::exists(QStringLiteral("/dev/snd")))
        GTEST_SKIP() << "a sound device exists";
    scriviBrano();
    testing::internal::CaptureStderr();
    {
        MusicaFluidSynth musica(MusicaFluidSynth::fontiPredefinite(), {QStringLiteral("alsa")});
        sequenza(musica, QStringLiteral("Internet.mid"));
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), std::string());
}

TEST_F(Musica, OpenPlayPauseResumeClose)
{
    const auto fonti = MusicaFluidSynth::fontiPredefinite();
    if (std::none_of(fonti.begin(), fonti.end(), [](const QString& f) { return QFileInfo::exists(f); }))
        GTEST_SKIP() << "no General MIDI sound font installed";
    scriviBrano();
    // The file output stands in for a sound card; it writes into the current folder.
    MusicaFluidSynth musica(fonti, {QStringLiteral("file")});
    musica.comando(QStringLiteral("Internet.mid"), QStringLiteral("open"));
    ASSERT_TRUE(musica.aperta());
    EXPECT_FALSE(musica.inRiproduzione());
    musica.comando(QStringLiteral("Internet.mid"), QStringLiteral("play"));
    EXPECT_TRUE(musica.inRiproduzione());
    musica.comando(QStringLiteral("Internet.mid"), QStringLiteral("pause"));
    EXPECT_FALSE(musica.inRiproduzione());
    EXPECT_TRUE(musica.aperta());
    musica.comando(QStringLiteral("Internet.mid"), QStringLiteral("play"));
    EXPECT_TRUE(musica.inRiproduzione());
    QThread::msleep(20);
    musica.comando(QStringLiteral("Internet.mid"), QStringLiteral("close"));
    EXPECT_FALSE(musica.aperta());
    EXPECT_FALSE(musica.inRiproduzione());
    // Opening again after close works, and a new open replaces the old tune.
    musica.comando(QStringLiteral("Internet.mid"), QStringLiteral("open"));
    EXPECT_TRUE(musica.aperta());
    musica.comando(QStringLiteral("Internet.mid"), QStringLiteral("open"));
    EXPECT_TRUE(musica.aperta());
}

TEST_F(Musica, TheFileNameIsTakenFromTheCurrentFolderAtOpen)
{
    const auto fonti = MusicaFluidSynth::fontiPredefinite();
    if (std::none_of(fonti.begin(), fonti.end(), [](const QString& f) { return QFileInfo::exists(f); }))
        GTEST_SKIP() << "no General MIDI sound font installed";
    scriviBrano();
    MusicaFluidSynth musica(fonti, {QStringLiteral("file")});
    QDir::setCurrent(QDir::tempPath());
    musica.comando(QStringLiteral("Internet.mid"), QStringLiteral("open"));
    EXPECT_EQ(musica.aperta(), QFileInfo::exists(QStringLiteral("Internet.mid")));
    QDir::setCurrent(cartella.path());
    musica.comando(QStringLiteral("Internet.mid"), QStringLiteral("open"));
    EXPECT_TRUE(musica.aperta());
}

} // namespace
