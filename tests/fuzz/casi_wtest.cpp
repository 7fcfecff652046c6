// Every case the fuzzing harness kept, under tests/fuzz/casi/<entry>/, through the
// same entry it was found with: the properties hold and nothing crashes. A large case
// is kept gzipped (name ending in .gz) and unpacked here.
#include "ingressi.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <zlib.h>

#include <string>
#include <vector>

namespace {

const QString cartellaCasi = QStringLiteral(KORVEL_CASI);

QByteArray decomprimi(const QByteArray& gz)
{
    z_stream z{};
    if (inflateInit2(&z, 16 + MAX_WBITS) != Z_OK)
        return {};
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(gz.constData()));
    z.avail_in = uInt(gz.size());
    QByteArray risultato;
    char blocco[65536];
    int esito = Z_OK;
    while (esito == Z_OK) {
        z.next_out = reinterpret_cast<Bytef*>(blocco);
        z.avail_out = sizeof blocco;
        esito = inflate(&z, Z_NO_FLUSH);
        risultato.append(blocco, qsizetype(sizeof blocco - z.avail_out));
    }
    inflateEnd(&z);
    return esito == Z_STREAM_END ? risultato : QByteArray();
}

std::vector<std::string> nomi()
{
    std::vector<std::string> n;
    for (const fuzz::Ingresso& i : fuzz::ingressi())
        n.push_back(i.nome.toStdString());
    return n;
}

class CasiConservati : public ::testing::TestWithParam<std::string> {};

} // namespace

TEST_P(CasiConservati, EveryKeptCaseHoldsTheProperties)
{
    const fuzz::Ingresso* ingresso = fuzz::ingresso(QString::fromStdString(GetParam()));
    ASSERT_NE(ingresso, nullptr);
    const QDir cartella(cartellaCasi + QLatin1Char('/') + ingresso->nome);
    const QStringList casi = cartella.entryList(QDir::Files, QDir::Name);
    EXPECT_FALSE(casi.isEmpty()) << "every harness keeps the cases it found, or a seed";
    for (const QString& caso : casi) {
        QFile file(cartella.filePath(caso));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << caso.toStdString();
        QByteArray dati = file.readAll();
        if (caso.endsWith(QLatin1String(".gz"))) {
            dati = decomprimi(dati);
            ASSERT_FALSE(dati.isEmpty()) << caso.toStdString();
        }
        const QStringList mancate = ingresso->prova(dati);
        EXPECT_TRUE(mancate.isEmpty()) << caso.toStdString() << ":\n" << mancate.join(QLatin1Char('\n')).toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Fuzz, CasiConservati, ::testing::ValuesIn(nomi()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string nome = info.param;
                             for (char& c : nome)
                                 if (c == '-')
                                     c = '_';
                             return nome;
                         });

TEST(CasiConservati, EveryFolderBelongsToAHarness)
{
    for (const QString& cartella : QDir(cartellaCasi).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        EXPECT_NE(fuzz::ingresso(cartella), nullptr) << cartella.toStdString();
}
