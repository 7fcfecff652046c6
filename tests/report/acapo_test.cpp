// Where lines end, against where LibreOffice 7.4 ends them in the saved DOCX
// (tests/report/acapo_libreoffice.tsv, written by tools/acapo_libreoffice.py): every
// pair of characters of Italian text between letters and figures, paragraphs of
// varied text in the report's faces and sizes, and texts a pixel or a few from their
// line's end. With KORVEL_ACAPO_DOCX set to a folder the probe documents are saved
// there for the tool instead.
#include "report/documento.h"
#include "support/testiAlMargine.h"
#include "support/testiCasuali.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <tuple>

using namespace documento;

namespace {

const QString CR(1, QChar(13));

// The characters paired: blanks, punctuation, quotes, signs and units, a no-break
// space, a letter and a figure.
const QString alfabeto = QStringLiteral(" .,;:!?'\"«»()[]{}/\\-+%°€$&*=<>_#@’‘“”–—…·±×²³§|~^\u00A0x7");
const std::pair<QString, QString> contesti[] = {
    {QStringLiteral("abcd"), QStringLiteral("efghijklmnopqrstuvw")},
    {QStringLiteral("abcd"), QStringLiteral("567890123456789012")},
    {QStringLiteral("1234"), QStringLiteral("efghijklmnopqrstuvw")},
    {QStringLiteral("1234"), QStringLiteral("567890123456789012")},
};
// 72 letters before each probe leave it eight characters and a third of the line.
const QString riempimento(72, QLatin1Char('a'));

struct Attese {
    std::map<std::pair<QString, QString>, std::map<QChar, QString>> coppie; // context -> a -> one symbol a b
    std::map<int, QList<int>> frasi; // probe -> characters other than blanks on each line
    std::map<int, QList<int>> margini; // the same, of the probes a pixel or a few from the line's end
};

const Attese& attese()
{
    static const Attese lette = [] {
        Attese a;
        QFile file(QStringLiteral(KORVEL_CARTELLA_PROVE "/report/acapo_libreoffice.tsv"));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return a;
        while (!file.atEnd()) {
            const QStringList campi = QString::fromUtf8(file.readLine()).chopped(1).split(QLatin1Char('\t'));
            if (campi.size() == 5 && campi[0] == QLatin1String("coppia"))
                a.coppie[{campi[1], campi[2]}][QChar(campi[3].toUInt(nullptr, 16))] = campi[4];
            else if (campi.size() == 3 && (campi[0] == QLatin1String("frase") || campi[0] == QLatin1String("margine"))) {
                QList<int> conte;
                for (const QString& n : campi[2].split(QLatin1Char(',')))
                    conte << n.toInt();
                (campi[0] == QLatin1String("frase") ? a.frasi : a.margini)[campi[1].toInt()] = conte;
            }
        }
        return a;
    }();
    return lette;
}

// A document of probes, each after a marker paragraph "#n".
std::shared_ptr<Documento> sonde(const QStringList& testi, const std::function<void(Documento&, int)>& carattere)
{
    auto d = std::make_shared<Documento>();
    for (int i = 0; i < testi.size(); ++i) {
        d->impostaNomeCarattere(QStringLiteral("Liberation Mono"));
        d->impostaDimensione(10);
        d->impostaGrassetto(0);
        d->scrivi(QStringLiteral("#%1").arg(i) + CR);
        carattere(*d, i);
        d->scrivi(testi[i] + CR);
    }
    return d;
}

// The lines of each probe paragraph, or of the first cell of each probe table, in order.
std::vector<std::vector<Linea>> lineeDelleSonde(Documento& d)
{
    // A probe's lines: its paragraph's, or those of the one cell of its table that
    // holds text.
    std::map<int, std::map<int, std::vector<Linea>>> perBlocco;
    for (const Pagina& p : d.pagine())
        for (const Linea& l : p.linee)
            perBlocco[l.blocco][l.colonna].push_back(l);
    std::vector<std::vector<Linea>> sonde;
    for (auto& [blocco, colonne] : perBlocco) {
        if (blocco % 2 == 0 || blocco + 1 >= int(d.blocchi().size()))
            continue;
        auto scritta = std::ranges::find_if(colonne, [](const auto& c) {
            return std::ranges::any_of(c.second, [](const Linea& l) { return l.fine > l.inizio; });
        });
        sonde.push_back(std::move(scritta == colonne.end() ? colonne.begin()->second : scritta->second));
    }
    return sonde;
}

bool salvaPerLoStrumento(Documento& d, const QString& nome)
{
    if (!qEnvironmentVariableIsSet("KORVEL_ACAPO_DOCX"))
        return false;
    EXPECT_TRUE(d.salvaDocx(QDir(qEnvironmentVariable("KORVEL_ACAPO_DOCX")).filePath(nome)));
    return true;
}

QStringList sondeDelleCoppie()
{
    QStringList testi;
    for (const auto& [prima, dopo] : contesti)
        for (const QChar a : alfabeto)
            for (const QChar b : alfabeto)
                testi << riempimento + prima + a + b + dopo;
    return testi;
}

// Paragraphs of varied text in the reports' faces and sizes, capitals among them; then
// texts lined up with tabs and runs of blanks, and tabs near a line's end.
QStringList sondeDelleFrasi()
{
    QStringList testi;
    testiCasuali::Generatore caso(31);
    for (int i = 0; i < 160; ++i)
        testi << caso.testo(caso.intero(8, 90), caso.moneta(20));
    testi << QStringLiteral("progettista: CONDOMINIO «LE TAVERNE» VIA VALTELLINA 12/14 AVV. TORTORA AMMINISTRATORE "
                            "P.ZZA SAN BABILA 3 - 20122 MILANO TEL. 02/12345678");
    testiCasuali::Generatore incolonnati(43);
    for (int i = 0; i < 60; ++i)
        testi << incolonnati.testoIncolonnato(incolonnati.intero(8, 90));
    for (int n = 40; n <= 120; n += 8)
        testi << QString(n, QLatin1Char('x')) + QStringLiteral("\tabcdefghijkl ") + QStringLiteral("ab ").repeated(40);
    // Long tokens of words joined by hyphens and slashes, after a few words or none: the
    // lines that meet them end at a hyphen, after a slash or at the blank before them.
    testiCasuali::Generatore gettoni(37);
    for (int i = 0; i < 120; ++i) {
        QString testo = gettoni.testo(gettoni.intero(0, 10));
        if (!testo.isEmpty())
            testo += QLatin1Char(' ');
        for (int parte = gettoni.intero(3, 30); parte > 0; --parte) {
            testo += gettoni.uno({QStringLiteral("impianto"), QStringLiteral("solare"), QStringLiteral("termico"), QStringLiteral("i"),
                                  QStringLiteral("2026"), QStringLiteral("kWh"), QStringLiteral("acqua"), QStringLiteral("sud")});
            if (parte > 1)
                testo += QLatin1Char(gettoni.moneta(35) ? '/' : '-');
        }
        testi << testo;
    }
    return testi;
}

void carattereDellaFrase(Documento& d, int i)
{
    d.impostaNomeCarattere(i % 2 ? QStringLiteral("Century Gothic") : QStringLiteral("Times New Roman"));
    d.impostaDimensione(QList<double>{8, 10, 11, 12, 14}[i % 5]);
    d.impostaGrassetto(i % 7 == 3 ? 1 : 0);
}

// A probe a pixel or a few from its line's end: the runs of a paragraph, or the text
// of the first cell (the last, with `ultima`) of a table of `colonne` columns.
struct SondaAlMargine {
    std::vector<Sequenza> sequenze;
    int colonne = 0;
    bool ultima = false;
};

const QString gothic = QStringLiteral("Century Gothic");
const QString times = QStringLiteral("Times New Roman");

// Where LibreOffice measures each glyph's advance rounded to a pixel (six to a twip), a
// portion of text (one font up to a tab) whole when it is short and its width rounded
// to twips fits, and a table's cells from its columns read as ten-thousandths of it.
std::vector<SondaAlMargine> sondeAlMargine()
{
    using testiAlMargine::pixelPerTwip;
    using testiAlMargine::testo;
    testiCasuali::Generatore caso(53);
    const int riga = 9638 * pixelPerTwip;
    std::vector<SondaAlMargine> sonde;
    const auto paragrafo = [&](const Carattere& c, const QString& t) { sonde.push_back({{{t, c}}, 0}); };
    // A line's last word ending on its edge or a pixel past it, a long text after it.
    for (const QString& faccia : {gothic, times})
        for (const double punti : {8, 10, 11, 12, 14})
            for (const bool grassetto : {false, true})
                for (const int oltre : {0, 1})
                    paragrafo({faccia, punti, grassetto}, testo({faccia, punti, grassetto}, riga + oltre, caso) + QLatin1Char(' ') + caso.testo(30));
    // Short paragraphs in capitals a third and a half of a twip past the edge; of as
    // many characters as fit twice the width over the line's height (233 and 276
    // twips) and one more, a pixel past it.
    for (const QString& faccia : {gothic, times})
        for (const double punti : {16, 20, 24})
            for (const int oltre : {2, 3})
                paragrafo({faccia, punti, false}, testo({faccia, punti, false}, riga + oltre, caso, true));
    for (const auto& [faccia, punti, caratteri] : {std::tuple{gothic, 10.0, 82}, {gothic, 10.0, 83}, {times, 12.0, 69}, {times, 12.0, 70}})
        paragrafo({faccia, punti, false}, testo({faccia, punti, false}, riga + 1, caso, false, caratteri));
    // A bold run after a run ending a third or a half of a twip past a whole twip: it
    // starts at the whole twip nearest.
    for (const QString& faccia : {gothic, times})
        for (const int resto : {2, 3})
            for (const int oltre : {-1, 1}) {
                const Carattere normale{faccia, 10, false}, grassetto{faccia, 10, true};
                const int prima = caso.intero(2000, 5000) * pixelPerTwip + resto;
                const QString t = testo(normale, prima - testiAlMargine::pixel(normale, QStringLiteral(" ")), caso) + QLatin1Char(' ');
                sonde.push_back({{{t, normale}, {testo(grassetto, riga + oltre - prima, caso) + QLatin1Char(' ') + caso.testo(20), grassetto}}, 0});
            }
    // Cells of tables of 11 and 12 columns, which LibreOffice reads a twip narrower:
    // short texts 4 and 3 pixels narrower than the column's text, long ones 6 and 5.
    for (const QString& faccia : {gothic, times})
        for (const int colonne : {11, 12}) {
            const int cella = (qRound(170.0 / colonne / 25.4 * 1440) - 2 * 108) * pixelPerTwip;
            for (const int oltre : {-4, -3, -6, -5}) {
                const Carattere c{faccia, 8, false};
                const QString t = testo(c, cella + oltre, caso);
                sonde.push_back({{{oltre > -5 ? t : t + QLatin1Char(' ') + caso.testo(12), c}}, colonne});
            }
        }
    // Narrow cells of capitals, a telephone number and a percentage.
    for (const auto& [faccia, punti, grassetto, colonne, t] :
         {std::tuple{times, 8.0, true, 12, QStringLiteral("AVVOCATO")}, {gothic, 10.0, true, 14, QStringLiteral("AVVOCATO")},
          {times, 11.0, false, 11, QStringLiteral("02-5551234")}, {times, 11.0, false, 11, QStringLiteral("(100%)")},
          {gothic, 8.0, true, 11, QStringLiteral("il 100% dei")}})
        sonde.push_back({{{t, {faccia, punti, grassetto}}}, colonne});
    // A word whose "fi" joins into one glyph across the edge of a cell.
    sonde.push_back({{{QStringLiteral("superficie"), {gothic, 8, false}}}, 13});
    // The last cell of tables of 11, 12 and 13 columns, which reaches the table's
    // right edge: texts a pixel or a few narrower than the column's text, then a word.
    for (const QString& faccia : {gothic, times})
        for (const int colonne : {11, 12, 13}) {
            const Carattere c{faccia, 9, false};
            const int cella = (qRound(170.0 / colonne / 25.4 * 1440) - 2 * 108) * pixelPerTwip;
            QString t;
            for (int meno = 1; t.isEmpty() && meno < 6; ++meno)
                t = testo(c, cella - meno, caso);
            if (!t.isEmpty())
                sonde.push_back({{{t + QLatin1Char(' ') + caso.testo(1), c}}, colonne, true});
        }
    return sonde;
}

std::shared_ptr<Documento> documentoAlMargine(const std::vector<SondaAlMargine>& sonde)
{
    auto d = std::make_shared<Documento>();
    for (std::size_t i = 0; i < sonde.size(); ++i) {
        d->impostaNomeCarattere(QStringLiteral("Liberation Mono"));
        d->impostaDimensione(10);
        d->impostaGrassetto(0);
        d->scrivi(QStringLiteral("#%1").arg(i) + CR);
        for (const Sequenza& s : sonde[i].sequenze) {
            d->impostaNomeCarattere(s.carattere.nome);
            d->impostaDimensione(s.carattere.dimensione);
            d->impostaGrassetto(s.carattere.grassetto ? 1 : 0);
            if (sonde[i].colonne > 0)
                d->aggiungiTabella(1, sonde[i].colonne)->scriviCella(1, sonde[i].ultima ? sonde[i].colonne : 1, s.testo);
            else
                d->scrivi(s.testo);
        }
        if (sonde[i].colonne == 0)
            d->scrivi(CR);
    }
    return d;
}

int visibili(const QString& testo, const Linea& l)
{
    int n = 0;
    for (int i = l.inizio; i < l.fine && i < testo.size(); ++i)
        n += !testo[i].isSpace();
    return n;
}

} // namespace

