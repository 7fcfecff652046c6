// The cover page: what it shows when it loads, its check with the silent protocol,
// clearing, the "Dati" button, and its data file through the window's own commands.
#include "cover/frontespizio.h"

#include "feasibility/fattib.h"
#include "detailed/dettagliato.h"
#include "platform/controlli.h"
#include "base/ModKorvel.h"
#include "report/canaleWord.h"
#include "shell/menu.h"
#include "support/ambiente.h"
#include "support/doppi.h"

#include <QAction>
#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using doppi::Dialogo;

namespace {

const QString nessunDato = QStringLiteral("Non è stato immesso alcun dato.");
const QString ogniCampo = QStringLiteral("Inserire dati per ogni campo.");
const QString corretti = QStringLiteral("I dati sono stati immessi correttamente.");

QByteArray contenuto(const QString& nome)
{
    QFile f(nome);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void scrivi(const QString& nome, const QByteArray& byte)
{
    QFile f(nome);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(byte);
}

class Frontespizio : public ::testing::Test {
protected:
    void SetUp() override
    {
        ModKorvel::inizializzaDati();
        ModKorvel::nomeStudio = QStringLiteral("Studio Tecnico Rossi");
        ModKorvel::indirizzoStudio = QStringLiteral("Via Roma 1, Milano");
    }
    void TearDown() override { ambiente::ripristinaFinestre(); }

    frontespizio& w() { return finestra<frontespizio>(); }

    void compila()
    {
        w().progetto->setText(QStringLiteral("Impianto solare, condominio \"Le Rose\""));
        w().localita->setText(QStringLiteral("Città di Castello"));
        w().tipostudio->setText(QStringLiteral("fattibilità"));
        w().committente->setText(QStringLiteral("Società Edile S.p.A."));
        w().luogo->setText(QStringLiteral("Perugia"));
        w().data->setText(QStringLiteral("domenica, 6 dic 2026"));
        w().allegati->setText(QStringLiteral("foto, € 1.200"));
    }
    // The bytes compila() is stored as.
    static QByteArray compilato()
    {
        return QByteArray("\"Impianto solare, condominio \x94Le Rose\x94\",\"Citt\xE0 di Castello\",\"fattibilit\xE0\","
                          "\"Societ\xE0 Edile S.p.A.\",\"Perugia\",\"domenica, 6 dic 2026\",\"foto, \x80 1.200\"\r\n");
    }
    QString percorso(const char* nome) const { return cartella.filePath(QString::fromLatin1(nome)); }

    QTemporaryDir cartella;
    doppi::Messaggi messaggi;
    doppi::Dialoghi dialoghi;
};

TEST_F(Frontespizio, FirstLoad)
{
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Korvel: frontespizio per la relazione"));
    for (CasellaTesto* c : {w().progetto, w().localita, w().tipostudio, w().committente, w().luogo, w().allegati})
        EXPECT_EQ(c->Text(), QString()) << c->objectName().toStdString();
    EXPECT_EQ(w().localita->objectName(), QStringLiteral("località"));
    EXPECT_EQ(w().data->Text(), frontespizio::testoData(QDate::currentDate()));
    EXPECT_EQ(w().Labelstudio->Caption(), QStringLiteral("Studio Tecnico Rossi"));
    EXPECT_EQ(w().labelindirizzo->Caption(), QStringLiteral("Via Roma 1, Milano"));
    EXPECT_EQ(w().passo->Caption(), QStringLiteral("Prelevare i dati dall'archivio o digitarli negli appositi campi "
                                                   "con un massimo di 60 caratteri."));
    ASSERT_NE(w().esco, nullptr);
    EXPECT_EQ(w().esco->objectName(), QStringLiteral("cmdesci"));
    EXPECT_EQ(w().esco->toolTip(), QStringLiteral("cliccare per uscire da Korvel"));
    EXPECT_FALSE(w().isVisible()) << "referring to the window loads it without showing it";

    // Tab order follows the screen.
    QWidget* dopo = w().progetto;
    for (CasellaTesto* c : {w().localita, w().tipostudio, w().committente, w().luogo, w().data, w().allegati}) {
        dopo = dopo->nextInFocusChain();
        while (dopo && !qobject_cast<CasellaTesto*>(dopo))
            dopo = dopo->nextInFocusChain();
        EXPECT_EQ(dopo, c);
    }
}

TEST_F(Frontespizio, FieldCaptionsAreNotCutAtDesignSize)
{
    // The captions end in a colon: a narrower box shows the dots and loses it.
    for (Etichetta* e : {w().Label2, w().Label3, w().Label4, w().Label6, w().Label10, w().Label7, w().Label9,
                         w().Label8, w().Label11}) {
        const int testo = e->fontMetrics().horizontalAdvance(e->Caption());
        EXPECT_LE(testo, e->contentsRect().width()) << e->Caption().toStdString();
        EXPECT_LE(e->geometry().right(), w().progetto->geometry().left()) << e->Caption().toStdString();
    }
}

TEST_F(Frontespizio, DateInItalianWhateverTheLocale)
{
    EXPECT_EQ(frontespizio::testoData(QDate(2026, 12, 6)), QStringLiteral("domenica, 6 dic 2026"));
    EXPECT_EQ(frontespizio::testoData(QDate(2027, 1, 1)), QStringLiteral("venerdì, 1 gen 2027"));
    EXPECT_EQ(frontespizio::testoData(QDate(2026, 8, 15)), QStringLiteral("sabato, 15 ago 2026"));
}

TEST_F(Frontespizio, CheckMessagesInOrder)
{
    w().controllaDati();
    w().luogo->setText(QStringLiteral("Perugia"));
    w().controllaDati(); // only luogo and data: still nothing
    compila();
    w().luogo->setText(QString());
    w().controllaDati();
    w().luogo->setText(QStringLiteral(" "));
    w().controllaDati(); // blanks count as filled
    w().cancella_click();
    w().controllaDati();

    ASSERT_EQ(messaggi.mostrati.size(), 5);
    const QList<std::pair<QString, int>> attesi = {{nessunDato, 32}, {nessunDato, 32}, {ogniCampo, 48},
                                                   {corretti, 64}, {nessunDato, 32}};
    for (qsizetype i = 0; i < attesi.size(); ++i) {
        EXPECT_EQ(messaggi.mostrati[i].testo, attesi[i].first) << i;
        EXPECT_EQ(messaggi.mostrati[i].pulsanti, attesi[i].second) << i;
        EXPECT_EQ(messaggi.mostrati[i].titolo, ModKorvel::titoloControllo) << i;
    }
    EXPECT_EQ(w().data->Text(), QString()) << "clearing empties the date and does not preset it again";
    EXPECT_EQ(w().Labelstudio->Caption(), QStringLiteral("Studio Tecnico Rossi"));
}

TEST_F(Frontespizio, CheckWithTheSilentProtocolAndFromTheMenu)
{
    compila();
    EXPECT_TRUE(ModKorvel::verificaSilenziosa([&] { w().controllaDati(); }));
    EXPECT_EQ(ModKorvel::controlloSilenzioso, 0);
    EXPECT_TRUE(messaggi.mostrati.isEmpty());

    w().allegati->setText(QString());
    EXPECT_FALSE(ModKorvel::verificaSilenziosa([&] { w().controllaDati(); }));
    EXPECT_EQ(ModKorvel::controlloSilenzioso, 0) << "the caller puts the flag back";
    EXPECT_EQ(messaggi.testi(), QStringList{ogniCampo});

    // The menu entry of the cover page runs the same check, never silently.
    w().allegati->setText(QStringLiteral("nessuno"));
    QAction* controllo = w().voce(QStringLiteral("controllodat"));
    ASSERT_NE(controllo, nullptr);
    controllo->trigger();
    EXPECT_EQ(messaggi.testi(), (QStringList{ogniCampo, corretti}));

    QAction* cancella = w().voce(QStringLiteral("cancella"));
    ASSERT_NE(cancella, nullptr);
    cancella->trigger();
    EXPECT_EQ(w().dati(), ModKorvel::datiFrontespizio{});
}

TEST_F(Frontespizio, DatiShowsTheLastCalculationWindow)
{
    const auto visibili = [] {
        return std::array<bool, 3>{Unica<menu>::caricata() && finestra<menu>().isVisible(),
                                   Unica<fattib>::caricata() && finestra<fattib>().isVisible(),
                                   Unica<dettagliato>::caricata() && finestra<dettagliato>().isVisible()};
    };
    ModKorvel::tipoElaborazione = 3;
    w().Command5->click();
    EXPECT_EQ(visibili(), (std::array<bool, 3>{false, false, false}));
    ModKorvel::tipoElaborazione = 0;
    w().Command5->click();
    EXPECT_EQ(visibili(), (std::array<bool, 3>{true, false, false}));
    ModKorvel::tipoElaborazione = 1;
    w().Command5_Click();
    EXPECT_EQ(visibili(), (std::array<bool, 3>{true, true, false}));
    ModKorvel::tipoElaborazione = 2;
    w().Command5_Click();
    EXPECT_EQ(visibili(), (std::array<bool, 3>{true, true, true}));
    EXPECT_FALSE(w().isVisible()) << "the cover page itself is not shown by it";

    for (auto scarica : {&Unica<menu>::scarica, &Unica<fattib>::scarica, &Unica<dettagliato>::scarica})
        scarica();
}

TEST_F(Frontespizio, SaveWritesTheSevenTextsAndReadsThemBack)
{
    compila();
    const QString nome = percorso("Korvel-front-condominio");
    dialoghi.scegliFile(nome);
    w().salva_Click();
    ASSERT_EQ(dialoghi.mostrati.size(), 1);
    EXPECT_EQ(dialoghi.mostrati[0].tipo, Dialogo::Salva);
    EXPECT_EQ(dialoghi.mostrati[0].richiesta.titolo, QStringLiteral("Salva file con nome"));
    EXPECT_EQ(dialoghi.mostrati[0].richiesta.filtro, QStringLiteral("File Korvel-front- | Korvel-front-*"));
    EXPECT_EQ(dialoghi.mostrati[0].richiesta.nomeFile, QStringLiteral("Korvel-front-"));
    EXPECT_EQ(contenuto(nome), compilato());
    EXPECT_EQ(w().nomeFileFrontespizio(), nome);
    EXPECT_TRUE(messaggi.mostrati.isEmpty()) << "the silent check shows nothing when it passes";
    EXPECT_EQ(ModKorvel::nomeFile, QString()) << "the cover page keeps a name of its own";

    // Second plain save: no dialog.
    w().luogo->setText(QStringLiteral("Assisi"));
    w().salva_Click();
    EXPECT_EQ(dialoghi.mostrati.size(), 1);
    EXPECT_TRUE(contenuto(nome).contains("\"Assisi\""));

    // Read back into a cleared window, the typed double quote as the typographic one.
    w().cancella_click();
    dialoghi.scegliFile(nome);
    w().apri_Click();
    ModKorvel::datiFrontespizio atteso{QStringLiteral("Impianto solare, condominio ”Le Rose”"),
                                       QStringLiteral("Città di Castello"),
                                       QStringLiteral("fattibilità"),
                                       QStringLiteral("Società Edile S.p.A."),
                                       QStringLiteral("Assisi"),
                                       QStringLiteral("domenica, 6 dic 2026"),
                                       QStringLiteral("foto, € 1.200")};
    EXPECT_EQ(w().dati(), atteso);
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

TEST_F(Frontespizio, SaveTellsWhichFieldsHoldCharactersTheFileCannotStore)
{
    compila();
    w().committente->setText(QStringLiteral("Studio Erdős"));
    w().allegati->setText(QStringLiteral("planimetria ≈ 1:100"));
    const QString nome = percorso("Korvel-front-erdos");
    dialoghi.scegliFile(nome);
    w().salva_Click();
    ASSERT_EQ(messaggi.mostrati.size(), 1);
    const QString testo = messaggi.mostrati[0].testo;
    EXPECT_TRUE(testo.contains(QStringLiteral("- committente: ő"))) << testo.toStdString();
    EXPECT_TRUE(testo.contains(QStringLiteral("- allegati alla relazione: ≈"))) << testo.toStdString();
    EXPECT_FALSE(testo.contains(QStringLiteral("progetto")));
    EXPECT_TRUE(contenuto(nome).contains("\"Studio Erd?s\"")) << "saved as before";
    EXPECT_EQ(w().nomeFileFrontespizio(), nome);
}

TEST_F(Frontespizio, SaveRefusedByTheCheck)
{
    w().progetto->setText(QStringLiteral("solo il progetto"));
    w().salva_Click();
    EXPECT_EQ(messaggi.testi(), QStringList{ogniCampo});
    EXPECT_TRUE(dialoghi.mostrati.isEmpty());
    EXPECT_EQ(ModKorvel::controlloSilenzioso, 0) << "the next check anywhere is the user's own";
    EXPECT_EQ(w().nomeFileFrontespizio(), QString());

    // A passing save then writes, silently.
    compila();
    dialoghi.scegliFile(percorso("Korvel-front-a"));
    w().salvanome_Click();
    EXPECT_EQ(contenuto(percorso("Korvel-front-a")), compilato());
    EXPECT_EQ(messaggi.mostrati.size(), 1);
}

TEST_F(Frontespizio, SaveAsCancelOpenAndDeleteNameFlows)
{
    compila();
    const QString a = percorso("Korvel-front-a");
    const QString b = percorso("Korvel-front-b");
    dialoghi.scegliFile(a);
    w().salva_Click();

    // Save as always asks, preset to the name last chosen; choosing an existing file
    // replaces it.
    scrivi(b, "vecchio");
    dialoghi.scegliFile(b);
    w().salvanome_Click();
    ASSERT_EQ(dialoghi.mostrati.size(), 2);
    EXPECT_EQ(dialoghi.mostrati[1].richiesta.nomeFile, a);
    EXPECT_EQ(contenuto(b), compilato());

    // A cancelled open changes nothing, and the next plain save still goes to b.
    dialoghi.annullaFile();
    w().apri_Click();
    EXPECT_EQ(dialoghi.mostrati[2].tipo, Dialogo::Apri);
    EXPECT_EQ(dialoghi.mostrati[2].richiesta.filtro,
              QStringLiteral("Tutti i file (*.*) | *.*|File Korvel-front- | Korvel-front-*"));
    EXPECT_EQ(dialoghi.mostrati[2].richiesta.indiceFiltro, 2);
    EXPECT_EQ(w().progetto->Text(), QStringLiteral("Impianto solare, condominio \"Le Rose\""));
    w().allegati->setText(QStringLiteral("nessuno"));
    w().salva_Click();
    EXPECT_EQ(dialoghi.mostrati.size(), 3);
    EXPECT_TRUE(contenuto(b).endsWith("\"nessuno\"\r\n"));

    // Deleting a through the frame's dialog: a never becomes the file of a plain save.
    dialoghi.scegliFile(a);
    w().eliminare_click();
    ASSERT_EQ(dialoghi.mostrati.size(), 4);
    EXPECT_EQ(dialoghi.mostrati[3].richiesta.titolo, ModKorvel::titoloElimina);
    EXPECT_EQ(dialoghi.mostrati[3].richiesta.filtro,
              QStringLiteral("Tutti i file (*.*)|*.*|File Korvel-front- | Korvel-front-*"));
    EXPECT_FALSE(QFile::exists(a));
    w().salva_Click();
    EXPECT_EQ(dialoghi.mostrati.size(), 4);
    EXPECT_FALSE(QFile::exists(a));
    EXPECT_EQ(w().nomeFileFrontespizio(), b);

    // Save as cancelled: nothing written, and the next plain save asks again.
    dialoghi.annullaFile();
    w().salvanome_Click();
    dialoghi.annullaFile();
    w().salva_Click();
    EXPECT_EQ(dialoghi.mostrati.size(), 6);
    EXPECT_EQ(dialoghi.mostrati[5].tipo, Dialogo::Salva);
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

TEST_F(Frontespizio, OpenOfAFileThatIsNotACoverPageChangesNothing)
{
    compila();
    const ModKorvel::datiFrontespizio prima = w().dati();
    const QString corto = percorso("Korvel-front-corto");
    scrivi(corto, "\"a\",\"b\",\"c\",\"d\",\"e\",\"f\"\r\n");
    const QString binario = percorso("immagine.png");
    scrivi(binario, QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16));
    // A feasibility file has more than seven fields, but numbers among them.
    const QString fattibilita = percorso("Korvel-fattib-milano");
    scrivi(fattibilita, "\"Milano\",16,2\r\n10,60\r\n\"20\",\"300\",\"5\",2,\"0.8\",10,250\r\n"
                        "\"P\",\"L\",\"C\",\"Lu\",\"D\",\"A\"\r\n");
    for (const QString& nome : {corto, binario, fattibilita, percorso("manca")}) {
        messaggi.azzera();
        dialoghi.scegliFile(nome);
        w().apri_Click();
        EXPECT_EQ(w().dati(), prima) << nome.toStdString();
        ASSERT_EQ(messaggi.mostrati.size(), 1);
        EXPECT_EQ(messaggi.mostrati[0].pulsanti, piattaforma::vbCritical);
        // A file that is not there could not be read at all.
        EXPECT_TRUE(messaggi.mostrati[0].testo.contains(nome == percorso("manca") ? QStringLiteral("Impossibile leggere il file")
                                                                                   : QStringLiteral("non è un file di dati valido")));
    }
    // A plain save after the failed opens asks for a name: none of them is taken.
    dialoghi.annullaFile();
    w().salva_Click();
    EXPECT_EQ(dialoghi.mostrati.last().tipo, Dialogo::Salva);
    EXPECT_EQ(contenuto(corto), QByteArray("\"a\",\"b\",\"c\",\"d\",\"e\",\"f\"\r\n"));

    // Fields beyond the seventh are ignored.
    const QString lungo = percorso("Korvel-front-lungo");
    scrivi(lungo, "\"1\",\"2\",\"3\",\"4\",\"5\",\"6\",\"7\",\"8\"\r\n9\r\n");
    dialoghi.scegliFile(lungo);
    w().apri_Click();
    EXPECT_EQ(w().allegati->Text(), QStringLiteral("7"));
}

TEST_F(Frontespizio, LongTextsComeBackWhole)
{
    // Far beyond what a line box takes by default, still within what a file holds.
    compila();
    const QString lungo(40000, QLatin1Char('x'));
    w().allegati->setText(lungo);
    EXPECT_EQ(w().allegati->Text().size(), lungo.size());
    const QString nome = percorso("Korvel-front-lungo");
    dialoghi.scegliFile(nome);
    w().salva_Click();
    EXPECT_TRUE(contenuto(nome).endsWith("\"" + QByteArray(40000, 'x') + "\"\r\n"));

    const QString limite = percorso("Korvel-front-limite");
    const QByteArray massimo(archivio::campoMassimo, 'y');
    scrivi(limite, "\"" + massimo + "\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\"\r\n");
    dialoghi.scegliFile(limite);
    w().apri_Click();
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
    EXPECT_EQ(w().progetto->Text().size(), massimo.size());
    EXPECT_EQ(w().allegati->Text(), QStringLiteral("g"));
}

TEST_F(Frontespizio, WhatTheOtherDataFilesUse)
{
    compila();
    ModKorvel::datiFrontespizio r{QStringLiteral("P"), QStringLiteral("L"), QStringLiteral("T"), QStringLiteral("C"),
                                  QStringLiteral("Lu"), QStringLiteral("D"), QStringLiteral("A")};
    w().impostaRidotta(r);
    EXPECT_EQ(w().tipostudio->Text(), QStringLiteral("fattibilità")) << "the reduced line keeps tipostudio";
    EXPECT_EQ(w().progetto->Text(), QStringLiteral("P"));
    w().imposta(r);
    EXPECT_EQ(w().dati(), r);

    EXPECT_TRUE(w().controllaProgetto());
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
    w().progetto->setText(QString());
    EXPECT_FALSE(w().controllaProgetto());
    ASSERT_EQ(messaggi.mostrati.size(), 1);
    EXPECT_EQ(messaggi.mostrati[0].testo, QStringLiteral("E' necessario digitare almeno il dato del 'progetto'."));
    EXPECT_EQ(messaggi.mostrati[0].pulsanti, piattaforma::vbCritical);
    EXPECT_TRUE(w().isVisible());
}

// The paragraphs typed before the first table.
QStringList intestazione(const documento::Documento& doc)
{
    QStringList testi;
    for (const documento::Blocco& blocco : doc.blocchi()) {
        if (!std::holds_alternative<documento::Capoverso>(blocco))
            break;
        testi << std::get<documento::Capoverso>(blocco).testo();
    }
    return testi;
}

TEST_F(Frontespizio, RecordTableOfAFreshCoverPage)
{
    // With no elaboration the complete report is refused before any document starts.
    w().stampa->click();
    EXPECT_EQ(ModKorvel::wordApp, nullptr);
    ASSERT_EQ(messaggi.mostrati.size(), 1);
    EXPECT_EQ(messaggi.mostrati[0].testo,
              QStringLiteral("Attenzione! Impostare un calcolo di fattibilità oppure una elaborazione dettagliata."));
    messaggi.azzera();

    QAction* solodati = w().voce(QStringLiteral("solodati"));
    ASSERT_NE(solodati, nullptr);
    solodati->trigger();
    ASSERT_NE(ModKorvel::wordApp, nullptr);
    ASSERT_NE(ModKorvel::wordDoc, nullptr);
    EXPECT_TRUE(ModKorvel::wordApp->visibile());
    EXPECT_TRUE(messaggi.mostrati.isEmpty());

    const QStringList testa = intestazione(*ModKorvel::wordDoc);
    ASSERT_GE(testa.size(), 4);
    EXPECT_EQ(testa[0], QStringLiteral("Korvel"));
    EXPECT_EQ(testa[1], ModKorvel::sottotitolo);
    EXPECT_EQ(testa[2], QString());
    EXPECT_EQ(testa[3], QStringLiteral("FRONTESPIZIO"));
    const auto& titolo = std::get<documento::Capoverso>(ModKorvel::wordDoc->blocchi()[0]);
    EXPECT_EQ(titolo.sequenze.at(0).carattere.nome, QStringLiteral("Century Gothic"));
    EXPECT_EQ(titolo.sequenze.at(0).carattere.dimensione, 18.0);

    ASSERT_EQ(ModKorvel::wordDoc->numeroTabelle(), 1);
    const documento::Griglia* g = ModKorvel::wordDoc->griglia(1);
    ASSERT_NE(g, nullptr);
    ASSERT_EQ(g->righe, 10);
    ASSERT_EQ(g->colonne, 2);
    EXPECT_EQ(g->carattere.dimensione, 10.0);
    EXPECT_TRUE(g->formattata);
    const QStringList etichette = {QStringLiteral("tipologia"),
                                   QStringLiteral("progetto"),
                                   QStringLiteral("località"),
                                   QStringLiteral("tipologia di studio"),
                                   QStringLiteral("committente"),
                                   QStringLiteral("luogo della elaborazione"),
                                   QStringLiteral("data della elaborazione"),
                                   QStringLiteral("allegati alla relazione"),
                                   QStringLiteral("studio tecnico"),
                                   QStringLiteral("indirizzo")};
    const QStringList valori = {QStringLiteral("dati"),
                                QString(),
                                QString(),
                                QString(),
                                QString(),
                                QString(),
                                frontespizio::testoData(QDate::currentDate()),
                                QString(),
                                QStringLiteral("Studio Tecnico Rossi"),
                                QStringLiteral("Via Roma 1, Milano")};
    for (int riga = 1; riga <= 10; ++riga) {
        EXPECT_EQ(g->cella(riga, 1), etichette[riga - 1]) << riga;
        EXPECT_EQ(g->cella(riga, 2), valori[riga - 1]) << riga;
    }
    EXPECT_EQ(w().passo->Caption(), QStringLiteral("ho visualizzato i dati su WORD"));
}

TEST_F(Frontespizio, RecordTableTakesTheTextsAsTypedAndEachRunItsOwnDocument)
{
    compila();
    w().solodati_Click();
    const auto primaApp = ModKorvel::wordApp;
    const auto primoDoc = ModKorvel::wordDoc;
    ASSERT_NE(primoDoc, nullptr);
    const documento::Griglia* g = primoDoc->griglia(1);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->cella(2, 2), QStringLiteral("Impianto solare, condominio \"Le Rose\""));
    EXPECT_EQ(g->cella(3, 2), QStringLiteral("Città di Castello"));
    EXPECT_EQ(g->cella(8, 2), QStringLiteral("foto, € 1.200"));

    w().progetto->setText(QStringLiteral("secondo"));
    w().solodati_Click();
    EXPECT_NE(ModKorvel::wordApp, primaApp);
    EXPECT_NE(ModKorvel::wordDoc, primoDoc);
    EXPECT_EQ(primoDoc->numeroTabelle(), 1) << "the second run leaves the first document alone";
    EXPECT_EQ(primoDoc->griglia(1)->cella(2, 2), QStringLiteral("Impianto solare, condominio \"Le Rose\""));
    EXPECT_EQ(ModKorvel::wordDoc->griglia(1)->cella(2, 2), QStringLiteral("secondo"));
    EXPECT_EQ(primaApp->numeroDocumenti(), 1);
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

} // namespace
