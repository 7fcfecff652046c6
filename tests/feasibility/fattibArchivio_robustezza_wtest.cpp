// Damaged and foreign files chosen under "Tutti i file" in the feasibility window and
// in the cover page: a refused file leaves both windows as they were with exactly one
// critical message; an accepted one is applied without that message; nothing crashes,
// and the calculation of what was accepted runs to its end.
#include "support/ambienteCalcolo.h"
#include "support/guasti.h"

#include <QFile>

using namespace ModKorvel;

namespace {

const QByteArray riscaldamento("\"Milano\",16,1\r\n\"250\"\r\n\"20\",\"300\",\"5\",2,\"0.8\",350,200\r\n"
                               "\"Impianto\",\"Citt\xE0\",\"Rossi\",\"Perugia\",\"luned\xEC\",\"\"\r\n");
const QByteArray acqua("\"Bolzano\",0,2\r\n300,45\r\n\"20\",\"300\",\"5\",3,\"0.8\",10,250\r\n"
                       "\"Scuola\",\"Bolzano\",\"Comune\",\"Trento\",\"marted\xEC\",\"foto\"\r\n");

class FattibRobustezza : public AmbienteCalcolo {
protected:
    // Everything an open may change, in both windows.
    static QStringList stato()
    {
        fattib& w = f();
        QStringList s{w.loc->Text(),  w.acq->Caption(), w.temper->Caption(), w.trasm->Text(),
                      w.ann->Text(),  w.cost->Text(),   w.elettr->Text(),    w.costalt->Text(),
                      w.tass->Caption(), w.tasen->Caption(), w.passo->Caption(), nomeFile};
        for (PulsanteOpzione* o : {w.Option1[1], w.Option1[2], w.Option3[1], w.Option3[2], w.Option3[3]})
            s << QString::number(o->Value());
        const datiFrontespizio c = finestra<frontespizio>().dati();
        s << c.progetto << c.localita << c.tipostudio << c.committente << c.luogo << c.data << c.allegati;
        return s;
    }

    // Opens `byte` in the window `apri` belongs to; false when it was refused.
    bool apri(const QByteArray& byte, const std::function<void()>& apri)
    {
        {
            QFile file(nome);
            EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(byte);
        }
        const QStringList prima = stato();
        messaggi.azzera();
        dialoghi.scegliFile(nome);
        apri();
        int rifiuti = 0;
        for (const doppi::Messaggio& m : messaggi.mostrati)
            rifiuti += m.testo == archivio::messaggioNonValido(nome);
        EXPECT_LE(rifiuti, 1);
        if (rifiuti == 0)
            return true;
        EXPECT_EQ(messaggi.mostrati.size(), 1) << byte.toHex().constData();
        EXPECT_EQ(messaggi.mostrati[0].pulsanti, piattaforma::vbCritical);
        EXPECT_EQ(stato(), prima) << byte.toHex().constData();
        return false;
    }

    QTemporaryDir cartella;
    const QString nome = cartella.filePath(QStringLiteral("scelto"));
};

} // namespace

TEST_F(FattibRobustezza, DamagedFeasibilityFiles)
{
    compilaFattib(true);
    finestra<frontespizio>().imposta({QStringLiteral("P"), QStringLiteral("L"), QStringLiteral("T"),
                                      QStringLiteral("C"), QStringLiteral("Lu"), QStringLiteral("D"),
                                      QStringLiteral("A")});
    ASSERT_TRUE(apri(riscaldamento, [] { f().apri_Click(); }));
    ASSERT_TRUE(apri(acqua, [] { f().apri_Click(); }));

    std::mt19937 g(31);
    int accettati = 0;
    for (int i = 0; i < 160; ++i) {
        if (!apri(guasti::guasto(g, i % 2 ? riscaldamento : acqua), [] { f().apri_Click(); }))
            continue;
        ++accettati;
        // What was accepted is a window a user could have filled: the check and the
        // calculation run to their end, whatever they conclude.
        messaggi.azzera();
        controlloSilenzioso = 0;
        f().cmdavanti_Click();
        Unica<risultati>::scarica();
    }
    EXPECT_GT(accettati, 20);
}

TEST_F(FattibRobustezza, FilesOfAnotherKindInEitherWindow)
{
    compilaFattib(false);
    const QList<QByteArray> estranei = {
        QByteArray(),
        QByteArray(300, '\r'),
        QByteArray(300, '"'),
        QByteArray("\0\0\0\0", 4),
        "\xEF\xBB\xBF" + riscaldamento,
        QByteArray(riscaldamento).replace('\xE0', '\x9D'),
        QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16),
        QByteArray("<?xml version=\"1.0\"?>\r\n<a/>\r\n"),
        "\"" + QByteArray(archivio::campoMassimo + 1, 'x') + "\"\r\n",
        QByteArray(200000, ','),
        acqua.left(acqua.indexOf("\"Scuola\"")), // no project record
    };
    for (const QByteArray& b : estranei) {
        EXPECT_FALSE(apri(b, [] { f().apri_Click(); })) << b.left(40).toHex().constData();
        EXPECT_FALSE(apri(b, [] { finestra<frontespizio>().apri_Click(); })) << b.left(40).toHex().constData();
    }

    // A directory chosen as the file.
    for (auto* apriFinestra : {+[] { f().apri_Click(); }, +[] { finestra<frontespizio>().apri_Click(); }}) {
        const QStringList prima = stato();
        messaggi.azzera();
        dialoghi.scegliFile(cartella.path());
        apriFinestra();
        ASSERT_EQ(messaggi.testi().size(), 1);
        EXPECT_TRUE(messaggi.testi()[0].startsWith(QStringLiteral("Impossibile leggere il file \"") + cartella.path()));
        EXPECT_EQ(stato(), prima);
    }
}

TEST_F(FattibRobustezza, DamagedCoverPages)
{
    const QByteArray copertina("\"Impianto, lotto 2\",\"Citt\xE0\",\"fattibilit\xE0\",\"Rossi\",\"Perugia\","
                               "\"luned\xEC\",\"foto\"\r\n");
    std::mt19937 g(8);
    int accettati = 0;
    for (int i = 0; i < 250; ++i) {
        const QByteArray b = guasti::guasto(g, copertina);
        if (!apri(b, [] { finestra<frontespizio>().apri_Click(); }))
            continue;
        ++accettati;
        archivio::Lettore l(b);
        EXPECT_EQ(finestra<frontespizio>().dati(), leggiRigaFrontespizio(l));
        EXPECT_TRUE(messaggi.mostrati.isEmpty());
    }
    EXPECT_GT(accettati, 20);
}
