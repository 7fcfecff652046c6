// The help texts and the printed guide: every topic has its title and one paragraph
// of body; the print of all texts keeps their order, sizes and page breaks and is
// saved in the documents folder.
#include "help/testiGuida.h"

#include "base/ModKorvel.h"
#include "report/canaleWord.h"
#include "report/lettoreDocx.h"
#include "support/ambiente.h"
#include "support/doppi.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace testiGuida;
using documento::Capoverso;

namespace {

struct TestiGuida : ::testing::Test {
    TestiGuida()
    {
        ambiente::ripristinaStato();
        ModKorvel::inizializzaDati();
        qputenv("HOME", casa.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", casa.filePath(QStringLiteral(".config")).toUtf8());
    }
    ~TestiGuida() override { ambiente::ripristinaStato(); }
    QTemporaryDir casa;
    doppi::Messaggi messaggi;
};

std::vector<std::pair<QString, QString>> tutte()
{
    std::vector<std::pair<QString, QString>> g;
    for (int n = 1; n <= numeroArgomenti; ++n)
        g.emplace_back(titolo(argomento(n)), testo(argomento(n)));
    return g;
}

TEST_F(TestiGuida, EveryTopicHasItsTitleAndOneParagraphOfBody)
{
    struct Atteso {
        Argomento a;
        const char* titolo;
        const char* inizio;
        int lunghezza;
    };
    const Atteso attesi[] = {
        {Argomento::manuale, "MANUALE D'USO RAPIDO", "Il programma Korvel è un software molto versatile", 2250},
        {Argomento::funzionamento, "FUNZIONAMENTO DEL PROGRAMMA", "Il software si basa sulle formule classiche", 1249},
        {Argomento::archivio, "ARCHIVIO DATI", "E' possibile memorizzare in appositi files i dati immessi per ogni finestra e richiamarli al momento opportuno.", 1282},
        {Argomento::stampa, "COME STAMPARE", "Si possono stampare liberamente tutte le finestre riguardanti la guida.", 1266},
        {Argomento::menu, "Finestra MENU", "La finestra MENU è la prima che si visualizza lanciando il programma KORVEL.", 1283},
        {Argomento::tabella, "Finestra DATI CLIMATICI", "La finestra DATI CLIMATICI consente di visualizzare", 1239},
        {Argomento::trasmitt, "Finestra TRASMITTANZA", "Con la finestra TRASMITTANZA si può calcolare la trasmittanza complessiva dell'edificio", 1219},
        {Argomento::fattib, "Finestra CALCOLO DI FATTIBILITA'", "La finestra riguardante i dati per il CALCOLO DI FATTIBILITA' richiede un numero minimo di digitazioni", 1192},
        {Argomento::risultati, "Finestra RISULTATI del calcolo di fattibilità", "Esistono due differenti finestre per visualizzare i RISULTATI", 1249},
        {Argomento::dettagliato, "Finestra CALCOLO DETTAGLIATO", "La finestra per il CALCOLO DETTAGLIATO non è molto dissimile", 1233},
        {Argomento::risdettagliato, "Finestra RISULTATI DETTAGLIATI", "La finestra dei RISULTATI DETTAGLIATI, di sola lettura, presenta una tabella molto tecnica", 1267},
        {Argomento::frontespizio, "Finestra FRONTESPIZIO", "L'ultima finestra riguarda i dati destinati al FRONTESPIZIO della Relazione da stampare.", 1067},
    };
    for (const Atteso& a : attesi) {
        const QString corpo = testo(a.a);
        EXPECT_EQ(titolo(a.a), QString::fromUtf8(a.titolo));
        EXPECT_TRUE(corpo.startsWith(QString::fromUtf8(a.inizio))) << a.titolo;
        EXPECT_FALSE(corpo.contains(QLatin1Char('\n')) || corpo.contains(QLatin1Char('\r'))) << a.titolo;
        // Each body about as long as the text it stands for.
        EXPECT_NEAR(corpo.size(), a.lunghezza, a.lunghezza * 0.12) << a.titolo;
    }
    for (const char* prefisso : {"Korvel-trasm-", "Korvel-fattib-", "Korvel-dett-", "Korvel-front-"})
        EXPECT_TRUE(testo(Argomento::archivio).contains(QLatin1String(prefisso))) << prefisso;
    EXPECT_EQ(argomento(0), Argomento::manuale);
    EXPECT_EQ(argomento(13), Argomento::manuale);
    EXPECT_TRUE(licenza().startsWith(QStringLiteral("CONDIZIONI DI LICENZA D'USO\n")));
    EXPECT_FALSE(licenza().contains(QLatin1Char('\r')));
}

TEST_F(TestiGuida, PrintOfAllTextsKeepsOrderSizesAndPageBreaks)
{
    ASSERT_TRUE(ModKorvel::stampaGuide(tutte()));
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
    const auto& blocchi = ModKorvel::wordDoc->blocchi();
    std::vector<const Capoverso*> p;
    for (const auto& b : blocchi)
        p.push_back(&std::get<Capoverso>(b));
    ASSERT_GE(p.size(), 5u);
    EXPECT_EQ(p[0]->testo(), "Korvel");
    EXPECT_EQ(p[0]->sequenze.at(0).carattere.dimensione, 20);
    EXPECT_EQ(p[0]->sequenze.at(0).carattere.nome, "Century Gothic");
    EXPECT_EQ(p[1]->testo(), ModKorvel::sottotitolo);

    // Headings in order; the first at 16 points, the rest at 12; each body at 12
    // right after its heading and its empty line; every topic but the first opens a page.
    int trovati = 0;
    int interruzioni = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        interruzioni += p[i]->nuovaPagina ? 1 : 0;
        if (!p[i]->testo().startsWith(QStringLiteral("Guida: ")))
            continue;
        ++trovati;
        const Argomento a = argomento(trovati);
        EXPECT_EQ(p[i]->testo(), QStringLiteral("Guida: ") + titolo(a));
        EXPECT_EQ(p[i]->sequenze.at(0).carattere.dimensione, trovati == 1 ? 16 : 12) << trovati;
        EXPECT_EQ(p[i]->nuovaPagina, trovati > 1) << trovati;
        ASSERT_LT(i + 2, p.size());
        EXPECT_TRUE(p[i + 1]->testo().isEmpty());
        EXPECT_EQ(p[i + 2]->testo(), testo(a));
        EXPECT_EQ(p[i + 2]->sequenze.at(0).carattere.dimensione, 12);
    }
    EXPECT_EQ(trovati, numeroArgomenti);
    EXPECT_EQ(interruzioni, numeroArgomenti - 1);
    for (const Capoverso* c : p)
        EXPECT_EQ(c->allineamento, documento::Allineamento::Giustificato);

