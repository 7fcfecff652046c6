// The DOCX writer, read back: package parts, texts, sizes, bold, alignment, page
// breaks and table shapes.
#include "report/aspettoTabella.h"
#include "report/docx.h"
#include "report/documento.h"
#include "report/lettoreDocx.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace documento;

namespace {

const QString CR(1, QChar(13));

struct Letto {
    QMap<QString, QByteArray> parti;
    lettore::Corpo corpo;
};

Letto rileggi(const Documento& d)
{
    QByteArray pacchetto;
    EXPECT_TRUE(docx::componi(d, pacchetto));
    Letto l;
    l.parti = lettore::decomprimi(pacchetto);
    l.corpo = lettore::leggiCorpo(l.parti.value(QStringLiteral("word/document.xml")));
    EXPECT_TRUE(l.corpo.valido) << l.corpo.errore.toStdString();
    return l;
}

// A small report: heading at the selection, a kept paragraph, a formatted table.
std::shared_ptr<Documento> esempio()
{
    auto app = Applicazione::nuova();
    auto d = app->aggiungiDocumento();
    d->impostaNomeCarattere(QStringLiteral("Century Gothic"));
    d->impostaDimensione(20);
    d->impostaGrassetto(wdToggle);
    d->scrivi(QStringLiteral("Korvel") + CR);
    d->impostaGrassetto(wdToggle);
    d->impostaDimensione(12);
    d->scrivi(QStringLiteral("Tipologia di calcolo: trasmittanza") + CR + CR);
    Paragrafo p = d->aggiungiParagrafo();
    p.impostaDimensione(12);
    p.impostaTesto(CR + QStringLiteral("Elementi esterni all'involucro <&> \"edificio\"") + CR);
    auto t = d->aggiungiTabella(3, 7);
    t->impostaDimensione(8);
    t->scriviCella(1, 1, QStringLiteral("numero"));
    t->scriviCella(2, 4, QStringLiteral("W/mq°C"));
    t->scriviCella(3, 1, QStringLiteral(" 1"));
    t->scriviCella(3, 3, QStringLiteral("12.50"));
    t->formattaAutomatico(9);
    app->selezionaColonna(1, 3);
    app->allineaSelezione(Allineamento::Destra);
    return d;
}

} // namespace

TEST(Docx, PackageHasEveryPartAndEachParses)
{
    const Letto l = rileggi(*esempio());
    for (const char* parte : {"[Content_Types].xml", "_rels/.rels", "word/document.xml", "word/styles.xml",
                              "word/_rels/document.xml.rels", "docProps/core.xml"}) {
        ASSERT_TRUE(l.parti.contains(QString::fromLatin1(parte))) << parte;
        EXPECT_TRUE(lettore::benFormato(l.parti.value(QString::fromLatin1(parte)))) << parte;
    }
    EXPECT_TRUE(l.parti.value(QStringLiteral("word/styles.xml")).contains("w:val=\"it-IT\""));
    EXPECT_TRUE(l.parti.value(QStringLiteral("[Content_Types].xml")).contains("/word/document.xml"));
    EXPECT_TRUE(l.parti.value(QStringLiteral("_rels/.rels")).contains("Target=\"word/document.xml\""));
}

// The defaults every paragraph and table of the file stand on, as the page layout
// takes them: runs in Times New Roman at 12 points in Italian, paragraphs with no
// space before or after and single line spacing, tables whose cells have no margin
// above and below their text and 108 twips beside it.
TEST(Docx, TheStylesHoldTheDefaultsThePagesAreLaidOutWith)
{
    const Letto l = rileggi(*esempio());
    const lettore::Stili st = lettore::leggiStili(l.parti.value(QStringLiteral("word/styles.xml")));
    ASSERT_TRUE(st.valido);
    EXPECT_EQ(st.font, QStringLiteral("Times New Roman"));
    EXPECT_EQ(st.mezziPunti, 24);
    EXPECT_EQ(st.lingua, QStringLiteral("it-IT"));
    EXPECT_EQ(st.spaziatura, (QMap<QString, QString>{{QStringLiteral("before"), QStringLiteral("0")},
                                                      {QStringLiteral("after"), QStringLiteral("0")},
                                                      {QStringLiteral("line"), QStringLiteral("240")},
                                                      {QStringLiteral("lineRule"), QStringLiteral("auto")}}));
    EXPECT_EQ(st.predefiniti, (QStringList{QStringLiteral("paragraph:Normal"), QStringLiteral("table:TableNormal")}));
    EXPECT_EQ(st.marginiCella, (QMap<QString, int>{{QStringLiteral("top"), 0},
                                                   {QStringLiteral("left"), 108},
                                                   {QStringLiteral("bottom"), 0},
                                                   {QStringLiteral("right"), 108}}));
}

