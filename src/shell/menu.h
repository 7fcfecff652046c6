#pragma once
// The main menu: four options open the four kinds of elaboration, a status bar
// explains each option as the mouse passes over it, and three buttons give quick
// help, the help contents and the exit.
#include "platform/finestra.h"
#include "shell/clsResize.h"

#include <array>
#include <memory>

class Etichetta;
class Pulsante;
class PulsanteOpzione;
class QStatusBar;

class menu : public Finestra {
    Q_OBJECT
public:
    menu();
    ~menu() override;

    Etichetta* Label61 = nullptr;
    Etichetta* Label71 = nullptr;
    Etichetta* Lb = nullptr;
    std::array<PulsanteOpzione*, 5> Option1{}; // 1..4
    Etichetta* Label1 = nullptr;
    Etichetta* Label2 = nullptr;
    Etichetta* Label3 = nullptr;
    Etichetta* Label4 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    Pulsante* aiuto = nullptr;
    Pulsante* guida = nullptr;
    Pulsante* cmdesci = nullptr;

    // The status bar's one text.
    QString testoStato() const;

    void Option1_Click(int indice);
    void option1_MouseMove(int indice);
    void aiuto_Click();
    void guida_Click();
    void cmdesci_Click();

protected:
    void Form_Load() override;
    void Form_Resize() override;
    void Form_Unload() override;
    void Form_MouseMove() override;

private:
    std::unique_ptr<clsResize> resize_;
};
