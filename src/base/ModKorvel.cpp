#include "base/ModKorvel.h"

#include "platform/messaggi.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringView>

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

namespace {

// The text of one value: quotes dropped, escapes taken, the comment cut, the blanks
// around it dropped (not those between quotes).
QString testoValore(QStringView grezzo)
{
    QString testo;
    qsizetype tenuti = 0; // characters that trailing blanks may not take away
    bool virgolette = false;
    for (qsizetype i = 0; i < grezzo.size(); ++i) {
        const QChar c = grezzo[i];
        if (c == QLatin1Char('\\')) {
            if (++i < grezzo.size())
                testo += grezzo[i];
            tenuti = testo.size();
        } else if (c == QLatin1Char('"')) {
            virgolette = !virgolette;
            tenuti = testo.size();
        } else if (!virgolette && c == QLatin1Char(';')) {
            break;
        } else {
            testo += c;
            if (virgolette || !c.isSpace())
                tenuti = testo.size();
        }
    }
    testo.truncate(tenuti);
    return testo;
}

// Values Qt writes bare for what is not a text: "@@" stands for a leading "@".
QString comeTesto(const QString& valore)
{
    if (!valore.startsWith(QLatin1Char('@')))
        return valore;
    if (valore.startsWith(QLatin1String("@@")))
        return valore.mid(1);
    const QLatin1String byte("@ByteArray(");
    if (valore.startsWith(byte) && valore.endsWith(QLatin1Char(')')))
        return valore.mid(byte.size(), valore.size() - byte.size() - 1);
    for (const char* tipo : {"@Variant(", "@Invalid(", "@Rect(", "@Size(", "@Point(", "@DateTime(", "@ByteArray("}) {
        if (valore.startsWith(QLatin1String(tipo)))
            return QString();
    }
    return valore;
}

} // namespace

datiStudio leggiImpostazioni(const QByteArray& contenuto)
{
    datiStudio studio;
    const QString testo = QString::fromUtf8(contenuto.startsWith("\xEF\xBB\xBF") ? contenuto.mid(3) : contenuto);
    bool inStudio = false;
    qsizetype inizio = 0;
    while (inizio < testo.size()) {
        qsizetype fine = inizio;
        while (fine < testo.size() && testo[fine] != QLatin1Char('\n') && testo[fine] != QLatin1Char('\r'))
            ++fine;
        const QStringView riga = QStringView(testo).mid(inizio, fine - inizio).trimmed();
        inizio = fine + 1;
        if (riga.isEmpty() || riga.startsWith(QLatin1Char(';')) || riga.startsWith(QLatin1Char('#')))
            continue;
        if (riga.startsWith(QLatin1Char('['))) {
            inStudio = riga.endsWith(QLatin1Char(']')) && riga.mid(1, riga.size() - 2).trimmed() == QLatin1String("studio");
            continue;
        }
        const qsizetype uguale = riga.indexOf(QLatin1Char('='));
        if (!inStudio || uguale < 0)
            continue;
        const QStringView chiave = riga.left(uguale).trimmed();
        QString* destinazione = chiave == QLatin1String("nome")        ? &studio.nome
                                : chiave == QLatin1String("indirizzo") ? &studio.indirizzo
                                                                       : nullptr;
        const QStringView grezzo = riga.mid(uguale + 1).trimmed();
        if (destinazione)
            *destinazione = grezzo.startsWith(QLatin1Char('"')) ? testoValore(grezzo) : comeTesto(testoValore(grezzo));
    }
    return studio;
}

void caricaStudio()
{
    const QString cartella = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString nome = cartella + QStringLiteral("/Korvel/korvel.ini");
    QByteArray contenuto;
    QFile file(nome);
    if (QFileInfo(nome).isFile() && file.open(QIODevice::ReadOnly)) {
        contenuto = file.read(impostazioniMassime + 1);
        if (contenuto.size() > impostazioniMassime || file.error() != QFileDevice::NoError)
            contenuto.clear();
    }
    const datiStudio studio = leggiImpostazioni(contenuto);
    nomeStudio = studio.nome;
    indirizzoStudio = studio.indirizzo;
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
