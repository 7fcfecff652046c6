#pragma once
// The three files Korvel reads by name, looked up as its windows look them up: the
// tips beside the program, the price list and the title tune in the working folder.
// "korvel --verifica-file" reports where each one is found, without opening a window,
// so that an installation can be checked from outside.
#include <QString>

#include <vector>

namespace fileProgramma {

inline const QString opzioneVerifica = QStringLiteral("--verifica-file");

struct File {
    QString nome;     // "suggerimenti", "listino", "brano"
    QString percorso; // absolute
    bool trovato = false;
    QString esito;    // what was read, or why nothing was
};

std::vector<File> cerca();

// One line a file; standard output, 0 when all three were found and read, 1 otherwise.
int verifica();

} // namespace fileProgramma
