// Every document the program makes, against the pages LibreOffice shows for its saved
// DOCX (tests/report/pagine_libreoffice.tsv): the technical report of each kind of
// plant with inputs drawn at random as a user would type them, every window's report
// and the print of all help texts. Each is counted, and drawn into a PDF of just as
// many pages; a technical report states the pages it has.
#include "relazione/casaDiProva.h"
#include "support/pagineLibreOffice.h"
#include "support/testiCasuali.h"

#include "climate/tabella.h"
#include "help/sommario.h"

#include <QDir>
#include <QRegularExpression>
#include <random>

using namespace ModKorvel;

namespace {

using PagineStampate = CasaDiProva;

class Caso {
public:
    explicit Caso(unsigned seme) : generatore_(seme) {}
    int intero(int da, int a) { return std::uniform_int_distribution<int>(da, a)(generatore_); }
    QString numero(double da, double a, int decimali)
    {
        return QString::number(std::uniform_real_distribution<double>(da, a)(generatore_), 'f', decimali);
    }
    void barra(BarraScorrimento* b) { b->setValue(intero(std::min(b->Min(), b->Max()), std::max(b->Min(), b->Max()))); }

private:
    std::mt19937 generatore_;
};

// Up to five external and three internal elements of random types and areas, sent to
// the window that asked.
void elementiACaso(Caso& caso, int chiamante)
{
    trasmitt& w = finestra<trasmitt>();
    const int esterni = caso.intero(1, 5), interni = caso.intero(0, 3);
    for (int r = 1; r <= esterni; ++r) {
        w.scegliTipo(1, r, caso.intero(0, w.Combo1[std::size_t(r)]->count() - 1));
        w.ar[std::size_t(r)]->setText(caso.numero(2, 400, 1));
    }
    for (int r = 1; r <= interni; ++r) {
        w.scegliTipo(2, r, caso.intero(0, w.Combo2[std::size_t(r)]->count() - 1));
        w.ar2[std::size_t(r)]->setText(caso.numero(2, 80, 1));
    }
    ModKorvel::chiamanteTrasm = chiamante;
    w.Command1_Click();
}

// A plant of kind `tipo` (1 feasibility, 2 detailed) with inputs drawn at random, as a
// user types them, calculated; false when its check refused the inputs.
bool piantaACaso(Caso& caso, int tipo, int uso, doppi::Messaggi& messaggi)
{
    if (tipo == 1) {
        fattib& w = finestra<fattib>();
        w.loc->setListIndex(caso.intero(0, 63));
        w.Option1[std::size_t(uso)]->setValue(true);
        if (uso == 2) {
            caso.barra(w.VScroll1);
            caso.barra(w.VScroll2);
        } else {
            elementiACaso(caso, 1);
            // The figure sent, or one typed over it (the elements are then left out).
            if (caso.intero(0, 1))
                w.trasm->setText(caso.numero(50, 2000, 2));
        }
        w.ann->setText(QString::number(caso.intero(5, 40)));
        w.cost->setText(QString::number(caso.intero(150, 600)));
        w.elettr->setText(QString::number(caso.intero(1, 80)));
        w.Option3[std::size_t(caso.intero(1, 3))]->setValue(true);
        w.costalt->setText(caso.numero(0.3, 2, 2));
        caso.barra(w.VScroll4);
        caso.barra(w.VScroll5);
        w.cmdavanti_Click();
    } else {
        dettagliato& w = finestra<dettagliato>();
        w.loc->setListIndex(caso.intero(0, 63));
        caso.barra(w.VScroll1);
        caso.barra(w.VScroll2);
        w.Option1[std::size_t(uso)]->setValue(true);
        if (uso != 1) {
            caso.barra(w.VScroll3);
            caso.barra(w.VScroll4);
            caso.barra(w.VScroll5);
        }
        if (uso != 2) {
            elementiACaso(caso, 2);
            if (caso.intero(0, 1))
                w.trasm->setText(caso.numero(50, 2000, 2));
        }
        w.Option2[std::size_t(caso.intero(1, 4))]->setValue(true);
        w.Option3[std::size_t(caso.intero(1, 2))]->setValue(true);
        w.are->setText(QString::number(caso.intero(2, 60)));
        w.ann->setText(QString::number(caso.intero(5, 40)));
        w.cost->setText(QString::number(caso.intero(1000, 30000)));
        w.Option4[std::size_t(caso.intero(1, 3))]->setValue(true);
        w.costalt->setText(caso.numero(20, 150, 0));
        caso.barra(w.HScroll1);
        caso.barra(w.HScroll2);
        caso.barra(w.HScroll3);
        w.cmdavanti_Click();
    }
    return messaggi.mostrati.isEmpty();
}

// The count a technical report states in its closing.
int pagineDichiarate()
{
    static const QRegularExpression frase(QStringLiteral("composta di n\\. (\\d+) pagine"));
    for (const auto& b : wordDoc->blocchi())
        if (const auto* c = std::get_if<documento::Capoverso>(&b))
            if (const auto trovata = frase.match(c->testo()); trovata.hasMatch())
                return trovata.captured(1).toInt();
    return -1;
}

// The technical report of plant `seme`: the kinds of plant in turn, the use drawn.
void relazioneACaso(unsigned seme, const QString& nome, doppi::Messaggi& messaggi, bool contata = true)
{
    Caso caso(seme);
    const int variante = int(seme % 5);
    const int tipo = variante < 2 ? 1 : 2;
    const int uso = tipo == 1 ? variante + 1 : variante - 1;
    if (!piantaACaso(caso, tipo, uso, messaggi))
        return; // inputs the check refuses make no report
    finestra<frontespizio>().stampa_Click();
    ASSERT_TRUE(reportRiuscito() && wordDoc) << nome.toStdString() << ": " << messaggi.testi().join(QLatin1Char('|')).toStdString();
    corpusPagine::verifica(nome, *wordDoc, contata);
    EXPECT_EQ(pagineDichiarate(), *wordDoc->contaPagine()) << nome.toStdString();
}

// The cover page's fields, and the studio's name and address, filled with texts drawn
// from `seme`: long, in capitals most of them, as a studio types a condominium's name.
void copertinaACaso(unsigned seme)
{
    testiCasuali::Generatore caso(seme);
    const auto testo = [&] { return caso.testo(caso.intero(1, 24), caso.moneta(70)); };
    ModKorvel::nomeStudio = testo();
    ModKorvel::indirizzoStudio = testo();
    frontespizio& c = finestra<frontespizio>();
    for (CasellaTesto* campo : {c.progetto, c.committente, c.luogo, c.data, c.allegati})
        campo->setText(testo());
}

} // namespace

