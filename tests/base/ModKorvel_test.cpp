// Shared module: program strings, the silent-check flag and the numeric filter.
#include "base/ModKorvel.h"

#include "platform/messaggi.h"
#include "support/ambiente.h"
#include "support/doppi.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace ModKorvel;
using piattaforma::vbCritical;
using piattaforma::vbInformation;

QStringList noveValori()
{
    return {nomeProgramma, sottotitolo,  versione,     dataInizio,   dataRilascio,
            titoloControllo, titoloAiuto, titoloColore, titoloElimina};
}

TEST(InizializzaDati, SetsTheNineStringsAndTitles)
{
    inizializzaDati();
    EXPECT_EQ(nomeProgramma, QStringLiteral("Korvel"));
    EXPECT_EQ(sottotitolo, QStringLiteral("programma per il calcolo di pannelli solari"));
    EXPECT_EQ(versione, QStringLiteral("3.04.05"));
    EXPECT_EQ(dataInizio, QStringLiteral("01/01/1984"));
    EXPECT_EQ(dataRilascio, QStringLiteral("281211"));
    EXPECT_EQ(titoloControllo, QStringLiteral("Korvel: controllo dati immessi nella finestra attiva"));
    EXPECT_EQ(titoloAiuto, QStringLiteral("Korvel: aiuto in linea"));
    EXPECT_EQ(titoloColore, QStringLiteral("Korvel: colore di sfondo"));
    EXPECT_EQ(titoloElimina, QStringLiteral("Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo"));
}

TEST(InizializzaDati, ASecondCallChangesNothing)
{
    inizializzaDati();
    const QStringList prima = noveValori();
    inizializzaDati();
    EXPECT_EQ(noveValori(), prima);
}

TEST(InizializzaDati, TitlesBeginWithTheProgramName)
{
    inizializzaDati();
    for (const QString& titolo : {titoloControllo, titoloAiuto, titoloColore})
        EXPECT_TRUE(titolo.startsWith(QStringLiteral("Korvel: "))) << titolo.toStdString();
}

