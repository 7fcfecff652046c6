#pragma once
// The program's shared state and routines of the application shell. Other folders
// add their own groups to namespace ModKorvel in their own headers
// (climate/datiClimatici.h, feasibility/datiFattib.h, ...).
//
// Every variable starts empty: 0 for numbers, "" for texts. An int flag that was
// never set therefore reads as 0, exactly as an empty value compares equal to 0.
#include "platform/dialoghi.h"
#include <QByteArray>
#include <QString>

namespace ModKorvel {

// Program strings and message titles, set by inizializzaDati().
inline QString nomeProgramma;
inline QString sottotitolo;
inline QString versione;
inline QString dataInizio;
inline QString dataRilascio;
inline QString titoloControllo;
inline QString titoloAiuto;
inline QString titoloColore;
inline QString titoloElimina;

// Silent-check flag. A caller that wants a check's verdict sets it to 1 and runs
// the check; a check that passes with the flag at 1 resets it to 0 instead of
// showing its confirmation. The caller reads 1 as a failure.
inline int controlloSilenzioso = 0;

// Name of the current data file of the feasibility, detailed and transmittance
// windows and of the two results windows; "" means none.
inline QString nomeFile;

// The last calculation shown: 0 none, 1 feasibility, 2 detailed. Written by the
// feasibility and detailed windows; read by the cover page and the technical report.
inline int tipoElaborazione = 0;

// The colour last chosen in a colour dialog of any working window.
inline piattaforma::ColoreRGB coloreSfondo = 0;

// Design studio, read from the user's settings (studio/nome, studio/indirizzo).
inline QString nomeStudio;
inline QString indirizzoStudio;

// Channel of the numeric input filter.
inline QString datoImmesso;      // the text to filter (the box's current text)
inline QString datoControllato;  // the filtered text
inline int virgolaSilenziosa = 0; // 1: a comma becomes a point without warning

// Sets the nine program strings and titles; calling it again changes nothing.
void inizializzaDati();

// The studio's name and address as a settings file holds them. The file is UTF-8
// text read line by line, never as Qt's typed values (a value nested deep enough
// would exhaust the stack at start-up):
//   [studio]
//   nome=Studio Tecnico Rossi
//   indirizzo="Via Roma 1; Milano"
// Blanks around keys and values are dropped; a line beginning with ";" or "#" is a
// comment, and so is the rest of a line after a ";" outside double quotes. Double
// quotes keep the blanks and semicolons they hold and are dropped; a backslash takes
// the character after it as it stands, quotes too (a backslash is written "\\").
// A value that begins with a quote is a text as it stands; a bare value of another
// kind written by Qt reads as its text ("@ByteArray(x)" as "x") or as nothing. A
// later key replaces an earlier one.
struct datiStudio {
    QString nome;
    QString indirizzo;
};
datiStudio leggiImpostazioni(const QByteArray& contenuto);

// Largest settings file read; a larger one is not a file anyone wrote by hand, and
// gives the empty texts.
inline constexpr qsizetype impostazioniMassime = 4 * 1024 * 1024;

// Reads the studio name and address from the settings file
// (~/.config/Korvel/korvel.ini); absent keys, or a file that cannot be read, give "".
void caricaStudio();

// The numeric input filter: keeps digits and points, turns a comma into a point and
// drops everything else, with one warning per changed or dropped character.
void controllaNumero();

// Runs a check silently: sets the flag, runs it, and tells whether it passed. The
// flag goes back to 0 either way, so the user's next check is not silent too.
template <class Controllo>
bool verificaSilenziosa(Controllo&& controllo)
{
    controlloSilenzioso = 1;
    controllo();
    const bool passato = controlloSilenzioso != 1;
    controlloSilenzioso = 0;
    return passato;
}

// The end of every check that passed: silent when a caller asked for the verdict,
// otherwise the confirmation message (information icon, title titoloControllo).
void confermaControllo(const QString& conferma);

// The check of a results window: the check of the window holding its inputs, run
// silently, then the calculation again; passed, it ends as any check does. Run for a
// verdict, it leaves the flag as a check does: 1 after a failure.
template <class Controllo, class Calcolo>
void controllaECalcola(Controllo&& controllo, Calcolo&& calcolo)
{
    const int flag = controlloSilenzioso;
    const bool passato = verificaSilenziosa(controllo) && calcolo();
    controlloSilenzioso = flag;
    if (passato)
        confermaControllo(QStringLiteral("I dati sono stati immessi correttamente."));
}

// The unit fuel i (1 gas oil, 2 methane, 3 electricity) is priced in, in both
// calculation windows; "" for none.
inline QString unitaDelCombustibile(int combustibile)
{
    switch (combustibile) {
    case 1: return QStringLiteral("l. di gasolio");
    case 2: return QStringLiteral("mc. di metano");
    case 3: return QStringLiteral("kwh di elettricità");
    default: return QString();
    }
}

// Every value of this group back to its start-up state.
inline void ripristinaModulo()
{
    nomeProgramma = {};
    sottotitolo = {};
    versione = {};
    dataInizio = {};
    dataRilascio = {};
    titoloControllo = {};
    titoloAiuto = {};
    titoloColore = {};
    titoloElimina = {};
    controlloSilenzioso = {};
    nomeFile = {};
    tipoElaborazione = {};
    coloreSfondo = {};
    nomeStudio = {};
    indirizzoStudio = {};
    datoImmesso = {};
    datoControllato = {};
    virgolaSilenziosa = {};
}

} // namespace ModKorvel
