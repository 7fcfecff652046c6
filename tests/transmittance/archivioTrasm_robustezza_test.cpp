// Damaged and foreign transmittance files: seeded random and mutated contents through
// the reader. Nothing may crash, nothing beyond the table's size is taken, and every
// file the reader accepts is written again and reads back as the same content.
#include "base/archivio.h"
#include "support/guasti.h"
#include "transmittance/archivioTrasm.h"

#include <gtest/gtest.h>

namespace {

const QByteArray buono("3,2\r\n"
                       "\"Muratura con intercapedine\",\"120\",\"1.31\"\r\n"
                       "\"Portoni in legno, doppi infissi\",\"6.3\",\"2.51\"\r\n"
                       "\"Muratura in pietra\",,\r\n"
                       "\"Porta\",4.2,3\r\n"
                       "\"Muro pieno\",\"33\",\"1.64\"\r\n"
                       "\"Scuola \x94Verdi\x94\",\"Citt\xE0\",\"\",\"Comune\",\"\",\"luned\xEC\",\"\x80 1.200\"\r\n");

} // namespace

TEST(ArchivioTrasmRobustezza, WhateverIsAcceptedReadsBackTheSame)
{
    std::mt19937 g(20261207);
    int accettati = 0;
    for (int i = 0; i < 3000; ++i) {
        QByteArray caso = guasti::guasto(g, buono);
        // Counts that no longer match the records.
        if (i % 5 == 0 && !caso.isEmpty())
            caso[0] = char('0' + g() % 10);
        archivio::Lettore l(caso);
        const auto c = archivioTrasm::leggi(l);
        if (!c)
            continue;
        ++accettati;
        for (int gruppo = 1; gruppo <= 2; ++gruppo)
            ASSERT_LE(c->gruppi[gruppo].size(), 20U) << caso.toHex().constData();
        archivio::Scrittore s;
        archivioTrasm::scrivi(s, *c);
        ASSERT_TRUE(s.ok());
        archivio::Lettore r(s.contenuto());
        const auto indietro = archivioTrasm::leggi(r);
        ASSERT_TRUE(indietro) << caso.toHex().constData() << "\n" << s.contenuto().toHex().constData();
        // Texts come back as the character set holds them.
        archivio::Scrittore ancora;
        archivioTrasm::scrivi(ancora, *indietro);
        EXPECT_EQ(ancora.contenuto(), s.contenuto()) << caso.toHex().constData();
    }
    EXPECT_GT(accettati, 100) << "the mutations must leave many files whole";
}