TEST(Docx, TextsSizesBoldAndFont)
{
    const Letto l = rileggi(*esempio());
    const auto paragrafi = l.corpo.paragrafi();
    ASSERT_GE(paragrafi.size(), 5u);
    ASSERT_EQ(paragrafi[0]->sequenze.size(), 1u);
    const auto& titolo = paragrafi[0]->sequenze[0];
    EXPECT_EQ(titolo.testo, QStringLiteral("Korvel"));
    EXPECT_EQ(titolo.font, QStringLiteral("Century Gothic"));
    EXPECT_EQ(titolo.mezziPunti, 40);
    EXPECT_TRUE(titolo.grassetto);
    EXPECT_EQ(paragrafi[1]->sequenze.at(0).mezziPunti, 24);
    EXPECT_FALSE(paragrafi[1]->sequenze.at(0).grassetto);
    bool trovato = false;
    for (const auto* p : paragrafi)
        trovato = trovato || p->testo() == QStringLiteral("Elementi esterni all'involucro <&> \"edificio\"");
    EXPECT_TRUE(trovato);
}

TEST(Docx, TableShapeHeaderAndAlignment)
{
    const Letto l = rileggi(*esempio());
    const auto tabelle = l.corpo.tabelle();
    ASSERT_EQ(tabelle.size(), 1u);
    const auto& t = *tabelle[0];
    EXPECT_EQ(t.griglia.size(), 7u);
    ASSERT_EQ(t.righe.size(), 3u);
    for (const auto& riga : t.righe)
        EXPECT_EQ(riga.size(), 7u);
    const auto& testa = t.righe[0][0];
    EXPECT_EQ(testa.testo(), QStringLiteral("numero"));
    EXPECT_FALSE(testa.sfondo.isEmpty());
    EXPECT_TRUE(testa.paragrafi.at(0).sequenze.at(0).grassetto);
    EXPECT_EQ(testa.paragrafi.at(0).sequenze.at(0).mezziPunti, 16);
    EXPECT_EQ(t.righe[1][3].testo(), QStringLiteral("W/mq°C"));
    // Leading blanks are kept.
    EXPECT_EQ(t.righe[2][0].testo(), QStringLiteral(" 1"));
    EXPECT_FALSE(t.righe[2][0].paragrafi.at(0).sequenze.at(0).grassetto);
    EXPECT_EQ(t.righe[2][2].paragrafi.at(0).jc, QStringLiteral("right"));
    EXPECT_EQ(t.righe[2][1].paragrafi.at(0).jc, QStringLiteral("left"));
    // Empty cells still hold a paragraph.
    EXPECT_EQ(t.righe[2][6].paragrafi.size(), 1u);
    // The grid fits the page's text width.
    int totale = 0;
    for (int w : t.griglia)
        totale += w;
    EXPECT_LE(totale, 9638 + 7); // 170 mm
}

TEST(Docx, PageSizeMarginsAndBodyEndingWithParagraph)
{
    auto app = Applicazione::nuova();
    auto d = app->aggiungiDocumento();
    d->scrivi(QStringLiteral("x") + CR);
    d->aggiungiTabella(1, 2);
    const Letto l = rileggi(*d);
    EXPECT_EQ(l.corpo.larghezzaPagina, 11906);
    EXPECT_EQ(l.corpo.altezzaPagina, 16838);
    EXPECT_EQ(l.corpo.margineSinistro, 1134); // 20 mm
    EXPECT_TRUE(l.corpo.ultimoPrimaDiSectPr);
    ASSERT_FALSE(l.corpo.blocchi.empty());
    EXPECT_FALSE(l.corpo.blocchi.back().tabella);
    // An unformatted table shares the text width equally.
    const auto& g = l.corpo.tabelle().at(0)->griglia;
    ASSERT_EQ(g.size(), 2u);
    EXPECT_EQ(g[0], g[1]);
}

