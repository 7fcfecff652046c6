// The page count of the report shapes, checked against the pages LibreOffice shows
// for the same saved file: LibreOffice 7.4.7 on Debian 12 with fonts-dejavu-core and
// fonts-liberation2 (Century Gothic drawn as DejaVu Sans, Times New Roman as
// Liberation Serif), `soffice --headless --convert-to pdf`, then `pdfinfo`. With
// KORVEL_PAGINE_DOCX set to a folder each shape is also saved there as DOCX, to check
// the figures again the same way.
#include "base/ModKorvel.h"
#include "base/numeri.h"
#include "report/canaleWord.h"
#include "report/relazione.h"
#include "support/ambiente.h"
#include "support/doppi.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>

using namespace ModKorvel;

namespace {

const QString CR(1, QChar(13));

struct Forma {
    const char* nome;
    int pagineLibreOffice;
    std::function<void()> scrivi;
};

// A data table of `righe` rows as the results reports write them.
void tabellaNumeri(int righe, int colonne, double dimensione)
{
    std::vector<relazione::Colonna> intestazioni;
    for (int c = 1; c <= colonne; ++c)
        intestazioni.push_back({QStringLiteral("colonna %1").arg(c), u"##0.00"});
    relazione::tabellaDati(intestazioni, righe, dimensione,
                           [](int r, int c) -> Valore { return r * 1.37 + c; });
}

const relazione::Riga coppie[] = {
    {QStringLiteral("tipologia"), QStringLiteral("dati")},
    {QStringLiteral("località di riferimento"), QStringLiteral("Milano")},
    {QStringLiteral("uso dell'impianto"), QStringLiteral("produzione di acqua calda sanitaria")},
    {QStringLiteral("durata dell'impianto"), QStringLiteral("20 anni")},
    {QStringLiteral("costo del combustibile alternativo"), QStringLiteral("0.8 euro al mc.")},
};

const std::vector<Forma>& forme()
{
    static const std::vector<Forma> tutte = {
        {"dati-finestra", 1,
         [] {
             scriviIntestazione(18, 12, 12, 2, QStringLiteral("DATI PER IL CALCOLO DI FATTIBILITA'"), 1);
             relazione::tabellaDueColonne(coppie, 10);
         }},
        {"risultati-1000-impianti", 15,
         [] {
             scriviIntestazione(20, 16, 12, 2, QStringLiteral("RISULTATI DEL CALCOLO DI FATTIBILITA'"), 2);
             relazione::tabellaDueColonne(coppie, 10);
             aggiungiParagrafo(10);
             relazione::legenda(coppie, 8);
             tabellaNumeri(1000, 8, 8);
         }},
        {"tutte-le-localita", 23,
         [] {
             scriviIntestazione(20, 16, 12, 2, QStringLiteral("Tabella dei dati climatici"), 2);
             for (int i = 1; i <= 64; ++i) {
                 aggiungiParagrafo(12);
                 testoParagrafo(CR + QStringLiteral("Località di riferimento n.%1 : Città  -  Latitudine 45,47").arg(i));
                 tabellaNumeri(13, 4, 12);
             }
         }},
        {"relazione-tecnica", 5,
         [] {
             impostaCarattere(QStringLiteral("Century Gothic"));
             impostaDimensione(20);
             scriviTesto(QStringLiteral("CALCOLO DI PANNELLI SOLARI") + CR);
             aggiungiParagrafo(18);
             testoParagrafo(QChar(12) + QStringLiteral("RELAZIONE DI CALCOLO") + CR + CR);
             dimensioneParagrafo(12);
             for (int i = 0; i < 12; ++i)
                 testoParagrafo(QStringLiteral("Il collettore riceve il massimo dell'energia quando i raggi del sole "
                                               "sono perpendicolari alla sua superficie; il paragrafo %1 prosegue su più "
                                               "righe per misurare l'andare a capo del testo giustificato.")
                                    .arg(i)
                                + CR);
             tabellaNumeri(40, 4, 10);
             testoParagrafo(QChar(12) + QStringLiteral("DATI DI CALCOLO") + CR);
             relazione::tabellaDueColonne(coppie, 12);
             relazione::tabellaDueColonne(coppie, 12);
             testoParagrafo(CR + QStringLiteral("Legenda:") + CR);
             tabellaNumeri(60, 16, 8);
             giustificaTesto();
         }},
    };
    return tutte;
}

} // namespace

TEST(Paginazione, EachReportShapeCountsThePagesTheSavedFileShows)
{
    ambiente::ripristinaStato();
    inizializzaDati();
    doppi::Messaggi messaggi;
    const QString cartella = qEnvironmentVariable("KORVEL_PAGINE_DOCX");
    for (const Forma& forma : forme()) {
        SCOPED_TRACE(forma.nome);
        ASSERT_TRUE(avviaWord());
        forma.scrivi();
        EXPECT_EQ(contaPagine(), forma.pagineLibreOffice);
        if (!cartella.isEmpty()) {
            const QString nome = QDir(cartella).filePath(QString::fromLatin1(forma.nome) + QStringLiteral(".docx"));
            EXPECT_TRUE(salvaDocumento(nome));
        }
    }
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}