TEST_F(PagineStampate, EveryCoverFieldHoldingALongTextInCapitals)
{
    const QString lungo = QStringLiteral("CONDOMINIO «LE TAVERNE» VIA VALTELLINA 12/14 AVV. TORTORA AMMINISTRATORE "
                                         "P.ZZA SAN BABILA 3 - 20122 MILANO TEL. 02/12345678");
    const QString incolonnato = QStringLiteral("CONDOMINIO\t«LE TAVERNE»\tVIA VALTELLINA 12/14\t\tAVV. TORTORA AMMINISTRATORE\tP.ZZA SAN BABILA 3");
    const std::pair<const char*, std::function<void()>> campi[] = {
        {"progetto", [&] { finestra<frontespizio>().progetto->setText(lungo); }},
        {"committente", [&] { finestra<frontespizio>().committente->setText(lungo); }},
        {"luogo", [&] { finestra<frontespizio>().luogo->setText(lungo); }},
        {"data", [&] { finestra<frontespizio>().data->setText(lungo); }},
        {"allegati", [&] { finestra<frontespizio>().allegati->setText(lungo); }},
        {"studio", [&] { ModKorvel::nomeStudio = lungo; }},
        {"indirizzo", [&] { ModKorvel::indirizzoStudio = lungo; }},
        {"committente-tabulazioni", [&] { finestra<frontespizio>().committente->setText(incolonnato); }},
        {"studio-tabulazioni", [&] { ModKorvel::nomeStudio = incolonnato + QLatin1Char(' ') + lungo; }},
    };
    for (const auto& [campo, riempi] : campi) {
        daCapo();
        riempi();
        relazioneACaso(3, QStringLiteral("copertina-") + QString::fromLatin1(campo), messaggi);
    }
}

