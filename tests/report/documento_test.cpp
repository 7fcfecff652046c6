// The document layer: where typed text, kept paragraphs and tables land, page
// breaks, alignment, the page count and the atomic saves.
#include "report/documento.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace documento;

namespace {

const QString CR(1, QChar(13));
const QString FF(1, QChar(12));

std::shared_ptr<Documento> nuovo()
{
    auto app = Applicazione::nuova();
    app->impostaVisibile(true);
    return app->aggiungiDocumento();
}

const Capoverso& capoverso(const Documento& d, std::size_t i) { return std::get<Capoverso>(d.blocchi().at(i)); }
bool eTabella(const Documento& d, std::size_t i) { return std::holds_alternative<Griglia>(d.blocchi().at(i)); }

QStringList testi(const Documento& d)
{
    QStringList t;
    for (const Blocco& b : d.blocchi())
        t << (std::holds_alternative<Griglia>(b) ? QStringLiteral("<tabella>") : std::get<Capoverso>(b).testo());
    return t;
}

} // namespace

TEST(Documento, TypedTextSplitsIntoParagraphsWithTheFontInForce)
{
    auto d = nuovo();
    d->impostaNomeCarattere(QStringLiteral("Century Gothic"));
    ASSERT_TRUE(d->impostaDimensione(20));
    d->scrivi(QStringLiteral("Korvel") + CR);
    ASSERT_TRUE(d->impostaDimensione(16));
    d->scrivi(QStringLiteral("sotto") + CR + CR);
    EXPECT_EQ(testi(*d), (QStringList{"Korvel", "sotto", "", ""}));
    EXPECT_EQ(capoverso(*d, 0).sequenze.at(0).carattere.dimensione, 20);
    EXPECT_EQ(capoverso(*d, 0).sequenze.at(0).carattere.nome, "Century Gothic");
    EXPECT_EQ(capoverso(*d, 1).sequenze.at(0).carattere.dimensione, 16);
    // An empty line keeps the height of the size in force when it was typed.
    EXPECT_EQ(capoverso(*d, 2).marca.dimensione, 16);
}

TEST(Documento, LineEndsOfEveryKindAndBadCharacters)
{
    auto d = nuovo();
    d->scrivi(QStringLiteral("a\r\nb\nc\rd\te\x0B" "f\x01g") + QChar(0xFFFF) + QStringLiteral("h"));
    EXPECT_EQ(testi(*d), (QStringList{"a", "b", "c", QStringLiteral("d\te\x0B" "fgh")}));
}

TEST(Documento, BoldToggleAndSettings)
{
    auto d = nuovo();
    d->impostaGrassetto(wdToggle);
    d->scrivi(QStringLiteral("titolo") + CR);
    d->impostaGrassetto(wdToggle);
    d->scrivi(QStringLiteral("sotto") + CR);
    d->impostaGrassetto(1);
    d->impostaGrassetto(-1);
    d->scrivi(QStringLiteral("ancora"));
    d->impostaGrassetto(0);
    d->scrivi(QStringLiteral(" no"));
    EXPECT_TRUE(capoverso(*d, 0).sequenze.at(0).carattere.grassetto);
    EXPECT_FALSE(capoverso(*d, 1).sequenze.at(0).carattere.grassetto);
    ASSERT_EQ(capoverso(*d, 2).sequenze.size(), 2u);
    EXPECT_TRUE(capoverso(*d, 2).sequenze[0].carattere.grassetto);
    EXPECT_FALSE(capoverso(*d, 2).sequenze[1].carattere.grassetto);
}

TEST(Documento, SizesOutsideTheRangeAreRefused)
{
    auto d = nuovo();
    EXPECT_FALSE(d->impostaDimensione(0));
    EXPECT_FALSE(d->impostaDimensione(2000));
    EXPECT_FALSE(d->impostaDimensione(std::nan("")));
    EXPECT_EQ(d->carattereCorrente().dimensione, 12);
}

TEST(Documento, PageBreaks)
{
    auto d = nuovo();
    d->scrivi(QStringLiteral("uno") + CR + FF + QStringLiteral("due") + FF + QStringLiteral("tre") + CR);
    // After a paragraph end the empty paragraph itself moves to the new page; inside
    // a paragraph the break starts a new one.
    EXPECT_EQ(testi(*d), (QStringList{"uno", "due", "tre", ""}));
    EXPECT_FALSE(capoverso(*d, 0).nuovaPagina);
    EXPECT_TRUE(capoverso(*d, 1).nuovaPagina);
    EXPECT_TRUE(capoverso(*d, 2).nuovaPagina);
    EXPECT_FALSE(capoverso(*d, 3).nuovaPagina);
    EXPECT_EQ(d->contaPagine(), 3);
}

