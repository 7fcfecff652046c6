#include "shell/profiliFinestre.h"

#include "shell/corniceFinestra.h"

#include <array>

namespace profiliFinestre {

namespace {

QString filtro(const QString& prefisso)
{
    return QStringLiteral("Tutti i file (*.*)|*.*|File ") + prefisso + QStringLiteral(" | ") + prefisso
        + QStringLiteral("*");
}

// The quick help of the two calculation windows: only the first line differs.
QStringList aiutoCalcolo(const QString& prefisso)
{
    return {
        QStringLiteral("- Aprire un file archiviato per prelevare i dati (") + prefisso + QStringLiteral("...);"),
        QStringLiteral("- o inserire i dati seguendo le indicazioni nella casella gialla in basso;"),
        QStringLiteral("- cliccare nelle caselle di opzione ove esistenti;"),
        QStringLiteral("- scegliere i valori con le barre di scorrimento verticali, ove esistenti;"),
        QStringLiteral("- altrimenti digitare direttamente i dati nelle caselle bianche;"),
        QStringLiteral("- effettuare il controllo dei dati immessi cliccando sul tasto ABC;"),
        QStringLiteral("- visualizzare i risultati cliccando sul tasto Risultati."),
    };
}

std::array<ProfiloFinestra, 9> costruisciTabella()
{
    std::array<ProfiloFinestra, 9> t{};
    for (int k = 0; k <= 8; ++k)
        t[std::size_t(k)].numero = k;

    ProfiloFinestra& menu = t[1];
    menu.titolo = QStringLiteral("Menu");
    menu.caption = QStringLiteral("Korvel: menu delle tipologie di elaborazione");
    menu.separatoreInVisualizza = true;

    ProfiloFinestra& tabella = t[2];
    tabella.titolo = QStringLiteral("Dati climatici");
    tabella.caption = QStringLiteral("Korvel: tabella dei dati climatici");
    tabella.eliminaCon = 4;
    tabella.righeAiuto = {
        QStringLiteral("- Visualizzare le località successive con la barra di scorrimento verticale;"),
        QStringLiteral("- evidenziare i dati spostando il mouse sul numero del mese;"),
        QStringLiteral("- stampare la tabella o passare alla finestra di calcolo."),
    };
    tabella.ordineGrigio = {2, 4, 3, 5, 6, 7, 8};
    tabella.vociDisabilitate = {QStringLiteral("apri"), QStringLiteral("salva"), QStringLiteral("salvanome"),
                                QStringLiteral("controlla"), QStringLiteral("cancella")};
    tabella.pulsantiDisabilitati = {1, 2, 3, 19, 20};
    tabella.diSolaLettura = true;
    tabella.pulsanteMenu = true;
    tabella.sottomenuStampa = {
        {QStringLiteral("stampa"), QStringLiteral("dati della località &visualizzata"), &FinestraLavoro::stampa_Click},
        {QStringLiteral("stampatutte"), QStringLiteral("dati di tutte le località &preimpostate"),
         &FinestraLavoro::stampatutte_click},
    };

    ProfiloFinestra& trasmitt = t[3];
    trasmitt.titolo = QStringLiteral("Trasmittanza");
    trasmitt.caption = QStringLiteral("Korvel: calcolo della trasmittanza complessiva dell'edificio");
    trasmitt.prefissoFile = QStringLiteral("Korvel-trasm-");
    trasmitt.righeAiuto = {
        QStringLiteral("- Aprire un file archiviato per prelevare i dati;"),
        QStringLiteral("- o digitarli seguendo le indicazioni della casella gialla posta in basso;"),
        QStringLiteral("- visualizzare gli elementi successivi con la barra di scorrimento verticale;"),
        QStringLiteral("- effettuare i controlli dei dati cliccando sul tasto ABC."),
    };
    trasmitt.ordineGrigio = {2, 3, 4, 5, 6, 7, 8};
    trasmitt.pulsanteMenu = true;
    trasmitt.separatoreInVisualizza = true;

    ProfiloFinestra& fattib = t[4];
    fattib.titolo = QStringLiteral("Calcolo di fattibilità");
    fattib.caption = QStringLiteral("Korvel: calcolo di fattibilità di un impianto a pannelli solari");
    fattib.prefissoFile = QStringLiteral("Korvel-fattib-");
    fattib.righeAiuto = aiutoCalcolo(fattib.prefissoFile);
    fattib.ordineGrigio = {4, 5, 2, 3, 6, 7, 8};
    fattib.suggerimentoGuida = QStringLiteral("cliccare per visualizzare gli Argomenti della guida");

    ProfiloFinestra& risultati = t[5];
    risultati.titolo = QStringLiteral("Risultati");
    risultati.caption = QStringLiteral("Korvel: risultati del calcolo di fattibilità di un impianto a pannelli solari");
    risultati.eliminaCon = 4;
    risultati.righeAiuto = {
        QStringLiteral("- La finestra è principalmente di sola lettura;"),
        QStringLiteral("- visualizzare le superfici successive dei pannelli con le relative barre di scorrimento "
                       "verticali;"),
        QStringLiteral("- evidenziare i risultati spostando il mouse sul numero della superficie corrispondente;"),
        QStringLiteral("- modificare con l'apposita barra di scorrimento verticale il consumo d'acqua;"),
        QStringLiteral("- modificare con l'apposita barra di scorrimento verticale la temperatura dell'acqua;"),
        QStringLiteral("- modificare gli altri dati cliccando sul tasto Dati;"),
        QStringLiteral("- procedere con la stampa cliccando sull'icona della stampante nella barra degli strumenti."),
    };
    risultati.ordineGrigio = {5, 4, 2, 3, 6, 7, 8};
    risultati.vociDisabilitate = {QStringLiteral("cancella")};
    risultati.pulsantiDisabilitati = {20};
    risultati.diSolaLettura = true;
    risultati.nomeColore = QStringLiteral("colora");
    risultati.testiVisualizza = {{4, QStringLiteral("finestra Calcolo di fattibilità")}};
    risultati.separatoreInVisualizza = true;

    ProfiloFinestra& dettagliato = t[6];
    dettagliato.titolo = QStringLiteral("Calcolo dettagliato");
    dettagliato.caption = QStringLiteral("Korvel: calcolo dettagliato di un impianto a pannelli solari");
    dettagliato.prefissoFile = QStringLiteral("Korvel-dett-");
    dettagliato.righeAiuto = aiutoCalcolo(dettagliato.prefissoFile);
    // No grey for all: the colour dialog at once.
    dettagliato.testiVisualizza = {{6, QStringLiteral("Finestra  Calcolo dettagliato")}};
    dettagliato.suggerimentoGuida = fattib.suggerimentoGuida;

    ProfiloFinestra& risdettagliato = t[7];
    risdettagliato.titolo = QStringLiteral("Risultati dettagliati");
    risdettagliato.caption
        = QStringLiteral("Korvel: risultati del calcolo dettagliato di un impianto a pannelli solari");
    risdettagliato.eliminaCon = 6;
    risdettagliato.righeAiuto = {
        QStringLiteral("- La finestra è principalmente di sola lettura;"),
        QStringLiteral("- evidenziare le righe di dati passando con il puntatore del mouse sul numero d'ordine;"),
        QStringLiteral("- visualizzare gli anni successivi con la barra di scorrimento verticale;"),
        QStringLiteral("- modificare i dati cliccando sul tasto Dati;"),
        QStringLiteral("- procedere con la stampa cliccando sull'icona della stampante nella barra degli strumenti."),
    };
    risdettagliato.ordineGrigio = {6, 7, 5, 4, 2, 3, 8};
    risdettagliato.vociDisabilitate = {QStringLiteral("cancella")};
    risdettagliato.pulsantiDisabilitati = {20};
    risdettagliato.diSolaLettura = true;
    risdettagliato.nomeColore = risultati.nomeColore;
    risdettagliato.testiVisualizza = risultati.testiVisualizza;
    risdettagliato.separatoreInVisualizza = true;

    ProfiloFinestra& frontespizio = t[8];
    frontespizio.titolo = QStringLiteral("Frontespizio");
    frontespizio.caption = QStringLiteral("Korvel: frontespizio per la relazione");
    frontespizio.prefissoFile = QStringLiteral("Korvel-front-");
    frontespizio.righeAiuto = {
        QStringLiteral("- Digitare o correggere i dati spostandosi con il tasto TAB, o con il mouse, nei campi;"),
        QStringLiteral("- la data viene impostata in automatico, ma è modificabile;"),
        QStringLiteral("- aprire un file archiviato per prelevare, eventualmente, i dati registrati "
                       "(Korvel-front-...);"),
        QStringLiteral("- non digitare dati più lunghi di 60 spazi;"),
        QStringLiteral("- effettuare il controllo dei dati immessi cliccando sul tasto ABC."),
    };
    frontespizio.ordineGrigio = {2, 4, 3, 5, 6, 7, 8};
    frontespizio.nomeEsci = QStringLiteral("esci");
    frontespizio.nomeModifica = QStringLiteral("modi");
    frontespizio.nomeControllo = QStringLiteral("controllodat");
    frontespizio.nomeAiuto = QStringLiteral("help");
    frontespizio.nomeSuggerimenti = QStringLiteral("sugger");
    frontespizio.sottomenuStampa = {
        {QStringLiteral("solodati"), QStringLiteral("&solo dati finestra"), &FinestraLavoro::solodati_Click},
        {QStringLiteral("stampatutto"), QStringLiteral("&intera elaborazione"), &FinestraLavoro::stampatutto_Click},
    };
    frontespizio.suggerimentoStampa = QStringLiteral("stampa intera relazione");
    frontespizio.nomeUscita = QStringLiteral("cmdesci");
    frontespizio.testoUscita = QStringLiteral("US&CITA");
    frontespizio.pulsantiIllustrati = true;

    for (ProfiloFinestra& p : t)
        if (!p.prefissoFile.isEmpty())
            p.filtroElimina = filtro(p.prefissoFile);
    return t;
}

std::array<ProfiloFinestra, 9>& tabella()
{
    static std::array<ProfiloFinestra, 9> t = costruisciTabella();
    return t;
}

Destinazioni destinazioniProgramma;

} // namespace

const ProfiloFinestra& profilo(int k) { return profiloDaCollegare(k); }

ProfiloFinestra& profiloDaCollegare(int k)
{
    return tabella()[(k >= primaFinestra && k <= ultimaFinestra) ? std::size_t(k) : 0];
}

const Destinazioni& destinazioni() { return destinazioniProgramma; }
Destinazioni& destinazioniDaCollegare() { return destinazioniProgramma; }

} // namespace profiliFinestre

FinestraLavoro& finestraLavoro(int k)
{
    const ProfiloFinestra& p = profiliFinestre::profilo((k >= 2 && k <= 8) ? k : 8);
    return p.finestra();
}

void mostraFinestraNumero(int k)
{
    const ProfiloFinestra& p = profiliFinestre::profilo(k);
    if (p.mostra)
        p.mostra();
}