// Each probe "P a b Q" ends its first line before a (<), between a and b (|), after b
// (>) or, with no break allowed there, after the eighth character (.).
TEST(Acapo, EveryPairOfCharactersBreaksWhereLibreOfficeBreaksIt)
{
    const QStringList testi = sondeDelleCoppie();
    auto d = sonde(testi, [](Documento&, int) {});
    if (salvaPerLoStrumento(*d, QStringLiteral("coppie.docx")))
        return;
    ASSERT_FALSE(attese().coppie.empty()) << "acapo_libreoffice.tsv not read";
    const auto linee = lineeDelleSonde(*d);
    ASSERT_EQ(linee.size(), std::size_t(testi.size()));
    int diverse = 0;
    std::size_t k = 0;
    for (const auto& contesto : contesti)
        for (const QChar a : alfabeto) {
            const QString atteso = attese().coppie.at(contesto).at(a);
            QString trovato;
            for (qsizetype j = 0; j < alfabeto.size(); ++j, ++k) {
                switch (linee[k].front().fine - int(riempimento.size())) {
                case 4: trovato += QLatin1Char('<'); break;
                case 5: trovato += QLatin1Char('|'); break;
                case 6: trovato += QLatin1Char('>'); break;
                case 8: trovato += QLatin1Char('.'); break;
                default: trovato += QLatin1Char('?'); break;
                }
            }
            if (trovato != atteso && ++diverse <= 5)
                ADD_FAILURE() << "after \"" << contesto.first.toStdString() << QString(a).toStdString()
                              << "\": " << trovato.toStdString() << " against LibreOffice's " << atteso.toStdString();
        }
    EXPECT_EQ(diverse, 0);
}