    // Saved as Korvel-guida.docx in the documents folder, the same text in it.
    const QString nome = ModKorvel::percorsoGuida();
    EXPECT_TRUE(nome.startsWith(casa.path()));
    EXPECT_TRUE(nome.endsWith(QStringLiteral("/Korvel-guida.docx")));
    const auto parti = lettore::decomprimiFile(nome);
    ASSERT_TRUE(parti.contains(QStringLiteral("word/document.xml")));
    const lettore::Corpo corpo = lettore::leggiCorpo(parti.value(QStringLiteral("word/document.xml")));
    int pagine = 0;
    QStringList titoli;
    for (const lettore::Paragrafo* q : corpo.paragrafi()) {
        pagine += q->nuovaPagina ? 1 : 0;
        if (q->testo().startsWith(QStringLiteral("Guida: ")))
            titoli << q->testo();
    }
    EXPECT_EQ(pagine, numeroArgomenti - 1);
    ASSERT_EQ(titoli.size(), numeroArgomenti);
    EXPECT_EQ(titoli.last(), "Guida: Finestra FRONTESPIZIO");
}

TEST_F(TestiGuida, PrintThatCannotBeSavedSaysSoOnceAndLeavesNoFile)
{
    // A folder where the document should go.
    QDir().mkpath(ModKorvel::percorsoGuida());
    EXPECT_FALSE(ModKorvel::stampaGuide(tutte()));
    ASSERT_EQ(messaggi.mostrati.size(), 1);
    EXPECT_EQ(messaggi.mostrati[0].pulsanti, piattaforma::vbCritical);
    EXPECT_EQ(messaggi.mostrati[0].testo.split(QChar(13)).value(0), QStringLiteral("La guida non è stata salvata."))
        << "the guide is whole, only its file is missing";
    EXPECT_TRUE(QFileInfo(ModKorvel::percorsoGuida()).isDir());
    // The next print is a report of its own.
    QDir().rmdir(ModKorvel::percorsoGuida());
    EXPECT_TRUE(ModKorvel::stampaGuide(tutte()));
}

} // namespace
