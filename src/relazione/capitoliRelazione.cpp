#include "relazione/capitoliRelazione.h"

#include "climate/tabella.h"
#include "detailed/dettagliato.h"
#include "detailed/risdettagliato.h"
#include "detailed/tabelleDettagliato.h"
#include "feasibility/fattib.h"
#include "feasibility/risultati.h"
#include "platform/controlli.h"
#include "relazione/testiRelazione.h"
#include "report/canaleWord.h"
#include "report/relazione.h"
#include "transmittance/tabelleTrasmittanza.h"
#include "transmittance/trasmitt.h"

namespace relazioneTecnica {

namespace {

using namespace ModKorvel;

const QString fine(1, QChar(13));

// A chapter opens a new page with its heading at 18 points, then goes on at 12.
void intestazione(const QString& titolo, int fini)
{
    dimensioneParagrafo(18);
    testoParagrafo(QChar(12) + titolo + fine.repeated(fini));
    dimensioneParagrafo(12);
}

// One paragraph per text; the last one followed by `finiUltimo` paragraph ends.
void paragrafi(const QStringList& testi, int finiUltimo = 1)
{
    for (qsizetype i = 0; i < testi.size(); ++i)
        testoParagrafo(testi[i] + fine.repeated(i + 1 < testi.size() ? 1 : finiUltimo));
}

} // namespace

void relazioneDiCalcolo(const Elaborazione& elaborazione)
{
    intestazione(QStringLiteral("RELAZIONE DI CALCOLO"), 2);
    paragrafi(testiRelazione::relazioneDiCalcolo(elaborazione.tipo));
}

void funzionamento()
{
    intestazione(QStringLiteral("FUNZIONAMENTO DEL PANNELLO SOLARE"), 2);
    paragrafi(testiRelazione::funzionamento());
}

void datiDiCalcolo(const Elaborazione& elaborazione, Tabelle& tabelle)
{
    intestazione(QStringLiteral("DATI DI CALCOLO"), 2);
    paragrafi(testiRelazione::datiDiCalcolo(elaborazione.tipo), 2);
    // Only the rows of the plant's use, the values under "valore", at the size in force.
    if (elaborazione.tipo == 1) {
        fattib::FormaTabellaDati forma;
        forma.intestazione = QStringLiteral("valore");
        forma.dimensione.reset();
        forma.righeDiOgniUso = false;
        forma.primaDellUnita = QStringLiteral("  ");
        forma.costoPerUnitaCompleta = true;
        tabelle.ingressi = finestra<fattib>().tabellaDati(forma);
    } else {
        dettagliato::FormaTabellaDati forma;
        forma.intestazione = QStringLiteral("valore");
        forma.dimensione.reset();
        forma.righeDiOgniUso = false;
        forma.entrambiGliUsi.clear();
        tabelle.ingressi = finestra<dettagliato>().tabellaDati(forma);
    }
}

void datiClimatici(Tabelle& tabelle)
{
    tabella::FormaTabellaClima forma;
    forma.paragrafoProprio = false;
    forma.unitaSottoIntestazioni = false;
    forma.numeroConSegno = false;
    forma.schemaTemperatura = u"###0.00";
    tabelle.clima = finestra<tabella>().scriviTabellaLocalita(forma);
}

void trasmittanza(Tabelle& tabelle)
{
    intestazione(QStringLiteral("TRASMITTANZA COMPLESSIVA DELL'EDIFICIO"), 2);
    paragrafi(testiRelazione::trasmittanza(), 2);
    tabelle.esterni = tabelleTrasm::tabellaElementi(1, tabelleTrasm::colonneRelazione(1), std::nullopt);
    testoParagrafo(fine);
    tabelle.interni = tabelleTrasm::tabellaElementi(2, tabelleTrasm::colonneRelazione(2), std::nullopt);
    testoParagrafo(fine);
    // The window's overall figures as its boxes show them.
    const auto complessive = finestra<trasmitt>().righeComplessive();
    const relazione::Riga righe[] = {
        {QStringLiteral("tipologia"), QStringLiteral("valore")},
        complessive[0],
        complessive[1],
        complessive[2],
    };
    tabelle.trasmittanza = relazione::tabellaDueColonne(righe, std::nullopt);
    if (tabelle.trasmittanza != 0)
        allineaColonne(tabelle.trasmittanza, 2);
}

void risultatiFattibilita(Tabelle& tabelle)
{
    intestazione(QStringLiteral("RISULTATI DEL CALCOLO DI FATTIBILITA'"), 3);
    risultati::tabellaSintesi(std::nullopt);
    // "Legenda:" at the chapter's size, the legend and the plants smaller.
    testoParagrafo(fine + QStringLiteral("Legenda:") + fine);
    dimensioneParagrafo(10);
    relazione::tabellaDueColonne(risultati::righeLegenda(), std::nullopt);
    testoParagrafo(fine);
    tabelle.impianti = risultati::tabellaImpianti(std::nullopt);
}

void risultatiDettagliati(Tabelle& tabelle)
{
    intestazione(QStringLiteral("RISULTATI DEL CALCOLO DETTAGLIATO"), 3);
    paragrafi(testiRelazione::noteRisultatiDettagliati(), 2);
    tabelleDett::sintesi(std::nullopt);
    tabelleDett::legendaMesi(std::nullopt);
    dimensioneParagrafo(8);
    tabelle.mesi = tabelleDett::mesi(std::nullopt);
    dimensioneParagrafo(12);
    // The meanings of the year columns are the results window's tooltips of its headings.
    tabelleDett::legendaAnni(finestra<risdettagliato>().testiAnni(), std::nullopt);
    tabelle.anni = tabelleDett::anni(std::nullopt);
    testoParagrafo(tabelleDett::rigaRecupero());
}

} // namespace relazioneTecnica
