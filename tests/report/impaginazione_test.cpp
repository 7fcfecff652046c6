// The pages of documents of many shapes against the pages LibreOffice shows for their
// saved DOCX (LibreOffice 7.4 on Debian 12 with fonts-dejavu-core and
// fonts-liberation2: Century Gothic drawn as DejaVu Sans, Times New Roman as
// Liberation Serif), and the program's own PDF against the count; the rules of the
// layout one by one, with the line heights LibreOffice gives those faces.
#include "base/ModKorvel.h"
#include "base/numeri.h"
#include "report/aspettoTabella.h"
#include "report/canaleWord.h"
#include "report/relazione.h"
#include "report/righe.h"
#include "support/ambiente.h"
#include "support/doppi.h"
#include "support/pagineLibreOffice.h"
#include "support/testiAlMargine.h"
#include "support/testiCasuali.h"

#include <algorithm>
#include <array>
#include <functional>
#include <iterator>
#include <tuple>
#include <gtest/gtest.h>
#include <iterator>

using namespace ModKorvel;

namespace {

const QString CR(1, QChar(13));
const QString gothic = QStringLiteral("Century Gothic");
const QString times = QStringLiteral("Times New Roman");

struct Forma {
    QString nome;
    std::function<void()> scrivi;
};

// A data table of `righe` rows as the results reports write them.
void tabellaNumeri(int righe, int colonne, double dimensione)
{
    std::vector<relazione::Colonna> intestazioni;
    for (int c = 1; c <= colonne; ++c)
        intestazioni.push_back({QStringLiteral("colonna %1").arg(c), u"##0.00"});
    relazione::tabellaDati(intestazioni, righe, dimensione, [](int r, int c) -> Valore { return r * 1.37 + c; });
}

const relazione::Riga coppie[] = {
    {QStringLiteral("tipologia"), QStringLiteral("dati")},
    {QStringLiteral("località di riferimento"), QStringLiteral("Milano")},
    {QStringLiteral("uso dell'impianto"), QStringLiteral("produzione di acqua calda sanitaria")},
    {QStringLiteral("durata dell'impianto"), QStringLiteral("20 anni")},
    {QStringLiteral("costo del combustibile alternativo"), QStringLiteral("0.8 euro al mc.")},
};

const QString frase = QStringLiteral("Il collettore riceve il massimo dell'energia quando i raggi del sole sono "
                                     "perpendicolari alla sua superficie; ");

// A table written cell by cell in a face and size: figures in eight columns, or a
// caption and a text that wraps over one to five lines.
void tabella(const QString& faccia, double dimensione, bool formattata, bool testi, int righe)
{
    impostaCarattere(faccia);
    const int colonne = testi ? 2 : 8;
    aggiungiTabella(righe, colonne, dimensione);
    for (int r = 1; r <= righe; ++r)
        for (int c = 1; c <= colonne; ++c) {
            QString cella;
            if (r == 1)
                cella = QStringLiteral("colonna %1").arg(c);
            else if (!testi)
                cella = QString::number(r * 137.9 + c * 3.01, 'f', 2);
            else
                cella = c == 1 ? QStringLiteral("voce %1").arg(r) : frase.repeated(r % 5 + 1).trimmed();
            scriviCella(r, c, cella);
        }
    if (formattata)
        formattaTabella();
}

// A document of paragraphs of varied text drawn from `seme`: sizes, faces, bold,
// justified or not, some paragraphs holding a page break alone or starting with one.
void capoversiCasuali(unsigned seme)
{
    testiCasuali::Generatore caso(seme);
    const bool giustificato = caso.moneta(50);
    for (int i = caso.intero(15, 60); i > 0; --i) {
        impostaCarattere(caso.moneta(50) ? gothic : times);
        impostaDimensione(caso.uno({8, 9, 10, 11, 12, 12, 12, 14, 16, 20}));
        impostaGrassetto(caso.moneta(15) ? 1 : 0);
        const int forma = caso.intero(1, 100);
        if (forma <= 4)
            scriviTesto(QChar(12));
        else if (forma <= 8)
            scriviTesto(QChar(12) + caso.testo(caso.intero(1, 8), true) + CR);
        else if (forma <= 12)
            scriviTesto(CR);
        else
            scriviTesto(caso.testo(caso.intero(1, 140), caso.moneta(10)) + CR);
    }
    if (giustificato)
        giustificaTesto();
}

// Tables of varied content drawn from `seme`, a paragraph or none between them:
// figures (negative ones too), words, slashes and hyphens in cells narrow or wide.
void tabelleCasuali(unsigned seme)
{
    testiCasuali::Generatore caso(seme);
    for (int t = caso.intero(1, 4); t > 0; --t) {
        impostaCarattere(caso.moneta(50) ? gothic : times);
        if (caso.moneta(60))
            scriviTesto(caso.testo(caso.intero(1, 30)) + CR);
        const int righe = caso.intero(1, 160), colonne = caso.intero(1, 12);
        aggiungiTabella(righe, colonne, caso.uno({8, 9, 10, 11, 12}));
        const int parole = caso.uno({1, 1, 2, 4, 12});
        for (int r = 1; r <= righe; ++r)
            for (int c = 1; c <= colonne; ++c) {
                if (caso.moneta(8))
                    continue;
                scriviCella(r, c, r == 1 ? caso.testo(caso.intero(1, 3)) : caso.moneta(60) ? caso.numero() : caso.testo(caso.intero(1, parole)));
            }
        if (caso.moneta(70))
            formattaTabella();
        for (int c = 1; c <= colonne; ++c)
            if (caso.moneta(30))
                allineaColonne(ModKorvel::wordDoc->numeroTabelle(), c);
    }
}

// After what `sopra` writes, a table of `righe` rows (121) in `colonne` columns (2) of
// Century Gothic at `punti` (12), formatted or not, whose first row holds `righePrima`
// paragraphs and each row after it `linee` lines (1).
void tabellaDopo(const std::function<void()>& sopra, int righePrima, bool formattata, int righe = 121, int colonne = 2,
                 int linee = 1, double punti = 12)
{
    sopra();
    impostaCarattere(gothic);
    impostaDimensione(punti);
    aggiungiTabella(righe, colonne);
    QStringList prima;
    for (int i = 0; i < righePrima; ++i)
        prima << QStringLiteral("%1 %2").arg(formattata ? QStringLiteral("intestazione") : QStringLiteral("prima riga")).arg(i);
    scriviCella(1, 1, prima.join(CR));
    for (int r = 2; r <= righe; ++r)
        scriviCella(r, 1, QStringList(linee, QStringLiteral("dato %1").arg(r)).join(QChar(11)));
    if (formattata)
        formattaTabella();
}

// After k lines of 12 points, a table of 121 rows whose first row holds `righePrima`
// lines, formatted or not.
void tabellaAlPiede(int k, int righePrima, bool formattata)
{
    tabellaDopo(
        [k] {
            impostaCarattere(gothic);
            impostaDimensione(12);
            for (int i = 0; i < k; ++i)
                scriviTesto(QStringLiteral("riga %1").arg(i) + CR);
        },
        righePrima, formattata);
}

// `linee` lines of Century Gothic 12 in `capoversi` paragraphs of as many lines each.
void righeGothic(int linee, int capoversi)
{
    impostaCarattere(gothic);
    impostaDimensione(12);
    for (int c = 0; c < capoversi; ++c) {
        QStringList righe;
        for (int i = 0; i < linee / capoversi; ++i)
            righe << QStringLiteral("riga %1").arg(c * linee / capoversi + i);
        scriviTesto(righe.join(QChar(11)) + CR);
    }
}

// `quante` one-line paragraphs after a table, the last ending the document.
void righeDopo(int quante)
{
    for (int i = 0; i < quante; ++i)
        scriviTesto(QStringLiteral("dopo %1").arg(i) + (i + 1 < quante ? CR : QString()));
}

// A table of Century Gothic 12, `righe` rows in `colonne` columns, whose first column
// holds `righeTestata` lines of "intestazione" in the first row and `righeDato` of
// "dato r" in every other, a paragraph a line, formatted or not; then `dopo` lines.
void tabellaDiGothic(int righe, int colonne, int righeTestata, int righeDato, bool formattata, int dopo)
{
    impostaCarattere(gothic);
    impostaDimensione(12);
    aggiungiTabella(righe, colonne);
    for (int r = 1; r <= righe; ++r)
        scriviCella(r, 1,
                    r == 1 ? QStringList(righeTestata, QStringLiteral("intestazione")).join(QLatin1Char('\n'))
                           : QStringList(righeDato, QStringLiteral("dato %1").arg(r)).join(QLatin1Char('\n')));
    if (formattata)
        formattaTabella();
    righeDopo(dopo);
}

// Single-line paragraphs whose lines add up to `twips` exactly: lines of Gothic at 12
// points save for the fewest of Times New Roman at 12 and of both faces at 10, with
// the line heights LibreOffice shows (LinesAndRowsBreakWhereLibreOfficeBreaksThem).
void righeAlte(int twips)
{
    struct Riga {
        const QString& faccia;
        int punti, altezza;
    };
    const Riga base{gothic, 12, 280};
    const Riga altre[] = {{times, 12, 276}, {gothic, 10, 233}, {times, 10, 231}};
    std::array<int, 3> quante{}, prova{};
    int meno = -1;
    for (prova[0] = 0; prova[0] < 30; ++prova[0])
        for (prova[1] = 0; prova[1] < 30; ++prova[1])
            for (prova[2] = 0; prova[2] < 30; ++prova[2]) {
                int resto = twips;
                for (std::size_t k = 0; k < prova.size(); ++k)
                    resto -= prova[k] * altre[k].altezza;
                const int n = prova[0] + prova[1] + prova[2];
                if (resto >= 0 && resto % base.altezza == 0 && (meno < 0 || n < meno)) {
                    meno = n;
                    quante = prova;
                }
            }
    ASSERT_GE(meno, 0) << twips << " twips are no sum of those lines";
    int resto = twips;
    for (std::size_t k = 0; k < quante.size(); ++k)
        resto -= quante[k] * altre[k].altezza;
    const auto righe = [](const Riga& r, int n) {
        impostaCarattere(r.faccia);
        impostaDimensione(r.punti);
        for (int i = 0; i < n; ++i)
            scriviTesto(QStringLiteral("riga") + CR);
    };
    righe(base, resto / base.altezza);
    for (std::size_t k = 0; k < quante.size(); ++k)
        righe(altre[k], quante[k]);
}

void incolonnatiCasuali(unsigned seme);

// Tables placed to the twip against each rule that decides where a header row or a
// row goes: at the rule's limit and with a twip less room (the twips above the table
// in the shape's name), with rows or lines after the table that make LibreOffice count
// the two apart, so that a limit moved by a twip changes a count. Rows of one line of
// Gothic at 12 points (280 twips) between borders of 10.
std::vector<Forma> formeAlLimite()
{
    constexpr int pagina = 14570, bordo = 10, linea = 280; // the page's text height
    struct Limite {
        const char* regola;
        int sopra; // twips above the table, at the limit
        bool formattata;
        int righe, righeDopo;
        int righeTestata = 1; // lines of the first row, one paragraph each
        int righeDato = 1;    // lines of every other row
        int pagineFitte = 0;  // full pages of one-line paragraphs of Gothic at 8 points before
    };
    const Limite limiti[] = {
        // Only the header row's bottom border is missing: the header counts as split with
        // none of it on the page and leaves the table's last page, three pages on; with a
        // twip less room it goes whole to the next page and stays on every page.
        {"testata-al-piede", pagina - bordo - linea, true, 121, 29},
        // Room for the whole header row, not for a line of the row after it: the header
        // goes on with that row, the two alone on their page; with a twip less room it
        // counts as split, as above.
        {"testata-intera", pagina - 2 * bordo - linea, true, 121, 0},
        // Room for the header row and the first line of the row after it: both stay;
        // with a twip less room they go on, alone on their page.
        {"testata-e-riga", pagina - 3 * bordo - 2 * linea, true, 121, 0},
        // A header row of three lines with room for all of them but none of the row after
        // it goes on with that row, as above; with a twip less room its bottom border is
        // missing and it is split, two of its lines at the foot, and repeated above the third.
        {"testata-spezzata", pagina - 2 * bordo - 3 * linea, true, 121, 0, 3},
        // The same with twelve rows of twelve lines, a table LibreOffice's first guess
        // leaves whole: split, the header is not repeated; the lines after the table
        // fill its fourth page, which repeats would have pushed on to a fifth.
        {"testata-spezzata-tabella-intera", pagina - 2 * bordo - 3 * linea, true, 12, 15, 3, 12},
        // Forty rows, cut by that guess, end on the page that holds the split header's
        // third line: the header is repeated above it there as well, and two of the nine
        // lines after the table go on to a third page; at the limit the header goes on
        // with the row after it.
        {"testata-spezzata-ultima-pagina", pagina - 2 * bordo - 3 * linea, true, 40, 9, 3},
        // Thirty rows of eight lines, cut by that guess into four pieces, six rows a
        // page: the split header is repeated on the three pages of the pieces after
        // the first and no further, so the twelve lines after the table fit its sixth
        // page.
        {"testata-spezzata-righe-alte", pagina - 2 * bordo - 3 * linea, true, 30, 12, 3, 8},
        // The same after four pages of 78 short lines, which that guess, counting
        // paragraphs, spreads over fifteen: its first piece stands thirteen pages past
        // the split, and the header is still repeated on three pages only.
        {"testata-spezzata-pezzi-lontani", pagina - 2 * bordo - 3 * linea, true, 30, 12, 3, 8, 4},
        // Sixty rows of five lines, cut into pieces of nine rows after the first, less
        // than a page: laid out alone, each such piece takes in the next, whose header
        // goes, so the header is repeated on three pages, not six, and the table ends on
        // its seventh page, not its eighth.
        {"testata-spezzata-pezzi-piccoli", pagina - 2 * bordo - 3 * linea, true, 60, 0, 3, 5},
        // Thirty rows of three lines, whose two pieces after the first keep their header:
        // the table's last page, the third, repeats it too, and the last of the nine
        // lines after the table goes on to a fourth.
        {"testata-spezzata-sull-ultima-pagina", pagina - 2 * bordo - 3 * linea, true, 30, 9, 3, 3},
        // The last row's line fits to the twip (the first row has its top border too);
        // with a twip less room the row goes on, before the lines that filled that page.
        {"riga", pagina - bordo - 10 * (linea + bordo), false, 10, 52},
        // Below a header row, two rows of three lines, the second of which would fit whole
        // in the room left for its bottom border (5 and 4 twips to spare): it is split all
        // the same, two lines at the foot and one on the next page, which the lines after
        // the table then fill; sent on whole, it would push the last of them to a third.
        {"riga-spezzata-nel-bordo", pagina - 2 * bordo - linea - 2 * (3 * linea + bordo) + 5, true, 4, 46, 1, 3},
    };
    std::vector<Forma> forme;
    for (const Limite& l : limiti)
        for (const int sopra : {l.sopra, l.sopra + 1})
            forme.push_back({QStringLiteral("limite-%1-%2").arg(QString::fromLatin1(l.regola)).arg(sopra), [l, sopra] {
                                 impostaCarattere(gothic);
                                 impostaDimensione(8);
                                 for (int i = 0; i < 78 * l.pagineFitte; ++i)
                                     scriviTesto(QStringLiteral("fitta") + CR);
                                 righeAlte(sopra);
                                 tabellaDiGothic(l.righe, 2, l.righeTestata, l.righeDato, l.formattata, l.righeDopo);
                             }});

    // Pages that each hold one paragraph of 78 short lines of Gothic at 8 points.
    const auto pagineLunghe = [](int quante) {
        impostaCarattere(gothic);
        impostaDimensione(8);
        for (int i = 0; i < quante; ++i)
            scriviTesto(QStringList(78, QStringLiteral("fitta")).join(QLatin1Char('\v')) + CR);
    };
    // Forty rows of eight lines whose header row of three is split at a page's foot,
    // as in testata-spezzata-righe-alte, after one, two, three or six of those pages:
    // the first guess, counting paragraphs, puts the table's first piece on its third
    // page, one page past the split, on it, or one or four pages before it. LibreOffice
    // repeats the header on none of the pages after (as it does two pages past:
    // testata-spezzata-righe-alte), so the 38 lines after the table end a page sooner
    // than with the repeats.
    for (const int lunghe : {1, 2, 3, 6})
        forme.push_back({QStringLiteral("limite-testata-spezzata-pezzi-indietro-%1").arg(lunghe), [=] {
                             pagineLunghe(lunghe);
                             righeAlte(pagina - 2 * bordo - 3 * linea + 1);
                             tabellaDiGothic(40, 2, 3, 8, true, 38);
                         }});
    // The same header split on the page of the table's first piece or one page before it,
    // in a table of rows of eight lines in twelve or six columns, which the guess cuts
    // into many pieces of two or three rows: LibreOffice repeats the header on a page
    // for each piece from the 23rd on (39 pieces: on every page of the table after the
    // split; 23: on the next page only), so the table takes a page more than with no
    // repeat, or a page less than with one on every page.
    struct MoltiPezzi {
        int lunghe, colonne, righe;
    };
    for (const MoltiPezzi m : {MoltiPezzi{1, 12, 40}, MoltiPezzi{2, 12, 40}, MoltiPezzi{2, 6, 46}})
        forme.push_back({QStringLiteral("limite-testata-spezzata-molti-pezzi-%1-%2-%3").arg(m.lunghe).arg(m.colonne).arg(m.righe), [=] {
                             pagineLunghe(m.lunghe);
                             righeAlte(pagina - 2 * bordo - 3 * linea + 1);
                             tabellaDiGothic(m.righe, m.colonne, 3, 8, true, 38);
                         }});
    // A header row of one line that lacks only its bottom border at a page's foot, as in
    // testata-al-piede, in a table of 40 to 200 rows of one line, after none or some of
    // those pages. After none, the guess puts the table's first piece two pages past
    // that foot: the header's page then holds no more than the guess's first three
    // pieces, rows 2 to 28 in two columns, to 16 in three, to 4 in eight (pieces of 10,
    // 6 and 2 rows), and the next page begins with the header repeated above the fourth.
    // After one, two or three, the piece stands one page past, on it, or one before:
    // LibreOffice leaves the header alone on the next page and begins the rows a page
    // further on, below it repeated; one page past, the header is then repeated on every
    // page but the last of 121 rows (not of 60), nearer only on the rows' first page.
    for (const auto& [lunghe, righe, colonne] : {std::tuple{1, 121, 2}, {2, 121, 2}, {3, 200, 2}, {1, 60, 2}, {3, 60, 2}, {0, 60, 2},
                                                 {0, 40, 3}, {0, 60, 8}})
        forme.push_back({QStringLiteral("limite-testata-al-piede-pezzi-indietro-%1-%2%3")
                             .arg(lunghe)
                             .arg(righe)
                             .arg(colonne == 2 ? QString() : QStringLiteral("-%1-colonne").arg(colonne)),
                         [=] {
                             pagineLunghe(lunghe);
                             righeAlte(pagina - bordo - linea);
                             tabellaDiGothic(righe, colonne, 1, 1, true, 29);
                         }});

    // Fifty rows of three one-line paragraphs, in eight columns or in seven, which the
    // first guess cuts into pieces of two rows or of three: the fifth row would fit whole
    // in the room its bottom border lacks at the page's foot (5 and 4 twips to spare).
    // In pieces of two it goes on whole, and the sixteen lines after the table reach a
    // fifth page; in pieces of three it is split as any row, and they end on the fourth.
    // After a page of 78 short lines, which the guess spreads over three, its first
    // piece stands three pages past the table's: the row is split again, and the lines
    // after the table end on the fifth page, not the sixth. With 46 rows, 23 pieces of
    // two, the row goes on whole and 29 lines after the table reach a fifth page; with
    // 44, 22 pieces, it is split and 35 lines end on the fourth. After two pages of 78
    // lines that the guess counts as a paragraph each, the table begins on the third
    // page and its first piece stands a page before: the row still goes on whole, and
    // the 16 lines after the table reach a seventh page, not the sixth.
    const int quintaNelBordo = pagina - bordo - 4 * (3 * linea + bordo) - 3 * linea - 5;
    for (const auto& [colonne, fitte, lunghe, righe, dopo] :
         {std::tuple{7, 0, 0, 50, 16}, {8, 0, 0, 50, 16}, {8, 1, 0, 50, 16}, {8, 0, 2, 50, 16}, {8, 0, 0, 46, 29}, {8, 0, 0, 44, 35}})
        for (const int sopra : {quintaNelBordo, quintaNelBordo + 1})
            forme.push_back({QStringLiteral("limite-riga-nel-bordo-%1-colonne%2%3-%4")
                                 .arg(colonne)
                                 .arg(fitte ? QStringLiteral("-pezzi-avanti") : lunghe ? QStringLiteral("-pezzi-indietro") : QString())
                                 .arg(righe == 50 ? QString() : QStringLiteral("-%1-righe").arg(righe))
                                 .arg(sopra),
                             [=] {
                                 pagineLunghe(lunghe);
                                 impostaCarattere(gothic);
                                 impostaDimensione(8);
                                 for (int i = 0; i < 78 * fitte; ++i)
                                     scriviTesto(QStringLiteral("fitta") + CR);
                                 righeAlte(sopra);
                                 impostaCarattere(gothic);
                                 impostaDimensione(12);
                                 aggiungiTabella(righe, colonne);
                                 for (int r = 1; r <= righe; ++r)
                                     scriviCella(r, 1, QStringList(3, QStringLiteral("dato%1").arg(r)).join(QLatin1Char('\n')));
                                 righeDopo(dopo);
                             }});

    // The same in Gothic 8: fifty rows of three lines, the twenty-fourth of eight or,
    // below a header of four, of seven, whose lines fit the table's first page with 8
    // twips to spare where its bottom border lacks 2. It goes on whole there, whether
    // the table opens the document or, with its header, the page after 52 lines that
    // fill the first; on the table's next page, where the forty-seventh row of the
    // table without a header falls the same way, that row is split. So the 68 lines
    // after the table end on the third page (on a fourth, were that row sent on whole)
    // and 72 on the fourth (on the third, were the twenty-fourth split); below the 52
    // lines, 64 end on the fifth page (on the fourth, were it split).
    struct InCima {
        bool formattata;
        int righeSopra, righeDopo;
    };
    for (const InCima& c : {InCima{false, 0, 68}, InCima{false, 0, 72}, InCima{true, 52, 64}})
        forme.push_back({QStringLiteral("limite-riga-nel-bordo-in-cima%1-dopo-%2").arg(c.formattata ? QStringLiteral("-formattata") : QString()).arg(c.righeDopo), [c] {
                             righeGothic(c.righeSopra, c.righeSopra);
                             impostaDimensione(8);
                             aggiungiTabella(50, 8);
                             const int testata = c.formattata ? 4 : 3;
                             for (int r = 1; r <= 50; ++r)
                                 scriviCella(r, 1, QStringList(r == 24 ? 11 - testata : r == 1 ? testata : 3, QStringLiteral("dato%1").arg(r)).join(QLatin1Char('\n')));
                             if (c.formattata)
                                 formattaTabella();
                             righeDopo(c.righeDopo);
                         }});

    // A random document whose third row of a table in 31 pieces of two would fit the
    // room its bottom border lacks at the foot of the table's first page, the first
    // piece eight pages back: that row is split as any row.
    forme.push_back({QStringLiteral("limite-riga-nel-bordo-incolonnati-casuali-83084"), [] { incolonnatiCasuali(83084); }});
    return forme;
}

// Paragraphs and narrow tables of texts lined up with tabs and runs of blanks drawn
// from `seme`, paragraphs of nothing but blanks or a tab among them, justified or not.
void incolonnatiCasuali(unsigned seme)
{
    testiCasuali::Generatore caso(seme);
    for (int i = caso.intero(15, 50); i > 0; --i) {
        impostaCarattere(caso.moneta(50) ? gothic : times);
        impostaDimensione(caso.uno({8, 9, 10, 11, 12, 14}));
        impostaGrassetto(caso.moneta(15) ? 1 : 0);
        const int forma = caso.intero(1, 100);
        if (forma <= 10) {
            scriviTesto(caso.uno({QStringLiteral("   "), QStringLiteral("\t"), QStringLiteral(" \t "), QStringLiteral("\t\t")}) + CR);
        } else if (forma <= 35) {
            const int righe = caso.intero(1, 40), colonne = caso.uno({2, 4, 8, 11, 12, 13});
            aggiungiTabella(righe, colonne, caso.uno({8, 9, 10, 11, 12}));
            for (int r = 1; r <= righe; ++r)
                for (int c = 1; c <= colonne; ++c)
                    if (caso.moneta(70))
                        scriviCella(r, c, caso.moneta(10) ? QStringLiteral("   ") : caso.testoIncolonnato(caso.intero(1, 4)));
            if (caso.moneta(40))
                formattaTabella();
            if (caso.moneta(30))
                allineaColonne(ModKorvel::wordDoc->numeroTabelle(), caso.intero(1, colonne));
        } else {
            scriviTesto(caso.testoIncolonnato(caso.intero(1, 80)) + CR);
        }
    }
    if (caso.moneta(40))
        giustificaTesto();
}

// Where the word processor sets tabs and blanks: a tab near a line's end, which goes
// to the next line with the word after it or alone; tabs in cells narrower than the
// first stop; lines of nothing but blanks or tabs, as high as the document's default
// font; blanks that start a justified line; the document's last paragraph, empty or
// holding a page break alone, at the foot of a full page.
std::vector<Forma> formeDiBianchiETabulazioni()
{
    std::vector<Forma> forme;
    // A tab past the last stop inside the line, or one whose word does not fit after
    // it, goes to the next line with the words after it, which then start 1.25 cm in:
    // there they fill more than a line.
    for (const auto& [faccia, dopoLaFine, dopoLaParola] : {std::tuple{gothic, 29, 24}, {times, 32, 28}})
        forme.push_back({QStringLiteral("tabulazioni-a-fine-riga-%1").arg(faccia == gothic ? QStringLiteral("gothic") : QStringLiteral("times")),
                         [=] {
                             impostaCarattere(faccia);
                             impostaDimensione(faccia == gothic ? 10 : 12);
                             for (int i = 0; i < 30; ++i) {
                                 scriviTesto(QString(80, QLatin1Char('x')) + QLatin1Char('\t') + QStringLiteral("ab ").repeated(dopoLaFine) + CR);
                                 scriviTesto(QString(70, QLatin1Char('x')) + QStringLiteral("\tabcdefghijkl ") + QStringLiteral("ab ").repeated(dopoLaParola) + CR);
                             }
                         }});
    // A word longer than a line after a tab leaves the tab alone on a line.
    forme.push_back({QStringLiteral("tabulazioni-e-parole-lunghe"), [] {
                         impostaCarattere(gothic);
                         impostaDimensione(8);
                         for (int i = 0; i < 60; ++i)
                             scriviTesto(QStringLiteral("parola\t") + QString(130, QLatin1Char('A')) + CR);
                     }});
    // Cells narrower than the first tab stop, in 11 and 13 columns: the text after a tab
    // past the cell's edge, or the tab alone on a line; one kind of cell a row.
    for (const auto& [faccia, colonne] : {std::pair{gothic, 11}, {gothic, 13}, {times, 13}})
        forme.push_back({QStringLiteral("celle-strette-tabulazioni-%1-%2").arg(faccia == gothic ? QStringLiteral("gothic") : QStringLiteral("times")).arg(colonne),
                         [=] {
                             impostaCarattere(faccia);
                             aggiungiTabella(60, colonne, 10);
                             for (int r = 1; r <= 60; ++r)
                                 for (int c = 1; c <= colonne; ++c)
                                     scriviCella(r, c, QStringLiteral("voce\t12.345"));
                         }});
    // A tab that starts a cell's line, a quotation mark after it, which no line breaks
    // before: after a blank the tab stands alone on its line; where the line goes on
    // from a word cut at the end of the line before, the word after the tab is cut
    // there.
    forme.push_back({QStringLiteral("celle-strette-tabulazioni-virgolette"), [] {
                         impostaCarattere(times);
                         impostaGrassetto(1);
                         aggiungiTabella(60, 11, 10);
                         for (int r = 1; r <= 60; ++r)
                             scriviCella(r, 1, r % 3 ? QStringLiteral("159/19 \t\"ECOLOGICA\"  CITTÀ") : QStringLiteral("abc\t\"ECOLOGICA\"  CITTÀ"));
                     }});
    forme.push_back({QStringLiteral("righe-bianche"), [] {
                         for (const QString& faccia : {gothic, times})
                             for (const int dimensione : {8, 14}) {
                                 impostaCarattere(faccia);
                                 impostaDimensione(dimensione);
                                 for (int i = 0; i < 30; ++i)
                                     scriviTesto(QStringList{QStringLiteral("   "), QStringLiteral("\t"), QStringLiteral(" \t "),
                                                             QStringLiteral("riga\v   "), QStringLiteral("riga\v\t"), QString()}[i % 6]
                                                 + CR);
                             }
                         impostaCarattere(gothic);
                         aggiungiTabella(80, 3, 8);
                         for (int r = 1; r <= 80; ++r)
                             scriviCella(r, 1 + r % 3, r % 2 ? QStringLiteral("   ") : QStringLiteral("voce\n\t"));
                     }});
    forme.push_back({QStringLiteral("bianchi-in-testa-giustificati"), [] {
                         impostaCarattere(gothic);
                         impostaGrassetto(1);
                         aggiungiTabella(60, 4, 11);
                         for (int r = 1; r <= 60; ++r)
                             scriviCella(r, 1 + r % 4, QStringLiteral("   dimensionamento impianto"));
                         allineaColonne(1, 2);
                         impostaGrassetto(0);
                         impostaDimensione(8);
                         for (int i = 0; i < 20; ++i)
                             scriviTesto(QStringLiteral("   ") + QString(130, QLatin1Char('A')) + CR);
                         giustificaTesto();
                     }});
    // The last paragraph after 78 lines of Times New Roman 8, where one of its mark
    // would fit and one of Times New Roman 12 does not; after a table that ends there.
    const std::pair<const char*, const char*> finali[] = {{"ultimo-salto", "\f"}, {"ultimo-vuoto", ""}, {"ultimo-testo", "x"}};
    for (const auto& [nome, coda] : finali)
        forme.push_back({QString::fromLatin1(nome), [coda] {
                             impostaCarattere(times);
                             impostaDimensione(8);
                             for (int i = 0; i < 78; ++i)
                                 scriviTesto(QStringLiteral("riga %1").arg(i) + CR);
                             scriviTesto(QString::fromLatin1(coda));
                         }});
    forme.push_back({QStringLiteral("ultimo-dopo-tabella"), [] {
                         impostaCarattere(times);
                         impostaDimensione(8);
                         scriviTesto(QStringLiteral("riga") + CR);
                         aggiungiTabella(73, 2, 8);
                         for (int r = 1; r <= 73; ++r)
                             scriviCella(r, 1, QStringLiteral("x"));
                     }});
    // A row at a page's foot with room for its first cell's first line (Times New Roman
    // 10, 231 twips), not for its second cell's, a tab alone (276): the row goes on whole,
    // and the next page, filled to 90 twips short of it, tells whole and split apart.
    forme.push_back({QStringLiteral("riga-con-tabulazione-sola-al-piede"), [] {
                         constexpr int pagina = 14570, bordo = 10, linea = 231, tabulazione = 276, ultima = 280;
                         righeAlte(pagina - bordo - linea - bordo - 250 - bordo);
                         impostaCarattere(times);
                         aggiungiTabella(2, 2, 10);
                         scriviCella(1, 1, QStringLiteral("dato"));
                         scriviCella(2, 1, QStringLiteral("uno") + CR + QStringLiteral("due") + CR + QStringLiteral("tre"));
                         scriviCella(2, 2, QStringLiteral("\t") + CR + QStringLiteral("x"));
                         righeAlte(pagina - (bordo + tabulazione + linea + bordo) - 90 - ultima);
                         impostaCarattere(gothic);
                         impostaDimensione(12);
                         scriviTesto(QStringLiteral("fine"));
                     }});
    // A table's first row at the first page's foot with room for its first cell's line,
    // not for its second cell's, a tab alone: the row goes on whole, and, the first
    // guess having cut the table and put its first piece on page 3, it stands alone on
    // page 2 (5 pages, not 4), as a first row of which not a line fits does.
    forme.push_back({QStringLiteral("prima-riga-con-tabulazione-sola-al-piede"), [] {
                         constexpr int pagina = 14570, bordo = 10, spazio = 250;
                         righeAlte(pagina - bordo - spazio - bordo);
                         impostaCarattere(times);
                         aggiungiTabella(121, 2, 10);
                         scriviCella(1, 1, QStringLiteral("dato"));
                         scriviCella(1, 2, QStringLiteral("\t"));
                         for (int r = 2; r <= 121; ++r)
                             scriviCella(r, 1, QStringLiteral("x"));
                     }});
    // A cell's last character a tab after blanks that hang past the edge: where the
    // line ends at the cell's edge ("dei \t", 3 lines a cell) it starts a line of its
    // own; where a tab before it sent the text past the edge of a cell narrower than
    // the first stop ("città \t", justified) it stays.
    forme.push_back({QStringLiteral("tabulazione-finale-dopo-bianchi-oltre"), [] {
                         impostaCarattere(times);
                         aggiungiTabella(60, 4, 12);
                         for (int r = 1; r <= 60; ++r)
                             scriviCella(r, 3, QStringLiteral("sanitaria Tecnico/Comunale dei \t"));
                         impostaCarattere(gothic);
                         aggiungiTabella(100, 11, 8);
                         for (int r = 1; r <= 100; ++r)
                             scriviCella(r, 4, QStringLiteral("rendimento\t (34%)    Che\t\tcittà \t"));
                         giustificaTesto();
                     }});
    // 1343, 1395 and 5000: a row at a page's foot with a blank cell whose line does not
    // fit there goes on whole, a table's first row as a later one; in 1343 that first
    // row is not left alone, the first guess not having cut its table. 1035 and 7018:
    // narrow cells ending in a blank and a tab, the tab on a line of its own. 1178: a
    // tab whose stop is the very edge of its cell stays on the line with the blank
    // after it ("la\t (25%)"), at the first stop. 27219: at the third stop it goes on
    // to the next line.
    for (unsigned seme : {1u, 2u, 3u, 4u, 1035u, 1178u, 1343u, 1395u, 5000u, 7018u, 27219u})
        forme.push_back({QStringLiteral("incolonnati-casuali-%1").arg(seme), [seme] { incolonnatiCasuali(seme); }});
    return forme;
}

// Lines and cells a pixel or two past their end, in both faces (testiAlMargine):
// paragraphs in capitals that LibreOffice keeps on one line, long ones it breaks in
// two; tables of 11 and 12 narrow columns, read a twip narrower, each row with a text
// of one line or two as LibreOffice measures it, or a percentage in a cell just too
// narrow for it; words that fill the last cell of a row to its end.
std::vector<Forma> formeAlMargine()
{
    using testiAlMargine::pixelPerTwip;
    std::vector<Forma> forme;
    for (const QString& faccia : {gothic, times}) {
        const QString nome = faccia == gothic ? QStringLiteral("gothic") : QStringLiteral("times");
        forme.push_back({QStringLiteral("margine-capoversi-") + nome, [faccia] {
                             testiCasuali::Generatore caso(71);
                             impostaCarattere(faccia);
                             for (int i = 0; i < 100; ++i) {
                                 const bool corte = caso.moneta(50);
                                 const documento::Carattere c{faccia, corte ? 16.0 : caso.uno({8.0, 10.0, 12.0}), caso.moneta(30)};
                                 impostaDimensione(c.dimensione);
                                 impostaGrassetto(c.grassetto ? 1 : 0);
                                 const int oltre = caso.intero(1, 2);
                                 scriviTesto(testiAlMargine::testo(c, 9638 * pixelPerTwip + oltre, caso, corte) + CR);
                             }
                         }});
        forme.push_back({QStringLiteral("margine-celle-") + nome, [faccia] {
                             testiCasuali::Generatore caso(72);
                             impostaCarattere(faccia);
                             for (const int colonne : {11, 12}) {
                                 const documento::Carattere c{faccia, caso.uno({8.0, 9.0}), caso.moneta(50)};
                                 impostaGrassetto(c.grassetto ? 1 : 0);
                                 aggiungiTabella(100, colonne, c.dimensione);
                                 const int cella = (qRound(170.0 / colonne / 25.4 * 1440) - 2 * 108) * pixelPerTwip;
                                 for (int r = 1; r <= 100; ++r) {
                                     for (int k = 1; k <= colonne; ++k)
                                         scriviCella(r, k, QString::number(caso.intero(1, 99)));
                                     scriviCella(r, caso.intero(1, colonne), testiAlMargine::testo(c, cella - caso.intero(3, 4), caso));
                                 }
                                 scriviTesto(CR);
                             }
                             // "(100%)" in Times New Roman 11, "il 100% dei" in Century Gothic 8 bold.
                             const bool roman = faccia == times;
                             impostaGrassetto(roman ? 0 : 1);
                             aggiungiTabella(100, 11, roman ? 11 : 8);
                             for (int r = 1; r <= 100; ++r)
                                 scriviCella(r, caso.intero(1, 11), roman ? QStringLiteral("(100%)") : QStringLiteral("il 100% dei"));
                         }});
    }
    // The last cell of a row reaches the table's right edge, a twip past where its
    // column was read to end: "studio" in Times New Roman 12 fills 12 columns' last
    // cell to a third of a twip, "DOTT." in 9 points 13 columns' to the pixel.
    forme.push_back({QStringLiteral("margine-ultime-celle"), [] {
                         impostaCarattere(times);
                         for (const auto& [colonne, punti, parola] : {std::tuple{12, 12.0, QStringLiteral("studio")}, {13, 9.0, QStringLiteral("DOTT.")}}) {
                             aggiungiTabella(60, colonne, punti);
                             for (int r = 1; r <= 60; ++r) {
                                 scriviCella(r, 1, QString::number(r));
                                 scriviCella(r, colonne, parola);
                             }
                             scriviTesto(CR);
                         }
                     }});
    return forme;
}

// After k lines of 12 points, a formatted table of `righe` rows in a face and size whose
// header row holds n lines.
void testataDiRighe(const QString& faccia, double dimensione, int k, int n, int righe)
{
    impostaCarattere(gothic);
    impostaDimensione(12);
    for (int i = 0; i < k; ++i)
        scriviTesto(QStringLiteral("riga %1").arg(i) + CR);
    impostaCarattere(faccia);
    aggiungiTabella(righe, 2, dimensione);
    QStringList testata;
    for (int i = 0; i < n; ++i)
        testata << QStringLiteral("intestazione %1").arg(i);
    scriviCella(1, 1, testata.join(CR));
    for (int r = 2; r <= righe; ++r)
        scriviCella(r, 1, QStringLiteral("dato %1").arg(r));
    formattaTabella();
}

// Words joined by slashes in narrow cells, a slash at the end of the room of each line;
// header rows as high as the page or higher, or that leave no room for the row after them.
std::vector<Forma> formeBarreETestateAlte()
{
    std::vector<Forma> forme;
    for (const auto& [colonne, testo] : {std::pair{12, "i/2026/solare-termico"}, {10, "im/2026/solare-termico"},
                                         {8, "impia/2026/solare-termico"}, {6, "impianto/20262/solare-termico"}})
        forme.push_back({QStringLiteral("barre-in-celle-strette-%1").arg(colonne), [=] {
                             impostaCarattere(times);
                             aggiungiTabella(60, colonne, 10);
                             for (int r = 1; r <= 60; ++r)
                                 for (int c = 1; c <= colonne; ++c)
                                     scriviCella(r, c, QString::fromLatin1(testo));
                         }});
    forme.push_back({QStringLiteral("testata-piu-alta-della-pagina"), [] {
                         impostaCarattere(times);
                         aggiungiTabella(3, 10, 14);
                         for (int r = 1; r <= 3; ++r)
                             for (int c = 1; c <= 10; ++c)
                                 scriviCella(r, c, r > 1 ? QStringLiteral("dato %1").arg(c)
                                                         : QStringLiteral("intestazione molto lunga della colonna ").repeated(20));
                         formattaTabella();
                     }});
    // With both its borders: 14570 twips, the page's very height, and a line more
    // (Century Gothic 12.5); 14342 and 14573 (Times 10); 14300 at the page's head,
    // no room left for a row (Century Gothic 12).
    const struct {
        const char* nome;
        QString faccia;
        double dimensione;
        int k, n;
    } alte[] = {{"50", gothic, 12.5, 10, 50}, {"51", gothic, 12.5, 10, 51}, {"times-62", times, 10, 10, 62},
                {"times-63", times, 10, 10, 63}, {"in-cima", gothic, 12, 0, 51}};
    for (const auto& a : alte)
        forme.push_back({QStringLiteral("testata-alta-%1").arg(QString::fromLatin1(a.nome)),
                         [a] { testataDiRighe(a.faccia, a.dimensione, a.k, a.n, 8); }});
    return forme;
}

// A formatted table of `righe` rows whose header reaches the foot of the first page
// with no room for a line of the row after it, after 50 lines of Century Gothic 12:
// fifty paragraphs, or one paragraph of fifty lines. `righeLinee` lines in each row
// after the header; `inFondo` rows of ten one-letter cells in a table at the end.
void testataAlPiedeDopo(bool capoversi, int righe, int righeLinee, int inFondo)
{
    righeGothic(50, capoversi ? 50 : 1);
    aggiungiTabella(righe, 2);
    scriviCella(1, 1, QStringLiteral("intestazione"));
    for (int r = 2; r <= righe; ++r) {
        QStringList dato;
        for (int i = 0; i < righeLinee; ++i)
            dato << QStringLiteral("dato %1").arg(r);
        scriviCella(r, 1, dato.join(QChar(11)));
    }
    formattaTabella();
    if (inFondo > 0) {
        scriviTesto(QStringLiteral("fine") + CR);
        aggiungiTabella(inFondo, 10);
        for (int r = 1; r <= inFondo; ++r)
            for (int c = 1; c <= 10; ++c)
                scriviCella(r, c, QStringLiteral("x"));
    }
}

// A formatted table of `righe` one-line rows in nine columns whose header reaches the
// foot of the first page after what `sopra` writes (50 lines high), with no room for a
// line of the row after it. The first guess cuts it into pieces of two rows, each after
// the first with the header repeated: 22 pieces for 23 rows.
void testataInNoveColonne(int righe, const std::function<void()>& sopra)
{
    sopra();
    aggiungiTabella(righe, 9);
    for (int r = 1; r <= righe; ++r)
        scriviCella(r, 1, r == 1 ? QStringLiteral("testa") : QString::number(r));
    formattaTabella();
}

// A formatted table of 24 rows in nine columns of Times New Roman 10 (23 pieces) whose
// header reaches the first page's foot after eleven paragraphs, with room below it for
// a line of that face but not for the higher one of a tab alone, the first cell of its
// second row.
void testataSopraUnaTabulazione()
{
    righeGothic(42, 7);
    righeGothic(5, 1);
    for (const double punti : {20.0, 10.0, 8.0}) {
        impostaDimensione(punti);
        scriviTesto(QStringLiteral("riga") + CR);
    }
    impostaCarattere(times);
    aggiungiTabella(24, 9, 10);
    for (int r = 1; r <= 24; ++r)
        for (int c = 1; c <= 2; ++c)
            scriviCella(r, c, r == 2 && c == 1 ? QStringLiteral("\t") : QStringLiteral("x"));
    formattaTabella();
}

// A table of `righe` rows of `linee` lines of Century Gothic 12 but the last, of
// `ultima`, and an empty paragraph.
void tabellaCorta(int righe, int linee, int ultima)
{
    impostaCarattere(gothic);
    impostaDimensione(12);
    aggiungiTabella(righe, 2);
    for (int r = 1; r <= righe; ++r)
        scriviCella(r, 1, QStringList(r < righe ? linee : ultima, QStringLiteral("x")).join(QChar(11)));
    scriviTesto(CR);
}

// A table of four rows of five lines (20 lines and 5 borders high) and a paragraph of 30 lines.
void tabellaEParagrafo()
{
    impostaCarattere(gothic);
    impostaDimensione(12);
    aggiungiTabella(4, 9);
    for (int r = 1; r <= 4; ++r)
        scriviCella(r, 1, QStringLiteral("a\vb\vc\vd\ve"));
    righeGothic(30, 1);
}

// A paragraph of 30 lines, a table of 25 one-line rows that goes on to the second page
// with four of them, and a paragraph of 46 lines.
void tabellaDallaPaginaPrima()
{
    righeGothic(30, 1);
    aggiungiTabella(25, 9);
    for (int r = 1; r <= 25; ++r)
        scriviCella(r, 1, QStringLiteral("x"));
    righeGothic(46, 1);
}

// A paragraph that fills the first page, which the guess counts as one, and ten
// paragraphs of five lines on the second.
void unaPaginaEDieciCapoversi()
{
    righeGothic(52, 1);
    righeGothic(50, 10);
}

// The word processor's first guess of the pages, which cuts a long table into pieces
// a page before anything is measured, decides whether a header sent on from a page's
// foot takes the row after it alone to the next page: it does when the first piece was
// put two pages further on (fifty paragraphs before it), even though the rest would
// fit there; not when that piece was on the page after it (a table of 70 rows at the
// end of the file makes the guess put 26 paragraphs on a page, not 20), nor for a table
// too short to be cut, nor when a larger table at the end makes the guess hold all
// fifty paragraphs on one page. With the first piece on the header's page it takes that
// row alone only when the guess cut the table into many pieces, though the next page
// would hold the whole table: 23 or more after paragraphs (not 6, one paragraph before
// it; not 22), 42 or more after a table of two rows or more (not 41), not at 42 after
// the last rows of a table that began on the page before. Pushed on a page past the
// first piece's by a paragraph that fills it, 24 are not enough. A row after the header
// that would leave a line of one cell below it but may not be split there sends the
// header on just the same, and at 23 pieces takes it alone.
std::vector<Forma> formeTaglioIniziale()
{
    return {
        {QStringLiteral("taglio-iniziale-22-pezzi-dopo-capoversi"), [] { testataInNoveColonne(23, [] { righeGothic(50, 10); }); }},
        {QStringLiteral("taglio-iniziale-23-pezzi-dopo-capoversi"), [] { testataInNoveColonne(24, [] { righeGothic(50, 10); }); }},
        {QStringLiteral("taglio-iniziale-24-pezzi-una-pagina-dopo"), [] { testataInNoveColonne(25, unaPaginaEDieciCapoversi); }},
        {QStringLiteral("taglio-iniziale-41-pezzi-dopo-tabella"), [] { testataInNoveColonne(42, tabellaEParagrafo); }},
        {QStringLiteral("taglio-iniziale-42-pezzi-dopo-tabella"), [] { testataInNoveColonne(43, tabellaEParagrafo); }},
        {QStringLiteral("taglio-iniziale-42-pezzi-dopo-tabella-dalla-pagina-prima"), [] { testataInNoveColonne(43, tabellaDallaPaginaPrima); }},
        {QStringLiteral("taglio-iniziale-23-pezzi-riga-dopo-non-spezzabile"), testataSopraUnaTabulazione},
        {QStringLiteral("taglio-iniziale-pezzo-avanti"), [] { testataAlPiedeDopo(true, 35, 1, 0); }},
        {QStringLiteral("taglio-iniziale-pezzo-sulla-pagina"), [] { testataAlPiedeDopo(false, 55, 1, 0); }},
        {QStringLiteral("taglio-iniziale-pezzo-alla-pagina-dopo"), [] { testataAlPiedeDopo(true, 35, 1, 70); }},
        {QStringLiteral("taglio-iniziale-tabella-corta"), [] { testataAlPiedeDopo(false, 20, 3, 0); }},
        {QStringLiteral("taglio-iniziale-tabella-in-fondo"), [] { testataAlPiedeDopo(true, 35, 1, 400); }},
    };
}

// A cut table's first row of which no line fits a page's foot (or its header row, with
// no room for the row after it), sent on to the next page, where LibreOffice may leave
// it alone. Before the table: fifty lines of Century Gothic 12 in paragraphs of two
// lines (the guess puts the table's first piece a page further on) or of five (on this
// page); or a table of one-line rows begun on the same page, or of three-line rows
// going on from the page before, an empty paragraph between. The row stands alone:
// - a first row: with the first piece a page further on, or on this page;
// - a header row: likewise for a table over three pages' count of rows, even one a page
//   holds (65 rows of Century Gothic 8), not for 50 rows of two lines; with the first
//   piece a page further on, also for a table cut into many pieces (34);
// - right after a table: only where the first piece is a page further on and two pages
//   or more past where that table began (two pages back, or the page before);
// - in random documents, right after a table begun two pages or more before the first
//   piece: a first row with that piece on this page (69631) or a page back (67473), not
//   a header row (63744, 65160 two pages back), nor four pages back (67472); with the
//   piece on this page, for a table cut into 65 pieces (69170); after paragraphs, not
//   with the piece four or seven pages back (68723, 69055);
// - with the first piece pages before, after a table of rows of eight lines, an empty
//   paragraph and one-line paragraphs, which the guess puts on fewer pages than they
//   fill (it counts a row as a paragraph): where the table before began three or two
//   pages before the first piece, and one page before it for a table over three pages'
//   count of rows (the guess's first piece on page 4, 3 or 2, the first row sent on
//   from page 5, 5 or 3; the table before on page 1);
// - in random documents, with the first piece a page further on where the guess put the
//   table before whole too: not where that table began on the row's page (71714 on page
//   9, 79513 on the first, 79625 a header row), but where it began a page before
//   (70638) or another table the guess put there began two pages before (70149).
std::vector<Forma> formeRigaSola()
{
    const auto capoversiDiDueLinee = [] { righeGothic(50, 25); };
    const auto capoversiDiCinqueLinee = [] { righeGothic(50, 10); };
    std::vector<Forma> forme = {
        {QStringLiteral("riga-sola-prima-riga-pezzo-alla-pagina-dopo"), [=] { tabellaDopo([=] { capoversiDiDueLinee(); righeGothic(1, 1); }, 5, false); }},
        {QStringLiteral("riga-sola-prima-riga-pezzo-sulla-pagina"),
         [=] { tabellaDopo([=] { capoversiDiCinqueLinee(); righeGothic(1, 1); }, 5, false, 35, 2); }},
        {QStringLiteral("riga-sola-prima-riga-dopo-tabella-della-pagina"),
         [] { tabellaDopo([] { righeGothic(21, 21); righeGothic(13, 1); tabellaCorta(16, 1, 1); }, 14, false); }},
        {QStringLiteral("riga-sola-prima-riga-dopo-tabella-della-pagina-due-pagine-prima"),
         [] { tabellaDopo([] { righeGothic(42, 42); tabellaCorta(8, 1, 1); }, 5, false); }},
        {QStringLiteral("riga-sola-prima-riga-dopo-tabella-dalla-pagina-prima"),
         [] { tabellaDopo([] { righeGothic(42, 42); tabellaCorta(16, 3, 14); }, 12, false); }},
        {QStringLiteral("riga-sola-prima-riga-sulla-pagina-dopo-tabella-dalla-pagina-prima"),
         [] { tabellaDopo([] { righeGothic(21, 21); tabellaCorta(16, 3, 35); }, 5, false); }},
        {QStringLiteral("riga-sola-prima-riga-pezzo-prima-tre-pagine-dopo-tabella"),
         [] { tabellaDopo([] { tabellaCorta(25, 8, 8); righeGothic(54, 54); }, 3, false); }},
        {QStringLiteral("riga-sola-prima-riga-pezzo-prima-due-pagine-dopo-tabella"),
         [] { tabellaDopo([] { tabellaCorta(28, 8, 8); righeGothic(30, 30); }, 3, false); }},
        {QStringLiteral("riga-sola-prima-riga-pezzo-prima-una-pagina-dopo-tabella"),
         [] { tabellaDopo([] { tabellaCorta(16, 8, 8); righeGothic(24, 24); }, 3, false); }},
        {QStringLiteral("riga-sola-testata-lunga-pezzo-alla-pagina-dopo"), [=] { tabellaDopo(capoversiDiDueLinee, 1, true); }},
        {QStringLiteral("riga-sola-testata-lunga-in-una-pagina"), [=] { tabellaDopo(capoversiDiDueLinee, 2, true, 65, 2, 1, 8); }},
        {QStringLiteral("riga-sola-testata-corta-in-due-pagine"), [=] { tabellaDopo(capoversiDiDueLinee, 1, true, 50, 2, 2); }},
        {QStringLiteral("riga-sola-testata-molti-pezzi-alla-pagina-dopo"), [=] { tabellaDopo(capoversiDiDueLinee, 1, true, 35, 9); }},
        {QStringLiteral("riga-sola-testata-lunga-pezzo-sulla-pagina"), [=] { tabellaDopo(capoversiDiCinqueLinee, 1, true); }},
        {QStringLiteral("riga-sola-testata-dopo-tabella-della-pagina"),
         [] { tabellaDopo([] { righeGothic(21, 21); righeGothic(12, 1); tabellaCorta(16, 1, 1); }, 1, true); }},
        {QStringLiteral("riga-sola-testata-dopo-tabella-dalla-pagina-prima"),
         [] { tabellaDopo([] { righeGothic(42, 42); tabellaCorta(16, 3, 13); }, 1, true); }},
    };
    for (unsigned seme : {65160u, 67472u, 67473u, 68723u, 69055u, 69170u, 70960u, 79625u, 82087u, 84707u, 90779u})
        forme.push_back({QStringLiteral("riga-sola-tabelle-casuali-%1").arg(seme), [seme] { tabelleCasuali(seme); }});
    for (unsigned seme : {63744u, 69631u, 70149u, 70638u, 71714u, 79513u, 87724u})
        forme.push_back({QStringLiteral("riga-sola-incolonnati-casuali-%1").arg(seme), [seme] { incolonnatiCasuali(seme); }});
    return forme;
}

std::vector<Forma> forme()
{
    std::vector<Forma> tutte = {
        {QStringLiteral("dati-finestra"),
         [] {
             scriviIntestazione(18, 12, 12, 2, QStringLiteral("DATI PER IL CALCOLO DI FATTIBILITA'"), 1);
             relazione::tabellaDueColonne(coppie, 10);
         }},
        {QStringLiteral("risultati-1000-impianti"),
         [] {
             scriviIntestazione(20, 16, 12, 2, QStringLiteral("RISULTATI DEL CALCOLO DI FATTIBILITA'"), 2);
             relazione::tabellaDueColonne(coppie, 10);
             aggiungiParagrafo(10);
             relazione::legenda(coppie, 8);
             tabellaNumeri(1000, 8, 8);
         }},
        {QStringLiteral("tutte-le-localita"),
         [] {
             scriviIntestazione(20, 16, 12, 2, QStringLiteral("Tabella dei dati climatici"), 2);
             for (int i = 1; i <= 64; ++i) {
                 aggiungiParagrafo(12);
                 testoParagrafo(CR + QStringLiteral("Località di riferimento n.%1 : Città  -  Latitudine 45,47").arg(i));
                 tabellaNumeri(13, 4, 12);
             }
         }},
        {QStringLiteral("capitoli"),
         [] {
             impostaCarattere(gothic);
             impostaDimensione(20);
             scriviTesto(QStringLiteral("CALCOLO DI PANNELLI SOLARI") + CR);
             aggiungiParagrafo(18);
             testoParagrafo(QChar(12) + QStringLiteral("RELAZIONE DI CALCOLO") + CR + CR);
             dimensioneParagrafo(12);
             for (int i = 0; i < 12; ++i)
                 testoParagrafo(frase.repeated(3) + QString::number(i) + CR);
             tabellaNumeri(40, 4, 10);
             testoParagrafo(QChar(12) + QStringLiteral("DATI DI CALCOLO") + CR);
             relazione::tabellaDueColonne(coppie, 12);
             relazione::tabellaDueColonne(coppie, 12);
             testoParagrafo(CR + QStringLiteral("Legenda:") + CR);
             tabellaNumeri(60, 16, 8);
             giustificaTesto();
         }},
        {QStringLiteral("tabella-1001x8"), [] { tabella(times, 8, true, false, 1001); }},
    };
    for (const QString& faccia : {gothic, times})
        for (const int dimensione : {8, 10, 12})
            for (const bool formattata : {false, true})
                for (const bool testi : {false, true})
                    tutte.push_back({QStringLiteral("tabella-%1-%2-%3-%4")
                                         .arg(faccia == gothic ? QStringLiteral("gothic") : QStringLiteral("times"))
                                         .arg(dimensione)
                                         .arg(formattata ? QStringLiteral("formattata") : QStringLiteral("semplice"),
                                              testi ? QStringLiteral("testi") : QStringLiteral("numeri")),
                                     [=] { tabella(faccia, dimensione, formattata, testi, testi ? 60 : 114); }});
    // Justified paragraphs of nine lines after k lines of 12 points: all nine fit, one
    // would be left alone at the next page's head, two or one stay at the foot.
    for (const QString& faccia : {gothic, times})
        for (const int k : {43, 44, 50, 51})
            tutte.push_back({QStringLiteral("capoversi-%1-%2").arg(faccia == gothic ? QStringLiteral("gothic") : QStringLiteral("times")).arg(k),
                             [=] {
                                 impostaCarattere(faccia);
                                 impostaDimensione(12);
                                 for (int i = 0; i < k; ++i)
                                     scriviTesto(QStringLiteral("riga %1").arg(i) + CR);
                                 for (int i = 0; i < 3; ++i)
                                     scriviTesto(frase.repeated(5) + QString::number(i) + CR);
                                 giustificaTesto();
                             }});
    // A table that starts at a page's foot: room for its header alone, or for one or two rows.
    for (const int k : {48, 49, 50, 51})
        for (const bool formattata : {false, true})
            tutte.push_back({QStringLiteral("tabella-al-piede-%1-%2").arg(k).arg(formattata ? QStringLiteral("formattata") : QStringLiteral("semplice")),
                             [=] {
                                 impostaCarattere(gothic);
                                 impostaDimensione(12);
                                 for (int i = 0; i < k; ++i)
                                     scriviTesto(QStringLiteral("riga %1").arg(i) + CR);
                                 tabella(gothic, 12, formattata, true, 6);
                             }});
    // Where a line may end: capitals, slashes inside words, hyphens before digits,
    // negative figures in narrow cells, paragraphs holding a page break alone.
    tutte.push_back({QStringLiteral("capitali-lunghe"), [] {
                         impostaCarattere(times);
                         impostaDimensione(10);
                         for (int i = 0; i < 30; ++i)
                             scriviTesto(QStringLiteral("CONDOMINIO «LE TAVERNE» VIA VALTELLINA 12/14 AVV. TORTORA ").repeated(1 + i % 3)
                                         + QString::number(i) + CR);
                         impostaCarattere(gothic);
                         impostaDimensione(14);
                         for (int i = 0; i < 20; ++i)
                             scriviTesto(QStringLiteral("progettista: STUDIO TECNICO ASSOCIATO ING. ROSSI & ARCH. VERDI / ") + QString(i, QLatin1Char('W')) + CR);
                     }});
    tutte.push_back({QStringLiteral("barre-e-trattini"), [] {
                         impostaCarattere(gothic);
                         impostaDimensione(12);
                         QString t;
                         for (int i = 0; i < 400; ++i)
                             t += QStringLiteral("%1 kWh/anno Tecnico/Comunale 12-%2 -%3,91 ").arg(i).arg(i * 7).arg(i * 13);
                         scriviTesto(t + CR);
                         impostaCarattere(times);
                         scriviTesto(t + CR);
                     }});
    tutte.push_back({QStringLiteral("tabella-gothic-11-numeri-negativi"), [] {
                         impostaCarattere(gothic);
                         aggiungiTabella(1000, 12, 11);
                         for (int r = 1; r <= 1000; ++r)
                             for (int c = 1; c <= 12; ++c)
                                 scriviCella(r, c, r == 1 ? QStringLiteral("colonna %1").arg(c)
                                                          : QString::number((r * 37 + c * 101) % 20000 / 100.0 * ((r + c) % 2 ? -1 : 1), 'f', 2)
                                                                .replace(QLatin1Char('.'), QLatin1Char(',')));
                         formattaTabella();
                     }});
    const std::pair<const char*, const char*> salti[] = {
        {"salto-in-fondo", "testo\r\f"},
        {"salti-doppi", "uno\r\f\ftre\f"},
        {"salto-in-testa", "\f"},
        {"salti-tra-righe", "uno\r\f\r\f\rdue\r\f"},
    };
    for (const auto& [nome, testo] : salti)
        tutte.push_back({QString::fromLatin1(nome), [testo] {
                             impostaCarattere(gothic);
                             impostaDimensione(12);
                             scriviTesto(QString::fromLatin1(testo).replace(QLatin1Char('\r'), QChar(13)).replace(QLatin1Char('\f'), QChar(12)));
                         }});
    tutte.push_back({QStringLiteral("salto-e-titolo-in-testa"), [] {
                         impostaCarattere(gothic);
                         impostaDimensione(12);
                         scriviTesto(QChar(12));
                         aggiungiParagrafo(18);
                         testoParagrafo(QChar(12) + QStringLiteral("RELAZIONE DI CALCOLO") + CR);
                     }});
    // A formatted table whose header row of one or three lines meets a page's foot:
    // it follows the row after it to the next page, is split, or goes whole; a table
    // without a header whose first row of one or five lines finds no room there.
    for (const auto& [righeTestata, k] : {std::pair{1, 49}, {1, 50}, {1, 51}, {1, 52}, {3, 47}, {3, 48}, {3, 49}, {3, 50}})
        tutte.push_back({QStringLiteral("testata-al-piede-%1-%2").arg(righeTestata).arg(k),
                         [=] { tabellaAlPiede(k, righeTestata, true); }});
    for (const auto& [righePrima, k] : {std::pair{1, 51}, {1, 52}, {5, 50}, {5, 51}})
        tutte.push_back({QStringLiteral("tabella-spostata-%1-%2").arg(righePrima).arg(k),
                         [=] { tabellaAlPiede(k, righePrima, false); }});
    for (unsigned seme = 1; seme <= 6; ++seme) {
        tutte.push_back({QStringLiteral("capoversi-casuali-%1").arg(seme), [seme] { capoversiCasuali(seme); }});
        tutte.push_back({QStringLiteral("tabelle-casuali-%1").arg(seme), [seme] { tabelleCasuali(seme); }});
    }
    std::ranges::move(formeAlLimite(), std::back_inserter(tutte));
    std::ranges::move(formeDiBianchiETabulazioni(), std::back_inserter(tutte));
    std::ranges::move(formeAlMargine(), std::back_inserter(tutte));
    std::ranges::move(formeBarreETestateAlte(), std::back_inserter(tutte));
    std::ranges::move(formeTaglioIniziale(), std::back_inserter(tutte));
    std::ranges::move(formeRigaSola(), std::back_inserter(tutte));
    return tutte;
}

} // namespace