TEST(Documento, KeptParagraphAppendsAfterEverythingTablesIncluded)
{
    auto d = nuovo();
    d->scrivi(QStringLiteral("titolo") + CR);
    Paragrafo p = d->aggiungiParagrafo();
    ASSERT_TRUE(p.impostaDimensione(18));
    ASSERT_TRUE(p.impostaTesto(FF + QStringLiteral("CAPITOLO") + CR + CR));
    ASSERT_TRUE(p.impostaDimensione(12));
    ASSERT_TRUE(p.impostaTesto(QStringLiteral("testo") + CR));
    auto t = d->aggiungiTabella(2, 2);
    ASSERT_TRUE(t);
    ASSERT_TRUE(p.impostaTesto(QStringLiteral("dopo la tabella") + CR));
    EXPECT_EQ(testi(*d), (QStringList{"titolo", "", "CAPITOLO", "", "testo", "<tabella>", "dopo la tabella", ""}));
    EXPECT_TRUE(capoverso(*d, 2).nuovaPagina);
    EXPECT_EQ(capoverso(*d, 2).sequenze.at(0).carattere.dimensione, 18);
    EXPECT_EQ(capoverso(*d, 4).sequenze.at(0).carattere.dimensione, 12);
    // The table took the size in force at the kept paragraph.
    EXPECT_EQ(d->griglia(1)->carattere.dimensione, 12);
}

TEST(Documento, KeptParagraphTextWithoutParagraphEndIsReplaced)
{
    auto d = nuovo();
    Paragrafo p = d->aggiungiParagrafo();
    p.impostaTesto(CR + QStringLiteral("Località n.1"));
    p.impostaTesto(CR + QStringLiteral("Località n.2"));
    EXPECT_EQ(testi(*d), (QStringList{"", "", "", "Località n.2"}));
}

TEST(Documento, EachTownLineStandsBeforeItsTable)
{
    auto d = nuovo();
    Paragrafo p = d->aggiungiParagrafo();
    for (int citta = 1; citta <= 2; ++citta) {
        p.impostaTesto(CR + QStringLiteral("Località n.%1").arg(citta));
        ASSERT_TRUE(d->aggiungiTabella(14, 4));
    }
    EXPECT_EQ(testi(*d), (QStringList{"", "", "Località n.1", "<tabella>", "", "Località n.2", "<tabella>", ""}));
}

TEST(Documento, TableAfterParagraphStartsOnTheNextLineAndDocumentEndsWithParagraph)
{
    auto d = nuovo();
    d->scrivi(QStringLiteral("testo senza fine"));
    ASSERT_TRUE(d->aggiungiTabella(1, 1));
    ASSERT_TRUE(d->aggiungiTabella(1, 1));
    EXPECT_EQ(testi(*d), (QStringList{"testo senza fine", "<tabella>", "<tabella>", ""}));
    EXPECT_FALSE(eTabella(*d, d->blocchi().size() - 1));
    EXPECT_EQ(d->numeroTabelle(), 2);
}

TEST(Documento, TableShapesAndCells)
{
    auto d = nuovo();
    Esito e;
    EXPECT_FALSE(d->aggiungiTabella(0, 3, &e));
    EXPECT_FALSE(e.ok());
    EXPECT_FALSE(d->aggiungiTabella(3, 64, &e));
    auto t = d->aggiungiTabella(3, 2, &e);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->righe(), 3);
    EXPECT_EQ(t->colonne(), 2);
    EXPECT_TRUE(t->scriviCella(1, 1, QStringLiteral("  due  blanchi  ")));
    EXPECT_EQ(t->cella(1, 1), QStringLiteral("  due  blanchi  "));
    EXPECT_TRUE(t->scriviCella(3, 2, QStringLiteral("a\rb\fc")));
    EXPECT_EQ(t->cella(3, 2), QStringLiteral("a\nbc"));
    EXPECT_TRUE(t->scriviCella(1, 1, QStringLiteral("sostituito")));
    EXPECT_EQ(t->cella(1, 1), QStringLiteral("sostituito"));
    EXPECT_FALSE(t->scriviCella(4, 1, QStringLiteral("x")));
    EXPECT_FALSE(t->scriviCella(1, 0, QStringLiteral("x")));
    EXPECT_FALSE(t->scriviCella(1, 3, QStringLiteral("x")));
    EXPECT_FALSE(d->tabella(2, &e));
    EXPECT_TRUE(e.errore.contains(QStringLiteral("n. 2")));
}

