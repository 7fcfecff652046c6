// The refused cases and the stored results of the detailed calculation.
#include "climate/datiClimatici.h"
#include "detailed/calcoloDettagliato.h"
#include "detailed/datiDettagliato.h"

#include "detailed/ingressiDett.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace calcoli;
using ingressiDett::economia;

namespace {

IngressiDett completo(int citta)
{
    ModKorvel::numLocalita = citta;
    ModKorvel::caricaDatiClimatici();
    IngressiDett in = economia(6000, 20, 1, 110, 5.0F, 2.0F, 3.0F);
    in.latitudine = ModKorvel::latitudine;
    in.radiazione = ModKorvel::radiazione;
    in.temperatura = ModKorvel::temperatura;
    in.gradiGiorno = ModKorvel::gradiGiorno;
    in.inclinazione = 40;
    in.azimut = 15;
    in.usoImpiantoDett = 2;
    in.consumoAcqua = 300;
    in.temperaturaRete = 12;
    in.temperaturaConsumo = 50;
    in.tipoCollettore = 3;
    in.tipoFluido = 2;
    in.superficieCaptante = 6;
    return in;
}

} // namespace

TEST(CalcoloDettagliato, CasiRifiutati)
{
    struct Caso {
        const char* nome;
        IngressiDett in;
    };
    std::vector<Caso> casi;
    IngressiDett in = completo(1);
    in.usoImpiantoDett = 0;
    casi.push_back({"uso 0", in});
    in = completo(1);
    in.temperaturaConsumo = in.temperaturaRete;
    casi.push_back({"fabbisogno nullo", in});
    in = completo(1);
    in.temperaturaConsumo = 20;
    in.temperaturaRete = 25;
    casi.push_back({"fabbisogno negativo", in});
    in = completo(1);
    in.usoImpiantoDett = 1;
    in.trasmittanzaDett = 0;
    casi.push_back({"trasmittanza nulla", in});
    // A need above 0 kJ that shows as 0 kWh: results would stand on nothing to cover.
    in.trasmittanzaDett = 0.0001;
    casi.push_back({"fabbisogno sotto mezzo kWh", in});
    in = completo(1);
    in.superficieCaptante = 0;
    casi.push_back({"area nulla", in});
    in = completo(1);
    in.durataImpiantoDett = 0;
    casi.push_back({"durata nulla", in});
    in = completo(1);
    in.durataImpiantoDett = 150;
    casi.push_back({"durata oltre 100 anni", in});
    in = completo(1);
    in.costoCombustibile = 0;
    casi.push_back({"combustibile gratuito", in});
    in = completo(1);
    in.tipoCollettore = 0;
    casi.push_back({"tipo di collettore", in});
    in = completo(1);
    in.tipoFluido = 3;
    casi.push_back({"fluido", in});
    in = completo(1);
    in.inclinazione = 95;
    casi.push_back({"inclinazione", in});
    in = completo(1);
    in.azimut = -60;
    casi.push_back({"azimut", in});
    in = completo(1);
    in.latitudine = 80;
    casi.push_back({"latitudine polare", in});
    in = completo(1);
    in.tassoInflazione = -100.0F;
    casi.push_back({"tassi", in});

    for (const Caso& caso : casi) {
        RisultatiDett ris;
        ris.frazioneAnnua = -7;
        ris.economia.tempoRecupero = QStringLiteral("prima");
        const QString motivo = calcolaDettagliato(caso.in, ris);
        EXPECT_TRUE(motivo.startsWith(QStringLiteral("Calcolo non eseguibile: "))) << caso.nome;
        EXPECT_EQ(ris.frazioneAnnua, -7) << caso.nome;
        EXPECT_EQ(ris.economia.tempoRecupero, QStringLiteral("prima")) << caso.nome;
    }

    // A stray azimuth on a horizontal collector does not matter.
    in = completo(1);
    in.inclinazione = 0;
    in.azimut = 60;
    RisultatiDett piano;
    EXPECT_TRUE(calcolaDettagliato(in, piano).isEmpty());

    // Both uses with equal temperatures still have the heating need.
    in = completo(1);
    in.usoImpiantoDett = 3;
    in.temperaturaConsumo = in.temperaturaRete;
    in.trasmittanzaDett = 200;
    RisultatiDett ris;
    EXPECT_TRUE(calcolaDettagliato(in, ris).isEmpty());
    // A plant life of exactly 100 years fills the whole table.
    in.durataImpiantoDett = 100;
    EXPECT_TRUE(calcolaDettagliato(in, ris).isEmpty());
    EXPECT_EQ(ris.economia.anni, 100);
}

