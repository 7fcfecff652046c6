#pragma once
// The frame the seven working windows share: menu bar, the 21-button toolbar, the
// Window menu, help entries, background colour, delete dialog, quick help, exit and
// resize hooks. A working window derives from FinestraLavoro, passes its number K
// (2..8) and overrides the operations it serves; an operation it does not override
// does nothing. Everything that differs from window to window (entry names and
// captions, disabled entries and buttons, filters, quick help, grey order) comes
// from the window table (shell/profiliFinestre.h), so a window gets its frame just
// by deriving.
//
// The frame is built by the constructor, before the window's own controls, so the
// frame's controls (Toolbar1, passo, esco, aiuto, guidainlinea, men) exist when the
// window's constructor or Form_Load runs; a window may move them with posa().
#include "platform/dialoghi.h"
#include "platform/finestra.h"
#include "shell/clsResize.h"
#include "shell/profiliFinestre.h"

#include <QHash>
#include <QStringList>
#include <array>
#include <memory>

class Etichetta;
class Pulsante;
class QAction;
class QMenuBar;
class QToolBar;

class FinestraLavoro : public Finestra {
    Q_OBJECT
public:
    // numero: the window's K in the numbering 1 menu, 2 tabella, 3 trasmitt, 4 fattib,
    // 5 risultati, 6 dettagliato, 7 risdettagliato, 8 frontespizio.
    explicit FinestraLavoro(int numero);
    ~FinestraLavoro() override;

    int numeroFinestra() const { return numero_; }

    // The window's row of the window table: titles, filters, quick help, hooks.
    const ProfiloFinestra& profilo() const;

    // Background colour (red in the lowest byte). Design value RGB(128, 128, 128).
    piattaforma::ColoreRGB BackColor() const;
    void setBackColor(piattaforma::ColoreRGB colore);

    // The window's dialog control, shared by its open, save, delete and colour.
    // Its FileName starts as the window's file prefix ("Korvel-fattib-", ...).
    piattaforma::CommonDialog CommonDialog1;
    // The hint label at the bottom of the window.
    Etichetta* passo = nullptr;

    // Frame buttons. In frontespizio `esco` is the button named "cmdesci" and the
    // three show pictures; `men` exists only in tabella and trasmitt (else nullptr).
    Pulsante* esco = nullptr;
    Pulsante* aiuto = nullptr;
    Pulsante* guidainlinea = nullptr;
    Pulsante* men = nullptr;

    // The toolbar (a control of the client area, at the top of the design layout).
    QToolBar* Toolbar1 = nullptr;
    // Toolbar button 1..21 (18 is the separator); nullptr outside that range.
    QAction* pulsanteBarra(int indice) const;

    // A menu entry by its name in this window ("apri", "usci" or "esci", "colorare"
    // or "colora", "fin1".."fin8", "finestra", "stamp", ...); nullptr if it has none.
    QAction* voce(const QString& nome) const;
    QMenuBar* barraMenu() const { return barraMenu_; }

    // Window-specific operations reached from the menus and the toolbar.
    // controlla_Click is also the menu entry "Controllo &dati immessi" of frontespizio
    // (its controllaDati) and toolbar button 19 in every window.
    virtual void apri_Click() {}
    virtual void salva_Click() {}
    virtual void salvanome_Click() {}
    // The window's data-file writer (nothing in windows without a data file).
    virtual void scrivoArchivio() {}
    // By default: the window named by the table's eliminaCon (tabella and risultati:
    // fattib, risdettagliato: dettagliato) deletes; the others delete a file through
    // their own dialog (eliminaFile).
    virtual void eliminare_click();
    virtual void stampa_Click() {}
    virtual void controlla_Click() {}
    virtual void cancella_click() {}
    // Print submenus: tabella's "dati di tutte le località &preimpostate",
    // frontespizio's "&solo dati finestra" and "&intera elaborazione".
    virtual void stampatutte_click() {}
    virtual void solodati_Click() {}
    virtual void stampatutto_Click() { stampa_Click(); }

    // Lines of the window's quick help (aiuto); by default the frame's text for K.
    virtual QStringList righeAiuto() const;

    // Frame operations.
    void mostraFinestra(int k);        // Visualizza entry / toolbar button 4 + k
    void chiediGuidaFinestra();        // the window's own Visualizza entry
    void mostraGuidaFinestra();        // the right-hand entry "finestra"
    void fin_Click(int k);             // fin1..fin8: one of the two above
    void coloraSfondo();               // Modifica "&Colore di sfondo", button 13
    void eliminaFile();                // delete with the window's own dialog
    void mostraAiuto();                // button aiuto
    void Toolbar1_ButtonClick(int indice);

protected:
    // The plain save and the save-as of the calculation windows: the dialog's title,
    // the shared file name forgotten for a save-as, then the window's writer.
    void salvaDatiCalcolo(bool conNome);

    // The start every working window shares, run once at load: the program strings
    // (inizializzaDati), the resize helper with 75 % of the screen and then the design
    // size 9600 x 6825 twips, and the window's caption; then the window's own load.
    void Form_Load() final;
    // The window's own part of the load, after the shared start.
    virtual void caricaFinestra() {}
    void Form_Resize() override;
    void Form_Unload() override;

    std::unique_ptr<clsResize> resize_;

private:
    void costruisciMenu();
    void costruisciBarra();
    void costruisciPulsanti();
    QAction* aggiungiVoce(class QMenu* menu, const QString& nome, const QString& testo,
                          std::function<void()> azione);

    int numero_;
    QMenuBar* barraMenu_ = nullptr;
    QHash<QString, QAction*> voci_;
    std::array<QAction*, 22> pulsanti_{};
};