TEST(Documento, JustifyEverythingThenRightColumns)
{
    auto d = nuovo();
    d->scrivi(QStringLiteral("uno") + CR);
    auto t = d->aggiungiTabella(2, 3);
    d->allineaTutto(Allineamento::Giustificato);
    EXPECT_TRUE(d->allineaColonna(1, 3, Allineamento::Destra));
    EXPECT_FALSE(d->allineaColonna(1, 4, Allineamento::Destra));
    EXPECT_FALSE(d->allineaColonna(2, 1, Allineamento::Destra));
    EXPECT_EQ(capoverso(*d, 0).allineamento, Allineamento::Giustificato);
    const auto& a = d->griglia(1)->allineamenti;
    EXPECT_EQ(a, (std::vector<Allineamento>{Allineamento::Giustificato, Allineamento::Giustificato, Allineamento::Destra}));
    // A paragraph added later keeps the alignment in force.
    d->scrivi(QStringLiteral("dopo"));
    EXPECT_EQ(std::get<Capoverso>(d->blocchi().back()).allineamento, Allineamento::Giustificato);
}

TEST(Documento, SelectionOfTheApplication)
{
    auto app = Applicazione::nuova();
    EXPECT_FALSE(app->selezionaTutto());
    auto d = app->aggiungiDocumento();
    d->scrivi(QStringLiteral("x") + CR);
    d->aggiungiTabella(2, 2);
    EXPECT_FALSE(app->selezionaColonna(1, 3));
    EXPECT_FALSE(app->selezionaColonna(2, 1));
    ASSERT_TRUE(app->selezionaColonna(1, 2));
    ASSERT_TRUE(app->allineaSelezione(Allineamento::Destra));
    EXPECT_EQ(d->griglia(1)->allineamenti[1], Allineamento::Destra);
    EXPECT_EQ(d->griglia(1)->allineamenti[0], Allineamento::Sinistra);
    ASSERT_TRUE(app->selezionaTutto());
    ASSERT_TRUE(app->allineaSelezione(Allineamento::Giustificato));
    EXPECT_EQ(d->griglia(1)->allineamenti[1], Allineamento::Giustificato);
}

TEST(Documento, TwoDocumentsStaySeparate)
{
    auto a = nuovo();
    auto b = nuovo();
    a->aggiungiTabella(2, 2);
    b->scrivi(QStringLiteral("altro"));
    EXPECT_EQ(a->numeroTabelle(), 1);
    EXPECT_EQ(b->numeroTabelle(), 0);
    EXPECT_NE(a->titolo(), b->titolo());
}

TEST(Documento, PageCountGrowsWithTheContent)
{
    auto d = nuovo();
    EXPECT_EQ(d->contaPagine(), 1);
    d->impostaNomeCarattere(QStringLiteral("Century Gothic"));
    // About 50 lines of 12 points fit an A4 page with 2 cm margins.
    for (int i = 0; i < 40; ++i)
        d->scrivi(QStringLiteral("riga %1").arg(i) + CR);
    EXPECT_EQ(d->contaPagine(), 1);
    for (int i = 0; i < 40; ++i)
        d->scrivi(QStringLiteral("riga %1").arg(i) + CR);
    EXPECT_EQ(d->contaPagine(), 2);
    auto t = d->aggiungiTabella(200, 3);
    for (int r = 1; r <= 200; ++r)
        t->scriviCella(r, 1, QString::number(r));
    EXPECT_GE(d->contaPagine(), 5);
}

TEST(Documento, ThePagesHoldTheTextAndEveryTableRow)
{
    auto d = nuovo();
    d->scrivi(QStringLiteral("prima") + CR);
    auto t = d->aggiungiTabella(2, 3);
    t->scriviCella(2, 3, QStringLiteral("ultima"));
    t->formattaAutomatico();
    ASSERT_EQ(d->pagine().size(), 1u);
    EXPECT_EQ(d->testoPagina(0), QStringLiteral("prima\n\t\t\n\t\tultima\n"));
}