TEST(CaricaStudio, ReadsNameAndAddressFromTheSettingsFile)
{
    QTemporaryDir cartella;
    ASSERT_TRUE(cartella.isValid());
    const QByteArray prima = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(cartella.path()));
    QDir(cartella.path()).mkpath(QStringLiteral("Korvel"));
    QFile file(cartella.filePath(QStringLiteral("Korvel/korvel.ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[studio]\nnome=Studio Rossi & Figli\nindirizzo=\"Via Po 3, Città\"\n");
    file.close();
    caricaStudio();
    EXPECT_EQ(nomeStudio, QStringLiteral("Studio Rossi & Figli"));
    EXPECT_EQ(indirizzoStudio, QStringLiteral("Via Po 3, Città"));

    // Without the file both stay empty.
    QFile::remove(file.fileName());
    caricaStudio();
    EXPECT_EQ(nomeStudio, QString());
    EXPECT_EQ(indirizzoStudio, QString());
    qputenv("XDG_CONFIG_HOME", prima);
}

TEST(CaricaStudio, AnAddressWithUnquotedCommasIsKeptWhole)
{
    QTemporaryDir cartella;
    ASSERT_TRUE(cartella.isValid());
    const QByteArray prima = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(cartella.path()));
    QDir(cartella.path()).mkpath(QStringLiteral("Korvel"));
    QFile file(cartella.filePath(QStringLiteral("Korvel/korvel.ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // As a user writes it by hand, without quotes.
    file.write("[studio]\nnome=Studio Tecnico Rossi, Bianchi e Associati\nindirizzo=Via Roma 1, 20121 Milano\n");
    file.close();
    caricaStudio();
    EXPECT_EQ(nomeStudio, QStringLiteral("Studio Tecnico Rossi, Bianchi e Associati"));
    EXPECT_EQ(indirizzoStudio, QStringLiteral("Via Roma 1, 20121 Milano"));
    qputenv("XDG_CONFIG_HOME", prima);
}

// A check in the shape every window's check has: the first failure is reported,
// a pass ends with the confirmation (or silence when asked for the verdict).
struct Controllo {
    bool passa = true;
    void operator()() const
    {
        if (!passa) {
            piattaforma::msgBox(QStringLiteral("manca un dato"), vbCritical, titoloControllo);
            return;
        }
        confermaControllo(QStringLiteral("I dati sono stati immessi correttamente."));
    }
};

class ControlloSilenzioso : public ::testing::Test {
protected:
    void SetUp() override
    {
        ambiente::ripristinaStato();
        inizializzaDati();
    }
    doppi::Messaggi messaggi;
};

TEST_F(ControlloSilenzioso, AFlagNeverSetCountsAsZero)
{
    Controllo{true}();
    ASSERT_EQ(messaggi.mostrati.size(), 1);
    EXPECT_EQ(messaggi.mostrati[0].testo, QStringLiteral("I dati sono stati immessi correttamente."));
    EXPECT_EQ(messaggi.mostrati[0].pulsanti, vbInformation);
    EXPECT_EQ(messaggi.mostrati[0].titolo, titoloControllo);
    EXPECT_EQ(controlloSilenzioso, 0);
}

TEST_F(ControlloSilenzioso, APassingSilentCheckShowsNothingAndResetsTheFlag)
{
    EXPECT_TRUE(verificaSilenziosa(Controllo{true}));
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
    EXPECT_EQ(controlloSilenzioso, 0);
}

TEST_F(ControlloSilenzioso, AFailedSilentCheckShowsItsMessageAndTheUsersNextCheckConfirms)
{
    EXPECT_FALSE(verificaSilenziosa(Controllo{false}));
    EXPECT_EQ(messaggi.testi(), QStringList{QStringLiteral("manca un dato")});
    EXPECT_EQ(controlloSilenzioso, 0) << "the caller puts the flag back";
    messaggi.azzera();

    // Another window's check started by the user.
    Controllo{true}();
    EXPECT_EQ(messaggi.testi(), QStringList{QStringLiteral("I dati sono stati immessi correttamente.")});
}

TEST_F(ControlloSilenzioso, AFailingCheckNeverTouchesTheFlag)
{
    controlloSilenzioso = 0;
    Controllo{false}();
    EXPECT_EQ(controlloSilenzioso, 0);
}

class FiltroNumerico : public ::testing::Test {
protected:
    void SetUp() override
    {
        ambiente::ripristinaStato();
        inizializzaDati();
    }
    // The filtered text; the boxes shown go to `messaggi`.
    QString filtra(const QString& testo)
    {
        datoImmesso = testo;
        controllaNumero();
        return datoControllato;
    }
    void attendiMessaggi(const QStringList& testi)
    {
        EXPECT_EQ(messaggi.testi(), testi);
        for (const auto& m : messaggi.mostrati) {
            EXPECT_EQ(m.pulsanti, vbCritical);
            EXPECT_EQ(m.titolo, titoloControllo);
        }
    }
    doppi::Messaggi messaggi;
    const QString virgola = QStringLiteral("Attenzione: usare il punto per i decimali.");
    const QString nonNumerico = QStringLiteral("Attenzione: digitare solo dati numerici.");
};

TEST_F(FiltroNumerico, DigitsAndPointsPassUnchanged)
{
    EXPECT_EQ(filtra(QString()), QString());
    EXPECT_EQ(filtra(QStringLiteral("0123456789")), QStringLiteral("0123456789"));
    EXPECT_EQ(filtra(QStringLiteral("1.2.3")), QStringLiteral("1.2.3"));
    EXPECT_EQ(filtra(QStringLiteral(".5")), QStringLiteral(".5"));
    attendiMessaggi({});
}

TEST_F(FiltroNumerico, ACommaBecomesAPointWithOneWarning)
{
    EXPECT_EQ(filtra(QStringLiteral("12,5")), QStringLiteral("12.5"));
    attendiMessaggi({virgola});
}

TEST_F(FiltroNumerico, ASilentCallerGetsThePointWithoutWarning)
{
    virgolaSilenziosa = 1;
    EXPECT_EQ(filtra(QStringLiteral("12,5")), QStringLiteral("12.5"));
    attendiMessaggi({});
    // Only the comma is silent.
    EXPECT_EQ(filtra(QStringLiteral("1 ,5")), QStringLiteral("1.5"));
    attendiMessaggi({nonNumerico});
}

TEST_F(FiltroNumerico, OtherCharactersAreDroppedWithOneWarningEach)
{
    EXPECT_EQ(filtra(QStringLiteral("-3")), QStringLiteral("3"));
    attendiMessaggi({nonNumerico});
    messaggi.azzera();
    EXPECT_EQ(filtra(QStringLiteral("1 000")), QStringLiteral("1000"));
    attendiMessaggi({nonNumerico});
    messaggi.azzera();
    EXPECT_EQ(filtra(QStringLiteral("3.5e2")), QStringLiteral("3.52"));
    attendiMessaggi({nonNumerico});
    messaggi.azzera();
    EXPECT_EQ(filtra(QStringLiteral("à½٣")), QString()) << "letters and other scripts' digits";
    attendiMessaggi({nonNumerico, nonNumerico, nonNumerico});
}

TEST_F(FiltroNumerico, WarningsFollowTheOrderOfTheCharacters)
{
    EXPECT_EQ(filtra(QStringLiteral("a,b")), QStringLiteral("."));
    attendiMessaggi({nonNumerico, virgola, nonNumerico});
}

TEST_F(FiltroNumerico, TheFilteredTextPassesASecondTimeSilently)
{
    const QString primo = filtra(QStringLiteral("x12,5y"));
    messaggi.azzera();
    EXPECT_EQ(filtra(primo), primo);
    attendiMessaggi({});
}

} // namespace
