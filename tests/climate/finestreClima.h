#pragma once
// The windows that choose a town; each test ends with none of them loaded, no town
// chosen and numbers back in the C locale.
#include "climate/datiClimatici.h"
#include "climate/tabella.h"
#include "detailed/dettagliato.h"
#include "feasibility/fattib.h"
#include "base/numeri.h"

#include <gtest/gtest.h>

class FinestreClima : public ::testing::Test {
protected:
    void TearDown() override
    {
        Unica<tabella>::scarica();
        Unica<fattib>::scarica();
        Unica<dettagliato>::scarica();
        modelloFinestre::eliminaScaricate();
        ModKorvel::numLocalita = 0;
        numeri::impostaLocale(QLocale::c());
    }
};
