// The fixed texts of the technical report, paragraph by paragraph, without their
// paragraph ends.
#include "relazione/testiRelazione.h"

namespace testiRelazione {

namespace {

// The method of each elaboration.
QString introduzioneFattibilita()
{
    return QStringLiteral("L'elaborazione effettuata riguarda la fattibilità di un impianto a pannelli solari. Il "
                          "metodo utilizzato viene chiamato  delle  'aree relative'. Con esso non vengono eseguiti "
                          "calcoli  dettagliati  che tengano conto di numerosi altri dati di ingresso,  talora "
                          "anche di difficile indicazione, per avere una rapida  osservazione  di  una vasta "
                          "panoramica dei risultati, tra cui scegliere  l'impianto  più adatto.");
}

QString introduzioneDettagliata()
{
    return QStringLiteral("L'elaborazione effettuata riguarda il calcolo  dettagliato  di  un impianto a pannelli "
                          "solari.  Il metodo  utilizzato viene  chiamato della 'carta f' e valuta la frazione del "
                          "fabbisogno che è  fornita dai pannelli con i dati stabiliti. Per una completa "
                          "valutazione di tutto l'investimento viene elaborata anche una analisi  economica, in "
                          "modo tale che i risultati siano considerati non solo nella loro valenza tecnica.");
}

// Common to both elaborations.
QString datiClimatici()
{
    return QStringLiteral("I dati meteorologici della zona di riferimento, rilevati dalle stazioni di osservazione "
                          "nazionali nel corso di numerosi anni, sono memorizzati nel programma: per ciascuna "
                          "delle località preimpostate sono disponibili la latitudine, la radiazione solare "
                          "globale media giornaliera su superficie orizzontale e la temperatura media dell'aria di "
                          "ogni mese dell'anno. A questi valori si aggiungono pochi altri dati di ingresso, che "
                          "descrivono l'uso dell'impianto e le sue condizioni economiche. Altre grandezze, infine, "
                          "sono inserite direttamente nelle formule come valori consueti, ricavati dalla pratica e "
                          "dalla letteratura tecnica, dai quali il risultato del calcolo dipende in misura modesta.");
}

QString significatoDeiDati()
{
    return QStringLiteral("Pei i dati d'ingresso, inseriti manualmente o in automatico, così come per i risultati "
                          "ottenuti, si deve tenere presente che essi si riferiscono ad una situazione media, "
                          "considerata valida per tutto l'arco dell'anno. Nella realtà, invece, sia l'uso "
                          "dell'impianto sia le condizioni climatiche variano sensibilmente: il consumo di acqua "
                          "calda e il fabbisogno di riscaldamento non sono gli stessi d'inverno e d'estate, e "
                          "l'andamento di un singolo anno può discostarsi, anche di molto, dalle statistiche degli "
                          "anni passati su cui si basano i dati climatici. Ne consegue che un impianto solare, "
                          "dimensionato sui valori medi, potrà risultare in alcuni periodi sovradimensionato "
                          "rispetto alle necessità, mentre in altri, come nelle giornate nuvolose o nei mesi più "
                          "freddi, si dimostrerà poco efficiente e non in grado di coprire da solo l'intero "
                          "fabbisogno.");
}

QString fonteTradizionale()
{
    return QStringLiteral("Questo significa che l'impianto solare dovrà essere affiancato, in ogni caso, da un "
                          "sistema con una fonte tradizionale di energia in modo da soddisfare sempre il "
                          "fabbisogno di calore occorrente.");
}

// The area: computed in a feasibility elaboration, given in a detailed one.
QString areaOttimale()
{
    return QStringLiteral("Per quanto riguarda l'area ottimale di calcolo essa fa riferimento alle condizioni "
                          "economiche indicate nei dati, ovvero alla durata dell'impianto in anni, ai costi dei "
                          "collettori, dell'elettricità e del combustibile alternativo e ai tassi inseriti. "
                          "Occorre verificare, inoltre, che il sito disponga dello spazio necessario ad accogliere "
                          "i collettori, da inclinare di circa 10° in più della latitudine del luogo e da "
                          "orientare verso sud.");
}

QString areaDiCaptazione()
{
    return QStringLiteral("L'area di captazione dei pannelli viene richiesta come dato poichè in questo modo è "
                          "possibile confrontare tra loro, i diversi tipi di collettore, con uno o due vetri e con "
                          "piastra selettiva o non selettiva, e stabilire il costo dell'impianto su cui si basa "
                          "l'analisi economica. Un'area ricavata dal calcolo, del resto, potrebbe non "
                          "corrispondere alle dimensioni dei pannelli effettivamente reperibili sul mercato, "
                          "prodotti soltanto in alcune misure.");
}

QString orientamento()
{
    return QStringLiteral("Il collettore riceve il massimo dell'energia quando i raggi del sole sono "
                          "perpendicolari alla sua superficie. Poichè l'altezza del sole sull'orizzonte cambia nel "
                          "corso dell'anno, chi può regolare l'inclinazione dei pannelli secondo la stagione potrà "
                          "aumentarla fino a 20° in più della latitudine nei mesi invernali e ridurla fino a 10° "
                          "in meno della latitudine nei mesi estivi. I collettori, inoltre, vanno collocati in "
                          "modo che nessun ostacolo li ponga in ombra nelle ore centrali della giornata, e vanno "
                          "protetti per quanto possibile dal vento, che ne aumenta le dispersioni di calore. Il "
                          "vetro, infine, va pulito con la frequenza che il clima del luogo e la polvere presente "
                          "nell'aria richiedono.");
}

QString manutenzione()
{
    return QStringLiteral("Con questi piccoli accorgimenti l'impianto avrà una vita, anche se nel calcolo "
                          "economico è stata indicata in pochi anni, praticamente illimitata. Molto più lunga di "
                          "altri tipi di impianti tecnici dove maggiori sono i componenti soggetti ad usura.");
}

QString soluzioni()
{
    return QStringLiteral("Qui,invece, con il presente studio di fattibilità, si ha la possibilità di verificare "
                          "numerose e differenti soluzioni che, in armonia con il progetto architettonico "
                          "dell'edificio, daranno un risultato complessivo ben valutato. Si consideri, infine, che "
                          "l'efficacia dell'impianto dipende anche dalla qualità delle parti componenti e dalla "
                          "loro corretta posa in opera.");
}

} // namespace

QStringList relazioneDiCalcolo(int tipoElaborazione)
{
    const bool fattibilita = tipoElaborazione == 1;
    QStringList testi = {
        fattibilita ? introduzioneFattibilita() : introduzioneDettagliata(),
        datiClimatici(),
        significatoDeiDati(),
        fonteTradizionale(),
        fattibilita ? areaOttimale() : areaDiCaptazione(),
        orientamento(),
        manutenzione(),
    };
    if (fattibilita)
        testi << soluzioni();
    return testi;
}

QStringList funzionamento()
{
    return {
        QStringLiteral("Il collettore è un apparecchio dal funzionamento molto semplice. Esso sfrutta il "
                       "cosiddetto 'effetto serra' per cui le radiazioni solari, una volta penetrate "
                       "all'interno del pannello cambiano la loro lunghezza d'onda, per la piastra di "
                       "captazione costruita e dipinta il più possibile simile ad un 'corpo nero', ed il vetro "
                       "sarà ad esse opaco. In effetti i principali componenti il pannello sono i seguenti:"),
        QStringLiteral("a) il vetro o i vetri;"),
        QStringLiteral("b) la piastra d'assorbimento;"),
        QStringLiteral("c) l'isolante;"),
        QStringLiteral("d) la cassa."),
        QStringLiteral("Il vetro ha il compito di proteggere il pannello, di ridurre le perdite di calore verso "
                       "l'esterno e di trattenere l'energia captata. Esso è trasparente alla radiazione solare, la cui lunghezza d'onda è "
                       "compresa tra 0,25 e 4 micron, mentre risulta opaco alla radiazione infrarossa emessa "
                       "dalla piastra riscaldata, di lunghezza d'onda compresa tra 4 e 70 micron: l'energia "
                       "entra attraverso il vetro ma non riesce più ad uscirne. Lo stesso vetro, colpito dalla "
                       "radiazione e dal calore della piastra, si riscalda e raggiunge temperature di 30° ed "
                       "anche di 50°, riducendo così la differenza di temperatura e quindi le perdite verso "
                       "l'aria esterna. Non tutta l'energia incidente, però, attraversa il vetro: circa il 7,5% "
                       "viene riflesso dalla sua superficie, mentre una piccola parte è assorbita."),
        QStringLiteral("Esistono anche pannelli con vetri multipli, generalmente due, raramente tre, separati "
                       "da un'intercapedine d'aria che riduce ulteriormente le perdite di calore verso "
                       "l'esterno. Ogni vetro, però, lascia passare soltanto una parte della radiazione che lo "
                       "colpisce: con un fattore di trasparenza di 0,87 per ciascuna lastra, due vetri lasciano "
                       "passare il 75,7% della radiazione incidente e tre vetri soltanto il 65,8%, essendo la "
                       "trasparenza complessiva pari a 0,87 elevato al numero dei vetri. Il vantaggio delle "
                       "minori dispersioni va quindi confrontato con la perdita di energia captata. In pratica "
                       "il doppio vetro risulta conveniente soltanto quando si richiede una minore quantità di "
                       "acqua ad una temperatura più elevata, o nei climi più freddi, mentre per l'acqua calda "
                       "sanitaria a temperature moderate è di norma sufficiente un solo vetro, che costa meno e "
                       "pesa meno."),
        QStringLiteral("Il collettore solare funziona meglio alle temperature  più  basse, in questo caso il "
                       "suo rendimento si avvicina al 100%, mentre sarà inferiore (anche il solo 60%) se si "
                       "richiede acqua a temperatura elevata."),
        QStringLiteral("La piastra d'assorbimento viene costruita con vari materiali, come il rame, l'alluminio "
                       "o l'acciaio inossidabile, buoni conduttori di calore, ed è dipinta di nero opaco, in "
                       "modo da assorbire la maggior parte della radiazione solare e rifletterne il meno "
                       "possibile. Le piastre selettive hanno un rivestimento che, pur assorbendo bene la "
                       "radiazione, emette poco calore. La piastra è sagomata in modo da contenere o sostenere "
                       "i canali nei quali scorre il fluido termovettore, che trasporta il calore al serbatoio "
                       "di accumulo e da questo, attraverso una serpentina, all'acqua utilizzata."),
        QStringLiteral("L'isolante è indispensabile per evitare che il calore raccolto dalla piastra si "
                       "disperda attraverso il fondo e le pareti laterali del pannello: esso riveste l'interno "
                       "della cassa e deve resistere alle alte temperature che la piastra raggiunge quando il "
                       "fluido non circola. La cassa contiene e protegge tutti i componenti del pannello dagli "
                       "agenti atmosferici; essa non deve formare ponti termici con il vetro, con la piastra e "
                       "con le tubazioni, dai quali la separano apposite guarnizioni che consentono anche le "
                       "dilatazioni termiche dei materiali senza rotture e senza infiltrazioni di acqua o di "
                       "umidità."),
    };
}

QStringList datiDiCalcolo(int tipoElaborazione)
{
    return {
        QStringLiteral("Con riferimento ai dati di calcolo va precisato quanto segue:"),
        QStringLiteral("a) la località di riferimento è quella per la quale esistono in archivio i dati "
                       "climatici indispensabili all'elaborazione. Si è scelta, pertanto, quella che ha la "
                       "latitudine più vicina, se non coincidente con il luogo dell'impianto e quella che per "
                       "altitudine e ambiente risulta più simile."),
        QStringLiteral("b) I dati relativi all'uso dell'impianto sono da considerare come valori medi e "
                       "riferiti, comunque, al periodo d'uso dell'impianto."),
        tipoElaborazione == 1
            ? QStringLiteral("c) La durata dell'impianto è il periodo di ammortamento che si vuole valutare, e tutti "
                             "gli altri valori economici riguardano il controllo dell'area ottimale dei pannelli.")
            : QStringLiteral("c) La durata dell'impianto è il periodo di riferimento che si vuole valutare. Può non "
                             "coincidere con il tempo di recupero che viene elaborato autonomamente."),
    };
}

QStringList trasmittanza()
{
    return {
        QStringLiteral("La trasmittanza è una misura della propagazione del calore tra due ambienti a "
                       "differente temperatura e separati da una parete. Essa è direttamente proporzionale al "
                       "coefficiente di conduzione termica dei materiali di cui la parete è composta, che è "
                       "tanto più basso quanto più il materiale è isolante, ed inversamente proporzionale allo "
                       "spessore della parete: una parete più spessa disperde meno calore. Si esprime in "
                       "kcal/hmq°C, in W/mq°C oppure in kj/hmq°C."),
        QStringLiteral("Si consideri che:"),
        QStringLiteral("kcal = 0,86 W"),
        QStringLiteral("kcal = 4,186 kj"),
        QStringLiteral("kj   = 3600 kwh"),
        QStringLiteral("Se la trasmittanza unitaria riguarda il singolo elemento di cui è composto l'edificio, "
                       "la trasmittanza complessiva si ottiene come sommatoria di quelle unitarie di ogni "
                       "elemento per le aree."),
    };
}

QStringList noteRisultatiDettagliati()
{
    return {
        QStringLiteral("La lettura dei dati climatici del calcolo eseguito, oltre alla corretta valutazione dei "
                       "risultati, abbisognano di alcune note esplicative e di alcune considerazioni tecniche. "),
        QStringLiteral("I valori delle radiazioni solari, reperiti dagli osservatori della nostra Aeronautica "
                       "Militare (o dall'ENEA), riguardano una superficie orizzontale ad una data latitudine. "
                       "Il calcolo li riporta sulla superficie dei collettori, inclinata e orientata come "
                       "indicato nei dati, e li esprime in kj e in kwh per metro quadrato e per giorno. Il "
                       "rapporto tra la radiazione sulla superficie dei collettori e quella sulla superficie "
                       "orizzontale indica, mese per mese, il guadagno o la perdita di energia che "
                       "l'inclinazione dei pannelli comporta: d'inverno, con il sole basso sull'orizzonte, un "
                       "collettore inclinato verso sud riceve più energia di una superficie orizzontale, mentre "
                       "d'estate può riceverne meno, secondo l'inclinazione verso il sole. La radiazione "
                       "extraterrestre è quella che giunge al limite dell'atmosfera; soltanto una parte di essa "
                       "raggiunge il suolo. A tal proposito vengono riportati gli indici di nuvolosità:"),
        QStringLiteral("essi sono dei coefficienti che riducono la radiazione extraterrestre ai valori di "
                       "quella sulla superficie orizzontale. Bisogna, infatti, tener conto che in cielo "
                       "esistono sempre, anche se non visibili, delle formazioni nuvolose che lasciano filtrare "
                       "sono una parte di ciò che il sole ci invia sotto forma di radiazioni."),
        QStringLiteral("La radiazione globale è formata dalla radiazione diretta (i raggi del sole) e dalla "
                       "radiazione diffusa proveniente dal cielo, cioè dalle nubi, dal pulviscolo e dalle "
                       "molecole dell'aria che deviano i raggi in tutte le direzioni. Ad esse si aggiunge la "
                       "radiazione di albedo, riflessa dagli oggetti circostanti e dal paesaggio. Tra i "
                       "risultati viene riportato il rapporto tra la radiazione diffusa e quella globale "
                       "giornaliera, che è sempre minore di uno."),
        QStringLiteral("Un altro elemento importante, che misura in pratica la resa del pannello, è il prodotto "
                       "effettivo trasmissività-assorbimento. Esso è un valore adimensionale in quanto è pari "
                       "al prodotto del coefficiente di trasmissione della lastra  trasparente 't', ed il "
                       "coefficiente di assorbimento della piastra 'a'."),
        QStringLiteral("La potenza termica assorbita dalla piastra del pannello solare è data dal prodotto "
                       "della radiazione solare globale incidente sul piano del collettore per la superficie "
                       "captante e per il suddetto valore di 'ta'."),
        QStringLiteral("L'angolo di incidenza sui pannelli delle radiazioni varia in base al mese dell'anno in "
                       "quanto la terra si inclina rispetto al sole, e i raggi non avranno sempre la stessa "
                       "direzione."),
        QStringLiteral("Vengono riportati, infine, i risultati relativi al fabbisogno di energia mensile che è "
                       "leggermente variabile in considerazione del numero di giorni di ogni singolo mese, "
                       "quindi la frazione di essa garantita dall'impianto solare e, in termini di "
                       "kwh,l'energia che fonriscono i pannelli mensilmente."),
        QStringLiteral("I risultati dell'analisi economica vanno interpretati nel modo che segue:"),
        QStringLiteral("- il costo attuale corrisponde a quanto è stato immesso nei dati per l'utilizzo "
                       "dell'energia tradizionale (in centesimi di euro);"),
        QStringLiteral("- il costo solare è ottenuto dividendo il costo dell'impianto per il numero degli anni "
                       "su cui si intende fare l'analisi e, quindi, dividendo ancora il risultato per l'energia "
                       "utile fornita dai pannelli annualmente (sempre in centesimi di euro). Nella formula di "
                       "calcolo si considerano comunque i singoli tassi inseriti nei dati."),
        QStringLiteral("- Il bilancio finale, espresso in euro, è dato dalla differenza di costo tra i due tipi "
                       "di energia per ottenere lo stesso risultato finale, ossia l'energia utile annua fornita "
                       "dai pannelli. Il tempo di recupero dell'investimento è calcolato valutando il momento "
                       "in cui, con il fabbisogno energetico considerato, si abbia un bilancio in positivo."),
    };
}

} // namespace testiRelazione
