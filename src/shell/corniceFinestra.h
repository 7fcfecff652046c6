#pragma once
// The frame the seven working windows share: menu bar, the 21-button toolbar, the
// Window menu, help entries, background colour, delete dialog, quick help, exit and
// resize hooks. A working window derives from FinestraLavoro, passes its number K
// (2..8) and overrides the operations it serves; an operation it does not override
// does nothing.
#include "platform/dialoghi.h"
#include "platform/finestra.h"
#include "shell/clsResize.h"

#include <memory>

class Etichetta;
class QToolBar;

class FinestraLavoro : public Finestra {
    Q_OBJECT
public:
    // numero: the window's K in the numbering 1 menu, 2 tabella, 3 trasmitt, 4 fattib,
    // 5 risultati, 6 dettagliato, 7 risdettagliato, 8 frontespizio.
    explicit FinestraLavoro(int numero);
    ~FinestraLavoro() override;

    int numeroFinestra() const { return numero_; }

    // Background colour (red in the lowest byte).
    piattaforma::ColoreRGB BackColor() const;
    void setBackColor(piattaforma::ColoreRGB colore);

    // The window's dialog control, shared by its open, save, delete and colour.
    piattaforma::CommonDialog CommonDialog1;
    // The hint label at the bottom of the window.
    Etichetta* passo = nullptr;

    // Window-specific operations reached from the menus and the toolbar.
    virtual void apri_Click() {}
    virtual void salva_Click() {}
    virtual void salvanome_Click() {}
    virtual void eliminare_click() {}
    virtual void stampa_Click() {}
    virtual void controlla_Click() {}
    virtual void cancella_click() {}

protected:
    // The load preamble: resize helper, 75 % of the screen, then the design size
    // 9600 x 6825 twips; builds the frame's menus, toolbar, buttons and hint label.
    void preparaFinestra();
    void Form_Resize() override;
    void Form_Unload() override;

    std::unique_ptr<clsResize> resize_;

private:
    int numero_;
};
