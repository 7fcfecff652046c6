// The climate table written into a report document: the shown town or every town.
#include "finestreClima.h"
#include "climate/datiClimatici.h"
#include "climate/tabella.h"
#include "detailed/dettagliato.h"
#include "feasibility/fattib.h"
#include "platform/controlli.h"
#include "base/ModKorvel.h"
#include "report/canaleWord.h"
#include "base/numeri.h"
#include "support/doppi.h"

#include <QAction>
#include <gtest/gtest.h>

using namespace ModKorvel;

namespace {

const QString righeIntestazione[2][4] = {
    {QStringLiteral("numero"), QStringLiteral("mese"), QStringLiteral("radiazione incidente"),
     QStringLiteral("temperatura media")},
    {QString(), QString(), QStringLiteral("kj/mq/giorno"), QStringLiteral("°C")},
};

// Each table of the document with the text of the paragraph that stands right above it.
struct TabellaConRiga {
    QString riga;
    const documento::Griglia* griglia;
};

QList<TabellaConRiga> tabelleConRiga(const documento::Documento& doc)
{
    QList<TabellaConRiga> esito;
    QString ultimaRiga;
    for (const documento::Blocco& b : doc.blocchi()) {
        if (const auto* c = std::get_if<documento::Capoverso>(&b)) {
            if (!c->vuoto())
                ultimaRiga = c->testo();
        } else {
            esito.append({ultimaRiga, &std::get<documento::Griglia>(b)});
            ultimaRiga.clear();
        }
    }
    return esito;
}

QString rigaLocalita(int n, const QString& nome, const QString& latitudine)
{
    return QStringLiteral("Località di riferimento n.%1 : %2  -  Latitudine %3").arg(n).arg(nome, latitudine);
}

class StampaTabella : public FinestreClima {
protected:
    doppi::Messaggi messaggi;
};

} // namespace

TEST_F(StampaTabella, ShownTownGivesOneLineAndOneTable)
{
    tabella& t = finestra<tabella>();
    t.VScroll1->setValue(17);
    t.stampa_Click();
    ASSERT_TRUE(wordDoc);
    EXPECT_TRUE(messaggi.mostrati.isEmpty());

    const auto tabelle = tabelleConRiga(*wordDoc);
    ASSERT_EQ(tabelle.size(), 1);
    EXPECT_EQ(tabelle[0].riga, rigaLocalita(17, QStringLiteral("Milano"), QStringLiteral("45.433")));
    const documento::Griglia& g = *tabelle[0].griglia;
    ASSERT_EQ(g.righe, 14);
    ASSERT_EQ(g.colonne, 4);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(g.cella(r + 1, c + 1), righeIntestazione[r][c]) << r + 1 << "," << c + 1;
    EXPECT_EQ(g.cella(3, 1), QStringLiteral(" 1"));
    EXPECT_EQ(g.cella(14, 1), QStringLiteral(" 12"));
    EXPECT_EQ(g.cella(3, 2), QStringLiteral("gennaio"));
    EXPECT_EQ(g.cella(3, 3), QStringLiteral("3132"));
    EXPECT_EQ(g.cella(3, 4), QStringLiteral("3.1"));
    EXPECT_EQ(g.cella(4, 4), QStringLiteral("6.0"));
    EXPECT_TRUE(g.formattata);
    ASSERT_EQ(g.allineamenti.size(), 4u);
    EXPECT_EQ(g.allineamenti[2], documento::Allineamento::Destra);
    EXPECT_EQ(g.allineamenti[3], documento::Allineamento::Destra);
    EXPECT_NE(g.allineamenti[1], documento::Allineamento::Destra);

    EXPECT_EQ(t.passo->Caption(), QStringLiteral("ho visualizzato i dati su WORD"));
    bool titolo = false;
    for (const documento::Blocco& b : wordDoc->blocchi())
        if (const auto* c = std::get_if<documento::Capoverso>(&b))
            titolo = titolo || c->testo() == QStringLiteral("Tabella dei dati climatici");
    EXPECT_TRUE(titolo);
    EXPECT_EQ(numLocalita, 17) << "printing the shown town chooses nothing";
    EXPECT_EQ(wordDoc->titolo(), QStringLiteral("Tabella dei dati climatici - Milano"))
        << "the name proposed on saving tells the town";
}

