#pragma once
// What the feasibility window tests share: the doubles, a window filled like a user
// would, and a clean state afterwards.
#include "climate/datiClimatici.h"
#include "climate/tabella.h"
#include "cover/frontespizio.h"
#include "detailed/dettagliato.h"
#include "feasibility/calcoloFattib.h"
#include "feasibility/datiFattib.h"
#include "feasibility/fattib.h"
#include "feasibility/risultati.h"
#include "platform/controlli.h"
#include "base/ModKorvel.h"
#include "report/canaleWord.h"
#include "base/numeri.h"
#include "support/ambiente.h"
#include "support/doppi.h"
#include "transmittance/datiTrasmittanza.h"
#include "transmittance/trasmitt.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

class AmbienteFattib : public ::testing::Test {
protected:
    void SetUp() override { ModKorvel::inizializzaDati(); }

    void TearDown() override { ambiente::ripristinaFinestre(); }

    static fattib& f() { return finestra<fattib>(); }
    static risultati& r() { return finestra<risultati>(); }

    // Milano, the costs and rates; hot water 300 litres at 45 degrees, or heating
    // with 250 W/K; methane at 0.8 euro.
    static void compila(bool acqua)
    {
        fattib& w = f();
        w.loc->setListIndex(16);
        if (acqua) {
            w.Option1[2]->setValue(true);
            w.VScroll1->setValue(300);
            w.VScroll2->setValue(45);
        } else {
            w.Option1[1]->setValue(true);
            w.trasm->setText(QStringLiteral("250"));
        }
        w.ann->setText(QStringLiteral("20"));
        w.cost->setText(QStringLiteral("300"));
        w.elettr->setText(QStringLiteral("5"));
        w.Option3[2]->setValue(true);
        w.costalt->setText(QStringLiteral("0.8"));
        w.VScroll4->setValue(350);
        w.VScroll5->setValue(200);
    }

    // The sizing of the same inputs, straight from the core.
    static std::unique_ptr<calcoli::RisultatiFattib> atteso(int uso, double litri, double gradi, double wattSuKelvin)
    {
        calcoli::IngressiFattib in;
        in.usoImpianto = uso;
        in.consumoAcqua = litri;
        in.temperaturaAcqua = gradi;
        in.trasmittanza = wattSuKelvin * 0.0036;
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

    doppi::Messaggi messaggi;
    doppi::Dialoghi dialoghi;
};
