// The detailed data file: exact bytes of a file of each use (a plant of both uses
// keeps its transmittance), reading them back into a cleared window, files the reader
// refuses without touching the window, and the saves that must not write.
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

class ArchivioDett : public AmbienteCalcolo {
protected:
    void SetUp() override
    {
        AmbienteCalcolo::SetUp();
        finestra<frontespizio>().imposta({QStringLiteral("Casa Bianchi, via Po 3"), QStringLiteral("Città di Castello"),
                                          QStringLiteral("calcolo dettagliato"), QStringLiteral("Bianchi, S.r.l."),
                                          QStringLiteral("Perugia"), QStringLiteral("lunedì, 1 mar 2027"), QString()});
    }
    QString percorso(const char* nome) const { return cartella.filePath(QString::fromLatin1(nome)); }
    void scrivi(const QString& nome, const QByteArray& byte)
    {
        QFile file(nome);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(byte);
    }

    // What a reader may change, as the window shows it.
    static QStringList stato()
    {
        dettagliato& w = d();
        QStringList s{w.loc->Text(),   w.incl->Caption(), w.azim->Caption(), w.ret->Caption(),  w.temper->Caption(),
                      w.acq->Caption(), w.trasm->Text(),   w.are->Text(),     w.ann->Text(),     w.cost->Text(),
                      w.costalt->Text(), w.tass->Caption(), w.infl->Caption(), w.ener->Caption(), w.passo->Caption(),
                      finestra<frontespizio>().progetto->Text()};
        for (const auto* gruppo : {&w.Option1, &w.Option2, &w.Option3, &w.Option4})
            for (std::size_t i = 1; i < gruppo->size(); ++i)
                s << QString::number((*gruppo)[i]->Value());
        return s;
    }

    static const QByteArray corpo;
    static const QByteArray frontespizioRidotto;
    QTemporaryDir cartella;
};

const QByteArray ArchivioDett::corpo("3,2,\"8\"\r\n\"20\",\"6000\",2,\"85\",350,200,300\r\n");
const QByteArray ArchivioDett::frontespizioRidotto(
    "\"Casa Bianchi, via Po 3\",\"Citt\xE0 di Castello\",\"Bianchi, S.r.l.\",\"Perugia\",\"luned\xEC, 1 mar 2027\","
    "\"\"\r\n");

} // namespace

// The hot-water plant stands where clearing leaves the bars, some with empty labels:
// every label must still come back.
TEST_F(ArchivioDett, AFileOfEachUseRoundTrips)
{
    const QByteArray atteso[] = {
        {},
        "\"Milano\",16,1,30,-15\r\n\"250\"\r\n" + corpo + frontespizioRidotto,
        "\"Milano\",16,2,0,-45\r\n0,20,10\r\n3,2,\"8\"\r\n\"20\",\"6000\",2,\"85\",10,10,10\r\n" + frontespizioRidotto,
        "\"Milano\",16,3,30,-15\r\n12,45,300\r\n" + corpo + frontespizioRidotto + "\"250\"\r\n",
    };
    for (int uso = 1; uso <= 3; ++uso) {
        SCOPED_TRACE(uso);
        d().cancella_click();
        compilaDettagliato(uso);
        if (uso == 2) {
            for (BarraScorrimento* b : {d().VScroll1, d().VScroll2, d().VScroll3, d().VScroll4, d().VScroll5,
                                        d().HScroll1, d().HScroll2, d().HScroll3})
                b->setValue(b->Min());
        }
        const QString nome = percorso("Korvel-dett-impianto") + QString::number(uso);
        dialoghi.scegliFile(nome);
        d().salvanome_Click();
        EXPECT_EQ(contenuto(nome), atteso[uso]);
        EXPECT_EQ(nomeFile, nome);

        const QStringList salvato = stato();
        d().cancella_click();
        finestra<frontespizio>().cancella_click();
        finestra<frontespizio>().tipostudio->setText(QStringLiteral("verifica"));
        dialoghi.scegliFile(nome);
        d().apri_Click();

        EXPECT_EQ(stato(), salvato);
        EXPECT_EQ(d().passo->Caption(), dettagliato::testoPasso(0));
        EXPECT_EQ(numLocalita, 17);
        const calcoli::IngressiDett in = d().ingressi();
        EXPECT_EQ(in.usoImpiantoDett, uso);
        EXPECT_DOUBLE_EQ(in.azimut, uso == 2 ? 0 : -15);
        EXPECT_DOUBLE_EQ(in.trasmittanzaDett, uso == 2 ? 0 : 250);
        EXPECT_EQ(finestra<frontespizio>().tipostudio->Text(), QStringLiteral("verifica")) << "not in this file";
        EXPECT_EQ(finestra<frontespizio>().localita->Text(), QStringLiteral("Città di Castello"));
        EXPECT_TRUE(messaggi.mostrati.isEmpty());
    }
    EXPECT_EQ(dialoghi.mostrati[0].richiesta.titolo, QStringLiteral("Salva file con nome"));
    EXPECT_EQ(dialoghi.mostrati[0].richiesta.filtro, QStringLiteral("File Korvel-dett- | Korvel-dett-*"));
}

// A file of both uses written without the transmittance record: the water comes back,
// the transmittance stays empty and the check asks for it.
TEST_F(ArchivioDett, AFileOfBothUsesWithoutItsTransmittance)
{
    const QString nome = percorso("Korvel-dett-vecchio");
    scrivi(nome, "\"Milano\",16,3,30,-15\r\n12,45,300\r\n" + corpo + frontespizioRidotto);
    compilaDettagliato(3);
    dialoghi.scegliFile(nome);
    d().apri_Click();
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
    EXPECT_EQ(d().acq->Caption(), QStringLiteral(" 300 litri"));
    EXPECT_EQ(d().trasm->Text(), QString());
    EXPECT_EQ(d().primoControlloFallito(), dettagliato::controlloTrasmittanza);
}