TEST_F(StampaTabella, TemperaturesGetOneDecimalInTheUsersFormat)
{
    numeri::impostaLocale(QLocale(QLocale::Italian, QLocale::Italy));
    tabella& t = finestra<tabella>(); // Bolzano: August 23 °C
    EXPECT_EQ(t.tem[8]->Text(), QStringLiteral("23"));
    t.stampa_Click();
    const auto tabelle = tabelleConRiga(*wordDoc);
    ASSERT_EQ(tabelle.size(), 1);
    EXPECT_EQ(tabelle[0].riga, rigaLocalita(1, QStringLiteral("Bolzano"), QStringLiteral("46,466")));
    EXPECT_EQ(tabelle[0].griglia->cella(10, 4), QStringLiteral("23,0"));
    EXPECT_EQ(tabelle[0].griglia->cella(3, 4), QStringLiteral("0,8"));
    EXPECT_EQ(tabelle[0].griglia->cella(3, 3), QStringLiteral("4248"));
}

TEST_F(StampaTabella, AllTownsEachLineAboveItsOwnTable)
{
    tabella& t = finestra<tabella>();
    t.VScroll1->setValue(17);
    t.stampatutte_click();
    ASSERT_TRUE(wordDoc);
    EXPECT_TRUE(messaggi.mostrati.isEmpty());

    const auto tabelle = tabelleConRiga(*wordDoc);
    ASSERT_EQ(tabelle.size(), 64);
    caricaLocalita();
    for (int n = 1; n <= 64; ++n) {
        const TabellaConRiga& tr = tabelle[n - 1];
        numLocalita = n;
        caricaDatiClimatici();
        EXPECT_EQ(tr.riga, rigaLocalita(n, localita[n], numeri::testoNumero(latitudine))) << n;
        EXPECT_EQ(tr.griglia->cella(3, 3), numeri::testoNumero(radiazione[1])) << n;
        EXPECT_EQ(tr.griglia->cella(14, 4), numeri::formatta(temperatura[12], u"##0.0")) << n;
        EXPECT_EQ(tr.griglia->allineamenti[2], documento::Allineamento::Destra) << n;
        EXPECT_EQ(tr.griglia->allineamenti[3], documento::Allineamento::Destra) << n;
    }
    EXPECT_EQ(tabelle[63].riga, rigaLocalita(64, QStringLiteral("Catania"), QStringLiteral("37.5")));

    // Every chooser is left on the last town.
    numLocalita = 64;
    EXPECT_EQ(t.VScroll1->Value(), 64);
    EXPECT_EQ(t.loc->Caption(), QStringLiteral("Catania"));
    EXPECT_EQ(finestra<fattib>().loc->ListIndex(), 63);
    EXPECT_EQ(finestra<dettagliato>().loc->ListIndex(), 63);
    EXPECT_TRUE(t.tutte.isEmpty());
}

TEST_F(StampaTabella, AfterPrintingAllTownsThePrintEntryPrintsTheShownOneOnly)
{
    tabella& t = finestra<tabella>();
    t.stampatutte_click();
    const auto primo = wordDoc;
    t.stampa_Click();
    ASSERT_NE(wordDoc, primo) << "each print opens a new document";
    const auto tabelle = tabelleConRiga(*wordDoc);
    ASSERT_EQ(tabelle.size(), 1);
    EXPECT_EQ(tabelle[0].riga, rigaLocalita(64, QStringLiteral("Catania"), QStringLiteral("37.5")));
    EXPECT_EQ(primo->numeroTabelle(), 64) << "the earlier document is left alone";
    EXPECT_EQ(primo->titolo(), QStringLiteral("Tabella dei dati climatici - tutte le località"));
    EXPECT_EQ(wordDoc->titolo(), QStringLiteral("Tabella dei dati climatici - Catania"));
}

TEST_F(StampaTabella, MenuEntriesAndToolbarButton)
{
    tabella& t = finestra<tabella>();
    ASSERT_NE(t.voce(QStringLiteral("stampatutte")), nullptr);
    t.voce(QStringLiteral("stampatutte"))->trigger();
    EXPECT_EQ(wordDoc->numeroTabelle(), 64);
    t.voce(QStringLiteral("stampa"))->trigger();
    EXPECT_EQ(wordDoc->numeroTabelle(), 1);
    t.Toolbar1_ButtonClick(4);
    EXPECT_EQ(wordDoc->numeroTabelle(), 1);
    EXPECT_EQ(tabelleConRiga(*wordDoc)[0].riga, rigaLocalita(64, QStringLiteral("Catania"), QStringLiteral("37.5")));
}

TEST_F(StampaTabella, AllTownsStartingOnTheFirstTown)
{
    tabella& t = finestra<tabella>();
    EXPECT_EQ(t.VScroll1->Value(), 1);
    t.stampatutte_click();
    ASSERT_EQ(wordDoc->numeroTabelle(), 64);
    EXPECT_EQ(tabelleConRiga(*wordDoc)[0].riga, rigaLocalita(1, QStringLiteral("Bolzano"), QStringLiteral("46.466")));
}
