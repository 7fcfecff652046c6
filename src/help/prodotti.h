#pragma once
// The price list of further programs, read from "listino.txt" in the working folder
// when the window loads: ten records a page, a scroll bar to page, a print into a
// document, and links to the catalogue page and to a new mail.
#include "help/finestraAiuto.h"
#include "help/listino.h"

#include <vector>

class BarraScorrimento;
class Etichetta;
class Pulsante;
class RighePaginate;

class prodotti : public FinestraAiuto {
    Q_OBJECT
public:
    prodotti();
    ~prodotti() override;

    static constexpr int righeVisibili = 10;

    Pulsante* cmdSommario = nullptr;
    Pulsante* cmdStampa = nullptr;
    Pulsante* cmdChiudi = nullptr;
    Pulsante* Command1 = nullptr; // the catalogue page
    Pulsante* Command2 = nullptr; // a new mail
    Etichetta* Label1 = nullptr;
    Etichetta* Label10 = nullptr; // the heading of the list
    std::vector<Etichetta*> num, nom, argom, eur, off; // rows 1..10
    BarraScorrimento* VScroll1 = nullptr;

    int numeroProdotti() const { return int(listino_.prodotti.size()); }
    int primaRiga() const { return primaRiga_; }

    void VScroll1_Change();
    void cmdstampa_Click();
    void cmdSommario_Click();
    void cmdchiudi_Click();
    void Command1_Click();
    void Command2_Click();
    // Opens the address with the desktop's program for it; false when it could not.
    static bool Link(const QString& indirizzo);

protected:
    void Form_Load() override;

private:
    RighePaginate* righe_ = nullptr;
    listino::Listino listino_;
    int primaRiga_ = 1;
};
