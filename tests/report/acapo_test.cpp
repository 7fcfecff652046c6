// Where lines end, against where LibreOffice 7.4 ends them in the saved DOCX
// (tests/report/acapo_libreoffice.tsv, written by tools/acapo_libreoffice.py): every
// pair of characters of Italian text between letters and figures, and paragraphs of
// varied text in the report's faces and sizes. With KORVEL_ACAPO_DOCX set to a folder
// the probe documents are saved there for the tool instead.
#include "report/documento.h"
#include "support/testiCasuali.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <map>

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
            else if (campi.size() == 3 && campi[0] == QLatin1String("frase")) {
                QList<int> conte;
                for (const QString& n : campi[2].split(QLatin1Char(',')))
                    conte << n.toInt();
                a.frasi[campi[1].toInt()] = conte;
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

// The lines of each probe paragraph, in order.
std::vector<std::vector<Linea>> lineeDelleSonde(Documento& d)
{
    std::map<int, std::vector<Linea>> perBlocco;
    for (const Pagina& p : d.pagine())
        for (const Linea& l : p.linee)
            perBlocco[l.blocco].push_back(l);
    std::vector<std::vector<Linea>> sonde;
    for (auto& [blocco, linee] : perBlocco)
        if (blocco % 2 == 1 && blocco + 1 < int(d.blocchi().size()))
            sonde.push_back(std::move(linee));
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
    return testi;
}

void carattereDellaFrase(Documento& d, int i)
{
    d.impostaNomeCarattere(i % 2 ? QStringLiteral("Century Gothic") : QStringLiteral("Times New Roman"));
    d.impostaDimensione(QList<double>{8, 10, 11, 12, 14}[i % 5]);
    d.impostaGrassetto(i % 7 == 3 ? 1 : 0);
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
