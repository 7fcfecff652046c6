#pragma once
// What differs from one working window to another, as one table with a row per
// window number K (1 menu, 2 tabella, 3 trasmitt, 4 fattib, 5 risultati,
// 6 dettagliato, 7 risdettagliato, 8 frontespizio). The frame reads its menus,
// toolbar, captions, filters, quick help and colour order from here and reaches the
// other windows only through the row's hooks, so it includes no window.
//
// The hooks are filled once at start-up by navigazione::installa(), the one place
// that knows every window class.
#include <QList>
#include <QString>
#include <QStringList>

class FinestraLavoro;

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
