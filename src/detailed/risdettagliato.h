#pragma once
// The results of the detailed calculation: the twelve months with their radiation,
// geometry, load and solar fraction, the annual totals and the payback, and the year
// table of the economic analysis paged five years at a time. The window computes
// nothing: it shows what the last calculation stored, and passes re-runs and file
// commands to the detailed window.
#include "detailed/tabelleDettagliato.h"
#include "shell/corniceFinestra.h"

#include <QColor>
#include <array>

class BarraScorrimento;
class Cornice;
class Etichetta;
class Pulsante;
class RighePaginate;

class risdettagliato : public FinestraLavoro {
    Q_OBJECT
public:
    risdettagliato();
    ~risdettagliato() override;

    // Shows the stored results: the month table, the annual values, the payback, the
    // town line, and the year table from its first year.
    void mostraRisultati();
    // The year pager: rows show years Value .. Value + 4 of the last calculation.
    void VScroll1_Change();
    // The fuel unit in the tooltips of the two cost headings ("" for the design texts).
    void impostaUnita(const QString& unita);
    // The legend of the year table: the tooltips of its headings.
    tabelleDett::TestiAnni testiAnni() const;

    void apri_Click() override;
    void salva_Click() override;
    void salvanome_Click() override;
    // The results into a new document.
    void stampa_Click() override;
    // Re-runs the calculation on the detailed window's checked inputs.
    void controlla_Click() override;

    void calc_Click();
    void frontes_Click();

    // Pointer over the number of month Index (1..12) or of year row Index (1..5).
    void num_MouseMove(int Index);
    void numann_MouseMove(int Index);

    static const QColor coloreNormale;     // cyan
    static const QColor coloreEvidenziato; // yellow

    // Month table: headings and the sixteen columns, rows 1..12 ([0] unused).
    Cornice* Frame1 = nullptr;
    std::array<Etichetta*, 17> intestazioni{}; // [1] Label24 "n." .. [16] Label16 "utile"
    using Colonna = std::array<Etichetta*, 13>;
    Colonna num{}, rad0{}, rads{}, rapp{}, rad0k{}, radsk{}, extr{}, nuv{}, tram{}, coll{}, diff{}, tau{}, inc{},
        fabbis{}, ef{}, util{};

    // Annual values and payback.
    Etichetta* Label1 = nullptr;
    Etichetta* fabbann = nullptr;
    Etichetta* labelf = nullptr;
    Etichetta* frazann = nullptr;
    Etichetta* Label21 = nullptr;
    Etichetta* utann = nullptr;
    Etichetta* Label22 = nullptr;
    Etichetta* rec = nullptr;
    // Town and latitude of the results.
    Etichetta* loc = nullptr;

    // Year table: headings and rows 1..5 ([0] unused).
    Etichetta* Label17 = nullptr;
    Etichetta* Label18 = nullptr;
    Etichetta* Label19 = nullptr;
    Etichetta* Label20 = nullptr;
    std::array<Etichetta*, 6> numann{}, att{}, sol{}, bil{};
    BarraScorrimento* VScroll1 = nullptr;

    Pulsante* calc = nullptr;
    Pulsante* frontes = nullptr;

protected:
    void caricaFinestra() override;

private:
    void costruisci();
    void costruisciMesi();
    void costruisciAnni();
    void ripristinaColoriMesi();
    void ripristinaColoriAnni();
    void impostaPasso();
    // The month column c (1..16).
    Colonna& colonnaMese(int c);

    RighePaginate* mesi_ = nullptr;
    RighePaginate* anni_ = nullptr;
};
