#pragma once
// The results of the feasibility sizing: three blocks, one per collector kind, of
// five rows each, paged over the 1000 trial areas. The window computes nothing: it
// shows what the calculation stored, and passes re-runs and file commands to the
// feasibility window.
#include "report/relazione.h"
#include "shell/corniceFinestra.h"

#include <QColor>
#include <array>
#include <optional>
#include <span>

class BarraScorrimento;
class Cornice;
class Etichetta;
class Pulsante;
class RighePaginate;

class risultati : public FinestraLavoro {
    Q_OBJECT
public:
    risultati();
    ~risultati() override;

    // Redraw block 1, 2, 3 from the stored results at the block's scroll position.
    void VScroll1_Change();
    void VScroll2_Change();
    void VScroll3_Change();
    // Water consumption and temperature: re-run the calculation through the
    // feasibility window.
    void VScroll4_Change();
    void VScroll5_Change();

    void apri_Click() override;
    void salva_Click() override;
    void salvanome_Click() override;
    // The results into a new document.
    void stampa_Click() override;
    // Re-runs the calculation on the feasibility window's checked inputs.
    void controlla_Click() override;

    void calc_Click();
    void frontes_Click();

    // What the feasibility window hands over. The water frames follow its use.
    void abilitaAcqua(bool abilita);
    // Its water amount and temperature, caption and bar position; placing the bar is
    // no change of the user's.
    void mostraConsumo(const QString& testo, int litri);
    void mostraTemperatura(const QString& testo, int gradi);
    // The stored results of its calculation, for the town named.
    void mostraRisultati(const QString& localita);

    // Pointer over the number of row Index (1..5) of block 1, 2, 3.
    void num_MouseMove(int Index);
    void num2_MouseMove(int Index);
    void num3_MouseMove(int Index);

    // The rows of the table of plants in the report: first..last trial area, or
    // nothing (first > last) when no area covers any share.
    struct Intervallo {
        int primo = 1;
        int ultimo = 0;
        int righe() const { return ultimo >= primo ? ultimo - primo + 1 : 0; }
    };
    static Intervallo intervalloStampa();

    // The tables of the results report, which the technical report writes too with
    // sizes of its own (none: the size in force at the end of the document).
    // The annual need and the optimal area (3 x 2).
    static int tabellaSintesi(std::optional<double> dimensione);
    // The meanings of the plant table's columns, heading row first.
    static std::span<const relazione::Riga> righeLegenda();
    // The plants of intervalloStampa(), eight columns.
    static int tabellaImpianti(std::optional<double> dimensione);

    static const QColor coloreNormale;    // cyan
    static const QColor coloreEvidenziato; // yellow

    Etichetta* loc = nullptr;
    Etichetta* Label1 = nullptr;
    Etichetta* fabb = nullptr;
    Etichetta* Label6 = nullptr;
    Etichetta* ottim = nullptr;
    Etichetta* Label24 = nullptr;
    Etichetta* Label3 = nullptr;
    Etichetta* Label4 = nullptr;
    Etichetta* Label7 = nullptr;
    Etichetta* Label5 = nullptr;
    Etichetta* Label8 = nullptr;
    Etichetta* Label10 = nullptr;
    Etichetta* Label11 = nullptr;

    // Rows 1..5 of each block ([0] unused).
    std::array<Etichetta*, 6> num{}, areac{}, fraz{}, util{};
    std::array<Etichetta*, 6> num2{}, areac2{}, fraz2{}, util2{};
    std::array<Etichetta*, 6> num3{}, areac3{}, fraz3{}, util3{};
    BarraScorrimento* VScroll1 = nullptr;
    BarraScorrimento* VScroll2 = nullptr;
    BarraScorrimento* VScroll3 = nullptr;
    // Frames of the three blocks.
    Cornice* Frame1 = nullptr;
    Cornice* Frame2 = nullptr;
    Cornice* Frame3 = nullptr;

    Cornice* Frame4 = nullptr;
    BarraScorrimento* VScroll4 = nullptr;
    Etichetta* acq = nullptr;
    Cornice* Frame5 = nullptr;
    BarraScorrimento* VScroll5 = nullptr;
    Etichetta* temper = nullptr;

    Pulsante* calc = nullptr;
    Pulsante* frontes = nullptr;

protected:
    void caricaFinestra() override;

private:
    struct Blocco {
        std::array<Etichetta*, 6>* num;
        std::array<Etichetta*, 6>* areac;
        std::array<Etichetta*, 6>* fraz;
        std::array<Etichetta*, 6>* util;
        BarraScorrimento* barra;
    };
    Blocco blocco(int k);
    void costruisci();
    void mostraBlocco(int k);
    RighePaginate* righe(int k) const;
    void ripristinaColori1();
    void ripristinaColori2();
    void ripristinaColori3();
    void ripristinaColori(int k);
    void impostaPasso();
    void riprendiAcqua();

    // The three blocks' rows, [1..3].
    std::array<RighePaginate*, 4> blocchi_{};
};
