// The window's data file: exact bytes through the save dialog, reopening into a
// window that held other data, the saves that must not write and the files that
// must not change anything.
#include "ambienteTrasm.h"

#include <QFile>
#include <QTemporaryDir>

using namespace ModKorvel;

namespace {

QByteArray contenuto(const QString& nome)
{
    QFile file(nome);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void scriviFile(const QString& nome, const QByteArray& byte)
{
    QFile file(nome);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(byte);
}

class ArchivioTrasmFinestra : public AmbienteTrasm {
protected:
    void SetUp() override
    {
        AmbienteTrasm::SetUp();
        finestra<frontespizio>().imposta({QStringLiteral("Scuola, ala nord"), QStringLiteral("Perugia"),
                                          QStringLiteral("fattibilità"), QStringLiteral("Comune"), QString(),
                                          QStringLiteral("lunedì, 7 dic 2026"), QString()});
    }
    QString percorso(const char* nome) const { return cartella.filePath(QString::fromLatin1(nome)); }

    // Three external and two internal elements.
    static void compila()
    {
        elemento(1, 1, muratura, QStringLiteral("120"));
        elemento(1, 2, vetrate, QStringLiteral("24"));
        t().scegliTipo(1, 3, 10);
        t().ar[3]->setText(QStringLiteral("6.3"));
        elemento(2, 1, muratura, QStringLiteral("50"));
        elemento(2, 2, pilastri, QStringLiteral("4.2"));
    }
    // What the window shows and holds.
    static QStringList stato()
    {
        trasmitt& w = t();
        QStringList s = risultati();
        for (int g = 1; g <= 2; ++g)
            for (int i = 1; i <= 20; ++i)
                s << tipologiaElem[g][i] + u'|' + areaElem[g][i] + u'|' + trasUnitaria[g][i];
        s << w.Combo1[1]->currentText() << w.ar2[1]->Text() << w.passo->Caption()
          << finestra<frontespizio>().progetto->Text();
        return s;
    }

    static const QByteArray file5;
    QTemporaryDir cartella;
};

const QByteArray ArchivioTrasmFinestra::file5("3,2\r\n"
                                              "\"Muratura con intercapedine\",\"120\",\"1.31\"\r\n"
                                              "\"Vetrate\",\"24\",\"6\"\r\n"
                                              "\"Portoni in legno, doppi infissi\",\"6.3\",\"2.51\"\r\n"
                                              "\"Muratura a doppia fodera\",\"50\",\"1.31\"\r\n"
                                              "\"Porta\",\"4.2\",\"3\"\r\n"
                                              "\"Scuola, ala nord\",\"Perugia\",\"fattibilit\xE0\",\"Comune\",\"\","
                                              "\"luned\xEC, 7 dic 2026\",\"\"\r\n");

} // namespace

TEST_F(ArchivioTrasmFinestra, SaveAndReopenRebuildTheResults)
{
    compila();
    const QStringList risultatiSalvati = risultati();
    dialoghi.scegliFile(percorso("Korvel-trasm-scuola"));
    t().salva_Click();
    ASSERT_EQ(dialoghi.mostrati.size(), 1);
    EXPECT_EQ(dialoghi.mostrati[0].richiesta.titolo, QStringLiteral("Salva file con nome"));
    EXPECT_EQ(contenuto(percorso("Korvel-trasm-scuola")), file5);
    EXPECT_EQ(nomeFile, percorso("Korvel-trasm-scuola"));

    // Another building in the window and another project on the cover page.
    t().cancella_click();
    elemento(1, 1, vetrate, QStringLiteral("1"));
    finestra<frontespizio>().cancella_click();
    dialoghi.scegliFile(percorso("Korvel-trasm-scuola"));
    t().apri_Click();

    EXPECT_EQ(risultati(), risultatiSalvati);
    EXPECT_EQ(tipologiaElem[1][3], QStringLiteral("Portoni in legno, doppi infissi"));
    EXPECT_EQ(trasTotale[1][3], 15.81);
    EXPECT_EQ(numPeriferici, 3);
    EXPECT_EQ(numInterni, 2);
    EXPECT_EQ(finestra<frontespizio>().tipostudio->Text(), QStringLiteral("fattibilità"));
    EXPECT_EQ(t().passo->Caption(),
              QStringLiteral("Correggere, archiviare quanto immesso, digitare ulteriori dati, andare oltre (calcolo "
                             "impianto, stampa)."));
    // Each grid stays on the last position replayed.
    EXPECT_EQ(t().VScroll1->Value(), 3);
    EXPECT_EQ(t().Combo1[1]->currentText(), QStringLiteral("Portoni in legno, doppi infissi"));
    EXPECT_EQ(t().VScroll2->Value(), 2);
    EXPECT_TRUE(messaggi.mostrati.isEmpty());

    // A plain save now writes to the file opened, without a dialog.
    t().salva_Click();
    EXPECT_EQ(dialoghi.mostrati.size(), 2);
    EXPECT_EQ(contenuto(percorso("Korvel-trasm-scuola")), file5);
}

// The coefficients and the air change are the window's, not the file's.
TEST_F(ArchivioTrasmFinestra, OpeningKeepsTheCoefficientsAndReplaysEighteenElements)
{
    QByteArray byte = "18,0\r\n";
    for (int i = 1; i <= 18; ++i)
        byte += "\"Pilastri\",\"" + QByteArray::number(i) + "\",\"2.1\"\r\n";
    byte += "\"P\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
    scriviFile(percorso("Korvel-trasm-diciotto"), byte);
    t().scrollaes->setValue(100);
    t().equiv->setText(QStringLiteral("500"));
    dialoghi.scegliFile(percorso("Korvel-trasm-diciotto"));
    t().apri_Click();

    EXPECT_EQ(t().traes->Text(), QStringLiteral("10"));
    EXPECT_EQ(t().equiv->Text(), QStringLiteral("500"));
    EXPECT_EQ(trasTotale[1][18], 37.8);
    EXPECT_EQ(t().total->Text(), QStringLiteral("359.1")) << "2.1 x 171";
    EXPECT_EQ(t().VScroll1->Value(), 16);
    EXPECT_EQ(t().num[5]->Caption(), QStringLiteral("20"));
    EXPECT_EQ(t().ar[3]->Text(), QStringLiteral("18"));
    EXPECT_EQ(t().VScroll2->Value(), 1) << "a group without elements keeps its cleared rows";
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

// An area typed in a row without a type counts nowhere, so the file reopens with the
// overall transmittance shown before saving.
TEST_F(ArchivioTrasmFinestra, AnUntypedRowChangesNothingAcrossSaveAndReopen)
{
    compila();
    t().ar[4]->setText(QStringLiteral("500"));
    t().scrolla1[4]->setValue(30);
    const QStringList prima = risultati();
    dialoghi.scegliFile(percorso("Korvel-trasm-x"));
    t().salva_Click();
    EXPECT_EQ(contenuto(percorso("Korvel-trasm-x")), file5);
    dialoghi.scegliFile(percorso("Korvel-trasm-x"));
    t().apri_Click();
    EXPECT_EQ(risultati(), prima);
}

TEST_F(ArchivioTrasmFinestra, AFileTheReaderRefusesOrACancelChangesNothing)
{
    compila();
    nomeFile = percorso("Korvel-trasm-buono");
    const QStringList prima = stato();
    const QList<QByteArray> cattivi = {
        "21,0\r\n" + file5.mid(5),
        "4,2\r\n" + file5.mid(5),
        "3,2\r\n\"Vetrate\",\"2,5\",\"6\"\r\n" + file5.mid(5),
        file5 + "\"di troppo\"\r\n",
        "\"Milano\",16,1\r\n\"250\"\r\n\"20\",\"300\",\"5\",2,\"0.8\",350,200\r\n\"a\",\"b\",\"c\",\"d\",\"e\",\"f\"\r\n",
    };
    for (qsizetype i = 0; i < cattivi.size(); ++i) {
        const QString nome = percorso("Korvel-trasm-cattivo");
        scriviFile(nome, cattivi[i]);
        messaggi.azzera();
        dialoghi.scegliFile(nome);
        t().apri_Click();
        ASSERT_EQ(messaggi.mostrati.size(), 1) << i;
        EXPECT_EQ(messaggi.mostrati[0].testo, archivio::messaggioNonValido(nome)) << i;
        EXPECT_EQ(stato(), prima) << i;
        EXPECT_EQ(nomeFile, percorso("Korvel-trasm-buono")) << i;
    }

    messaggi.azzera();
    dialoghi.annullaFile();
    t().apri_Click();
    EXPECT_TRUE(messaggi.mostrati.isEmpty()) << "a cancelled dialog is silent";
    EXPECT_EQ(stato(), prima);
    EXPECT_EQ(dialoghi.mostrati.last().richiesta.titolo, QStringLiteral("Apri file"));
}

TEST_F(ArchivioTrasmFinestra, SavesThatMustNotWrite)
{
    compila();
    t().ar[2]->setText(QString());
    t().salvanome_Click();
    EXPECT_EQ(messaggi.testi(), QStringList{"Digitare il valore dell'area dell'elemento periferico n. 2"});
    EXPECT_TRUE(dialoghi.mostrati.isEmpty());

    t().ar[2]->setText(QStringLiteral("24"));
    finestra<frontespizio>().progetto->setText(QString());
    messaggi.azzera();
    t().salvanome_Click();
    EXPECT_EQ(messaggi.testi(), QStringList{"E' necessario digitare almeno il dato del 'progetto'."});
    EXPECT_TRUE(finestra<frontespizio>().isVisible());
    EXPECT_TRUE(dialoghi.mostrati.isEmpty());

    // Without any element the silent check passes: counts 0 and 0.
    finestra<frontespizio>().progetto->setText(QStringLiteral("P"));
    t().cancella_click();
    messaggi.azzera();
    dialoghi.scegliFile(percorso("Korvel-trasm-vuoto"));
    t().salvanome_Click();
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
    EXPECT_TRUE(contenuto(percorso("Korvel-trasm-vuoto")).startsWith("0,0\r\n\"P\","));
}
