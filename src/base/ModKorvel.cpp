#include "base/ModKorvel.h"

#include "platform/messaggi.h"

#include <QSettings>
#include <QStandardPaths>

namespace ModKorvel {

void inizializzaDati()
{
    nomeProgramma = QStringLiteral("Korvel");
    sottotitolo = QStringLiteral("programma per il calcolo di pannelli solari");
    versione = QStringLiteral("3.04.05");
    dataInizio = QStringLiteral("01/01/1984");
    dataRilascio = QStringLiteral("281211");
    titoloControllo = nomeProgramma + QStringLiteral(": controllo dati immessi nella finestra attiva");
    titoloAiuto = nomeProgramma + QStringLiteral(": aiuto in linea");
    titoloElimina = QStringLiteral("Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo");
    titoloColore = nomeProgramma + QStringLiteral(": colore di sfondo");
}

void caricaStudio()
{
    const QString cartella = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QSettings impostazioni(cartella + QStringLiteral("/Korvel/korvel.ini"), QSettings::IniFormat);
    // An unquoted comma makes the settings file read a list ("Via Roma 1, Milano"),
    // which as a plain value would give the empty text.
    const auto testo = [&impostazioni](const QString& chiave) {
        const QVariant valore = impostazioni.value(chiave);
        if (valore.typeId() == QMetaType::QStringList)
            return valore.toStringList().join(QStringLiteral(", "));
        return valore.toString();
    };
    nomeStudio = testo(QStringLiteral("studio/nome"));
    indirizzoStudio = testo(QStringLiteral("studio/indirizzo"));
}

void controllaNumero()
{
    using namespace piattaforma;
    // The loop runs over the text as it was on entry; each offending character is
    // reported in its own box, in order.
    const QString testo = datoImmesso;
    QString risultato;
    risultato.reserve(testo.size());
    for (QChar c : testo) {
        if (c == QLatin1Char(',')) {
            c = QLatin1Char('.');
            if (virgolaSilenziosa != 1)
                msgBox(QStringLiteral("Attenzione: usare il punto per i decimali."), vbCritical, titoloControllo);
        }
        if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.')) {
            risultato += c;
        } else {
            msgBox(QStringLiteral("Attenzione: digitare solo dati numerici."), vbCritical, titoloControllo);
        }
    }
    datoControllato = risultato;
}

void confermaControllo(const QString& conferma)
{
    if (controlloSilenzioso == 1) {
        controlloSilenzioso = 0;
        return;
    }
    piattaforma::msgBox(conferma, piattaforma::vbInformation, titoloControllo);
}

} // namespace ModKorvel
