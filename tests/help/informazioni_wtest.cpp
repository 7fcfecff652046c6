// The tip of the day, the price list and the about and licence windows as a user
// meets them: paging, files missing or damaged, links, prints.
#include "help/frmTip.h"
#include "help/informa.h"
#include "help/licenza.h"
#include "help/prodotti.h"
#include "help/sommario.h"

#include "base/ModKorvel.h"
#include "base/numeri.h"
#include "help/datiAiuto.h"
#include "help/recapiti.h"
#include "help/testoLungo.h"
#include "platform/caratteri.h"
#include "platform/controlli.h"
#include "report/canaleWord.h"
#include "support/ambiente.h"
#include "support/doppi.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using documento::Capoverso;

namespace {

struct Informazioni : ::testing::Test {
    Informazioni()
    {
        ModKorvel::inizializzaDati();
        precedente = QDir::currentPath();
        QDir::setCurrent(cartella.path());
    }
    ~Informazioni() override
    {
        ambiente::ripristinaFinestre();
        QDir::setCurrent(precedente);
    }
    void scrivi(const QString& nome, const QByteArray& contenuto)
    {
        QFile f(cartella.filePath(nome));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contenuto);
    }
    QByteArray listinoDi(int n)
    {
        QByteArray b = "\"2025\"\r\n" + QByteArray::number(n) + "\r\n";
        for (int i = 1; i <= n; ++i)
            b += "\"P" + QByteArray::number(i) + "\",\"argomento " + QByteArray::number(i) + "\"," + QByteArray::number(i) + "0,"
                + QByteArray::number(i) + ".5\r\n";
        return b;
    }
    QStringList colonna(const std::vector<Etichetta*>& c)
    {
        QStringList t;
        for (std::size_t j = 1; j < c.size(); ++j)
            t << c[j]->Caption();
        return t;
    }
    QTemporaryDir cartella;
    QString precedente;
    doppi::Messaggi messaggi;
};

// ---- tip of the day ----

TEST_F(Informazioni, TipsPageForwardsRoundAndBackDownToTheFirst)
{
    scrivi(QStringLiteral("tre.txt"), "primo\r\nsecondo\r\nterzo\r\n");
    frmTip& t = finestra<frmTip>();
    ASSERT_TRUE(t.LoadTips(cartella.filePath(QStringLiteral("tre.txt"))));
    EXPECT_EQ(t.lblTipText->Caption(), "primo");
    QStringList visti;
    for (int i = 0; i < 3; ++i) {
        t.cmdNextTip->click();
        visti << t.lblTipText->Caption();
    }
    EXPECT_EQ(visti, (QStringList{"secondo", "terzo", "primo"}));
    t.cmdNextTip->click();
    t.cmdNextTip->click();
    visti.clear();
    for (int i = 0; i < 3; ++i) {
        t.cmdprecedente->click();
        visti << t.lblTipText->Caption();
    }
    EXPECT_EQ(visti, (QStringList{"secondo", "primo", "primo"}));

    // Closed and shown again: the same tip, the file not read again.
    QFile::remove(cartella.filePath(QStringLiteral("tre.txt")));
    mostra<frmTip>().cmdOK->click();
    EXPECT_FALSE(t.isVisible());
    EXPECT_EQ(&mostra<frmTip>(), &t);
    EXPECT_EQ(t.lblTipText->Caption(), "primo");
    EXPECT_EQ(t.tips().size(), 3);
}

