// The feasibility data file: exact bytes of a heating and a hot-water file, reading
// them back into a cleared window, files the reader refuses without touching the
// window, and the saves that must not write.
#include "support/ambienteCalcolo.h"

#include <QDir>
#include <QFile>

using namespace ModKorvel;

namespace {

QByteArray contenuto(const QString& nome)
{
    QFile file(nome);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ArchivioFattib : public AmbienteCalcolo {
protected:
    void SetUp() override
    {
        AmbienteCalcolo::SetUp();
        frontespizio& c = finestra<frontespizio>();
        c.imposta({QStringLiteral("Impianto dell'asilo, lotto 2"), QStringLiteral("Città di Castello"),
                   QStringLiteral("fattibilità"), QStringLiteral("Rossi, S.p.A."), QStringLiteral("Perugia"),
                   QStringLiteral("lunedì, 1 mar 2027"), QString()});
    }
    QString percorso(const char* nome) const { return cartella.filePath(QString::fromLatin1(nome)); }

    // What a reader may change, as the window shows it.
    static QStringList stato()
    {
        fattib& w = f();
        QStringList s{w.loc->Text(), w.acq->Caption(), w.temper->Caption(), w.trasm->Text(), w.ann->Text(),
                      w.cost->Text(), w.elettr->Text(), w.costalt->Text(), w.tass->Caption(), w.tasen->Caption(),
                      w.passo->Caption(), finestra<frontespizio>().progetto->Text()};
        for (PulsanteOpzione* o : {w.Option1[1], w.Option1[2], w.Option3[1], w.Option3[2], w.Option3[3]})
            s << QString::number(o->Value());
        return s;
    }

    static const QByteArray frontespizioRidotto;
    QTemporaryDir cartella;
};

const QByteArray ArchivioFattib::frontespizioRidotto(
    "\"Impianto dell'asilo, lotto 2\",\"Citt\xE0 di Castello\",\"Rossi, S.p.A.\",\"Perugia\",\"luned\xEC, 1 mar 2027\",\"\"\r\n");

} // namespace

TEST_F(ArchivioFattib, HeatingFileRoundTrip)
{
    compilaFattib(false);
    dialoghi.scegliFile(percorso("Korvel-fattib-casa"));
    f().salva_Click();
    EXPECT_EQ(contenuto(percorso("Korvel-fattib-casa")),
              QByteArray("\"Milano\",16,1\r\n\"250\"\r\n\"20\",\"300\",\"5\",2,\"0.8\",350,200\r\n") + frontespizioRidotto);
    EXPECT_EQ(nomeFile, percorso("Korvel-fattib-casa"));
    EXPECT_EQ(dialoghi.mostrati[0].richiesta.titolo, QStringLiteral("Salva file con nome"));

    const QStringList salvato = stato();
    f().cancella_click();
    finestra<frontespizio>().cancella_click();
    finestra<frontespizio>().tipostudio->setText(QStringLiteral("verifica"));
    dialoghi.scegliFile(percorso("Korvel-fattib-casa"));
    f().apri_Click();

    EXPECT_EQ(stato(), salvato);
    EXPECT_TRUE(f().Option1[1]->Value());
    EXPECT_EQ(f().passo->Caption(), fattib::testoPasso(0));
    EXPECT_EQ(numLocalita, 17);
    const calcoli::IngressiFattib in = f().ingressi();
    EXPECT_EQ(in.usoImpianto, 1);
    EXPECT_DOUBLE_EQ(in.trasmittanza, 0.9);
    EXPECT_FLOAT_EQ(in.tassoSconto, 3.5F);
    EXPECT_EQ(finestra<frontespizio>().tipostudio->Text(), QStringLiteral("verifica")) << "not in this file";
    EXPECT_EQ(finestra<frontespizio>().localita->Text(), QStringLiteral("Città di Castello"));
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

// The litres and the discount rate stay on their minimum, where clearing leaves the
// bars: their labels must still come back.
TEST_F(ArchivioFattib, HotWaterFileRoundTripWithValuesOnTheMinimum)
{
    compilaFattib(true);
    fattib& w = f();
    w.VScroll1->setValue(10);
    w.VScroll2->setValue(60);
    w.VScroll4->setValue(10);
    w.VScroll5->setValue(250);
    w.trasm->setText(QStringLiteral("999")); // a hot-water file keeps no transmittance
    dialoghi.scegliFile(percorso("Korvel-fattib-acqua"));
    w.salvanome_Click();
    EXPECT_EQ(contenuto(percorso("Korvel-fattib-acqua")),
              QByteArray("\"Milano\",16,2\r\n10,60\r\n\"20\",\"300\",\"5\",2,\"0.8\",10,250\r\n") + frontespizioRidotto);

    QStringList salvato = stato();
    salvato[3] = QString();
    w.cancella_click();
    dialoghi.scegliFile(percorso("Korvel-fattib-acqua"));
    w.apri_Click();
    EXPECT_EQ(stato(), salvato);
    EXPECT_EQ(w.acq->Caption(), QStringLiteral(" 10 litri"));
    EXPECT_EQ(w.tass->Caption(), QStringLiteral(" .1 %"));
    EXPECT_TRUE(w.Option1[2]->Value());
    EXPECT_TRUE(w.Frame1->isEnabled());
    EXPECT_FALSE(w.Frame3->isEnabled());
    EXPECT_EQ(w.passo->Caption(), fattib::testoPasso(0));
    EXPECT_DOUBLE_EQ(w.ingressi().consumoAcqua, 10);
}

TEST_F(ArchivioFattib, AFileTheReaderRefusesChangesNothing)
{
    compilaFattib(true);
    const QString corpo = QStringLiteral("\"20\",\"300\",\"5\",2,\"0.8\",350,200\r\n");
    const QByteArray coda = frontespizioRidotto;
    const QList<QByteArray> cattivi = {
        "\"Milano\",64,2\r\n300,45\r\n" + corpo.toLatin1() + coda,        // no town 65
        "\"Milano\",16,3\r\n300,45\r\n" + corpo.toLatin1() + coda,        // no such use
        "\"Milano\",16,2\r\n5,45\r\n" + corpo.toLatin1() + coda,          // below the bar's range
        "\"Milano\",16,2\r\n300,101\r\n" + corpo.toLatin1() + coda,       // above it
        "\"Milano\",16,2\r\n300,45\r\n\"20\",\"300\",\"5\",4,\"0.8\",350,200\r\n" + coda, // no fuel 4
        "\"Milano\",16,2\r\n300,45\r\n\"20\",\"300\",\"5\",2,\"0.8\",350,10001\r\n" + coda,
        "\"Milano\",16,2\r\n300,45\r\n\"2O\",\"300\",\"5\",2,\"0.8\",350,200\r\n" + coda, // not a number
        "\"Milano\",16,2\r\n300,45\r\n" + corpo.toLatin1() + "\"solo\",\"tre\",\"campi\"\r\n",
        "\"Milano\",16,1\r\n300,45\r\n" + corpo.toLatin1() + coda, // heating with the water record
    };
    const QStringList prima = stato();
    nomeFile = percorso("Korvel-fattib-buono");
    for (qsizetype i = 0; i < cattivi.size(); ++i) {
        const QString nome = percorso("Korvel-fattib-cattivo");
        QFile file(nome);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(cattivi[i]);
        file.close();
        messaggi.azzera();
        dialoghi.scegliFile(nome);
        f().apri_Click();
        ASSERT_EQ(messaggi.mostrati.size(), 1) << i;
        EXPECT_EQ(messaggi.mostrati[0].testo, archivio::messaggioNonValido(nome)) << i;
        EXPECT_EQ(messaggi.mostrati[0].pulsanti, piattaforma::vbCritical);
        EXPECT_EQ(stato(), prima) << i;
        EXPECT_EQ(nomeFile, percorso("Korvel-fattib-buono")) << i;
    }

    messaggi.azzera();
    dialoghi.annullaFile();
    f().apri_Click();
    EXPECT_TRUE(messaggi.mostrati.isEmpty()) << "a cancelled dialog is silent";
    EXPECT_EQ(stato(), prima);
    const doppi::Dialogo& ultimo = dialoghi.mostrati.last();
    EXPECT_EQ(ultimo.richiesta.titolo, QStringLiteral("Apri file"));
    EXPECT_EQ(ultimo.richiesta.filtro, QStringLiteral("Tutti i file (*.*) | *.*|File Korvel-fattib- | Korvel-fattib-*"));
    EXPECT_EQ(ultimo.richiesta.indiceFiltro, 2);
}

TEST_F(ArchivioFattib, SavesThatMustNotWrite)
{
    f().salva_Click();
    EXPECT_EQ(messaggi.testi(), QStringList{fattib::messaggioControllo(1)});
    EXPECT_EQ(controlloSilenzioso, 0);

    compilaFattib(true);
    finestra<frontespizio>().progetto->setText(QString());
    messaggi.azzera();
    f().salva_Click();
    EXPECT_EQ(messaggi.testi(), QStringList{QStringLiteral("E' necessario digitare almeno il dato del 'progetto'.")});
    EXPECT_TRUE(finestra<frontespizio>().isVisible());
    EXPECT_TRUE(dialoghi.mostrati.isEmpty()) << "no dialog, nothing written";

    finestra<frontespizio>().progetto->setText(QStringLiteral("Scuola"));
    dialoghi.annullaFile();
    f().salva_Click();
    EXPECT_EQ(dialoghi.mostrati.size(), 1);
    EXPECT_EQ(nomeFile, QString());
    EXPECT_TRUE(QDir(cartella.path()).isEmpty());
}

// The first town is the one clearing leaves in the list: reading it must still count
// as choosing it, or the use of the plant stays locked.
TEST_F(ArchivioFattib, AFileOfTheFirstTownUnlocksTheUseOfThePlant)
{
    const QString nome = percorso("Korvel-fattib-bolzano");
    QFile file(nome);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\"Bolzano\",0,1\r\n\"250\"\r\n\"20\",\"300\",\"5\",2,\"0.8\",350,200\r\n" + frontespizioRidotto);
    file.close();

    compilaFattib(true);
    fattib& w = f();
    w.cancella_click();
    dialoghi.scegliFile(nome);
    w.apri_Click();

    EXPECT_TRUE(messaggi.mostrati.isEmpty());
    EXPECT_EQ(w.loc->Text(), QStringLiteral("Bolzano"));
    EXPECT_EQ(numLocalita, 1);
    EXPECT_TRUE(w.Frame9->isEnabled()) << "the use can be changed";
    EXPECT_TRUE(w.Option1[1]->Value());
    EXPECT_EQ(w.passo->Caption(), fattib::testoPasso(0));
}