TEST(Documento, FittedColumnsFollowTheContentWithinThePage)
{
    auto d = nuovo();
    auto t = d->aggiungiTabella(2, 3);
    t->scriviCella(1, 1, QStringLiteral("n"));
    t->scriviCella(1, 2, QStringLiteral("una colonna con un testo piuttosto lungo"));
    t->scriviCella(1, 3, QStringLiteral("breve"));
    const auto uguali = d->colonne(1).larghezze;
    EXPECT_NEAR(uguali[0], 170.0 / 3, 1e-9);
    t->formattaAutomatico();
    const auto adattate = d->colonne(1).larghezze;
    EXPECT_LT(adattate[0], adattate[2]);
    EXPECT_LT(adattate[2], adattate[1]);
    // Kept while only paragraphs and alignments change; a larger font widens them.
    d->aggiungiParagrafo().impostaTesto(QStringLiteral("testo dopo la tabella"));
    d->allineaColonna(1, 1, documento::Allineamento::Destra);
    EXPECT_EQ(d->colonne(1).larghezze, adattate);
    t->impostaDimensione(20);
    EXPECT_GT(d->colonne(1).larghezze[2], adattate[2]);
    // A very long text is wrapped within the page's width.
    t->scriviCella(2, 2, QString(400, QLatin1Char('x')) + QStringLiteral(" ") + QString(10, QLatin1Char('y')));
    double totale = 0;
    for (double l : d->colonne(1).larghezze)
        totale += l;
    EXPECT_LE(totale, 170.0 + 1e-6);
}

TEST(Documento, ATableOfManyFiguresNarrowsItsCellMarginsBeforeBreakingThem)
{
    // The month table of the detailed results: sixteen columns of figures at 8 points.
    auto d = nuovo();
    d->impostaNomeCarattere(QStringLiteral("Century Gothic"));
    auto t = d->aggiungiTabella(13, 16);
    ASSERT_TRUE(t->impostaDimensione(8));
    for (int c = 1; c <= 16; ++c) {
        t->scriviCella(1, c, QStringLiteral("r.s°k"));
        for (int r = 2; r <= 13; ++r)
            t->scriviCella(r, c, QStringLiteral("32684"));
    }
    t->formattaAutomatico();
    const documento::ColonneTabella colonne = d->colonne(1);
    EXPECT_LT(colonne.margine, 108.0 / 1440.0 * 25.4);
    EXPECT_GE(colonne.margine, 0.5);
    double totale = 0;
    for (double l : colonne.larghezze)
        totale += l;
    EXPECT_LE(totale, 170.0 + 1e-6);
    // Every figure keeps to one line: six such tables take the pages of six tables of
    // one narrow column, whose rows cannot wrap.
    auto pagine = [](int colonne, const QString& testo) {
        auto doc = nuovo();
        doc->impostaNomeCarattere(QStringLiteral("Century Gothic"));
        for (int volta = 0; volta < 6; ++volta) {
            doc->scrivi(QStringLiteral("tabella") + CR);
            auto tab = doc->aggiungiTabella(13, colonne);
            EXPECT_TRUE(tab->impostaDimensione(8));
            for (int c = 1; c <= colonne; ++c)
                for (int r = 1; r <= 13; ++r)
                    tab->scriviCella(r, c, testo);
            tab->formattaAutomatico();
        }
        return doc->contaPagine().value_or(0);
    };
    EXPECT_EQ(pagine(16, QStringLiteral("32684")), pagine(1, QStringLiteral("1")));
    // Tables of few columns keep the usual margins.
    auto poche = d->aggiungiTabella(2, 3);
    poche->formattaAutomatico();
    EXPECT_NEAR(d->colonne(2).margine, 108.0 / 1440.0 * 25.4, 1e-9);
}