// Paragraphs of varied text, one line after another as LibreOffice breaks them.
TEST(Acapo, ParagraphsOfVariedTextBreakIntoLibreOfficesLines)
{
    const QStringList testi = sondeDelleFrasi();
    auto d = sonde(testi, carattereDellaFrase);
    if (salvaPerLoStrumento(*d, QStringLiteral("frasi.docx")))
        return;
    ASSERT_EQ(attese().frasi.size(), std::size_t(testi.size())) << "acapo_libreoffice.tsv not read";
    const auto linee = lineeDelleSonde(*d);
    ASSERT_EQ(linee.size(), std::size_t(testi.size()));
    for (int i = 0; i < testi.size(); ++i) {
        QList<int> trovate;
        for (const Linea& l : linee[std::size_t(i)])
            if (const int n = visibili(testi[i], l))
                trovate << n; // a line of a tab alone shows nothing to read
        EXPECT_EQ(trovate, attese().frasi.at(i)) << i << ": " << testi[i].toStdString();
    }
}

// Texts a pixel or a few from their line's end, in paragraphs and narrow cells, one
// line after another as LibreOffice breaks them.
TEST(Acapo, TextsAPixelFromTheLinesEndBreakWhereLibreOfficeBreaksThem)
{
    const std::vector<SondaAlMargine> sonde = sondeAlMargine();
    auto d = documentoAlMargine(sonde);
    if (salvaPerLoStrumento(*d, QStringLiteral("margini.docx")))
        return;
    ASSERT_EQ(attese().margini.size(), sonde.size()) << "acapo_libreoffice.tsv not read";
    const auto linee = lineeDelleSonde(*d);
    ASSERT_EQ(linee.size(), sonde.size());
    for (std::size_t i = 0; i < sonde.size(); ++i) {
        QString testo;
        for (const Sequenza& s : sonde[i].sequenze)
            testo += s.testo;
        QList<int> trovate;
        for (const Linea& l : linee[i])
            trovate << visibili(testo, l);
        EXPECT_EQ(trovate, attese().margini.at(int(i))) << i << ": " << testo.toStdString();
    }
}