// The file holds the model's blocks in order and adds one thing only: between two
// adjacent tables an empty line in the first one's font, which keeps them two
// tables. A paragraph between tables is all that stands there; anything more would
// be a line, and possibly a page, that neither the screen nor the page count has.
TEST(Docx, BlocksInTheModelsOrderWithASeparatorOnlyBetweenAdjacentTables)
{
    auto app = Applicazione::nuova();
    auto d = app->aggiungiDocumento();
    d->aggiungiTabella(2, 2)->impostaDimensione(8);
    d->aggiungiTabella(1, 3); // in place of the empty paragraph after the first one
    d->scrivi(QStringLiteral("tra le tabelle"));
    d->aggiungiTabella(1, 1);
    QStringList modello;
    for (const Blocco& b : d->blocchi())
        modello << (std::holds_alternative<Griglia>(b) ? QStringLiteral("tbl")
                                                       : QStringLiteral("p:") + std::get<Capoverso>(b).testo());
    ASSERT_EQ(modello, (QStringList{QStringLiteral("tbl"), QStringLiteral("tbl"), QStringLiteral("p:tra le tabelle"),
                                    QStringLiteral("tbl"), QStringLiteral("p:")}));

    const Letto l = rileggi(*d);
    QStringList file;
    for (const lettore::Blocco& b : l.corpo.blocchi)
        file << (b.tabella ? QStringLiteral("tbl") : QStringLiteral("p:") + b.paragrafo.testo());
    EXPECT_EQ(file, (QStringList{QStringLiteral("tbl"), QStringLiteral("p:"), QStringLiteral("tbl"),
                                 QStringLiteral("p:tra le tabelle"), QStringLiteral("tbl"), QStringLiteral("p:")}));
    ASSERT_EQ(l.corpo.blocchi.size(), 6u);
    EXPECT_EQ(l.corpo.blocchi[1].paragrafo.mezziPuntiMarca, 16) << "the separator in the first table's font";
}

TEST(Docx, PageBreaksJustificationBlanksAndSpecialCharacters)
{
    auto app = Applicazione::nuova();
    auto d = app->aggiungiDocumento();
    d->scrivi(QStringLiteral("prima") + CR + QChar(12) + QStringLiteral("  due  blanchi\tpoi tab") + QChar(0x0B)
              + QStringLiteral("riga") + QChar(0x02) + QChar(0xFFFE) + QStringLiteral(" è ") + QString::fromUcs4(U"\U0001F600") + CR);
    d->allineaTutto(Allineamento::Giustificato);
    const Letto l = rileggi(*d);
    const auto paragrafi = l.corpo.paragrafi();
    ASSERT_GE(paragrafi.size(), 2u);
    EXPECT_FALSE(paragrafi[0]->nuovaPagina);
    EXPECT_TRUE(paragrafi[1]->nuovaPagina);
    EXPECT_EQ(paragrafi[1]->testo(), QStringLiteral("  due  blanchi\tpoi tab") + QChar(0x0B) + QStringLiteral("riga è ")
                                         + QString::fromUcs4(U"\U0001F600"));
    for (const auto* p : paragrafi)
        EXPECT_EQ(p->jc, QStringLiteral("both"));
    // Every text element keeps its blanks.
    const QByteArray xml = l.parti.value(QStringLiteral("word/document.xml"));
    EXPECT_EQ(xml.count("<w:t>"), 0);
    EXPECT_EQ(xml.count("<w:t "), xml.count("xml:space=\"preserve\""));
}

