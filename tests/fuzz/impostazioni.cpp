// The settings file: no file stops the start, the program reads what the reader says,
// and two texts written as the README tells come back as they were.
#include "ingressi.h"

#include "base/ModKorvel.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace fuzz {

namespace {

// A text as the README says to write it: between double quotes, with a backslash
// before every backslash and double quote.
QByteArray scritto(const QString& testo)
{
    QByteArray b = "\"";
    for (const char c : testo.toUtf8()) {
        if (c == '\\' || c == '"')
            b += '\\';
        b += c;
    }
    return b + '"';
}

} // namespace

QStringList provaImpostazioni(const QByteArray& dati)
{
    Verifica v;
    // The file itself, read at start as the program reads it.
    static QTemporaryDir cartella;
    const QByteArray prima = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(cartella.path()));
    QDir(cartella.path()).mkpath(QStringLiteral("Korvel"));
    {
        QFile file(cartella.filePath(QStringLiteral("Korvel/korvel.ini")));
        v(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(dati) == dati.size(),
          QStringLiteral("the settings file cannot be written"));
    }
    ModKorvel::caricaStudio();
    qputenv("XDG_CONFIG_HOME", prima);
    const ModKorvel::datiStudio letto =
        dati.size() <= ModKorvel::impostazioniMassime ? ModKorvel::leggiImpostazioni(dati) : ModKorvel::datiStudio{};
    v(ModKorvel::nomeStudio == letto.nome && ModKorvel::indirizzoStudio == letto.indirizzo,
      QStringLiteral("the start reads other texts than the reader gives"));

    // The input as two texts of one line each, written as the README says.
    const QString testo = QString::fromUtf8(dati);
    // Cut between characters: half a pair of code units has no UTF-8 form.
    qsizetype meta = testo.size() / 2;
    if (meta > 0 && testo[meta - 1].isHighSurrogate() && testo[meta].isLowSurrogate())
        ++meta;
    QString nome = testo.left(meta);
    QString indirizzo = testo.mid(meta);
    for (QString* t : {&nome, &indirizzo}) {
        t->remove(QLatin1Char('\r'));
        t->remove(QLatin1Char('\n'));
    }
    const ModKorvel::datiStudio riletto = ModKorvel::leggiImpostazioni(
        "; written as the README says\n[studio]\nnome = " + scritto(nome) + "\nindirizzo=" + scritto(indirizzo) + "\n");
    v(riletto.nome == nome, QStringLiteral("name written, read as: ") + riletto.nome.left(80));
    v(riletto.indirizzo == indirizzo, QStringLiteral("address written, read as: ") + riletto.indirizzo.left(80));
    return v.mancate();
}

} // namespace fuzz
