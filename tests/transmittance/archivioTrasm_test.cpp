// The transmittance data file: exact bytes, the elements it takes from the table,
// reading back, and the files the reader refuses.
#include "base/archivio.h"
#include "transmittance/archivioTrasm.h"
#include "transmittance/datiTrasmittanza.h"

#include <gtest/gtest.h>

using archivioTrasm::Contenuto;

namespace {

const ModKorvel::datiFrontespizio copertina{QStringLiteral("Scuola \"Verdi\", ala nord"), QStringLiteral("Città"),
                                            QStringLiteral("fattibilità"), QStringLiteral("Comune"), QString(),
                                            QStringLiteral("lunedì, 7 dic 2026"), QString()};
const QByteArray rigaCopertina("\"Scuola \x94Verdi\x94, ala nord\",\"Citt\xE0\",\"fattibilit\xE0\",\"Comune\",\"\","
                               "\"luned\xEC, 7 dic 2026\",\"\"\r\n");

QByteArray scritto(const Contenuto& c)
{
    archivio::Scrittore s;
    archivioTrasm::scrivi(s, c);
    EXPECT_TRUE(s.ok());
    return s.contenuto();
}

std::optional<Contenuto> letto(const QByteArray& byte)
{
    archivio::Lettore l(byte);
    return archivioTrasm::leggi(l);
}

void elemento(int g, int i, const char* tipo, const char* area, const char* unitaria)
{
    ModKorvel::tipologiaElem[g][i] = QString::fromUtf8(tipo);
    ModKorvel::areaElem[g][i] = QString::fromUtf8(area);
    ModKorvel::trasUnitaria[g][i] = QString::fromUtf8(unitaria);
}

} // namespace

// Three external and two internal elements: seven lines. A gap in the table and a
// row without a type are left out, so every element written is one that counts.
TEST(ArchivioTrasm, ExactBytesOfTheTypedElements)
{
    elemento(1, 1, "Muratura con intercapedine", "120", "1.31");
    elemento(1, 2, "Portoni in legno, doppi infissi", "6.3", "2.51");
    elemento(1, 4, "Muratura in pietra", "", "");
    elemento(1, 5, "", "40", "2.8");
    elemento(2, 1, "Porta", "4.2", "3");
    elemento(2, 20, "Muro pieno", "33", "1.64");
    const Contenuto c = archivioTrasm::daModulo(copertina);
    EXPECT_EQ(scritto(c), QByteArray("3,2\r\n"
                                     "\"Muratura con intercapedine\",\"120\",\"1.31\"\r\n"
                                     "\"Portoni in legno, doppi infissi\",\"6.3\",\"2.51\"\r\n"
                                     "\"Muratura in pietra\",\"\",\"\"\r\n"
                                     "\"Porta\",\"4.2\",\"3\"\r\n"
                                     "\"Muro pieno\",\"33\",\"1.64\"\r\n")
                              + rigaCopertina);

    const auto indietro = letto(scritto(c));
    ASSERT_TRUE(indietro);
    Contenuto atteso = c;
    atteso.frontespizio.progetto = QStringLiteral("Scuola ”Verdi”, ala nord");
    EXPECT_EQ(*indietro, atteso);
    ASSERT_EQ(indietro->gruppi[1].size(), 3U);
    EXPECT_EQ(indietro->gruppi[1][1].tipologia, QStringLiteral("Portoni in legno, doppi infissi"));
}

TEST(ArchivioTrasm, NoElementsAndTwentyOfEach)
{
    const QByteArray vuoto = "0,0\r\n" + rigaCopertina;
    EXPECT_EQ(scritto(archivioTrasm::daModulo(copertina)), vuoto);
    const auto nessuno = letto(vuoto);
    ASSERT_TRUE(nessuno);
    EXPECT_TRUE(nessuno->gruppi[1].empty());
    EXPECT_TRUE(nessuno->gruppi[2].empty());

    for (int g = 1; g <= 2; ++g)
        for (int i = 1; i <= 20; ++i)
            elemento(g, i, "Pilastri", "2", "2.1");
    const auto pieno = letto(scritto(archivioTrasm::daModulo(copertina)));
    ASSERT_TRUE(pieno);
    EXPECT_EQ(pieno->gruppi[1].size(), 20U);
    EXPECT_EQ(pieno->gruppi[2].size(), 20U);
}

// Files of the older program: bare numbers and values never set, a blank line at the end.
TEST(ArchivioTrasm, LooselyWrittenFilesStillRead)
{
    const auto c = letto("1,0\r\n\"Vetrate\",12,6\r\n" + rigaCopertina + "\r\n");
    ASSERT_TRUE(c);
    EXPECT_EQ(c->gruppi[1][0], (archivioTrasm::Elemento{"Vetrate", "12", "6"}));
    const auto senzaArea = letto("1,0\r\n\"Vetrate\",,\"6\"\r\n" + rigaCopertina);
    ASSERT_TRUE(senzaArea);
    EXPECT_EQ(senzaArea->gruppi[1][0].area, QString());
}

TEST(ArchivioTrasm, FilesTheReaderRefuses)
{
    const QByteArray elemento = "\"Vetrate\",\"12\",\"6\"\r\n";
    const QList<QByteArray> cattivi = {
        QByteArray(),
        "21,0\r\n" + elemento + rigaCopertina,                 // above the table's size
        "-1,0\r\n" + rigaCopertina,
        "1\r\n" + elemento + rigaCopertina,                    // one count only
        "2,0\r\n" + elemento + rigaCopertina,                  // one element short
        "0,1\r\n" + elemento + elemento + rigaCopertina,       // one element too many
        "1,0\r\n\"Vetrate\",\"1,5\",\"6\"\r\n" + rigaCopertina, // the comma splits the area
        "1,0\r\n\"Vetrate\",\"12 m\",\"6\"\r\n" + rigaCopertina,
        "1,0\r\n\"Vetrate\",\"12\",\"-6\"\r\n" + rigaCopertina,
        "1,0\r\n" + elemento + "\"solo\",\"tre\",\"campi\"\r\n",
        "1,0\r\n" + elemento + "1,2,3,4,5,6,7\r\n",           // cover fields must be texts
        "1.5,0\r\n" + elemento + rigaCopertina,
        "\"Milano\",16,1\r\n\"250\"\r\n\"20\",\"300\",\"5\",2,\"0.8\",350,200\r\n" + rigaCopertina, // a feasibility file
    };
    for (qsizetype i = 0; i < cattivi.size(); ++i)
        EXPECT_FALSE(letto(cattivi[i])) << i;
}
