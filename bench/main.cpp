// Benchmarks run with a GUI application object (offscreen) so that text layout works;
// the windows' benchmarks need a widgets application.
#ifdef KORVEL_BENCH_FINESTRE
#include "shell/navigazione.h"

#include <QApplication>
using ApplicazioneBench = QApplication;
#else
#include <QGuiApplication>
using ApplicazioneBench = QGuiApplication;
#endif
#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ApplicazioneBench app(argc, argv);
#ifdef KORVEL_BENCH_FINESTRE
    navigazione::installa();
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