TEST_F(ArchivioDett, AFileTheReaderRefusesChangesNothing)
{
    const QByteArray acqua = "12,45,300\r\n";
    const QByteArray economia = "\"20\",\"6000\",2,\"85\",350,200,300\r\n";
    const QByteArray testa = "\"Milano\",16,2,30,-15\r\n";
    const QList<QByteArray> cattivi = {
        "\"Milano\",64,2,30,-15\r\n" + acqua + corpo + frontespizioRidotto, // no town 65
        "\"Milano\",16,0,30,-15\r\n" + acqua + corpo + frontespizioRidotto, // no use 0
        "\"Milano\",16,4,30,-15\r\n" + acqua + corpo + frontespizioRidotto,
        "\"Milano\",16,2,91,-15\r\n" + acqua + corpo + frontespizioRidotto, // beyond the bars' ranges
        "\"Milano\",16,2,30,-46\r\n" + acqua + corpo + frontespizioRidotto,
        testa + "31,45,300\r\n" + corpo + frontespizioRidotto,
        testa + "12,19,300\r\n" + corpo + frontespizioRidotto,
        testa + "12,45,5\r\n" + corpo + frontespizioRidotto,
        testa + acqua + "5,2,\"8\"\r\n" + economia + frontespizioRidotto, // no collector 5
        testa + acqua + "3,3,\"8\"\r\n" + economia + frontespizioRidotto, // no fluid 3
        testa + acqua + "3,2,\"8\"\r\n\"20\",\"6000\",4,\"85\",350,200,300\r\n" + frontespizioRidotto,
        testa + acqua + "3,2,\"8\"\r\n\"20\",\"6000\",2,\"85\",350,9,300\r\n" + frontespizioRidotto,
        testa + acqua + "3,2,\"8 mq\"\r\n" + economia + frontespizioRidotto, // not a number
        testa + acqua + "3,2,\"8\"\r\n\"2O\",\"6000\",2,\"85\",350,200,300\r\n" + frontespizioRidotto,
        testa + acqua + corpo + "\"solo\",\"tre\",\"campi\"\r\n",
        "\"Milano\",16,1,30,-15\r\n" + acqua + corpo + frontespizioRidotto, // heating with the water record
        "\"Milano\",16,3,30,-15\r\n" + acqua + corpo + frontespizioRidotto + "\"molto\"\r\n",
    };
    compilaDettagliato(3);
    const QStringList prima = stato();
    nomeFile = percorso("Korvel-dett-buono");
    const QString nome = percorso("Korvel-dett-cattivo");
    for (qsizetype i = 0; i < cattivi.size(); ++i) {
        scrivi(nome, cattivi[i]);
        messaggi.azzera();
        dialoghi.scegliFile(nome);
        d().apri_Click();
        ASSERT_EQ(messaggi.mostrati.size(), 1) << i;
        EXPECT_EQ(messaggi.mostrati[0].testo, archivio::messaggioNonValido(nome)) << i;
        EXPECT_EQ(messaggi.mostrati[0].pulsanti, piattaforma::vbCritical);
        EXPECT_EQ(stato(), prima) << i;
        EXPECT_EQ(nomeFile, percorso("Korvel-dett-buono")) << i;
    }

    messaggi.azzera();
    dialoghi.annullaFile();
    d().apri_Click();
    EXPECT_TRUE(messaggi.mostrati.isEmpty()) << "a cancelled dialog is silent";
    EXPECT_EQ(stato(), prima);
    const doppi::Dialogo& ultimo = dialoghi.mostrati.last();
    EXPECT_EQ(ultimo.richiesta.titolo, QStringLiteral("Apri file"));
    EXPECT_EQ(ultimo.richiesta.filtro, QStringLiteral("Tutti i file (*.*) | *.*|File Korvel-dett- | Korvel-dett-*"));
    EXPECT_EQ(ultimo.richiesta.indiceFiltro, 2);
}

TEST_F(ArchivioDett, SavesThatMustNotWrite)
{
    d().salva_Click();
    EXPECT_EQ(messaggi.testi(), QStringList{dettagliato::messaggioControllo(dettagliato::controlloLocalita)});
    EXPECT_EQ(controlloSilenzioso, 0);

    // Inputs the calculation cannot take are not archived either.
    compilaDettagliato(2);
    d().VScroll3->setValue(25);
    d().VScroll4->setValue(20);
    messaggi.azzera();
    d().salva_Click();
    EXPECT_EQ(messaggi.testi(), QStringList{dettagliato::messaggioControllo(dettagliato::controlloTemperatureAcqua)});

    d().VScroll4->setValue(45);
    finestra<frontespizio>().progetto->setText(QString());
    messaggi.azzera();
    d().salva_Click();
    EXPECT_EQ(messaggi.testi(), QStringList{QStringLiteral("E' necessario digitare almeno il dato del 'progetto'.")});
    EXPECT_TRUE(finestra<frontespizio>().isVisible());
    EXPECT_TRUE(dialoghi.mostrati.isEmpty()) << "no dialog, nothing written";

    finestra<frontespizio>().progetto->setText(QStringLiteral("Scuola"));
    dialoghi.annullaFile();
    d().salva_Click();
    EXPECT_EQ(dialoghi.mostrati.size(), 1);
    EXPECT_EQ(nomeFile, QString());
    EXPECT_TRUE(QDir(cartella.path()).isEmpty());
}