TEST(CalcoloDettagliato, ValoriFuoriScalaRifiutati)
{
    std::vector<std::pair<const char*, IngressiDett>> casi;
    IngressiDett in = completo(1);
    in.consumoAcqua = 1e306;
    casi.push_back({"consumo di 1e306 litri", in});
    in = completo(1);
    in.costoImpianto = 1e308;
    casi.push_back({"impianto da 1e308 euro", in});
    in = completo(1);
    in.usoImpiantoDett = 1;
    in.trasmittanzaDett = 1e-321;
    casi.push_back({"trasmittanza di 1e-321 W/K", in});
    in = completo(1);
    in.costoCombustibile = 1e308;
    casi.push_back({"combustibile a 1e308 centesimi", in});
    in = completo(1);
    in.superficieCaptante = 1e308;
    casi.push_back({"area di 1e308 m²", in});
    in = completo(1);
    in.radiazione[5] = std::numeric_limits<double>::infinity();
    casi.push_back({"radiazione infinita", in});

    for (const auto& [nome, caso] : casi) {
        RisultatiDett ris;
        ris.frazioneAnnua = -7;
        ris.economia.tempoRecupero = QStringLiteral("prima");
        const QString motivo = calcolaDettagliato(caso, ris);
        EXPECT_TRUE(motivo.startsWith(QStringLiteral("Calcolo non eseguibile: "))) << nome;
        EXPECT_EQ(ris.frazioneAnnua, -7) << nome;
        EXPECT_EQ(ris.economia.tempoRecupero, QStringLiteral("prima")) << nome;
    }

    // Whatever is accepted, over every magnitude a double holds, is finite.
    for (int esponente = -324; esponente <= 308; esponente += 6) {
        const double x = std::pow(10.0, esponente);
        IngressiDett prove[4] = {completo(16), completo(16), completo(16), completo(16)};
        prove[0].consumoAcqua = x;
        prove[1].costoImpianto = x;
        prove[2].costoCombustibile = x;
        prove[3].superficieCaptante = x;
        for (const IngressiDett& prova : prove) {
            RisultatiDett ris;
            if (!calcolaDettagliato(prova, ris).isEmpty())
                continue;
            EXPECT_TRUE(std::isfinite(ris.frazioneAnnua) && std::isfinite(ris.energiaUtileAnnua)
                        && std::isfinite(ris.fabbisognoAnnuoDett))
                << esponente;
            for (int y = 1; y <= ris.economia.anni; ++y)
                EXPECT_TRUE(std::isfinite(ris.economia.bilancio[y]) && std::isfinite(ris.economia.costoSolare[y]))
                    << esponente;
            EXPECT_FALSE(ris.economia.tempoRecupero.contains(QStringLiteral("inf"))) << esponente;
            EXPECT_FALSE(ris.economia.tempoRecupero.contains(QStringLiteral("nan"))) << esponente;
        }
    }
}

TEST(CalcoloDettagliato, RisultatiTagliatiEMemorizzati)
{
    IngressiDett in = completo(64);
    in.radiazione[1] = 3600;
    in.radiazione[2] = 10000;
    const RisultatiDett ris = [&] {
        RisultatiDett r;
        EXPECT_TRUE(calcolaDettagliato(in, r).isEmpty());
        return r;
    }();
    EXPECT_EQ(ris.radOrizzontaleKwh[1], 1);
    EXPECT_EQ(ris.radOrizzontaleKwh[2], 2.778);
    for (int m = 1; m <= 12; ++m)
        EXPECT_LE(ris.angoloTramontoCollettore[m], ris.angoloTramonto[m]);

    // Storing: months, annual values, payback and only the years of this plant.
    ModKorvel::costoAttuale[21] = 77;
    ModKorvel::bilancio[21] = 77;
    memorizzaDett(ris);
    EXPECT_EQ(ModKorvel::nomeMese[1], QStringLiteral("Gen"));
    EXPECT_EQ(ModKorvel::nomeMese[8], QStringLiteral("Ago"));
    EXPECT_EQ(ModKorvel::nomeMese[12], QStringLiteral("Dic"));
    EXPECT_EQ(ModKorvel::radCollettori, ris.radCollettori);
    EXPECT_EQ(ModKorvel::prodottoTauAlfa, ris.prodottoTauAlfa);
    EXPECT_EQ(ModKorvel::energiaUtileMensile, ris.energiaUtileMensile);
    EXPECT_EQ(ModKorvel::frazioneAnnua, ris.frazioneAnnua);
    EXPECT_EQ(ModKorvel::tempoRecupero, ris.economia.tempoRecupero);
    EXPECT_EQ(ModKorvel::bilancio[20], ris.economia.bilancio[20]);
    EXPECT_EQ(ModKorvel::costoAttuale[21], 77);
    EXPECT_EQ(ModKorvel::bilancio[21], 77);
}

