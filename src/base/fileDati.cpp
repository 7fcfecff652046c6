#include "base/fileDati.h"

#include "platform/messaggi.h"
#include "base/ModKorvel.h"
#include "base/scrittura.h"

#include <QDir>

namespace archivio {

FileDati::FileDati(piattaforma::CommonDialog& dialogo, const QString& prefisso, QString* ricordato)
    : dialogo_(dialogo), prefisso_(prefisso), ricordato_(ricordato ? ricordato : &proprio_)
{
    dialogo_.FileName = prefisso_;
    dialogo_.prefisso = prefisso_;
}

QString FileDati::filtroSalva() const
{
    return QStringLiteral("File ") + prefisso_ + QStringLiteral(" | ") + prefisso_ + QLatin1Char('*');
}

QString FileDati::filtroApri() const
{
    return QStringLiteral("Tutti i file (*.*) | *.*|") + filtroSalva();
}

bool FileDati::apri(const Leggi& leggi)
{
    dialogo_.DialogTitle = QStringLiteral("Apri file");
    dialogo_.FileName = QString();
    dialogo_.Filter = filtroApri();
    dialogo_.FilterIndex = 2;
    if (!dialogo_.ShowOpen())
        return false;
    const QString nome = dialogo_.FileName;
    QString motivo;
    Lettore lettore = Lettore::daFile(nome, &motivo);
    if (!motivo.isEmpty()) {
        piattaforma::msgBox(messaggioNonLeggibile(nome, motivo), piattaforma::vbCritical, ModKorvel::titoloControllo);
        return false;
    }
    Applica applica;
    if (lettore.ok())
        applica = leggi(lettore);
    if (!lettore.ok() || !applica) {
        piattaforma::msgBox(messaggioNonValido(nome), piattaforma::vbCritical, ModKorvel::titoloControllo);
        return false;
    }
    applica();
    bersaglio_ = nome;
    *ricordato_ = nome;
    return true;
}

bool FileDati::salva(const std::function<void(Scrittore&)>& scrivi)
{
    dialogo_.DialogTitle = QStringLiteral("Salva file con nome");
    QString nome = bersaglio_;
    if (ricordato_->isEmpty() || bersaglio_.isEmpty()) {
        dialogo_.Filter = filtroSalva();
        dialogo_.FilterIndex = 1;
        if (dialogo_.FileName.isEmpty())
            dialogo_.FileName = prefisso_;
        if (!dialogo_.ShowSave())
            return false;
        nome = dialogo_.FileName;
    }
    // A save-as that could not write leaves a plain save writing where it wrote before
    // (save-as forgets the remembered name before it asks).
    auto nonScritto = [&](const QString& motivo) {
        if (ricordato_->isEmpty())
            *ricordato_ = bersaglio_;
        piattaforma::msgBox(messaggioNonScritto(nome, motivo), piattaforma::vbCritical, ModKorvel::titoloControllo);
        return false;
    };
    Scrittore scrittore;
    scrivi(scrittore);
    if (!scrittore.ok())
        return nonScritto(QString());
    if (const scrittura::Esito esito = scrittura::scriviFile(nome, scrittore.contenuto()); !esito)
        return nonScritto(esito.motivo);
    bersaglio_ = nome;
    *ricordato_ = nome;
    if (!scrittore.perdite().isEmpty())
        piattaforma::msgBox(messaggioNonRegistrabili(nome, scrittore.perdite()), piattaforma::vbExclamation,
                            ModKorvel::titoloControllo);
    return true;
}

QString messaggioNonValido(const QString& nome)
{
    return QStringLiteral("Il file \"") + QDir::toNativeSeparators(nome)
        + QStringLiteral("\" non è un file di dati valido per questa finestra: nessun dato è stato modificato.");
}

QString messaggioNonRegistrabili(const QString& nome, const QList<Scrittore::Perdita>& perdite)
{
    QString testo = QStringLiteral("Il file \"") + QDir::toNativeSeparators(nome)
        + QStringLiteral("\" è stato salvato, ma questi caratteri non si possono registrare in un file di dati e "
                         "sono stati scritti come \"?\":");
    for (const Scrittore::Perdita& p : perdite) {
        QStringList caratteri;
        for (const char32_t u : p.caratteri.toUcs4())
            caratteri << QString::fromUcs4(&u, 1);
        testo += QChar(13) + QStringLiteral("- ") + p.campo + QStringLiteral(": ") + caratteri.join(QLatin1Char(' '));
    }
    return testo;
}

QString messaggioNonLeggibile(const QString& nome, const QString& motivo)
{
    return QStringLiteral("Impossibile leggere il file \"") + QDir::toNativeSeparators(nome) + QStringLiteral("\": ")
        + motivo + QStringLiteral(". Nessun dato è stato modificato.");
}

QString messaggioNonScritto(const QString& nome, const QString& motivo)
{
    QString testo = QStringLiteral("Impossibile salvare il file \"") + QDir::toNativeSeparators(nome)
        + QStringLiteral("\": i dati non sono stati registrati.");
    if (!motivo.isEmpty())
        testo += QChar(13) + motivo;
    return testo;
}

} // namespace archivio
