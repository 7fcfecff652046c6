#pragma once
// The transmittance window: the editor of the building's envelope elements. Two
// grids of five rows page over the 20 external and the 20 internal elements; every
// change of a type, area, unit value, coefficient or air-change term is stored into
// the element table and the calculation runs again, so totals and the overall
// transmittance follow the typing. The send button hands the result to the
// calculation window that opened this one.
//
// Every box the program writes goes through scrivi(): it sets the text only when it
// differs and then runs that box's change handler itself, so the handlers run in the
// order the code writes the boxes. A user's typing reaches the same handlers.
#include "base/fileDati.h"
#include "report/relazione.h"
#include "shell/corniceFinestra.h"

#include <QHash>

#include <array>
#include <functional>

class BarraScorrimento;
class CasellaTesto;
class Etichetta;
class Pulsante;
class QComboBox;

class trasmitt : public FinestraLavoro {
    Q_OBJECT
public:
    trasmitt();
    ~trasmitt() override;

    // Data file (Korvel-trasm-...): open, save, save as and the writer.
    void apri_Click() override;
    void salva_Click() override;
    void salvanome_Click() override;
    void scrivoArchivio() override;
    // The elements, the coefficients and the overall figures in a new document.
    void stampa_Click() override;
    // Element 1 of each group, then the area of every element with a type; with the
    // silent-check protocol.
    void controlla_Click() override;
    void cancella_click() override;
    // "inserisci trasmittanza nel calcolo"; with no element or no overall
    // transmittance it sends nothing and says why.
    void Command1_Click();

    // Totals and overall transmittance from the element table and the boxes.
    void calcolo();
    void aggiornaPasso();
    // Paging: rows 1..5 show the elements from the scroll bar's value on.
    void VScroll1_Change();
    void VScroll2_Change();

    // The box's text set as the program sets it: when it differs, its handler runs.
    void scrivi(QWidget* casella, const QString& testo);
    // A type chosen from the list of row r (1..5) of group g (1, 2), position 0.. in the list.
    void scegliTipo(int gruppo, int riga, int posizione);

    // Rows 1..5 of the external grid ([0] unused) and of the internal grid.
    std::array<QComboBox*, 6> Combo1{}, Combo2{};
    std::array<CasellaTesto*, 6> ar{}, ar2{};
    std::array<CasellaTesto*, 6> tra{}, tra2{};
    std::array<BarraScorrimento*, 6> scrolla1{}, scrolla2{};
    std::array<CasellaTesto*, 6> trat{}, trat2{};
    std::array<Etichetta*, 6> num{}, num2{};
    BarraScorrimento* VScroll1 = nullptr;
    BarraScorrimento* VScroll2 = nullptr;

    CasellaTesto* traes = nullptr;
    CasellaTesto* train = nullptr;
    BarraScorrimento* scrollaes = nullptr;
    BarraScorrimento* scrollain = nullptr;
    Pulsante* delim = nullptr;
    CasellaTesto* tralim = nullptr;
    CasellaTesto* total = nullptr;
    CasellaTesto* equiv = nullptr;
    CasellaTesto* complessiva = nullptr; // "compl": the overall transmittance
    Pulsante* Command1 = nullptr;

    // The element shown in row 1 of each grid.
    int primoPeriferico = 1;
    int primoInterno = 1;

    // The total and the overall transmittance as their boxes show them.
    QString testoTotale() const;
    QString testoComplessiva() const;
    // Total, air-change equivalent and overall transmittance beside their captions,
    // as the technical report prints them.
    std::array<relazione::Riga, 3> righeComplessive() const;

    // Hint and check texts.
    static QString messaggioAreaMancante(int gruppo, int elemento);
    static QString passoAreaMancante(int gruppo, int elemento);
    // The refusal of an overall transmittance that is empty or 0.
    static QString messaggioTrasmittanzaMancante();

protected:
    void caricaFinestra() override;

private:
    // Rows of each grid.
    static constexpr int righe = 5;

    // The controls of one grid.
    struct Griglia {
        int gruppo;
        std::array<QComboBox*, 6>* tipo;
        std::array<CasellaTesto*, 6>* area;
        std::array<CasellaTesto*, 6>* unitaria;
        std::array<BarraScorrimento*, 6>* barra;
        std::array<CasellaTesto*, 6>* totale;
        std::array<Etichetta*, 6>* numero;
        BarraScorrimento* pagine;
        int* primo;
        int ignoraCambio;
    };

    void costruisci();
    void costruisciGriglia(Griglia& g, int topRighe);
    void costruisciRisultati();
    Griglia& griglia(int gruppo) { return gruppo == 1 ? periferici_ : interni_; }

    // Row handlers of grid g, row r.
    void tipo_Change(Griglia& g, int r);
    void tipo_Click(Griglia& g, int r, int posizione);
    bool rifiutaTipo(Griglia& g, int r, const QString& testo);
    void area_Change(Griglia& g, int r);
    void unitaria_Change(Griglia& g, int r);
    void barra_Change(Griglia& g, int r);
    void pagina(Griglia& g);
    // Grid g from element `primo` on, its rows written again even when it stands there.
    void scorri(int gruppo, int primo);
    // Coefficients and air change.
    void coefficiente_Change(CasellaTesto* casella);
    void scrollaes_Change();
    void scrollain_Change();
    void delim_Click();
    void equiv_Change();

    // The first failing check: its message, "" when all pass. `completo` also asks for
    // element 1 of each group.
    QString primoErrore(bool completo) const;
    // The box's handler, for the user's typing and for scrivi().
    void collega(CasellaTesto* casella, const std::function<void()>& gestore);
    // Runs the filter on a box without running its handler again.
    static void filtra(CasellaTesto* casella, bool virgolaSilenziosa);
    static QString testoDi(const QWidget* casella);

    // Captions beside total, equiv and compl.
    Etichetta* Label12 = nullptr;
    Etichetta* Label13 = nullptr;
    Etichetta* Label14 = nullptr;

    Griglia periferici_{};
    Griglia interni_{};
    // The change handler of each box the program writes.
    QHash<const QWidget*, std::function<void()>> gestori_;
    archivio::FileDati file_;
};
