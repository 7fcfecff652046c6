#pragma once
// What differs from one working window to another, as one table with a row per
// window number K (1 menu, 2 tabella, 3 trasmitt, 4 fattib, 5 risultati,
// 6 dettagliato, 7 risdettagliato, 8 frontespizio). The frame reads its menus,
// toolbar, captions, filters, quick help and colour order from here and reaches the
// other windows only through the row's hooks, so it includes no window.
//
// The hooks are filled once at start, before any window is loaded, by
// navigazione::installa(), the one place that knows every window class.
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

class FinestraLavoro;

// An entry of the frame's print submenu: its name, its text and the operation it runs.
struct VoceStampa {
    QString nome;
    QString testo;
    void (FinestraLavoro::*operazione)() = nullptr;
};

struct ProfiloFinestra {
    int numero = 0;
    // Title of the window in entries, tooltips and questions ("Dati climatici").
    QString titolo;
    // The window's own caption.
    QString caption;
    // Preset name of the window's file dialog ("Korvel-fattib-"); "" without data files.
    QString prefissoFile;
    // Filter of the delete dialog; "" for the windows that pass deletion on.
    QString filtroElimina;
    // The window K whose delete dialog serves this one (0: its own).
    int eliminaCon = 0;
    // Lines of the quick help.
    QStringList righeAiuto;
    // The grey-for-all order (numbers of the seven windows); empty: the colour
    // dialog at once, no grey.
    QList<int> ordineGrigio;
    // Menu entries (by name) and toolbar buttons (by index) never enabled.
    QStringList vociDisabilitate;
    QList<int> pulsantiDisabilitati;
    // Read-only windows: the hint line explains the window instead of the next step.
    bool diSolaLettura = false;
    // Button `men` back to the main menu.
    bool pulsanteMenu = false;

    // Names of the frame's menus and entries that are not the same in every window.
    QString nomeEsci = QStringLiteral("usci");                 // File > Esci
    QString nomeModifica = QStringLiteral("modif");            // the Modifica menu
    QString nomeColore = QStringLiteral("colorare");           // Modifica > Colore di sfondo
    QString nomeControllo = QStringLiteral("controlla");       // Modifica > Controllo dati immessi
    QString nomeAiuto = QStringLiteral("inter");               // the ? menu
    QString nomeSuggerimenti = QStringLiteral("suggerimenti"); // ? > Suggerimenti
    // File > "S&tampa" as a submenu of these entries; empty: the one entry "stampa".
    QList<VoceStampa> sottomenuStampa;
    // Texts of entries of this window's Visualizza menu, by the window they show,
    // where they are not "Finestra " and that window's title.
    QMap<int, QString> testiVisualizza;
    // In every Visualizza menu, a separator follows this window's entry.
    bool separatoreInVisualizza = false;
    // Tip of toolbar button 4.
    QString suggerimentoStampa = QStringLiteral("stampa dati finestra");
    // The exit button's name and caption.
    QString nomeUscita = QStringLiteral("esco");
    QString testoUscita = QStringLiteral("&USCITA");
    // The three frame buttons show pictures instead of tips.
    bool pulsantiIllustrati = false;
    // Tip of the button guidainlinea.
    QString suggerimentoGuida = QStringLiteral("cliccare per visualizzare il Sommario della guida");

    // Hooks: the working window itself (loaded when needed, not shown; nullptr for
    // the main menu), showing the window, showing its guide window.
    FinestraLavoro& (*finestra)() = nullptr;
    void (*mostra)() = nullptr;
    void (*mostraGuida)() = nullptr;
};

namespace profiliFinestre {

constexpr int primaFinestra = 1;
constexpr int ultimaFinestra = 8;

// The row of window k; numbers outside 1..8 give an empty row (no hooks).
const ProfiloFinestra& profilo(int k);
// For the start-up only: the row whose hooks are being filled.
ProfiloFinestra& profiloDaCollegare(int k);

// Program-wide destinations the frame's help entries and buttons reach.
struct Destinazioni {
    void (*sommario)() = nullptr;
    void (*suggerimenti)() = nullptr;
    void (*supporto)() = nullptr;
    void (*informazioni)() = nullptr;
    void (*esci)() = nullptr;
    // The complete technical report, from the cover page's print button.
    void (*relazioneCompleta)() = nullptr;
};
const Destinazioni& destinazioni();
Destinazioni& destinazioniDaCollegare();

} // namespace profiliFinestre

// The working window K (2..8; other numbers give frontespizio), loaded if needed, not shown.
FinestraLavoro& finestraLavoro(int k);
// Shows window K (1..8) modeless, loading it first when needed; other numbers do nothing.
void mostraFinestraNumero(int k);
