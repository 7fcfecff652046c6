#include "help/suggerimenti.h"

#include "base/archivio.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace suggerimenti {

namespace {

QString pulisci(QStringView riga)
{
    QString tip;
    tip.reserve(std::min(riga.size(), lunghezzaMassima));
    for (const QChar ch : riga) {
        if (tip.size() >= lunghezzaMassima)
            break;
        if (ch == QLatin1Char('\t') || !(ch.category() == QChar::Other_Control || ch.category() == QChar::Other_Format))
            tip += ch;
    }
    // A cut must not leave half a character made of two code units.
    if (!tip.isEmpty() && tip.back().isHighSurrogate())
        tip.chop(1);
    return tip;
}

QStringList righe(const QString& testo)
{
    QStringList tips;
    qsizetype inizio = 0;
    const qsizetype n = testo.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar ch = testo[i];
        if (ch != QLatin1Char('\r') && ch != QLatin1Char('\n'))
            continue;
        tips << pulisci(QStringView(testo).mid(inizio, i - inizio));
        if (ch == QLatin1Char('\r') && i + 1 < n && testo[i + 1] == QLatin1Char('\n'))
            ++i;
        inizio = i + 1;
    }
    if (inizio < n)
        tips << pulisci(QStringView(testo).mid(inizio));
    return tips;
}

} // namespace

QStringList leggiSuggerimenti(const QByteArray& contenuto)
{
    QByteArray byte = contenuto.left(fileMassimo);
    if (contenuto.size() > fileMassimo) {
        // The last line was cut: it goes.
        const qsizetype fine = std::max(byte.lastIndexOf('\r'), byte.lastIndexOf('\n'));
        byte.truncate(fine < 0 ? 0 : fine + 1);
    }
    static const QByteArray bom("\xEF\xBB\xBF");
    if (byte.startsWith(bom))
        return righe(QString::fromUtf8(byte.mid(bom.size())));
    return righe(archivio::decodifica(byte));
}

std::optional<QStringList> leggiSuggerimentiDa(const QString& percorso)
{
    if (percorso.isEmpty() || !QFileInfo(percorso).isFile())
        return std::nullopt;
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return QStringList();
    // One byte more than the limit tells a cut file from one of exactly that size.
    const QByteArray contenuto = file.read(fileMassimo + 1);
    if (file.error() != QFileDevice::NoError)
        return QStringList();
    return leggiSuggerimenti(contenuto);
}

QString percorsoSuggerimenti()
{
    const QString cartella = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    return QDir(cartella).filePath(nomeFile);
}

} // namespace suggerimenti
