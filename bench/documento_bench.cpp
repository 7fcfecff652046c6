// Speed of the report documents: a short report laid out for its page count and
// saved as DOCX, and a large table added, laid out and saved.
#include "base/ModKorvel.h"
#include "report/canaleWord.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QString CR(1, QChar(13));

void riempiTabella(int righe, int colonne)
{
    ModKorvel::aggiungiTabella(righe, colonne, 8);
    for (int c = 1; c <= colonne; ++c)
        ModKorvel::scriviCella(1, c, QStringLiteral("colonna %1").arg(c));
    for (int r = 2; r <= righe; ++r)
        for (int c = 1; c <= colonne; ++c)
            ModKorvel::scriviCella(r, c, QString::number(r * 1.37 + c, 'f', 2));
    ModKorvel::formattaTabella();
}

void BM_RelazioneBreve(benchmark::State& stato)
{
    ModKorvel::inizializzaDati();
    QTemporaryDir cartella;
    const QString nome = cartella.filePath(QStringLiteral("relazione.docx"));
    int pagine = 0;
    for (auto _ : stato) {
        ModKorvel::avviaWord();
        ModKorvel::scriviIntestazione(20, 16, 12, 2, QStringLiteral("RISULTATI DEL CALCOLO DETTAGLIATO"), 2);
        ModKorvel::aggiungiParagrafo(12);
        for (int i = 0; i < 10; ++i)
            ModKorvel::testoParagrafo(QStringLiteral("Il collettore riceve il massimo dell'energia quando i raggi del sole "
                                                     "sono perpendicolari alla sua superficie; paragrafo %1.")
                                          .arg(i)
                                      + CR);
        riempiTabella(101, 4);
        ModKorvel::allineaColonne(1, 1, 2, 4);
        ModKorvel::giustificaTesto();
        pagine = ModKorvel::contaPagine();
        ModKorvel::salvaDocumento(nome);
    }
    stato.counters["pagine"] = pagine;
    if (!ModKorvel::reportRiuscito())
        stato.SkipWithError("report failed");
}
BENCHMARK(BM_RelazioneBreve)->Unit(benchmark::kMillisecond);

void BM_TabellaGrande(benchmark::State& stato)
{
    ModKorvel::inizializzaDati();
    for (auto _ : stato) {
        ModKorvel::avviaWord();
        riempiTabella(1001, 8);
        benchmark::DoNotOptimize(ModKorvel::wordDoc->numeroTabelle());
    }
}
BENCHMARK(BM_TabellaGrande)->Unit(benchmark::kMillisecond);

void BM_TabellaGrandeImpaginataESalvata(benchmark::State& stato)
{
    ModKorvel::inizializzaDati();
    QTemporaryDir cartella;
    const QString nome = cartella.filePath(QStringLiteral("tabella.docx"));
    int pagine = 0;
    for (auto _ : stato) {
        ModKorvel::avviaWord();
        riempiTabella(1001, 8);
        pagine = ModKorvel::contaPagine();
        ModKorvel::salvaDocumento(nome);
    }
    stato.counters["pagine"] = pagine;
}
BENCHMARK(BM_TabellaGrandeImpaginataESalvata)->Unit(benchmark::kMillisecond);

} // namespace
