#pragma once
// The cover page: the editor of the project record. Its seven text boxes are the
// record itself; the data files of the other windows and the reports read and write
// them through dati()/imposta().
#include "base/fileDati.h"
#include "cover/datiFrontespizio.h"
#include "shell/corniceFinestra.h"

#include <functional>
#include <optional>

class CasellaTesto;
class QDate;
class Etichetta;
class Pulsante;

class frontespizio : public FinestraLavoro {
    Q_OBJECT
public:
    frontespizio();
    ~frontespizio() override;

    // The record, in screen and file order.
    CasellaTesto* progetto = nullptr;
    CasellaTesto* localita = nullptr; // "località"
    CasellaTesto* tipostudio = nullptr;
    CasellaTesto* committente = nullptr;
    CasellaTesto* luogo = nullptr;
    CasellaTesto* data = nullptr;
    CasellaTesto* allegati = nullptr;

    Etichetta* Label1 = nullptr;
    Etichetta* Label2 = nullptr;
    Etichetta* Label3 = nullptr;
    Etichetta* Label4 = nullptr;
    Etichetta* Label6 = nullptr;
    Etichetta* Label10 = nullptr;
    Etichetta* Label7 = nullptr;
    Etichetta* Label9 = nullptr;
    Etichetta* Label8 = nullptr;
    Etichetta* Label11 = nullptr;
    // The studio's name and address, copied from the settings when the window loads.
    Etichetta* Labelstudio = nullptr;
    Etichetta* labelindirizzo = nullptr;

    Pulsante* stampa = nullptr;   // "&Stampa": the complete report
    Pulsante* Command5 = nullptr; // "&Dati": back to the last calculation

    // The seven texts as the boxes hold them.
    ModKorvel::datiFrontespizio dati() const;
    // Puts a record read from a file into the boxes: all seven, or without tipostudio
    // (the reduced line of the feasibility and detailed files).
    void imposta(const ModKorvel::datiFrontespizio& record);
    void impostaRidotta(const ModKorvel::datiFrontespizio& record);

    // The test the other windows' writers make before saving: with progetto empty it
    // shows why, brings this window forward and gives false.
    bool controllaProgetto();
    // What a data-file writer of another window runs before it saves: that window's
    // own check, silently, then controllaProgetto. The record to store in the file
    // when both pass.
    static std::optional<ModKorvel::datiFrontespizio> recordDaArchiviare(const std::function<void()>& controllo);

    // The record check: three messages, and the silent-check protocol.
    void controllaDati();
    void impostaPasso();
    // The date as the box is preset: "domenica, 6 dic 2026".
    static QString testoData(const QDate& giorno);
    void Command5_Click();
    void scrivoArchivio() override;

    // The remembered name of the cover page's own file ("" when none).
    QString nomeFileFrontespizio() const { return file_.ricordato(); }

    void apri_Click() override;
    void salva_Click() override;
    void salvanome_Click() override;
    void controlla_Click() override { controllaDati(); }
    // The complete technical report of the last elaboration, saved as a document.
    void stampa_Click() override;
    void cancella_click() override;
    void solodati_Click() override;

protected:
    void caricaFinestra() override;

private:
    void costruisci();
    archivio::FileDati file_;
};