// Documents of random shapes, as many of each kind as KORVEL_DOCUMENTI_CASUALI asks
// (from seed 1000, or KORVEL_PRIMO_SEME), for tools/pagine_libreoffice.py to compare
// with LibreOffice.
TEST(Impaginazione, RandomDocumentsForLibreOffice)
{
    const int quanti = qEnvironmentVariableIntValue("KORVEL_DOCUMENTI_CASUALI");
    if (quanti <= 0)
        GTEST_SKIP() << "KORVEL_DOCUMENTI_CASUALI not set";
    ambiente::ripristinaStato();
    inizializzaDati();
    bool scelto = false;
    const int primo = qEnvironmentVariableIntValue("KORVEL_PRIMO_SEME", &scelto);
    const int da = scelto ? primo : 1000;
    doppi::Messaggi messaggi;
    for (int seme = da; seme < da + quanti; ++seme)
        for (const auto& [tipo, scrivi] : {std::pair{"casuale-capoversi", &capoversiCasuali}, {"casuale-tabelle", &tabelleCasuali},
                                           {"casuale-incolonnati", &incolonnatiCasuali}}) {
            ASSERT_TRUE(avviaWord());
            scrivi(unsigned(seme));
            ASSERT_TRUE(reportRiuscito());
            corpusPagine::verifica(QStringLiteral("%1-%2").arg(QString::fromLatin1(tipo)).arg(seme), *wordDoc, false);
        }
}

