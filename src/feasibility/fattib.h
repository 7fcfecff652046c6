#pragma once
// The feasibility window: the data of a quick sizing of a solar plant. The controls
// are the only copy of the inputs: the check, the calculation, the data file and the
// report all read them, and every input handler updates the hint line.
#include "base/fileDati.h"
#include "shell/corniceFinestra.h"

#include <array>
#include <optional>

namespace calcoli {
struct IngressiFattib;
}

class BarraScorrimento;
class CasellaTesto;
class Cornice;
class Elenco;
class ElencoLocalita;
class Etichetta;
class Pulsante;
class PulsanteOpzione;

class fattib : public FinestraLavoro {
    Q_OBJECT
public:
    fattib();
    ~fattib() override;

    // Data file (Korvel-fattib-...): open, save, save as, the writer itself.
    // eliminare_click is the frame's, with this window's dialog and filter.
    void apri_Click() override;
    void salva_Click() override;
    void salvanome_Click() override;
    void scrivoArchivio() override;
    // Sizes the plant from this window's inputs and hands the results to the results
    // window. A case the sizing cannot handle is explained in a message and stores
    // nothing; false then.
    bool calcolo();
    // The twelve checks, with the silent-check protocol.
    void controlla_Click() override;
    // "&Risultati": silent check, calculation, results window.
    void cmdavanti_Click();
    // The inputs as a two-column table in a new document.
    void stampa_Click() override;

    // The input table of the reports. The window's own report names the town and
    // keeps a row for every input (those of a use not chosen stay empty), with one
    // blank before the units of life and costs and the fuel cost "euro al litro"; the
    // technical report leaves out the town and the rows of the use not chosen, names
    // its value column otherwise, puts two blanks before the units, prices the fuel
    // "euro/" and the fuel's unit, and sets no size of its own.
    struct FormaTabellaDati {
        QString intestazione = QStringLiteral("dati");
        std::optional<double> dimensione = 10;
        bool righeDiOgniUso = true;
        QString primaDellUnita = QStringLiteral(" ");
        bool costoPerUnitaCompleta = false;
    };
    // Writes the table at the end of the report's document; its number there, 0 after
    // a failure or, in the technical report's form, with no use chosen (no table).
    int tabellaDati(const FormaTabellaDati& forma) const;

    void cancella_click() override;

    // The texts of the hint line and of the check, in the order of the check.
    static QString testoPasso(int passo);       // 1..12, 0 the closing text
    static QString messaggioControllo(int passo); // 1..12, 0 the confirmation

    // Town chooser (typing allowed): position p is town p + 1.
    Elenco* loc = nullptr;
    Etichetta* Label1 = nullptr;
    Etichetta* Label2 = nullptr;

    // Use of the plant: 1 space heating, 2 domestic hot water ([0] unused).
    std::array<PulsanteOpzione*, 3> Option1{};
    // Alternative fuel: 1 gas oil, 2 methane, 3 electricity ([0] unused).
    std::array<PulsanteOpzione*, 4> Option3{};

    BarraScorrimento* VScroll1 = nullptr; // litres per day
    Etichetta* acq = nullptr;
    BarraScorrimento* VScroll2 = nullptr; // use temperature
    Etichetta* temper = nullptr;
    CasellaTesto* trasm = nullptr;
    Pulsante* ver = nullptr;
    CasellaTesto* ann = nullptr;
    CasellaTesto* cost = nullptr;
    CasellaTesto* elettr = nullptr;
    CasellaTesto* costalt = nullptr;
    BarraScorrimento* VScroll4 = nullptr; // discount rate, hundredths of a percent
    Etichetta* tass = nullptr;
    BarraScorrimento* VScroll5 = nullptr; // energy-price increase, hundredths of a percent
    Etichetta* tasen = nullptr;
    Pulsante* cmdavanti = nullptr;

    // Frame1 .. Frame11 ("Uso dell'impianto" is Frame9, enabled by the town choice).
    Cornice* Frame1 = nullptr;
    Cornice* Frame2 = nullptr;
    Cornice* Frame3 = nullptr;
    Cornice* Frame4 = nullptr;
    Cornice* Frame5 = nullptr;
    Cornice* Frame6 = nullptr;
    Cornice* Frame7 = nullptr;
    Cornice* Frame8 = nullptr;
    Cornice* Frame9 = nullptr;
    Cornice* Frame10 = nullptr;
    Cornice* Frame11 = nullptr;

    // The sizing's inputs, all from this window's controls and the town's record.
    calcoli::IngressiFattib ingressi() const;

    // The use and the fuel chosen in this window (0 none).
    int usoScelto() const;
    int combustibileScelto() const;

    // The town list, for the program's town choice. A text typed into the list that is
    // no town of it, and its clearing.
    bool localitaFuoriElenco() const;
    void cancellaLocalitaDigitata();
    // The list moved to town `numero`; a move is a town choice of the list's own.
    void spostaLocalita(int numero);
    // Shows a town's name: a list holding it selects it (a town choice of its own when
    // the position moves); a typed text is replaced.
    void mostraNomeLocalita(const QString& nome);
    // "Uso dell'impianto", which waits for a town.
    void abilitaUso();

    // The water as this window shows it: whether its frames are enabled, the captions
    // and the bars' values.
    struct Acqua {
        bool consumoAbilitato = false;
        bool temperaturaAbilitata = false;
        QString consumo;
        QString temperatura;
        int litri = 0;
        int gradi = 0;
    };
    Acqua acqua() const;
    // The water's litres per day and use temperature set from the results window: a
    // value that differs moves this window's bar, whose change handling runs.
    void impostaConsumo(int litri);
    void impostaTemperatura(int gradi);

    // The transmittance box: as it reads, and written by the transmittance window's
    // send button, so that the box's own change handling runs as for typing.
    QString trasmittanzaImmessa() const;
    void riceviTrasmittanza(const QString& testo);

protected:
    void caricaFinestra() override;

private:
    void costruisci();
    void disabilitaRiquadri();
    void aggiornaPasso();
    // The first check that fails (1..12), 0 when all pass.
    int primoPassoMancante() const;

    void Option1_Click(int Index);
    void Option3_Click(int Index);
    void VScroll1_Change();
    void VScroll2_Change();
    void VScroll4_Change();
    void VScroll5_Change();
    void casellaNumerica_Change(CasellaTesto* casella);
    void ver_Click();


    archivio::FileDati file_;
    ElencoLocalita* sceltaLocalita_ = nullptr;
};