TEST(Docx, AFontNameIsCleanedAsTheTextsAre)
{
    // A lone surrogate half once made the writer leave a nameless element behind, and
    // the save still succeeded.
    auto app = Applicazione::nuova();
    auto d = app->aggiungiDocumento();
    d->impostaNomeCarattere(QStringLiteral("Times") + QChar(0xD800) + QStringLiteral(" New") + QChar(0x01)
                            + QChar(0xFFFF) + QStringLiteral(" Roman") + QChar(0xDC00));
    d->scrivi(QStringLiteral("testo") + CR);
    auto t = d->aggiungiTabella(1, 1);
    t->scriviCella(1, 1, QStringLiteral("cella"));
    const Letto l = rileggi(*d);
    for (auto parte = l.parti.cbegin(); parte != l.parti.cend(); ++parte)
        EXPECT_TRUE(lettore::benFormato(parte.value())) << parte.key().toStdString();
    const auto paragrafi = l.corpo.paragrafi();
    ASSERT_FALSE(paragrafi.empty());
    ASSERT_FALSE(paragrafi[0]->sequenze.empty());
    EXPECT_EQ(paragrafi[0]->sequenze[0].font,
              QStringLiteral("Times") + QChar(0xFFFD) + QStringLiteral(" New Roman") + QChar(0xFFFD));
}

TEST(Docx, ManyRowsAndMultiParagraphCells)
{
    auto app = Applicazione::nuova();
    auto d = app->aggiungiDocumento();
    auto t = d->aggiungiTabella(101, 4);
    for (int r = 1; r <= 101; ++r)
        for (int c = 1; c <= 4; ++c)
            t->scriviCella(r, c, QStringLiteral("%1,%2").arg(r).arg(c));
    t->scriviCella(5, 2, QStringLiteral("a") + CR + QStringLiteral("b"));
    const Letto l = rileggi(*d);
    const auto& g = *l.corpo.tabelle().at(0);
    ASSERT_EQ(g.righe.size(), 101u);
    EXPECT_EQ(g.righe[100][3].testo(), QStringLiteral("101,4"));
    EXPECT_EQ(g.righe[4][1].paragrafi.size(), 2u);
    EXPECT_EQ(g.righe[4][1].testo(), QStringLiteral("a\nb"));
}

TEST(Docx, CorePropertiesCarryTheTitle)
{
    auto app = Applicazione::nuova();
    auto d = app->aggiungiDocumento();
    d->impostaTitolo(QStringLiteral("RISULTATI DEL CALCOLO & co."));
    const Letto l = rileggi(*d);
    const QByteArray core = l.parti.value(QStringLiteral("docProps/core.xml"));
    EXPECT_TRUE(core.contains("RISULTATI DEL CALCOLO &amp; co."));
    EXPECT_TRUE(core.contains("dcterms:W3CDTF"));
}

TEST(Docx, SavedFileReadsBack)
{
    QTemporaryDir cartella;
    const QString nome = cartella.filePath(QStringLiteral("r.docx"));
    ASSERT_TRUE(esempio()->salvaDocx(nome));
    const auto parti = lettore::decomprimiFile(nome);
    EXPECT_EQ(parti.size(), 6);
    EXPECT_EQ(lettore::leggiCorpo(parti.value(QStringLiteral("word/document.xml"))).tabelle().size(), 1u);
}

