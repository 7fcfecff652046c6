// Speed of the two calculations as the results buttons run them (without storing).
#include "base/unita.h"
#include "climate/datiClimatici.h"
#include "detailed/calcoloDettagliato.h"
#include "feasibility/calcoloFattib.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void caricaCitta(int numero)
{
    ModKorvel::numLocalita = numero;
    ModKorvel::caricaDatiClimatici();
}

void BM_Fattibilita(benchmark::State& stato)
{
    caricaCitta(20);
    calcoli::IngressiFattib in;
    in.usoImpianto = int(stato.range(0));
    in.consumoAcqua = 400;
    in.temperaturaAcqua = 50;
    in.trasmittanza = 300 * unita::megajouleOraPerWatt;
    in.durataImpianto = 20;
    in.costoCollettori = 300;
    in.costoElettricita = 5;
    in.combustibile = 2;
    in.costoCombustibile = 0.8;
    in.tassoSconto = 5.0F;
    in.tassoAumento = 3.0F;
    in.coefficienti = ModKorvel::coefficienti;
    auto ris = std::make_unique<calcoli::RisultatiFattib>();
    for (auto _ : stato) {
        QString motivo = calcoli::calcolaFattib(in, *ris);
        benchmark::DoNotOptimize(motivo);
        benchmark::DoNotOptimize(ris->areaOttimale);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Fattibilita)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_Dettagliato(benchmark::State& stato)
{
    caricaCitta(1);
    calcoli::IngressiDett in;
    in.latitudine = ModKorvel::latitudine;
    in.radiazione = ModKorvel::radiazione;
    in.temperatura = ModKorvel::temperatura;
    in.gradiGiorno = ModKorvel::gradiGiorno;
    in.inclinazione = 45;
    in.azimut = double(stato.range(0));
    in.usoImpiantoDett = 3;
    in.consumoAcqua = 300;
    in.temperaturaRete = 12;
    in.temperaturaConsumo = 45;
    in.trasmittanzaDett = 250;
    in.tipoCollettore = 3;
    in.tipoFluido = int(stato.range(1));
    in.superficieCaptante = 20;
    in.costoImpianto = 12000;
    in.durataImpiantoDett = 100;
    in.combustibileDett = 2;
    in.costoCombustibile = 80;
    in.tassoScontoDett = 5.0F;
    in.tassoInflazione = 2.0F;
    in.tassoAumentoDett = 3.0F;
    calcoli::RisultatiDett ris;
    for (auto _ : stato) {
        QString motivo = calcoli::calcolaDettagliato(in, ris);
        benchmark::DoNotOptimize(motivo);
        benchmark::DoNotOptimize(ris.frazioneAnnua);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Dettagliato)->Args({0, 2})->Args({30, 2})->Args({-30, 1})->Unit(benchmark::kMicrosecond);

} // namespace
