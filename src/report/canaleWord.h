#pragma once
// The report channel: every report writes its document through these operations,
// in this order: avviaWord, scriviIntestazione, then paragraphs and tables
// (aggiungiParagrafo, aggiungiTabella, scriviCella, formattaTabella), then
// allineaColonne, then where the report needs them giustificaTesto, contaPagine,
// salvaDocumento, and chiudiStato last. Text typed at the selection (title pages,
// help prints) goes through impostaCarattere, impostaDimensione, impostaGrassetto
// and scriviTesto.
//
// Failures: every operation returns whether it succeeded. The first failure of a
// report (started by avviaWord) shows the user one critical message, puts the
// calling window's hint line back to what it showed before avviaWord and makes every
// later operation of that report do nothing and return false, so a report written as
// a plain sequence of calls needs no checks of its own; a report may still stop at
// the first false. A report may add a failure of its own with segnalaErrore().
// Saving never leaves a half-written file.
#include "platform/dialoghi.h"
#include "report/documento.h"

#include <QPointer>
#include <QString>

#include <concepts>
#include <functional>
#include <memory>
#include <span>
#include <utility>

namespace ModKorvel {

// The objects of the latest report: replaced by the next report, never released.
inline std::shared_ptr<documento::Applicazione> wordApp;
inline std::shared_ptr<documento::Documento> wordDoc;
inline documento::Tabella wordTab;

// Help hand-over: the help window's title and body, set just before stampaGuida().
inline QString titoloGuida;
inline QString testoGuida;

// The hint line of the calling window: how to read and write its caption.
struct Didascalia {
    std::function<QString()> leggi;
    std::function<void(const QString&)> scrivi;
    explicit operator bool() const { return bool(scrivi); }
};

// Any window with a hint label `passo` (Caption / setCaption), e.g. FinestraLavoro.
template <class W>
concept ConPasso = requires(W& finestra) {
    finestra.passo->Caption();
    finestra.passo->setCaption(QString());
};

template <ConPasso W>
Didascalia didascaliaDi(W& finestra)
{
    using Etichetta = std::remove_pointer_t<decltype(finestra.passo)>;
    QPointer<Etichetta> passo(finestra.passo);
    return Didascalia{
        [passo] { return passo ? passo->Caption() : QString(); },
        [passo](const QString& testo) {
            if (passo)
                passo->setCaption(testo);
        },
    };
}

// A new application (made visible: its window opens) and a new document in it:
// wordApp, wordDoc. With a hint line it shows "sto caricando WORD" first.
bool avviaWord();
bool avviaWord(const Didascalia& passo);
template <ConPasso W>
bool avviaWord(W& finestra)
{
    return avviaWord(didascaliaDi(finestra));
}

// The heading lines at the selection in "Century Gothic": nomeProgramma at a points
// and one paragraph end; sottotitolo at b points and n paragraph ends; the title at
// c points (size set only when c differs from b) and m paragraph ends. The title also
// names the document's window.
bool scriviIntestazione(double a, double b, double c, int n, const QString& titolo, int m);

// Typing at the selection (the end of the document).
bool impostaCarattere(const QString& nome);
bool impostaDimensione(double punti);
// 0 off, other values on, documento::wdToggle (9999998) toggles.
bool impostaGrassetto(int valore);
// Character 13 ends a paragraph, character 12 starts a new page.
bool scriviTesto(const QString& testo);

// A new paragraph at the end of wordDoc, kept as the report's paragraph; with a size
// and/or a text, they are set on it (size first). The kept paragraph stands for the
// document's last paragraph: a new text replaces the text of that paragraph, so each
// text ending with a paragraph end lands after everything written before it.
bool aggiungiParagrafo();
bool aggiungiParagrafo(double dimensione);
bool aggiungiParagrafo(const QString& testo);
bool aggiungiParagrafo(double dimensione, const QString& testo);
// Size and text set again on the kept paragraph.
bool dimensioneParagrafo(double dimensione);
bool testoParagrafo(const QString& testo);

// A new table at the end of wordDoc (wordTab); without a size it takes the size in
// force at the end of the document.
bool aggiungiTabella(int righe, int colonne);
bool aggiungiTabella(int righe, int colonne, double dimensione);
// Replaces the text of a cell of wordTab; rows and columns from 1. Blanks are kept.
bool scriviCella(int riga, int colonna, const QString& testo);
// Fills the first two columns of wordTab from row 1, one pair a row.
bool scriviRighe(std::span<const std::pair<QString, QString>> righe);
// The automatic table format (number 9) on wordTab.
bool formattaTabella();

// Right alignment of column j of table k (tables counted from 1 in wordDoc), or of
// every column colonnaDa..colonnaA of every table tabellaDa..tabellaA.
bool allineaColonne(int tabella, int colonna);
bool allineaColonne(int tabellaDa, int tabellaA, int colonnaDa, int colonnaA);
// Justifies the whole document, table cells included.
bool giustificaTesto();
// Pages of wordDoc laid out on A4; 0 when it fails (the failure is reported).
int contaPagine();
// Replaces the last occurrence of a text written in wordDoc.
bool sostituisciTesto(const QString& testo, const QString& nuovo);
// Saves wordDoc as DOCX under the full name given (atomic: an existing file is
// replaced only by a complete one).
bool salvaDocumento(const QString& nomeFile);
// Saves the finished document of a report as salvaDocumento does. A failed save
// tells the user nonSalvato (the first line), the reason and that the document stays
// open unsaved; the document then bears the file's name without extension, as a
// document never saved, so that closing it asks and "Salva con nome" proposes the
// file. A report that had failed before is retitled so as well.
bool salvaReport(const QString& percorso, const QString& nonSalvato);
// The hint line shows the closing text; the report is over.
bool chiudiStato(const Didascalia& passo, const QString& testo);
template <ConPasso W>
bool chiudiStato(W& finestra, const QString& testo)
{
    return chiudiStato(didascaliaDi(finestra), testo);
}

// Marks the running report as failed with the reason given (Italian, shown to the
// user); returns false.
bool segnalaErrore(const QString& motivo);
// False once the running report has failed.
bool reportRiuscito();
// Names the document's window (reports whose title page is typed by hand).
bool intitolaDocumento(const QString& titolo);

// Forgets the last report (its objects, its failure, its kept paragraph, the help
// hand-over) and numbers new documents from 1 again, as at start-up.
void dimenticaReport();

// Where documents are saved: the user's documents folder, created if missing.
using piattaforma::cartellaDocumenti;
// The client's text made safe as part of a file name: path separators, "..",
// control characters and :*?"<>| become "_", blanks trimmed, at most 100 UTF-16 code
// units and 150 bytes in UTF-8, never cut inside a character.
QString nomeSicuro(const QString& testo);
// Full names of the saved technical report and help document.
QString percorsoRelazione(const QString& committente); // <docs>/Korvel-RelazioneKORVEL-<client>.docx
QString percorsoGuida();                              // <docs>/Korvel-guida.docx

// Prints one help topic (titoloGuida, testoGuida) into a new document.
void stampaGuida();
// Prints every help topic given (title, body) into one new document, each from a new
// page, and saves it as percorsoGuida(). False when it could not be completed (the
// user has been told); the document then bears the file's name without extension,
// as a document never saved.
bool stampaGuide(std::span<const std::pair<QString, QString>> guide);

} // namespace ModKorvel