TEST_F(PagineStampate, EveryDocumentHasThePagesLibreOfficeShowsAndThePdfDrawsThem)
{
    for (unsigned seme = 1; seme <= 10; ++seme) {
        daCapo();
        relazioneACaso(seme, QStringLiteral("relazione-%1").arg(seme), messaggi);
    }

    // Heating in Milano with 1005.21 W/K sent from the transmittance window, gas oil:
    // an 8-column table of plants at 10 points over two pages and more.
    daCapo();
    trasmitt& t = finestra<trasmitt>();
    t.scegliTipo(1, 1, 0);
    t.ar[1]->setText(QStringLiteral("1005.21"));
    t.tra[1]->setText(QStringLiteral("1"));
    t.traes->setText(QString());
    t.train->setText(QString());
    t.equiv->setText(QStringLiteral("0"));
    fattib& w = f();
    w.loc->setListIndex(16);
    w.Option1[1]->setValue(true);
    ModKorvel::chiamanteTrasm = 1;
    t.Command1_Click();
    ASSERT_EQ(w.trasm->Text(), QStringLiteral("1005.21"));
    w.ann->setText(QStringLiteral("20"));
    w.cost->setText(QStringLiteral("300"));
    w.elettr->setText(QStringLiteral("50"));
    w.Option3[1]->setValue(true);
    w.costalt->setText(QStringLiteral("1.2"));
    w.VScroll4->setValue(1100);
    w.VScroll5->setValue(1100);
    w.cmdavanti_Click();
    finestra<frontespizio>().stampa_Click();
    ASSERT_TRUE(reportRiuscito() && wordDoc);
    corpusPagine::verifica(QStringLiteral("relazione-milano-1005"), *wordDoc);
    EXPECT_EQ(pagineDichiarate(), *wordDoc->contaPagine());

    daCapo();
    compilaFattib(false);
    elementiInviati(1);
    f().cmdavanti_Click();
    const std::pair<const char*, std::function<void()>> finestre[] = {
        {"finestra-fattib", [] { f().stampa_Click(); }},
        {"finestra-risultati", [] { rf().stampa_Click(); }},
        {"finestra-trasmitt", [] { finestra<trasmitt>().stampa_Click(); }},
        {"finestra-tabella", [] { finestra<tabella>().stampa_Click(); }},
        {"finestra-tabella-tutte", [] { finestra<tabella>().stampatutte_click(); }},
        {"finestra-frontespizio", [] { finestra<frontespizio>().solodati_Click(); }},
        {"guida-completa", [] { finestra<sommario>().cmdstampa_Click(); }},
    };
    for (const auto& [nome, stampa] : finestre) {
        stampa();
        ASSERT_TRUE(reportRiuscito()) << nome;
        corpusPagine::verifica(QString::fromLatin1(nome), *wordDoc);
    }
    daCapo();
    compilaDettagliato(3);
    elementiInviati(2);
    d().cmdavanti_Click();
    d().stampa_Click();
    corpusPagine::verifica(QStringLiteral("finestra-dettagliato"), *wordDoc);
    rd().stampa_Click();
    corpusPagine::verifica(QStringLiteral("finestra-risdettagliato"), *wordDoc);
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

// Technical reports of random plants, as many as KORVEL_RELAZIONI_CASUALI asks, for
// tools/pagine_libreoffice.py to compare with LibreOffice.
TEST_F(PagineStampate, RandomTechnicalReportsStateThePagesTheyHave)
{
    const int quante = qEnvironmentVariableIntValue("KORVEL_RELAZIONI_CASUALI");
    if (quante <= 0)
        GTEST_SKIP() << "KORVEL_RELAZIONI_CASUALI not set";
    for (int i = 0; i < quante; ++i) {
        daCapo();
        if (i % 2)
            copertinaACaso(unsigned(1000 + i));
        relazioneACaso(unsigned(1000 + i), QStringLiteral("casuale-%1").arg(1000 + i), messaggi, false);
    }
}
