// The transmittance data file: the elements it takes from the table, older files it
// still reads, and the files the reader refuses.
#include "base/archivio.h"
#include "transmittance/archivioTrasm.h"
#include "transmittance/datiTrasmittanza.h"

#include <gtest/gtest.h>

namespace {

const QByteArray copertina("\"P\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");

std::optional<archivioTrasm::Contenuto> letto(const QByteArray& byte)
{
    archivio::Lettore l(byte);
    return archivioTrasm::leggi(l);
}

} // namespace

// A gap in the table and an area in a row without a type are left out: every
// element written is one that counts.
TEST(ArchivioTrasm, OnlyTheTypedElementsInOrder)
{
    using namespace ModKorvel;
    tipologiaElem[1][2] = QStringLiteral("Portoni in legno, doppi infissi");
    areaElem[1][2] = QStringLiteral("6.3");
    trasUnitaria[1][2] = QStringLiteral("2.51");
    tipologiaElem[1][7] = QStringLiteral("Muratura in pietra");
    areaElem[1][5] = QStringLiteral("40");
    tipologiaElem[2][20] = QStringLiteral("Porta");
    datiFrontespizio progetto;
    progetto.progetto = QStringLiteral("P");
    archivio::Scrittore s;
    archivioTrasm::scrivi(s, archivioTrasm::daModulo(progetto));
    EXPECT_EQ(s.contenuto(), "2,1\r\n\"Portoni in legno, doppi infissi\",\"6.3\",\"2.51\"\r\n"
                             "\"Muratura in pietra\",\"\",\"\"\r\n\"Porta\",\"\",\"\"\r\n"
                                 + copertina);
}

// Bare numbers and values never set, as older files have them.
TEST(ArchivioTrasm, LooselyWrittenFilesStillRead)
{
    const auto c = letto("2,0\r\n\"Vetrate\",12,6\r\n\"Porta\",,\r\n" + copertina);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->gruppi[1][0], (archivioTrasm::Elemento{"Vetrate", "12", "6"}));
    EXPECT_EQ(c->gruppi[1][1], (archivioTrasm::Elemento{"Porta", "", ""}));
    EXPECT_EQ(c->frontespizio.progetto, QStringLiteral("P"));
}

TEST(ArchivioTrasm, FilesTheReaderRefuses)
{
    const QByteArray elemento = "\"Vetrate\",\"12\",\"6\"\r\n";
    const QList<QByteArray> cattivi = {
        QByteArray(),
        "21,0\r\n" + elemento + copertina,                       // above the table's size
        "-1,0\r\n" + copertina,
        "1.5,0\r\n" + elemento + copertina,
        "2,0\r\n" + elemento + copertina,                        // one element short
        "0,1\r\n" + elemento + elemento + copertina,             // one element too many
        "1,0\r\n" + elemento + copertina + "\r\n",                // a line after the last
        "2,0\r\n\"\",\"5\",\"1.31\"\r\n" + elemento + copertina, // an element without its type
        "1,0\r\n,\"12\",\"6\"\r\n" + copertina,
        "1,0\r\nPor\"ta,12,6\r\n" + copertina,                   // a type the writer would change
        "1,0\r\n\"Vetrate\",\"1,5\",\"6\"\r\n" + copertina,      // what no number box holds
        "1,0\r\n\"Vetrate\",\"12\",\"-6\"\r\n" + copertina,
        "1,0\r\n\"Vetrate\",\"12\",\"\n\"\r\n" + copertina,
        "1,0\r\n" + elemento + "\"solo\",\"tre\",\"campi\"\r\n",
        "1,0\r\n" + elemento + "1,2,3,4,5,6,7\r\n",              // cover fields are texts
        "\"Milano\",16,1\r\n\"250\"\r\n\"20\",\"300\",\"5\",2,\"0.8\",350,200\r\n" + copertina, // feasibility
    };
    for (qsizetype i = 0; i < cattivi.size(); ++i)
        EXPECT_FALSE(letto(cattivi[i])) << i;
}