// Figures worked out apart from the program, from the towns' climate in
// src/climate/localita.tsv (tests/detailed/valori_dettagliato.py): collectors facing
// due south, the hour angle of their sunset month by month, the monthly and annual
// fractions to three decimals, the annual need and the useful energy.
TEST(CalcoloDettagliato, ValoriDiUnCollettoreRivoltoASud)
{
    struct Caso {
        const char* nome;
        IngressiDett in;
        Mesi tramonto;
        Mesi frazione;
        double fabbisogno;
        double utile;
        double frazioneAnnua;
    };
    // Liquid collectors of the given type and area facing due south, water from the
    // mains to the use temperature.
    auto aSud = [](int citta, double inclinazione, int tipo, double area, double litri, double rete, double uso) {
        IngressiDett in = completo(citta);
        in.inclinazione = inclinazione;
        in.azimut = 0;
        in.tipoCollettore = tipo;
        in.superficieCaptante = area;
        in.consumoAcqua = litri;
        in.temperaturaRete = rete;
        in.temperaturaConsumo = uso;
        return in;
    };
    // Roma, tilted beyond its latitude: 250 litres a day from 14 to 50 degrees, one
    // glass with a selective plate, 5 m².
    const IngressiDett roma = aSud(51, 45, 3, 5, 250, 14, 50);
    // Bolzano, 30 degrees: heating a 150 W/K building and 200 litres a day from 12 to
    // 45 degrees, two glasses with a plain plate, 12 m².
    IngressiDett bolzano = aSud(1, 30, 2, 12, 200, 12, 45);
    bolzano.usoImpiantoDett = 3;
    bolzano.trasmittanzaDett = 150;
    const Caso casi[] = {
        {"Roma", roma,
         {0, 70.0, 78.1, 87.8, 89.5, 88.9, 88.6, 88.8, 89.2, 89.9, 81.3, 72.2, 67.6},
         {0, 0.512, 0.61, 0.75, 0.85, 0.927, 0.962, 1, 1, 0.928, 0.81, 0.522, 0.383}, 3823, 2952, 0.772},
        {"Bolzano", bolzano,
         {0, 66.3, 76.0, 87.5, 92.8, 95.8, 97.2, 96.6, 94.1, 90.7, 79.7, 68.9, 63.4},
         {0, 0.067, 0.16, 0.347, 0.534, 0.944, 1, 1, 1, 0.881, 0.393, 0.077, 0.03}, 13030, 3521, 0.27},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        RisultatiDett ris;
        ASSERT_EQ(calcolaDettagliato(caso.in, ris), QString());
        for (int m = 1; m <= 12; ++m) {
            EXPECT_DOUBLE_EQ(ris.angoloTramontoCollettore[m], caso.tramonto[m]) << "mese " << m;
            EXPECT_DOUBLE_EQ(ris.frazioneMensile[m], caso.frazione[m]) << "mese " << m;
        }
        EXPECT_EQ(ris.fabbisognoAnnuoDett, caso.fabbisogno);
        EXPECT_EQ(ris.energiaUtileAnnua, caso.utile);
        EXPECT_DOUBLE_EQ(ris.frazioneAnnua, caso.frazioneAnnua);
    }
}

// Stored as the window stores a calculation; a refused one leaves the results as they were.
TEST(CalcoloDettagliato, MemorizzaLaLocalitaScelta)
{
    ModKorvel::numLocalita = 1;
    ModKorvel::caricaDatiClimatici();
    IngressiDett in = economia(3000, 15, 3, 25, 4.0F, 2.0F, 3.0F);
    in.latitudine = ModKorvel::latitudine;
    in.radiazione = ModKorvel::radiazione;
    in.temperatura = ModKorvel::temperatura;
    in.gradiGiorno = ModKorvel::gradiGiorno;
    in.inclinazione = 0;
    in.azimut = 0;
    in.usoImpiantoDett = 2;
    in.consumoAcqua = 200;
    in.temperaturaRete = 15;
    in.temperaturaConsumo = 45;
    in.tipoCollettore = 1;
    in.tipoFluido = 2;
    in.superficieCaptante = 4;
    RisultatiDett ris;
    ASSERT_TRUE(calcolaDettagliato(in, ris).isEmpty());
    memorizzaDett(ris);
    // Horizontal collector: the collector sees the horizontal radiation.
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(ModKorvel::rapportoRadiazioni[m], 1);
        EXPECT_EQ(ModKorvel::radCollettori[m], ModKorvel::radiazione[m]);
        EXPECT_EQ(ModKorvel::radOrizzontale[m], ModKorvel::radiazione[m]);
    }
    EXPECT_EQ(ModKorvel::radOrizzontale[1], 4248);
    EXPECT_EQ(ModKorvel::fabbisognoMensile[1], 216);
    EXPECT_TRUE(ModKorvel::tempoRecupero.endsWith(QStringLiteral(" anni."))
                || ModKorvel::tempoRecupero == QStringLiteral("Investimento non conveniente."));

    // A refused calculation leaves the earlier results in place.
    const auto prima = ris.frazioneMensile;
    const QString recupero = ris.economia.tempoRecupero;
    in.superficieCaptante = 0;
    EXPECT_FALSE(calcolaDettagliato(in, ris).isEmpty());
    EXPECT_EQ(ris.frazioneMensile, prima);
    EXPECT_EQ(ris.economia.tempoRecupero, recupero);
}
