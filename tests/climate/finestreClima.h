#pragma once
// The windows that choose a town; each test ends with no window loaded, no town
// chosen and numbers back in the C locale.
#include "climate/datiClimatici.h"
#include "climate/tabella.h"
#include "detailed/dettagliato.h"
#include "feasibility/fattib.h"
#include "base/numeri.h"

#include "support/ambiente.h"

#include <gtest/gtest.h>

class FinestreClima : public ::testing::Test {
protected:
    void TearDown() override { ambiente::ripristinaFinestre(); }
};