TEST_F(Informazioni, OneTipAnEmptyLineAndAnEmptyFile)
{
    scrivi(QStringLiteral("uno.txt"), "unico");
    frmTip& t = finestra<frmTip>();
    ASSERT_TRUE(t.LoadTips(cartella.filePath(QStringLiteral("uno.txt"))));
    t.cmdNextTip->click();
    EXPECT_EQ(t.lblTipText->Caption(), "unico");
    t.cmdprecedente->click();
    EXPECT_EQ(t.lblTipText->Caption(), "unico");
    EXPECT_EQ(t.posizione(), 1);
    ambiente::ripristinaFinestre();

    scrivi(QStringLiteral("vuota.txt"), "a\r\n\r\nc\r\n");
    frmTip& v = finestra<frmTip>();
    ASSERT_TRUE(v.LoadTips(cartella.filePath(QStringLiteral("vuota.txt"))));
    v.cmdNextTip->click();
    EXPECT_EQ(v.lblTipText->Caption(), "") << "an empty line is a tip of its own";
    ambiente::ripristinaFinestre();

    scrivi(QStringLiteral("niente.txt"), "");
    frmTip& n = finestra<frmTip>();
    n.lblTipText->setCaption(QString());
    EXPECT_TRUE(n.LoadTips(cartella.filePath(QStringLiteral("niente.txt"))));
    n.cmdNextTip->click();
    n.cmdprecedente->click();
    EXPECT_EQ(n.lblTipText->Caption(), "");
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

TEST_F(Informazioni, WithoutTheTipsFileTheWindowSaysHowToMakeIt)
{
    // The test program's folder holds no tips file.
    frmTip& t = finestra<frmTip>();
    const QString atteso = QStringLiteral(
        "Impossibile trovare il file SuggerimentiKorvel.TXT\r\n\r\nCreare un file di testo denominato "
        "SuggerimentiKorvel.TXT utilizzando il Blocco note e inserendo un suggerimento per ogni riga. "
        "Inserire il file nella stessa directory dell'applicazione. ");
    EXPECT_EQ(t.lblTipText->Caption(), atteso);
    t.cmdNextTip->click();
    t.cmdprecedente->click();
    EXPECT_EQ(t.lblTipText->Caption(), atteso);
    EXPECT_FALSE(t.LoadTips(QString()));
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

// ---- price list ----

TEST_F(Informazioni, PriceListOf32RecordsPagesToTheLastTen)
{
    scrivi(QStringLiteral("listino.txt"), listinoDi(32));
    prodotti& p = finestra<prodotti>();
    EXPECT_EQ(ModKorvel::intestazioneListino, "2025");
    EXPECT_EQ(p.Label10->Caption(), "2025");
    EXPECT_EQ(p.VScroll1->Min(), 1);
    EXPECT_EQ(p.VScroll1->Max(), 23);
    EXPECT_EQ(colonna(p.num), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    p.VScroll1->setValue(23);
    EXPECT_EQ(p.primaRiga(), 23);
    EXPECT_EQ(p.num[1]->Caption(), "23");
    EXPECT_EQ(p.num[10]->Caption(), "32");
    EXPECT_EQ(p.nom[10]->Caption(), "P32");
    EXPECT_EQ(p.argom[10]->Caption(), "argomento 32");
    EXPECT_EQ(p.eur[10]->Caption(), "320");
    EXPECT_EQ(p.off[10]->Caption(), "32.5");
    p.VScroll1->setValue(40);
    EXPECT_EQ(p.primaRiga(), 23) << "never past the last page";
}

TEST_F(Informazioni, PriceListsOfTenAndOfThreeRecordsDoNotPage)
{
    scrivi(QStringLiteral("listino.txt"), listinoDi(10));
    prodotti& dieci = finestra<prodotti>();
    EXPECT_EQ(dieci.VScroll1->Max(), 1);
    EXPECT_EQ(dieci.nom[10]->Caption(), "P10");
    ambiente::ripristinaFinestre();

    scrivi(QStringLiteral("listino.txt"), listinoDi(3));
    prodotti& tre = finestra<prodotti>();
    EXPECT_GE(tre.VScroll1->Max(), tre.VScroll1->Min());
    tre.VScroll1->setValue(-5);
    tre.VScroll1->setValue(8);
    EXPECT_EQ(tre.primaRiga(), 1);
    EXPECT_EQ(colonna(tre.nom), (QStringList{"P1", "P2", "P3", "", "", "", "", "", "", ""}));
    EXPECT_EQ(tre.num[4]->Caption(), "4");
    EXPECT_EQ(tre.eur[4]->Caption(), "");
}

TEST_F(Informazioni, ALongPriceIsShownWholeInASmallerFontAndAShortOneInTheDesignFont)
{
    QByteArray lungo = listinoDi(11);
    lungo.replace("\"argomento 1\",10,", "\"argomento 1\",123456789012.345,");
    scrivi(QStringLiteral("listino.txt"), lungo);
    prodotti& p = finestra<prodotti>();
    Etichetta* cella = p.eur[1];
    EXPECT_EQ(cella->Caption(), "123456789012.345");
    EXPECT_LE(QFontMetricsF(cella->font()).horizontalAdvance(cella->Caption()), cella->contentsRect().width())
        << "a right-aligned text wider than its cell loses its first digits";
    EXPECT_EQ(p.off[1]->font().pointSizeF(), caratteri::puntiNormali);

    p.VScroll1->setValue(2);
    EXPECT_EQ(cella->Caption(), "20");
    EXPECT_EQ(cella->font().pointSizeF(), caratteri::puntiNormali);
}

TEST_F(Informazioni, MissingOrBrokenPriceListsOpenAnEmptyOrShortList)
{
    prodotti& manca = finestra<prodotti>();
    EXPECT_EQ(manca.numeroProdotti(), 0);
    EXPECT_EQ(manca.Label10->Caption(), "");
    EXPECT_EQ(manca.VScroll1->Max(), 1);
    EXPECT_EQ(colonna(manca.nom), QStringList(10, QString()));
    ambiente::ripristinaFinestre();

    // 500 declared, 12 present, the twelfth with a price that is no number.
    QByteArray rotto = listinoDi(12);
    rotto.replace("\r\n12\r\n", "\r\n500\r\n");
    rotto.replace("120,12.5", "centoventi,12.5");
    scrivi(QStringLiteral("listino.txt"), rotto);
    prodotti& corto = finestra<prodotti>();
    EXPECT_EQ(corto.numeroProdotti(), 11);
    EXPECT_EQ(corto.VScroll1->Max(), 2);
    corto.VScroll1->setValue(2);
    EXPECT_EQ(corto.nom[10]->Caption(), "P11");
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

TEST_F(Informazioni, PriceListLinksAndItsPrint)
{
    doppi::Desktop desktop;
    numeri::impostaLocale(QLocale(QLocale::Italian, QLocale::Italy));
    QByteArray b = listinoDi(2);
    b.replace("10,1.5", "1250.5,990");
    scrivi(QStringLiteral("listino.txt"), b);
    prodotti& p = mostra<prodotti>();
    EXPECT_EQ(p.eur[1]->Caption(), "1250,5") << "the plain number, as the system writes it";
    p.Command1->click();
    p.Command2->click();
    EXPECT_EQ(desktop.aperti, (QStringList{recapiti::paginaCatalogo, QStringLiteral("mailto:") + recapiti::posta}));
    EXPECT_FALSE(desktop.aperti.last().contains(QLatin1Char(' ')));
    EXPECT_EQ(p.Command1->Caption(), QStringLiteral("Sito: ") + recapiti::sito);

    p.cmdStampa->click();
    ASSERT_TRUE(ModKorvel::wordDoc);
    const auto& d = *ModKorvel::wordDoc;
    EXPECT_EQ(std::get<Capoverso>(d.blocchi()[0]).testo(), "prodotti software BRENTHAL");
    EXPECT_EQ(std::get<Capoverso>(d.blocchi()[2]).testo(), QStringLiteral("acquistabili dalla pagina ") + recapiti::paginaAcquisto);
    ASSERT_EQ(d.numeroTabelle(), 1);
    const documento::Griglia& g = *d.griglia(1);
    EXPECT_EQ(g.righe, 3);
    EXPECT_EQ(g.colonne, 5);
    EXPECT_EQ(g.carattere.dimensione, 8);
    EXPECT_EQ(g.cella(1, 3), QStringLiteral("argomento trattato") + QString(20, QLatin1Char(' ')));
    EXPECT_EQ(g.cella(2, 1), " 1");
    EXPECT_EQ(g.cella(3, 1), " 2");
    EXPECT_EQ(g.cella(2, 4), "1.250,50");
    EXPECT_EQ(g.cella(2, 5), "990,00");
    EXPECT_TRUE(g.formattata);
    EXPECT_EQ(g.allineamenti, (std::vector<documento::Allineamento>{documento::Allineamento::Sinistra,
                                                                     documento::Allineamento::Sinistra,
                                                                     documento::Allineamento::Sinistra,
                                                                     documento::Allineamento::Destra,
                                                                     documento::Allineamento::Destra}));
    p.cmdChiudi->click();
    EXPECT_FALSE(p.isVisible());
    EXPECT_TRUE(Unica<prodotti>::caricata());
    p.cmdSommario->click();
    EXPECT_TRUE(finestra<sommario>().isVisible());
}

// ---- about and licence ----

TEST_F(Informazioni, AboutWindowKeepsTheIrregularSpacingOfItsVersionLine)
{
    informa& i = mostra<informa>();
    EXPECT_EQ(i.windowTitle(), "Informazioni su Korvel");
    EXPECT_EQ(i.Label1->Caption(), "Korvel");
    EXPECT_EQ(i.Label2->Caption(), "programma per il calcolo di pannelli solari");
    EXPECT_EQ(i.Label5->Caption(), "per sistemi Windows a 32 bit ");
    EXPECT_EQ(i.Label6->Caption(), "edizione professionale - versione 3.04.05   1984- 2011");
    i.Label6->setCaption(QStringLiteral("segno"));
    i.cmdOK->click();
    EXPECT_FALSE(i.isVisible());
    EXPECT_EQ(&mostra<informa>(), &i);
    EXPECT_EQ(i.Label6->Caption(), "segno") << "shown again without loading again";
}

TEST_F(Informazioni, LicenceTermsPrintNameSubtitleAndTermsOnly)
{
    licenza& l = mostra<licenza>();
    EXPECT_EQ(l.Label2->Caption(), "Korvel");
    l.Text1->setText(QStringLiteral("Prima clausola.\nSeconda clausola."));
    l.cmdStampa->click();
    QStringList testi;
    for (const auto& b : ModKorvel::wordDoc->blocchi()) {
        const Capoverso& c = std::get<Capoverso>(b);
        testi << c.testo();
        EXPECT_EQ(c.allineamento, documento::Allineamento::Giustificato);
    }
    EXPECT_EQ(testi, (QStringList{"Korvel", "programma per il calcolo di pannelli solari", "", "", "Prima clausola.",
                                  "Seconda clausola.", ""}));
    EXPECT_EQ(std::get<Capoverso>(ModKorvel::wordDoc->blocchi()[4]).sequenze.at(0).carattere.dimensione, 12);
    l.cmdChiudi->click();
    EXPECT_FALSE(l.isVisible());
    EXPECT_TRUE(Unica<licenza>::caricata());
}

} // namespace
