#pragma once
// Every file the program writes goes through scriviFile. The bytes go to a temporary
// file beside the target, are flushed and synced to disk, and only then take the
// target's name. A full disk may show only at the flush (the first bytes are merely
// buffered) or at the sync, and a rename after a failed write would put an empty file
// in place of the user's: so each step is checked, and on any failure the target is
// left byte for byte as it was and no temporary file stays behind.
#include <QByteArray>
#include <QString>

#include <functional>

namespace scrittura {

struct Esito {
    bool riuscito = false;
    QString motivo; // why it failed, as the system tells it; empty on success
    explicit operator bool() const { return riuscito; }
};

Esito scriviFile(const QString& nome, const QByteArray& dati);

// The same, running `primaDelNome` once the bytes are on disk, just before they take
// the target's name: the tests make that last step fail from there.
Esito scriviFile(const QString& nome, const QByteArray& dati, const std::function<void()>& primaDelNome);

} // namespace scrittura