TEST(Documento, SavesAreAtomic)
{
    QTemporaryDir cartella;
    auto d = nuovo();
    d->scrivi(QStringLiteral("contenuto"));
    const QString nome = cartella.filePath(QStringLiteral("prova.docx"));
    ASSERT_TRUE(d->salvaDocx(nome));
    EXPECT_TRUE(QFile::exists(nome));
    ASSERT_TRUE(d->salvaPdf(cartella.filePath(QStringLiteral("prova.pdf"))));
    QFile pdf(cartella.filePath(QStringLiteral("prova.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));

    // Into a folder that does not exist: nothing is written, the reason is told.
    const Esito e = d->salvaDocx(cartella.filePath(QStringLiteral("manca/prova.docx")));
    EXPECT_FALSE(e.ok());
    EXPECT_TRUE(e.errore.contains(QStringLiteral("manca/prova.docx")));
    EXPECT_FALSE(d->salvaDocx(QString()));
    // Replacing a file that cannot be replaced keeps it whole.
    QDir(cartella.path()).mkdir(QStringLiteral("chiusa"));
    const QString chiuso = cartella.filePath(QStringLiteral("chiusa/vecchio.docx"));
    {
        QFile f(chiuso);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("vecchio");
    }
    QFile::setPermissions(cartella.filePath(QStringLiteral("chiusa")), QFile::ReadOwner | QFile::ExeOwner);
    const bool scritto = d->salvaDocx(chiuso).ok();
    QFile::setPermissions(cartella.filePath(QStringLiteral("chiusa")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile f(chiuso);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    if (!scritto) { // root may write anyway
        EXPECT_EQ(f.readAll(), QByteArray("vecchio"));
    }
    EXPECT_EQ(QDir(cartella.filePath(QStringLiteral("chiusa"))).entryList(QDir::Files).size(), 1);
}

TEST(Documento, SavedUntilTheNextChange)
{
    // The window asks before closing a document that is not saved.
    QTemporaryDir cartella;
    auto d = nuovo();
    d->scrivi(QStringLiteral("contenuto"));
    EXPECT_FALSE(d->salvato());
    EXPECT_FALSE(d->salvaDocx(cartella.filePath(QStringLiteral("manca/prova.docx"))));
    EXPECT_FALSE(d->salvato()) << "a failed save saves nothing";
    ASSERT_TRUE(d->salvaDocx(cartella.filePath(QStringLiteral("prova.docx"))));
    EXPECT_TRUE(d->salvato());
    d->scrivi(QStringLiteral(" altro"));
    EXPECT_FALSE(d->salvato());
    ASSERT_TRUE(d->salvaPdf(cartella.filePath(QStringLiteral("prova.pdf"))));
    EXPECT_TRUE(d->salvato()) << "a PDF keeps the content too";
}

TEST(Documento, TitleIsCleanedAndChangesAreCounted)
{
    auto d = nuovo();
    const quint64 prima = d->versione();
    int segnali = 0;
    QObject::connect(d.get(), &Documento::cambiato, [&] { ++segnali; });
    d->impostaTitolo(QStringLiteral("RISULTATI\r\nDEL\tCALCOLO\x01"));
    EXPECT_EQ(d->titolo(), QStringLiteral("RISULTATI DEL CALCOLO"));
    d->impostaTitolo(QString());
    EXPECT_EQ(d->titolo(), QStringLiteral("RISULTATI DEL CALCOLO"));
    EXPECT_GT(d->versione(), prima);
    EXPECT_EQ(segnali, 1);
}

TEST(Documento, WindowFactoryIsCalledOnceWhenMadeVisible)
{
    int finestre = 0;
    impostaFabbricaFinestre([&](const std::shared_ptr<Applicazione>&) { ++finestre; });
    auto app = Applicazione::nuova();
    EXPECT_EQ(finestre, 0);
    app->impostaVisibile(true);
    app->impostaVisibile(false);
    app->impostaVisibile(true);
    EXPECT_EQ(finestre, 1);
    Applicazione::nuova()->impostaVisibile(true);
    EXPECT_EQ(finestre, 2);
    impostaFabbricaFinestre({});
}

TEST(Documento, FormattedTableRepeatsItsHeaderRowOnEveryPageAsTheSavedFileDoes)
{
    // A header row of forty lines: repeated on every page it leaves room for few
    // data rows, so the count grows well beyond that of the same table unformatted.
    auto conta = [](bool formattata) {
        auto d = nuovo();
        auto t = d->aggiungiTabella(121, 2);
        QString testata = QStringLiteral("riga");
        for (int i = 1; i < 40; ++i)
            testata += CR + QStringLiteral("riga");
        t->scriviCella(1, 1, testata);
        for (int r = 2; r <= 121; ++r)
            t->scriviCella(r, 2, QString::number(r));
        if (formattata)
            t->formattaAutomatico();
        return d->contaPagine().value_or(0);
    };
    const int semplice = conta(false);
    const int formattata = conta(true);
    EXPECT_LE(semplice, 4);
    EXPECT_GE(formattata, 10);
}
