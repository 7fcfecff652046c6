#pragma once
// The help topics: their titles and their body texts, which live as text files in
// the program's resources (help/testi). The help windows show them, the help
// contents print them all, the licence-terms window shows the terms.
#include <QString>

namespace testiGuida {

// In the order of the help contents and of the printed guide.
enum class Argomento {
    manuale = 1,
    funzionamento,
    archivio,
    stampa,
    menu,
    tabella,
    trasmitt,
    fattib,
    risultati,
    dettagliato,
    risdettagliato,
    frontespizio,
};
inline constexpr int numeroArgomenti = 12;

// Argomento n (1..12); other numbers give the quick manual.
Argomento argomento(int n);

// The one-line title ("MANUALE D'USO RAPIDO", "Finestra MENU", ...).
QString titolo(Argomento a);
// The body: one paragraph, no line breaks.
QString testo(Argomento a);

// The terms of use: paragraphs separated by line feeds.
QString licenza();

} // namespace testiGuida
