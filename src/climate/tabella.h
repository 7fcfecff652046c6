#pragma once
// The climate table: a read-only view of the town table, one town at a time. Its
// scroll bar is also one of the program's three town choosers.
#include "shell/corniceFinestra.h"

#include <QStringView>

#include <array>

class BarraScorrimento;
class CasellaTesto;
class Etichetta;
class RighePaginate;

class tabella : public FinestraLavoro {
    Q_OBJECT
public:
    tabella();

    // Chooses the town at the scroll bar's value for the whole program.
    void VScroll1_Change();
    // Moves the scroll bar to town `numero`; a move is a town choice.
    void spostaLocalita(int numero);
    // Shows town `numero` with the climate record loaded for it.
    void mostraDatiLocalita(int numero);

    // The climate table of the shown town, or of every town when `tutte` is "sì".
    void stampa_Click() override;
    // The climate table of every town.
    void stampatutte_click() override;

    // Print flag: "sì" prints every town, "" the shown one.
    QString tutte;

    // The town line and the month table of the shown town, as the reports write them.
    // The window's export gives the line a paragraph of its own with no end after it,
    // puts the units in a second heading row, numbers the months after a blank and
    // writes the temperature with one decimal; the technical report continues its
    // kept paragraph with the line and its end, puts the units inside the headings,
    // numbers the months plainly and writes the temperature with two decimals.
    struct FormaTabellaClima {
        bool paragrafoProprio = true;
        bool unitaSottoIntestazioni = true;
        bool numeroConSegno = true;
        QStringView schemaTemperatura = u"##0.0";
    };
    // The table's number in the document, 0 after a failure.
    int scriviTabellaLocalita(const FormaTabellaClima& forma);

    BarraScorrimento* VScroll1 = nullptr;
    Etichetta* Label6 = nullptr;  // town number
    Etichetta* loc = nullptr;     // town name
    Etichetta* La = nullptr;      // latitude
    // Month rows 1..12 ([0] unused).
    std::array<Etichetta*, 13> num{};
    std::array<CasellaTesto*, 13> mes{};
    std::array<CasellaTesto*, 13> inc{};
    std::array<CasellaTesto*, 13> tem{};

    Etichetta* Label1 = nullptr;
    Etichetta* Label2 = nullptr;
    Etichetta* Label3 = nullptr;
    Etichetta* Label4 = nullptr;
    Etichetta* Label5 = nullptr;
    Etichetta* Label7 = nullptr;
    Etichetta* Label8 = nullptr;
    Etichetta* Label9 = nullptr;
    Etichetta* Label10 = nullptr;
    Etichetta* Label11 = nullptr;
    Etichetta* Label28 = nullptr;

    // Row colours: at rest and highlighted.
    static const QColor coloreNumero;
    static const QColor coloreCasella;
    static const QColor coloreEvidenza;

    void num_MouseMove(int Index);

protected:
    void caricaFinestra() override;

private:
    void impostaPasso();

    RighePaginate* righe_ = nullptr;
};
