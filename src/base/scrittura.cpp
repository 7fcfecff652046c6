#include "base/scrittura.h"

#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace scrittura {

namespace {
Esito fallito(QString motivo)
{
    if (motivo.isEmpty())
        motivo = QStringLiteral("errore di scrittura");
    return Esito{false, motivo};
}
} // namespace

Esito scriviFile(const QString& nome, const QByteArray& dati)
{
    return scriviFile(nome, dati, {});
}

Esito scriviFile(const QString& nome, const QByteArray& dati, const std::function<void()>& primaDelNome)
{
    if (nome.trimmed().isEmpty())
        return fallito(QStringLiteral("il nome del file è vuoto"));
    // Destroyed without a commit, the save file removes its temporary file.
    QSaveFile file(nome);
    if (!file.open(QIODevice::WriteOnly))
        return fallito(file.errorString());
    if (file.write(dati) != dati.size() || !file.flush()) {
        const QString motivo = file.errorString();
        file.cancelWriting();
        return fallito(motivo);
    }
    if (::fsync(file.handle()) != 0) {
        const QString motivo = QString::fromLocal8Bit(std::strerror(errno));
        file.cancelWriting();
        return fallito(motivo);
    }
    if (primaDelNome)
        primaDelNome();
    if (!file.commit())
        return fallito(file.errorString());
    return Esito{true, {}};
}

} // namespace scrittura
