#pragma once
// What the tests of the two calculation windows share: the doubles, each window filled
// like a user would (support/compilaFinestre.h), the same calculations straight from
// the core, and a clean state afterwards.
#include "base/ModKorvel.h"
#include "base/numeri.h"
#include "base/unita.h"
#include "climate/datiClimatici.h"
#include "climate/tabella.h"
#include "cover/frontespizio.h"
#include "detailed/calcoloDettagliato.h"
#include "detailed/datiDettagliato.h"
#include "detailed/dettagliato.h"
#include "detailed/risdettagliato.h"
#include "detailed/tabelleDettagliato.h"
#include "feasibility/calcoloFattib.h"
#include "feasibility/datiFattib.h"
#include "feasibility/fattib.h"
#include "feasibility/risultati.h"
#include "platform/controlli.h"
#include "report/canaleWord.h"
#include "support/ambiente.h"
#include "support/compilaFinestre.h"
#include "support/doppi.h"
#include "transmittance/datiTrasmittanza.h"
#include "transmittance/trasmitt.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

class AmbienteCalcolo : public ::testing::Test {
protected:
    void SetUp() override { ModKorvel::inizializzaDati(); }
    void TearDown() override { ambiente::ripristinaFinestre(); }

    static fattib& f() { return finestra<fattib>(); }
    static risultati& rf() { return finestra<risultati>(); }
    static dettagliato& d() { return finestra<dettagliato>(); }
    static risdettagliato& rd() { return finestra<risdettagliato>(); }

    // The sizing of the inputs compilaFattib gives, with the use, water and
    // transmittance given, straight from the core.
    static std::unique_ptr<calcoli::RisultatiFattib> atteso(int uso, double litri, double gradi, double wattSuKelvin)
    {
        calcoli::IngressiFattib in;
        in.usoImpianto = uso;
        in.consumoAcqua = litri;
        in.temperaturaAcqua = gradi;
        in.trasmittanza = wattSuKelvin * unita::megajouleOraPerWatt;
        in.durataImpianto = 20;
        in.costoCollettori = 300;
        in.costoElettricita = 5;
        in.combustibile = 2;
        in.costoCombustibile = 0.8;
        in.tassoSconto = 3.5F;
        in.tassoAumento = 2.0F;
        in.coefficienti = ModKorvel::coefficienti;
        auto ris = std::make_unique<calcoli::RisultatiFattib>();
        EXPECT_EQ(calcoli::calcolaFattib(in, *ris), QString());
        return ris;
    }

    // Whether the stored feasibility results are `ris`.
    static bool comeAtteso(const calcoli::RisultatiFattib& ris)
    {
        for (int s = 1; s <= 1000; ++s)
            for (int k = 1; k <= 3; ++k)
                if (ModKorvel::percentuali[s][k] != ris.percentuali[s][k]
                    || ModKorvel::energiaSolare[s][k] != ris.energiaSolare[s][k]
                    || ModKorvel::superfici[s][k] != ris.superfici[s][k])
                    return false;
        return ModKorvel::fabbisognoAnnuo == ris.fabbisognoAnnuo && ModKorvel::areaOttimale == ris.areaOttimale;
    }

    // The inputs compilaDettagliato gives, as the core takes them.
    static calcoli::IngressiDett ingressiAttesi(int uso)
    {
        calcoli::IngressiDett in;
        in.latitudine = ModKorvel::latitudine;
        in.radiazione = ModKorvel::radiazione;
        in.temperatura = ModKorvel::temperatura;
        in.gradiGiorno = ModKorvel::gradiGiorno;
        in.inclinazione = 30;
        in.azimut = -15;
        in.usoImpiantoDett = uso;
        if (uso != 1) {
            in.temperaturaRete = 12;
            in.temperaturaConsumo = 45;
            in.consumoAcqua = 300;
        }
        if (uso != 2)
            in.trasmittanzaDett = 250;
        in.tipoCollettore = 3;
        in.tipoFluido = 2;
        in.superficieCaptante = 8;
        in.durataImpiantoDett = 20;
        in.costoImpianto = 6000;
        in.combustibileDett = 2;
        in.costoCombustibile = 85;
        in.tassoScontoDett = 3.5F;
        in.tassoInflazione = 2.0F;
        in.tassoAumentoDett = 3.0F;
        return in;
    }

    // Whether the stored detailed results are those of `in`.
    static bool comeAtteso(const calcoli::IngressiDett& in)
    {
        calcoli::RisultatiDett ris;
        EXPECT_EQ(calcoli::calcolaDettagliato(in, ris), QString());
        using namespace ModKorvel;
        return radCollettori == ris.radCollettori && fabbisognoMensile == ris.fabbisognoMensile
            && frazioneMensile == ris.frazioneMensile && energiaUtileAnnua == ris.energiaUtileAnnua
            && tempoRecupero == ris.economia.tempoRecupero && bilancio[1] == ris.economia.bilancio[1]
            && durataCalcolata == in.durataImpiantoDett;
    }

    doppi::Messaggi messaggi;
    doppi::Dialoghi dialoghi;
};
