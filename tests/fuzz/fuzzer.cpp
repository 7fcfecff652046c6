// libFuzzer's side of the harness: the entry named by KORVEL_FUZZ_INGRESSO
// (scripts/fuzz.sh sets it) gets every input; a property that does not hold stops the
// run like a crash, so libFuzzer keeps the input that broke it.
#include "ingressi.h"

#include "base/numeri.h"
#include "shell/navigazione.h"

#include <QApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
const fuzz::Ingresso* scelto = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char nome[] = "korvel_fuzz";
    static char* argv[] = {nome, nullptr};
    // Never destroyed: the windows the entries load live as long as the process.
    new QApplication(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    numeri::impostaLocale(QLocale::c());
    navigazione::installa();
    scelto = fuzz::ingresso(qEnvironmentVariable("KORVEL_FUZZ_INGRESSO"));
    if (!scelto) {
        std::fprintf(stderr, "KORVEL_FUZZ_INGRESSO names none of the harnesses:");
        for (const fuzz::Ingresso& i : fuzz::ingressi())
            std::fprintf(stderr, " %s", qPrintable(i.nome));
        std::fprintf(stderr, "\n");
        std::exit(2);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione)
{
    const QStringList mancate = scelto->prova(QByteArray(reinterpret_cast<const char*>(dati), qsizetype(dimensione)));
    if (mancate.isEmpty())
        return 0;
    for (const QString& m : mancate)
        std::fprintf(stderr, "%s: %s\n", qPrintable(scelto->nome), qPrintable(m));
    std::abort();
}
