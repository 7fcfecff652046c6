// A save whose last step, the rename into the target's name, fails after every byte was
// written and synced.
#include "base/scrittura.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray contenuto(const QString& nome)
{
    QFile f(nome);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(illeggibile)");
}

QStringList voci(const QString& cartella)
{
    return QDir(cartella).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

// The folder is moved away while the file is being saved (another program renames it,
// a removable disk goes): the bytes are written, but cannot take the target's name.
// The save is no save; the earlier file, gone with its folder, is as it was, and no
// temporary file stays behind, there or anywhere.
TEST(Scrittura, UnNomeRifiutatoDopoLaScritturaNonESalvato)
{
    QTemporaryDir radice;
    ASSERT_TRUE(radice.isValid());
    const QString cartella = radice.filePath(QStringLiteral("dati"));
    const QString spostata = radice.filePath(QStringLiteral("spostata"));
    const QString file = QStringLiteral("Korvel-fattib-prova");
    for (const bool esistente : {true, false}) {
        SCOPED_TRACE(esistente ? "sopra un file esistente" : "un file nuovo");
        ASSERT_TRUE(QDir(cartella).removeRecursively() && QDir(spostata).removeRecursively());
        ASSERT_TRUE(QDir().mkpath(cartella));
        if (esistente) {
            ASSERT_TRUE(scrittura::scriviFile(QDir(cartella).filePath(file), "prima"));
        }

        bool spostamento = false;
        const scrittura::Esito esito = scrittura::scriviFile(QDir(cartella).filePath(file), "dopo", [&] {
            spostamento = QDir().rename(cartella, spostata);
        });
        ASSERT_TRUE(spostamento);
        EXPECT_FALSE(esito);
        EXPECT_FALSE(esito.motivo.isEmpty());
        EXPECT_EQ(voci(radice.path()), QStringList{QStringLiteral("spostata")});
        EXPECT_EQ(voci(spostata), esistente ? QStringList{file} : QStringList{});
        if (esistente) {
            EXPECT_EQ(contenuto(QDir(spostata).filePath(file)), "prima");
        }
    }
}
