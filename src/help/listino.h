#pragma once
// The price list of further programs, read from "listino.txt": a heading, the count
// N, then N records of name, topic, list price and offer price, as fields separated
// by commas or line ends (texts in double quotes, numbers bare with a point).
//
// The file comes from outside and is never trusted: whatever it holds, the reader
// gives the heading (empty when none was read) and the complete records read before
// the first missing field, field of the wrong kind or the end of the count, at most
// prodottiMassimi of them.
#include <QByteArray>
#include <QString>

#include <vector>

namespace listino {

inline constexpr int prodottiMassimi = 100;
inline const QString nomeFile = QStringLiteral("listino.txt");

struct Prodotto {
    QString nome;
    QString argomento;
    double prezzoListino = 0.0; // euro
    double prezzoOfferta = 0.0; // euro
};

struct Listino {
    QString intestazione;
    std::vector<Prodotto> prodotti; // at most prodottiMassimi
};

// The content of a price-list file.
Listino leggiListino(const QByteArray& contenuto);
// The file by name; a missing, unreadable or oversized file gives an empty list.
Listino leggiListinoDa(const QString& nome);

} // namespace listino
