#pragma once
// Addresses and contact texts of the information windows, kept in one place. They
// are placeholders: the program names no real vendor or support service.
#include <QString>

namespace recapiti {

// The vendor of the programs in the price list.
inline const QString sito = QStringLiteral("www.example.com");
inline const QString paginaCatalogo = QStringLiteral("http://www.example.com/catalogo.htm");
inline const QString paginaAcquisto = QStringLiteral("http://www.example.com/compra.htm");
inline const QString posta = QStringLiteral("info@example.com");

// The support service.
inline const QString servizio = QStringLiteral("Servizio di assistenza Korvel");
inline const QString indirizzo = QStringLiteral("Via dell'Esempio 1 - 00000 Località di esempio");
inline const QString telefono = QStringLiteral("tel. 000 0000000");
inline const QString fax = QStringLiteral("fax 000 0000001");
inline const QString postaAssistenza = QStringLiteral("assistenza@example.com");
inline const QString sitoAssistenza = QStringLiteral("www.example.com/assistenza");
inline const QString comeRichiedere = QStringLiteral(
    "Per ricevere assistenza indicare il numero di versione del programma (menu ?, Informazioni su Korvel), "
    "la finestra in uso e i passi che hanno portato al problema; se possibile allegare il file di dati della finestra.");
inline const QString quando = QStringLiteral(
    "Il servizio risponde per posta elettronica nei giorni feriali, di norma entro due giorni lavorativi; "
    "per telefono dal lunedì al venerdì, dalle 9 alle 13.");

} // namespace recapiti