// The saved tables and texts as the page model lays them out: column widths, cell
// margins (narrowed in a table of many columns), borders, shading, the header row's
// weight, colour and repetition, and every run's font, size and weight.
TEST(Docx, TheFileHoldsTheLookTheModelLaysOut)
{
    auto app = Applicazione::nuova();
    auto d = app->aggiungiDocumento();
    d->impostaNomeCarattere(QStringLiteral("Century Gothic"));
    d->impostaDimensione(14);
    d->impostaGrassetto(1);
    d->scrivi(QStringLiteral("Titolo") + CR);
    d->impostaGrassetto(0);
    d->impostaNomeCarattere(QStringLiteral("Times New Roman"));
    d->impostaDimensione(11);
    d->scrivi(QStringLiteral("Testo ") + CR);
    auto larga = d->aggiungiTabella(4, 16);
    larga->impostaDimensione(8);
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 16; ++c)
            larga->scriviCella(r, c, r == 1 ? QStringLiteral("colonna %1").arg(c) : QStringLiteral("-%1871,91").arg(c));
    larga->formattaAutomatico();
    d->scrivi(QStringLiteral("tra") + CR);
    auto semplice = d->aggiungiTabella(2, 3);
    semplice->scriviCella(1, 1, QStringLiteral("a\nb"));

    const Letto l = rileggi(*d);
    const auto tabelle = l.corpo.tabelle();
    ASSERT_EQ(tabelle.size(), 2u);
    for (int t = 1; t <= 2; ++t) {
        SCOPED_TRACE(t);
        const Griglia& g = *d->griglia(t);
        const dettaglio::FormaTabella forma = dettaglio::formaTabella(*d, t);
        const lettore::Tabella& letta = *tabelle[std::size_t(t - 1)];
        EXPECT_EQ(letta.griglia, forma.colonne);
        EXPECT_EQ(letta.larghezza, forma.larghezza());
        EXPECT_EQ(letta.margineSinistro, forma.margine);
        EXPECT_EQ(letta.margineDestro, forma.margine);
        // Grey single lines of half a point (four eighths) on every side and between cells.
        for (const char* lato : {"top", "left", "bottom", "right", "insideH", "insideV"}) {
            const lettore::Bordo b = letta.bordi.value(QString::fromLatin1(lato));
            EXPECT_EQ(b.tipo, QStringLiteral("single")) << lato;
            EXPECT_EQ(b.ottavi, 4) << lato;
            EXPECT_EQ(b.colore, QStringLiteral("808080")) << lato;
        }
        ASSERT_EQ(letta.righe.size(), std::size_t(g.righe));
        for (int r = 1; r <= g.righe; ++r) {
            EXPECT_EQ(letta.intestazioni[std::size_t(r - 1)], forma.intestazione(r)) << r;
            const Carattere c = forma.carattere(g, r);
            for (int k = 1; k <= g.colonne; ++k) {
                const lettore::Cella& cella = letta.righe[std::size_t(r - 1)][std::size_t(k - 1)];
                EXPECT_EQ(cella.larghezza, forma.colonne[std::size_t(k - 1)]);
                // The header row in navy, the first column in light blue.
                const char* sfondo = !g.formattata ? "" : r == 1 ? "1F3864" : k == 1 ? "DEEAF6" : "";
                EXPECT_EQ(cella.sfondo, QString::fromLatin1(sfondo)) << r << "," << k;
                for (const lettore::Paragrafo& p : cella.paragrafi)
                    for (const lettore::Sequenza& s : p.sequenze) {
                        EXPECT_EQ(s.font, c.nome);
                        EXPECT_EQ(s.mezziPunti, qRound(c.dimensione * 2));
                        EXPECT_EQ(s.grassetto, c.grassetto);
                        EXPECT_EQ(s.colore, g.formattata && r == 1 ? QStringLiteral("FFFFFF") : QString());
                    }
            }
        }
    }
    // The table of sixteen columns narrows its cell margins below the default.
    EXPECT_LT(dettaglio::formaTabella(*d, 1).margine, dettaglio::margineCellaTwips);

    // Paragraphs: each run in its model's font, size and weight.
    std::vector<const Sequenza*> modello;
    for (const Blocco& b : d->blocchi())
        if (const auto* c = std::get_if<Capoverso>(&b))
            for (const Sequenza& s : c->sequenze)
                modello.push_back(&s);
    std::vector<const lettore::Sequenza*> lette;
    for (const lettore::Blocco& b : l.corpo.blocchi)
        if (!b.tabella)
            for (const lettore::Sequenza& s : b.paragrafo.sequenze)
                lette.push_back(&s);
    ASSERT_EQ(lette.size(), modello.size());
    for (std::size_t i = 0; i < modello.size(); ++i) {
        EXPECT_EQ(lette[i]->testo, modello[i]->testo);
        EXPECT_EQ(lette[i]->font, modello[i]->carattere.nome);
        EXPECT_EQ(lette[i]->mezziPunti, qRound(modello[i]->carattere.dimensione * 2));
        EXPECT_EQ(lette[i]->grassetto, modello[i]->carattere.grassetto);
    }
}
