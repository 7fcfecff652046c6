#pragma once
// The help contents: fifteen rows, each an arrow button and a caption, open the
// quick manual, the topic help windows, the tip of the day, the licence terms and
// the price list; it prints every help text into one saved document.
#include "help/finestraAiuto.h"

#include <array>

class Etichetta;
class Pulsante;

class sommario : public FinestraAiuto {
    Q_OBJECT
public:
    sommario();
    ~sommario() override;

    static constexpr int righe = 15;

    Etichetta* Label1 = nullptr;
    std::array<Pulsante*, righe + 1> puls{}; // 1..15
    std::array<Etichetta*, righe + 1> lbl{}; // 1..15
    Pulsante* cmdStampa = nullptr;
    Pulsante* cmdChiudi = nullptr;
    Pulsante* Command1 = nullptr;

    void puls_Click(int indice);
    void lbl_Mousedown(int indice);
    void lbl_MouseUp(int indice);
    void lbl_MouseMove(int indice);
    void togliGrassetto();
    void cmdchiudi_Click();
    void Command1_Click();
    void cmdstampa_Click();

protected:
    void Form_Load() override;
    void Form_MouseMove() override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
};
