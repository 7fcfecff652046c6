// Speed of the climate table's print of every town: 64 town choices, each moving the
// three town choosers, and 64 tables written into the report document.
#include "climate/datiClimatici.h"
#include "climate/tabella.h"
#include "detailed/dettagliato.h"
#include "feasibility/fattib.h"
#include "report/finestraDocumento.h"
#include "report/canaleWord.h"

#include <QApplication>
#include <QPointer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The list of top-level widgets also holds each document window's menus, which go
// with their window: collect the windows first, then delete those still there.
void chiudiFinestreDocumento()
{
    QList<QPointer<FinestraDocumento>> finestre;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<FinestraDocumento*>(w))
            finestre.append(f);
    for (const QPointer<FinestraDocumento>& f : finestre)
        delete f.data();
}

void verificaStampa(benchmark::State& stato)
{
    if (!ModKorvel::wordDoc || ModKorvel::wordDoc->numeroTabelle() != 64)
        stato.SkipWithError("the print did not write 64 tables");
}

// The print itself, with no document window.
void BM_StampaTutteLeLocalita(benchmark::State& stato)
{
    tabella& t = finestra<tabella>();
    const int prima = ModKorvel::caricamentiClimatici;
    for (auto _ : stato) {
        t.stampatutte_click();
        benchmark::DoNotOptimize(ModKorvel::wordDoc.get());
    }
    verificaStampa(stato);
    // Climate-record loads per print.
    stato.counters["caricamenti"] =
        benchmark::Counter(ModKorvel::caricamentiClimatici - prima, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_StampaTutteLeLocalita)->Unit(benchmark::kMillisecond);

// As the user meets it: the document window opens and shows the finished document,
// and the document is saved.
void BM_StampaTutteLeLocalitaConFinestra(benchmark::State& stato)
{
    finestraDocumento::installa();
    tabella& t = finestra<tabella>();
    QTemporaryDir cartella;
    for (auto _ : stato) {
        t.stampatutte_click();
        QApplication::processEvents();
        ModKorvel::salvaDocumento(cartella.filePath(QStringLiteral("tabella.docx")));
        stato.PauseTiming();
        chiudiFinestreDocumento();
        stato.ResumeTiming();
    }
    verificaStampa(stato);
    documento::impostaFabbricaFinestre({});
}
BENCHMARK(BM_StampaTutteLeLocalitaConFinestra)->Unit(benchmark::kMillisecond);

} // namespace
