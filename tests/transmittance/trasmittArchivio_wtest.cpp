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
    EXPECT_EQ(contenuto(percorso("Korvel-trasm-scuola")), file5);
    EXPECT_EQ(nomeFile, percorso("Korvel-trasm-scuola"));

    // Another building in the window and another project on the cover page.
    t().cancella_click();
    elemento(1, 1, vetrate, QStringLiteral("1"));
    finestra<frontespizio>().cancella_click();
    dialoghi.scegliFile(percorso("Korvel-trasm-scuola"));
    t().apri_Click();

    EXPECT_EQ(risultati(), risultatiSalvati);
    EXPECT_EQ(trasTotale[1][3], 15.81);
    EXPECT_EQ(finestra<frontespizio>().tipostudio->Text(), QStringLiteral("fattibilità"));
    // Both grids show their first element again.
    EXPECT_EQ(t().VScroll1->Value(), 1);
    EXPECT_EQ(t().num[1]->Caption(), QStringLiteral("1"));
    EXPECT_EQ(t().Combo1[1]->currentText(), QStringLiteral("Muratura con intercapedine"));
    EXPECT_EQ(t().ar[1]->Text(), QStringLiteral("120"));
    EXPECT_EQ(t().trat[3]->Text(), QStringLiteral("15.81"));
    EXPECT_EQ(t().VScroll2->Value(), 1);
    EXPECT_EQ(t().Combo2[2]->currentText(), QStringLiteral("Porta"));
    EXPECT_EQ(t().ar2[2]->Text(), QStringLiteral("4.2"));
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
    EXPECT_EQ(t().VScroll1->Value(), 1);
    EXPECT_EQ(t().ar[3]->Text(), QStringLiteral("3"));
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

TEST_F(ArchivioTrasmFinestra, ARefusedFileACancelOrAFailingCheckChangesNothing)
{
    compila();
    nomeFile = percorso("Korvel-trasm-buono");
    const QStringList prima = stato();
    const QList<QByteArray> cattivi = {
        "21,0\r\n" + file5.mid(5),
        "4,2\r\n" + file5.mid(5),
        file5 + "\"di troppo\"\r\n",
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

    // A save whose silent check fails writes nothing and asks for no name.
    t().ar[2]->setText(QString());
    const qsizetype dialoghiPrima = dialoghi.mostrati.size();
    t().salvanome_Click();
    EXPECT_EQ(messaggi.testi(), QStringList{"Digitare il valore dell'area dell'elemento periferico n. 2"});
    EXPECT_EQ(dialoghi.mostrati.size(), dialoghiPrima);
}
