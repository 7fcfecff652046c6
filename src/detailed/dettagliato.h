#pragma once
// The detailed window: the data of a month-by-month calculation of a solar plant with
// its economic analysis. The controls are the only copy of the inputs: the check, the
// calculation, the data file and the reports all read them, and every input handler
// updates the hint line.
#include "base/fileDati.h"
#include "shell/corniceFinestra.h"

#include <optional>
#include <vector>

namespace calcoli {
struct IngressiDett;
}

class BarraScorrimento;
class CasellaTesto;
class Cornice;
class Elenco;
class ElencoLocalita;
class Etichetta;
class Pulsante;
class PulsanteOpzione;

class dettagliato : public FinestraLavoro {
    Q_OBJECT
public:
    dettagliato();
    ~dettagliato() override;

    // Data file (Korvel-dett-...): open, save, save as, the writer itself.
    // eliminare_click is the frame's, with this window's dialog and filter.
    void apri_Click() override;
    void salva_Click() override;
    void salvanome_Click() override;
    void scrivoArchivio() override;
    // Calculates from this window's inputs, stores the results and shows them in the
    // results window. A case the calculation cannot take is explained in a message and
    // stores nothing; false then.
    bool calcolo();
    // The checks in the order of the window, with the silent-check protocol.
    void controlla_Click() override;
    // "&Risultati": silent check, calculation, results window.
    void cmdavanti_Click();
    // The inputs as a two-column table in a new document.
    void stampa_Click() override;
    void cancella_click() override;

    // The checks, in the order they are made; each fails with its own message.
    enum Controllo {
        controlloSuperato = 0,
        controlloLocalita,
        controlloInclinazione,
        controlloAzimut,
        controlloUso,
        controlloConsumo,
        controlloTemperaturaConsumo,
        controlloTemperatureAcqua, // the use temperature above the mains one
        controlloTrasmittanza,
        controlloTrasmittanzaNulla,
        controlloCollettore,
        controlloFluido,
        controlloArea,
        controlloDurata,
        controlloDurataNulla,
        controlloDurataEccessiva,
        controlloCosto,
        controlloCostoNullo,
        controlloCombustibile,
        controlloCostoAlternativo,
        controlloCostoAlternativoNullo,
        controlloSconto,
        controlloInflazione,
        controlloAumento,
        numeroControlli
    };
    // The message of a failed check (controlloSuperato: the confirmation).
    static QString messaggioControllo(int controllo);
    // The hint line's texts: steps 1..18, 0 the closing text.
    static QString testoPasso(int passo);
    // The first check that fails now.
    Controllo primoControlloFallito() const;

    // The input table of the reports. The window's own report keeps a row for every
    // input (those of a use not chosen stay empty); the technical report leaves them
    // out, names its value column otherwise, shows the use's own caption and sets no
    // size of its own.
    struct FormaTabellaDati {
        QString intestazione = QStringLiteral("dati");
        std::optional<double> dimensione = 10;
        bool righeDiOgniUso = true;
        // The use cell of a plant with both uses; empty: the caption of its button.
        QString entrambiGliUsi = QStringLiteral("riscaldamento + acqua sanitaria");
    };
    // Writes the table at the end of the report's document; its number there, 0 after a failure.
    int tabellaDati(const FormaTabellaDati& forma) const;

    // The calculation's inputs, all from this window's controls and the town's record.
    calcoli::IngressiDett ingressi() const;

    // The choices of this window (0 none).
    int usoScelto() const;
    int collettoreScelto() const;
    int fluidoScelto() const;
    int combustibileScelto() const;

    // Town chooser (typing allowed): position p is town p + 1.
    Elenco* loc = nullptr;
    Etichetta* Label2 = nullptr; // "località di riferimento"
    // Tilt and azimuth: captions, value labels, scroll bars, range labels.
    Etichetta* Label3 = nullptr;
    Etichetta* incl = nullptr;
    BarraScorrimento* VScroll1 = nullptr;
    Etichetta* Label1 = nullptr;
    Etichetta* Label4 = nullptr;
    Etichetta* azim = nullptr;
    BarraScorrimento* VScroll2 = nullptr;
    Etichetta* Label5 = nullptr;

    // Use of the plant: 1 heating, 2 hot water, 3 both ([0] unused). Enabled by the town choice.
    Cornice* Frame1 = nullptr;
    std::vector<PulsanteOpzione*> Option1;
    // Water: mains temperature, use temperature, litres per day.
    Cornice* Frame2 = nullptr;
    BarraScorrimento* VScroll3 = nullptr;
    Etichetta* ret = nullptr;
    Cornice* Frame3 = nullptr;
    BarraScorrimento* VScroll4 = nullptr;
    Etichetta* temper = nullptr;
    Cornice* Frame4 = nullptr;
    BarraScorrimento* VScroll5 = nullptr;
    Etichetta* acq = nullptr;
    // The building's transmittance, typed or sent by the transmittance window.
    Cornice* Frame5 = nullptr;
    CasellaTesto* trasm = nullptr;
    Pulsante* ver = nullptr;
    // Collector type 1..4, fluid 1 air or 2 liquid, area.
    Cornice* Frame6 = nullptr;
    std::vector<PulsanteOpzione*> Option2;
    Cornice* Frame7 = nullptr;
    std::vector<PulsanteOpzione*> Option3;
    Cornice* Frame8 = nullptr;
    CasellaTesto* are = nullptr;
    // Life, cost, fuel 1 gas oil, 2 methane, 3 electricity and its cost in cents.
    Cornice* Frame9 = nullptr;
    CasellaTesto* ann = nullptr;
    Cornice* Frame10 = nullptr;
    CasellaTesto* cost = nullptr;
    Cornice* Frame11 = nullptr;
    std::vector<PulsanteOpzione*> Option4;
    Cornice* Frame12 = nullptr;
    CasellaTesto* costalt = nullptr;
    // Rates in hundredths of a percent: discount, inflation, energy-price increase.
    Cornice* Frame13 = nullptr;
    BarraScorrimento* HScroll1 = nullptr;
    Etichetta* tass = nullptr;
    Cornice* Frame14 = nullptr;
    BarraScorrimento* HScroll2 = nullptr;
    Etichetta* infl = nullptr;
    Cornice* Frame15 = nullptr;
    BarraScorrimento* HScroll3 = nullptr;
    Etichetta* ener = nullptr;

    Pulsante* cmdavanti = nullptr;

    // "calcola": the transmittance window, which sends its result back here.
    void ver_Click();
    // The town list moved to town `numero`; a move is a town choice of the list's own.
    void spostaLocalita(int numero);
    // "Uso dell'impianto", which waits for a town.
    void abilitaUso();
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
    int primoPassoMancante() const;
    void VScroll1_Change();
    void VScroll2_Change();
    void VScroll3_Change();
    void VScroll4_Change();
    void VScroll5_Change();
    void HScroll1_Change();
    void HScroll2_Change();
    void HScroll3_Change();
    void HScroll_Change(BarraScorrimento* barra, Etichetta* valore);
    void Option1_Click(int Index);
    void Option4_Click(int Index);
    void casellaNumerica_Change(CasellaTesto* casella);
    void ann_Change();

    archivio::FileDati file_;
    ElencoLocalita* sceltaLocalita_ = nullptr;
};