TEST(Impaginazione, EveryShapeHasThePagesLibreOfficeShowsAndThePdfDrawsThem)
{
    ambiente::ripristinaStato();
    inizializzaDati();
    doppi::Messaggi messaggi;
    for (const Forma& forma : forme()) {
        ASSERT_TRUE(avviaWord());
        forma.scrivi();
        ASSERT_TRUE(reportRiuscito()) << forma.nome.toStdString();
        corpusPagine::verifica(forma.nome, *wordDoc);
    }
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

namespace {

std::shared_ptr<documento::Documento> documentoNuovo()
{
    auto d = std::make_shared<documento::Documento>();
    d->impostaNomeCarattere(gothic);
    return d;
}

// Lines of paragraphs and rows of tables a page holds.
int linee(const documento::Pagina& pagina)
{
    int n = 0;
    for (const documento::PezzoPagina& p : pagina.pezzi)
        n += std::holds_alternative<documento::PezzoRiga>(p) ? 1 : comune(p).fineLinea - comune(p).primaLinea;
    return n;
}

} // namespace

// Figures read off LibreOffice 7.4's PDF of the same DOCX (pdftotext -bbox): the line
// pitch of a face at a size, in twips, and how many lines or rows each page holds.
TEST(Impaginazione, LinesAndRowsBreakWhereLibreOfficeBreaksThem)
{
    struct Altezza {
        QString faccia;
        double punti;
        int twips;
    };
    for (const Altezza& a : {Altezza{gothic, 8, 186}, Altezza{gothic, 10, 233}, Altezza{gothic, 12, 280},
                             Altezza{gothic, 20, 466}, Altezza{times, 10, 231}, Altezza{times, 12, 276},
                             Altezza{times, 18, 414}}) {
        auto d = documentoNuovo();
        d->impostaNomeCarattere(a.faccia);
        ASSERT_TRUE(d->impostaDimensione(a.punti));
        d->scrivi(QStringLiteral("A") + CR + QStringLiteral("A") + CR);
        const auto& pezzi = d->pagine().front().pezzi;
        EXPECT_EQ(comune(pezzi[1]).y - comune(pezzi[0]).y, a.twips) << a.faccia.toStdString() << ' ' << a.punti;
    }

    // After k lines of 12 points, a paragraph of nine lines: it fits whole (43), leaves
    // two lines to the next page rather than one (44), keeps two at the foot (50), goes
    // whole to the next page rather than leave one line there (51).
    QStringList parole;
    for (int i = 0; i < 60; ++i)
        parole << QStringLiteral("parola%1").arg(i);
    const QString nove = parole.join(QLatin1Char(' ')) + QLatin1Char(' ') + parole.join(QLatin1Char(' ')).left(100);
    for (const auto& [k, prima] : {std::pair{43, 52}, {44, 51}, {50, 52}, {51, 51}}) {
        auto d = documentoNuovo();
        for (int i = 0; i < k; ++i)
            d->scrivi(QStringLiteral("riga") + CR);
        d->scrivi(nove + CR);
        EXPECT_EQ(linee(d->pagine().front()), prima) << k;
    }

    // A row of ten lines after 44 and after 42 lines: split between the pages with the
    // lines that fit, seven or nine, with no rule against one line alone on the next.
    for (const auto& [k, lineeSullaPrima] : {std::pair{44, 7}, {42, 9}}) {
        auto d = documentoNuovo();
        for (int i = 0; i < k; ++i)
            d->scrivi(QStringLiteral("riga") + CR);
        auto t = d->aggiungiTabella(1, 2);
        t->scriviCella(1, 1, QStringLiteral("A1 ") + parole.mid(0, 40).join(QLatin1Char(' ')));
        t->scriviCella(1, 2, QStringLiteral("B1\nB2"));
        ASSERT_GE(d->pagine().size(), 2u);
        // Lines of the first cell on each page.
        const auto lineeDellaPrimaCella = [&](const documento::Pagina& pagina, const documento::PezzoPagina& parte) {
            const auto& riga = std::get<documento::PezzoRiga>(parte);
            EXPECT_FALSE(riga.intera) << k;
            return std::count_if(pagina.linee.begin() + riga.primaLinea, pagina.linee.begin() + riga.fineLinea,
                                 [](const documento::Linea& l) { return l.colonna == 1; });
        };
        EXPECT_EQ(lineeDellaPrimaCella(d->pagine()[0], d->pagine()[0].pezzi.back()), lineeSullaPrima) << k;
        EXPECT_EQ(lineeDellaPrimaCella(d->pagine()[1], d->pagine()[1].pezzi.front()), 10 - lineeSullaPrima) << k;
    }

    // A formatted table of 121 rows at 12 points: its header and 49 rows a page, the
    // header again at the head of every page.
    {
        auto d = documentoNuovo();
        auto t = d->aggiungiTabella(121, 2);
        for (int r = 1; r <= 121; ++r)
            t->scriviCella(r, 1, QStringLiteral("r%1").arg(r));
        t->formattaAutomatico();
        ASSERT_EQ(d->pagine().size(), 3u);
        EXPECT_EQ(linee(d->pagine()[0]), 50);
        EXPECT_EQ(linee(d->pagine()[1]), 50);
        EXPECT_TRUE(std::get<documento::PezzoRiga>(d->pagine()[1].pezzi.front()).ripetuta);
        EXPECT_EQ(d->testoPagina(1).section(QLatin1Char('\n'), 1, 1), QStringLiteral("r51\t"));
    }

    // Header rows as high as the page, as LibreOffice's PDF shows them: 62 lines of Times
    // 10 after ten lines of 12 (14342 twips with both borders) go whole to the next page
    // and again at the head of the one after; 63 lines (14573, past the page's 14570) are
    // split after line 51 at the first page's foot and never repeated; 51 lines of
    // Century Gothic 12 at the page's head (14300) keep the next row below them.
    const auto testataAlta = [](const QString& faccia, double punti, int k, int n) {
        auto d = documentoNuovo();
        d->impostaNomeCarattere(faccia);
        for (int i = 0; i < k; ++i)
            d->scrivi(QStringLiteral("riga") + CR);
        auto t = d->aggiungiTabella(8, 2);
        t->impostaDimensione(punti);
        QStringList testata;
        for (int i = 0; i < n; ++i)
            testata << QStringLiteral("intestazione %1").arg(i);
        t->scriviCella(1, 1, testata.join(QLatin1Char('\n')));
        for (int r = 2; r <= 8; ++r)
            t->scriviCella(r, 1, QStringLiteral("dato %1").arg(r));
        t->formattaAutomatico();
        return d;
    };
    const auto primaRiga = [](documento::Documento& d, int pagina) { return d.testoPagina(pagina).section(QLatin1Char('\n'), 0, 0); };
    {
        auto ripetuta = testataAlta(times, 10, 10, 62);
        ASSERT_GE(ripetuta->contaPagine(), 3);
        EXPECT_TRUE(primaRiga(*ripetuta, 1).startsWith(QStringLiteral("intestazione 0 ")));
        EXPECT_TRUE(std::get<documento::PezzoRiga>(ripetuta->pagine()[2].pezzi.front()).ripetuta);
        auto spezzata = testataAlta(times, 10, 10, 63);
        ASSERT_EQ(spezzata->contaPagine(), 2);
        EXPECT_TRUE(primaRiga(*spezzata, 1).startsWith(QStringLiteral("intestazione 51 ")));
        EXPECT_EQ(spezzata->testoPagina(1).count(QStringLiteral("intestazione 0 ")), 0);
        auto inCima = testataAlta(gothic, 12, 0, 51);
        ASSERT_GE(inCima->contaPagine(), 2);
        EXPECT_EQ(inCima->testoPagina(0).section(QLatin1Char('\n'), 1, 1), QStringLiteral("dato 2\t"));
    }

    // A page break before the first paragraph leaves the first page empty.
    auto d = documentoNuovo();
    d->scrivi(QChar(12) + QStringLiteral("primo") + CR);
    EXPECT_EQ(d->contaPagine(), 2);
    EXPECT_TRUE(d->pagine().front().pezzi.empty());
}

namespace {

// The lines of a paragraph or of a table's cell, in order, from a document's pages.
std::vector<documento::Linea> lineeDi(documento::Documento& d, int blocco, int colonna = 0)
{
    std::vector<documento::Linea> trovate;
    for (const documento::Pagina& p : d.pagine())
        for (const documento::Linea& l : p.linee)
            if (l.blocco == blocco && l.colonna == colonna && (colonna == 0 || l.riga == 1))
                trovate.push_back(l);
    return trovate;
}

std::vector<int> altezze(const std::vector<documento::Linea>& linee)
{
    std::vector<int> h;
    for (const documento::Linea& l : linee)
        h.push_back(l.altezza);
    return h;
}

} // namespace

// Figures read off LibreOffice 7.4's PDF of the same DOCX (pdftotext -bbox): a line of
// nothing but blanks or tabs is 276 twips high (Times New Roman 12, the document's
// default) as a paragraph's first line or as a last line of blanks after a line break,
// as high as its runs as a later line with a tab; blanks that start a justified line
// stay with the word after them, cut at the line's end.
TEST(Impaginazione, LinesOfBlanksAreAsHighAsLibreOfficeMakesThem)
{
    struct Bianca {
        QString faccia;
        double punti;
        QString testo;
        std::vector<int> altezze;
    };
    for (const Bianca& b : {Bianca{gothic, 14, QStringLiteral("   "), {276}}, Bianca{times, 8, QStringLiteral("\t"), {276}},
                            Bianca{times, 8, QString(), {184}}, Bianca{gothic, 8, QStringLiteral("abc\v   "), {186, 276}},
                            Bianca{gothic, 8, QStringLiteral("abc\v\t"), {186, 186}},
                            Bianca{gothic, 8, QStringLiteral("\t").repeated(16), {276, 186}}}) {
        auto d = documentoNuovo();
        d->impostaNomeCarattere(b.faccia);
        ASSERT_TRUE(d->impostaDimensione(b.punti));
        d->scrivi(b.testo + CR + QStringLiteral("fine"));
        EXPECT_EQ(altezze(lineeDi(*d, 0)), b.altezze) << b.testo.toStdString();
    }

    auto d = documentoNuovo();
    ASSERT_TRUE(d->impostaDimensione(8));
    d->scrivi(QStringLiteral("   ") + QString(130, QLatin1Char('A')) + CR);
    EXPECT_EQ(lineeDi(*d, 0).size(), 3u);
    d->allineaTutto(documento::Allineamento::Giustificato);
    EXPECT_EQ(lineeDi(*d, 0).size(), 2u);
}

namespace {

// The text of each line a paragraph of one run breaks into, `larghezza` twips wide.
QStringList testiDelleRighe(const QString& testo, const documento::Carattere& c, documento::Allineamento allineamento, int larghezza)
{
    static documento::dettaglio::Metriche metriche;
    std::vector<documento::Linea> righe;
    documento::dettaglio::righeDi({{testo, c}}, c, allineamento, larghezza, metriche, righe);
    QStringList testi;
    for (const auto& riga : righe)
        testi << testo.mid(riga.inizio, riga.fine - riga.inizio);
    return testi;
}

} // namespace

// Runs of tabs in a cell whose text is 1418 twips wide (a column LibreOffice reads as
// 1474 twips, less margins of 28; Times New Roman 8), as many lines as LibreOffice 7.4
// gives them: a tab whose stop is the line's very end, the second, goes on to the next
// line, with the tabs after it; one that ends the paragraph stays there; a tab short of
// the end stays. So in a cell 2127 twips wide (Times New Roman 12, the random document
// incolonnati 27219) at the third stop. At the first stop, in a cell as wide as it, the
// tab stays (the corpus shape incolonnati-casuali-1178, "co\t\t").
TEST(Impaginazione, ATabAtTheLinesEndGoesOnWithTheTabAfterIt)
{
    const struct {
        const char* testo;
        int righe;
    } casi[] = {
        {"  \"ecologica\"\t\tinclinazione\t\tristrutturazione", 7},
        {"inclinazione\t\tx", 3},
        {"inclinazione\t\t\tx", 4},
        {"inclinazione\t\t", 2},
        {"ab\t\t\tcd", 3},
        {"ab\t\tcd", 2},
        {"ab\t\t", 1},
        {"\"ecologica\"\t", 1},
    };
    const documento::Carattere c{times, 8, false};
    for (const auto& caso : casi)
        EXPECT_EQ(testiDelleRighe(QString::fromUtf8(caso.testo), c, documento::Allineamento::Sinistra, 1418).size(), caso.righe) << caso.testo;
    EXPECT_EQ(testiDelleRighe(QStringLiteral("WWW.STUDIO.IT\t collettore\t\tsanitaria"), {times, 12, false},
                              documento::Allineamento::Sinistra, 2127),
              (QStringList{QStringLiteral("WWW.STUDIO.IT"), QStringLiteral("\t collettore"), QStringLiteral("\t"), QStringLiteral("\tsanitaria")}));
}

// A tab that fits after the rest of a word cut at a slash, before a word that does not
// fit: the lines of one-column tables in LibreOffice 7.4's PDF of their DOCX (cells of
// 742 twips of text, Times New Roman 12; of 1777 and 722, Century Gothic 10, justified).
// After "KWH/" the cut was not a break (its word started after the tab, and the word
// processor breaks after no slash there): the tab stays after "ANNO" and no break comes
// before the guillemet. After a hyphen, after a slash at the paragraph's start, or with
// a break after the tab, the tab goes on alone.
TEST(Impaginazione, ATabAfterAWordCutAtASlashStaysWhereNoBreakComesBefore)
{
    const struct {
        const QString& faccia;
        int punti, larghezza;
        const char* testo;
        std::vector<const char*> righe;
    } casi[] = {
        {times, 12, 742, "40°\tKWH/ANNO\t«LE TAVERNE»", {"40°", "\t", "KWH/", "ANNO\t", "«LE ", "TAVE", "RNE»"}},
        {times, 12, 742, "40°\tKWH-ANNO\t«LE TAVERNE»", {"40°", "\t", "KWH-", "ANNO", "\t", "«LE ", "TAVE", "RNE»"}},
        {times, 12, 742, "ab\tKWH/ANNO\tle taverne", {"ab", "\t", "KWH/", "ANNO", "\t", "le ", "taverne"}},
        {gothic, 10, 1777, "Tecnico/Comunale\t«LE TAVERNE» (84%)", {"Tecnico/", "Comunale", "\t«LE ", "TAVERNE» (84%)"}},
        {gothic, 10, 722, "KWh/anno\t«LE TAVERNE» una\t inclinazione",
         {"KWh/", "anno", "\t", "«LE ", "TAVER", "NE» ", "una\t ", "inclina", "zione"}},
    };
    for (const auto& caso : casi) {
        const documento::Carattere c{caso.faccia, double(caso.punti), false};
        const auto allineamento = caso.faccia == gothic ? documento::Allineamento::Giustificato : documento::Allineamento::Sinistra;
        QStringList attese;
        for (const char* riga : caso.righe)
            attese << QString::fromUtf8(riga);
        EXPECT_EQ(testiDelleRighe(QString::fromUtf8(caso.testo), c, allineamento, caso.larghezza), attese) << caso.testo;
    }
}

// A line that starts with a tab sent on from the line before starts at no break; there
// a word that does not fit after the tabs is cut after them, as after a word cut at a
// slash. The lines of a cell of 1743 twips of text (a column of 1799, margins of 28;
// Century Gothic 11) in LibreOffice 7.4's PDF of the random document 9136, page 15.
TEST(Impaginazione, ALineGoingOnWithATabCutsTheWordAfterItsTabs)
{
    const QStringList attese = {QStringLiteral("14.310,42"), QStringLiteral("\tsanitaria"), QStringLiteral("\t\t\"e"),
                                QStringLiteral("cologica\"\t"), QStringLiteral("\tGLI\t ")};
    EXPECT_EQ(testiDelleRighe(attese.join(QString()), {gothic, 11, false}, documento::Allineamento::Sinistra, 1743), attese);
}

// A cell whose tab line is the last that fits at the foot of the first page, after
// lines of Times New Roman 12 (the cell Times New Roman 12, bold): where each page's
// part of the cell ends and starts in LibreOffice 7.4's PDF of the same DOCX. After a
// break at a blank, a tab before an opening quote cut on the next line goes with it
// where the tab's stop is on the cell's edge or past it (876 twips of column, 660 of
// text): before a word it may break before, or at a paragraph's start, the tab stays
// at the foot. In a cell wider than the first stop (1205 twips of column, 989 of text)
// the tab line stays as well.
TEST(Impaginazione, ATabBeforeACutQuotedWordLeavesThePageWithIt)
{
    const struct {
        int colonne;
        const char* testo;
        const char* ultimaSullaPrima;
        const char* primaSullaSeconda;
    } casi[] = {
        {11, "dei  Con \t\"ecologica\"", "Con ", "\t"},
        {11, "dei  Con \t«ecologica»", "Con ", "\t"},
        {11, "dei  Con \t\"ecolo\"", "Con ", "\t"},
        {11, "dei  Con \tecologica", "\t", "ecolog"},
        {11, "dei  Con \t(ecologica)", "\t", "(ecolo"},
        {11, "dei  Con\n\t\"ecologica\"", "\t", "\"ecolo"},
        {8, "dei  Con \t\"ecologica\"", "\t", "\"ecologic"},
        {8, "dei  Con \t«ecologica»", "\t", "«ecologic"},
    };
    for (const auto& caso : casi) {
        const QString testo = QString::fromUtf8(caso.testo);
        auto d = documentoNuovo();
        d->impostaNomeCarattere(times);
        for (int i = 0; i < (caso.colonne == 11 ? 49 : 50); ++i)
            d->scrivi(QStringLiteral("riga") + CR);
        d->impostaGrassetto(1);
        auto t = d->aggiungiTabella(1, caso.colonne);
        t->impostaDimensione(12);
        t->scriviCella(1, 1, testo);
        ASSERT_EQ(d->pagine().size(), 2u) << caso.testo;
        QStringList righe[2];
        for (std::size_t p = 0; p < 2; ++p)
            for (const documento::Linea& l : d->pagine()[p].linee)
                if (l.colonna == 1)
                    righe[p] << testo.mid(l.inizio, l.fine - l.inizio).remove(QLatin1Char('\n'));
        ASSERT_FALSE(righe[0].isEmpty() || righe[1].isEmpty()) << caso.testo;
        EXPECT_EQ(righe[0].back(), QString::fromUtf8(caso.ultimaSullaPrima)) << caso.testo;
        EXPECT_EQ(righe[1].front(), QString::fromUtf8(caso.primaSullaSeconda)) << caso.testo;
    }
}

// Figures read off LibreOffice 7.4's PDF of the same DOCX (pdftotext -bbox): where a tab
// near a line's end and in a cell narrower than the first stop goes, and which blanks
// of a justified line with a tab take what justification adds.
TEST(Impaginazione, TabsGoWhereLibreOfficeSetsThem)
{
    // A tab past the last stop of a line of Times New Roman 12, and one whose word does
    // not fit after it: the line ends before the tab, the next starts at the first stop.
    for (const QString& testo : {QString(80, QLatin1Char('x')) + QStringLiteral("\tparola"),
                                 QString(70, QLatin1Char('x')) + QStringLiteral("\tabcdefghijklmnopq")}) {
        auto d = documentoNuovo();
        d->impostaNomeCarattere(times);
        d->scrivi(testo + CR);
        const auto linee = lineeDi(*d, 0);
        ASSERT_EQ(linee.size(), 2u) << testo.toStdString();
        EXPECT_EQ(linee[0].fine, testo.indexOf(QLatin1Char('\t')));
        EXPECT_EQ(linee[1].frammenti.front().x, 709);
    }
    // A word longer than the line after a tab leaves the tab alone on a line as high as
    // its runs.
    {
        auto d = documentoNuovo();
        ASSERT_TRUE(d->impostaDimensione(8));
        d->scrivi(QStringLiteral("parola\t") + QString(130, QLatin1Char('A')) + CR);
        EXPECT_EQ(altezze(lineeDi(*d, 0)), (std::vector<int>{186, 186, 186, 186}));
    }

    // "voce⇥12.345" in cells of 11 columns at 10 points (660 twips of text): in Century
    // Gothic the tab alone on the second of four lines; in Times New Roman the figure
    // after the tab at 1.25 cm, past the cell's edge, on the second of two.
    for (const auto& [faccia, righe] : {std::pair{gothic, 4}, {times, 2}}) {
        auto d = documentoNuovo();
        d->impostaNomeCarattere(faccia);
        ASSERT_TRUE(d->impostaDimensione(10));
        d->aggiungiTabella(1, 11)->scriviCella(1, 1, QStringLiteral("voce\t12.345"));
        const auto linee = lineeDi(*d, 0, 1);
        ASSERT_EQ(int(linee.size()), righe) << faccia.toStdString();
        EXPECT_EQ(linee[1].frammenti.empty(), faccia == gothic);
        if (faccia == times) {
            EXPECT_EQ(linee[1].frammenti.front().x - linee[1].x, 709);
        }
    }

    // Justified, the words before a tab keep their places ("due" 21 points in, as
    // unjustified) and the words after it take the room left.
    auto d = documentoNuovo();
    d->impostaNomeCarattere(times);
    d->scrivi(QStringLiteral("uno due tre quattro cinque sei sette otto nove dieci undici dodici tredici\tquattordici quindici "
                             "sedici diciassette diciotto diciannove venti")
              + CR);
    d->allineaTutto(documento::Allineamento::Giustificato);
    const auto prima = lineeDi(*d, 0).front();
    ASSERT_EQ(prima.frammenti.size(), 16u);
    EXPECT_NEAR(prima.frammenti[1].x, 420, 6);
    EXPECT_EQ(prima.frammenti[13].testo, QStringLiteral("quattordici"));
    EXPECT_EQ(prima.frammenti[13].x, 7090);
    EXPECT_NEAR(prima.frammenti[15].x, 453.9 * 20, 6);

    // Justified in a cell narrower than the first stop, a line whose text a tab sent
    // past the cell's edge shows none of it: LibreOffice draws only "è" and "calda" of
    // "è \tacqua\t ING. calda" (Century Gothic 8, 13 columns; random tabbed document
    // 5024), its blanks not narrowed to pull "ING." back into the cell.
    auto stretta = documentoNuovo();
    ASSERT_TRUE(stretta->impostaDimensione(8));
    stretta->aggiungiTabella(1, 13)->scriviCella(1, 1, QStringLiteral("è \tacqua\t ING. calda"));
    stretta->allineaTutto(documento::Allineamento::Giustificato);
    QStringList mostrati;
    for (const documento::Linea& l : lineeDi(*stretta, 0, 1))
        for (const documento::Frammento& f : l.frammenti)
            mostrati << f.testo.trimmed();
    EXPECT_EQ(mostrati, (QStringList{QStringLiteral("è"), QStringLiteral("calda")}));
}

// The blanks a line ends with before a tab sent on to the next line are the line's
// own when they fit on it: a justified line widens them with the others, a line aligned
// right or centred counts them; blanks reaching past the line's end hang there. Where
// LibreOffice 7.4's PDFs (pdftotext -bbox) start the line's last piece (its last word
// when justified, else the whole line), in points from the text's edge: on the first
// page of the random tabbed documents 15155 (Century Gothic 14, justified) and 1141
// (Times New Roman 10), and of a probe of the first of these lines aligned right and
// centred.
TEST(Impaginazione, TheBlanksBeforeATabSentOnAreTheLinesOwn)
{
    const char* dei = "91-14 fattore 148/136 Dei verifica  economica edificio Dei \tcondominio impianto riscaldamento";
    const struct {
        const QString& faccia;
        double punti;
        documento::Allineamento allineamento;
        const char* testo;
        const char* ultima;
        double x;
    } casi[] = {
        {gothic, 14, documento::Allineamento::Giustificato, dei, "Dei", 445.8},
        {gothic, 14, documento::Allineamento::Destra, dei, "Dei", 71.0},
        {gothic, 14, documento::Allineamento::Centro, dei, "Dei", 35.6},
        {times, 10, documento::Allineamento::Giustificato,
         "solare la studio Orientamento\tun'ora \"ecologica\" \tnel «LE TAVERNE» ARCH. (63%)\tsanitaria 2:03 \tARCH. W/M²K", "2:03", 464.2},
    };
    for (const auto& caso : casi) {
        auto d = documentoNuovo();
        d->impostaNomeCarattere(caso.faccia);
        ASSERT_TRUE(d->impostaDimensione(caso.punti));
        d->scrivi(QString::fromUtf8(caso.testo) + CR);
        d->allineaTutto(caso.allineamento);
        const documento::Frammento ultimo = lineeDi(*d, 0).front().frammenti.back();
        EXPECT_TRUE(ultimo.testo.trimmed().endsWith(QString::fromUtf8(caso.ultima))) << caso.testo;
        EXPECT_NEAR(ultimo.x, caso.x * 20, 10) << caso.testo << ' ' << int(caso.allineamento);
    }
}

// The widths LibreOffice 7.4 gives the cells of saved tables, read from the columns of
// its own save of the DOCX (soffice --convert-to fodt: inches of four decimals, whole
// twips): 3, 7, 9 and 11 equal columns of 170 mm, two tables of a technical report, and
// three of random documents where an edge stays one twip from the file's (the last one
// of 8,437 tables compared whole, all as LibreOffice reads them).
TEST(Impaginazione, CellsAreAsWideAsLibreOfficeReadsTheSavedColumns)
{
    using documento::dettaglio::celleLette;
    using Larghezze = std::vector<int>;
    EXPECT_EQ(celleLette(Larghezze(3, 3213)), Larghezze(3, 3213));
    EXPECT_EQ(celleLette(Larghezze(7, 1377)), (Larghezze{1377, 1376, 1378, 1376, 1378, 1376, 1377}));
    EXPECT_EQ(celleLette(Larghezze(9, 1071)), (Larghezze{1070, 1071, 1071, 1071, 1072, 1071, 1071, 1071, 1070}));
    EXPECT_EQ(celleLette(Larghezze(11, 876)), (Larghezze{875, 876, 876, 876, 876, 877, 876, 876, 876, 876, 874}));
    EXPECT_EQ(celleLette({1393, 1611, 3765, 2869}), (Larghezze{1392, 1612, 3764, 2869}));
    EXPECT_EQ(celleLette({1018, 1349, 1199, 1638}), (Larghezze{1017, 1349, 1199, 1638}));
    EXPECT_EQ(celleLette({2442, 2113, 2672, 2412}), (Larghezze{2441, 2114, 2673, 2410}));
    EXPECT_EQ(celleLette({905, 879, 1104, 653, 1139, 715, 805, 865, 685, 1009, 879}),
              (Larghezze{905, 878, 1104, 654, 1139, 715, 805, 864, 685, 1011, 876}));
    EXPECT_EQ(celleLette({651, 788, 882, 882, 765, 882, 765, 847, 765, 765, 765, 882}),
              (Larghezze{650, 789, 882, 882, 765, 882, 764, 847, 767, 763, 766, 881}));
}

// Text that a tab takes past a narrow cell's right edge shows where its piece, from
// the blanks after the tab, starts inside the cell: "è⇥ no" (Century Gothic 12) in a
// cell of 660 twips of text (11 columns) puts "no" 785 twips in, past the edge at 768,
// and LibreOffice 7.4 paints it there, over the next cell; in a cell of 587 (12
// columns, the edge at 695) the piece starts past the edge, at the tab's stop, 709,
// and is not shown.
TEST(Impaginazione, TextATabTakesPastANarrowCellShowsWhereItsPieceStartsInside)
{
    for (const auto& [colonne, mostrato] : {std::pair{11, true}, {12, false}}) {
        auto d = documentoNuovo();
        d->impostaNomeCarattere(gothic);
        ASSERT_TRUE(d->impostaDimensione(12));
        auto t = d->aggiungiTabella(1, colonne);
        t->scriviCella(1, 1, QStringLiteral("è\t no"));
        t->scriviCella(1, 2, QStringLiteral("solare"));
        const auto linee = lineeDi(*d, 0, 1);
        ASSERT_EQ(linee.size(), 1u) << colonne;
        QStringList parole;
        for (const auto& f : linee[0].frammenti)
            parole << f.testo;
        EXPECT_EQ(parole, mostrato ? QStringList({QStringLiteral("è"), QStringLiteral("no")}) : QStringList({QStringLiteral("è")}))
            << colonne;
        if (mostrato) {
            EXPECT_NEAR(linee[0].frammenti.back().x - linee[0].x, 785, 1);
        }
    }
}
