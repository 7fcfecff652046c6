// Speed of the complete technical report from the cover page: checks, the calculation
// run again, every chapter, the page count and the save. A detailed plant of both uses
// (every chapter, about ten pages), and a feasibility plant whose table of plants has
// nearly 1000 rows (993, the most a town and a hot-water load give). And the document
// window showing that report of 25 pages: laid out and its first pages drawn, as when
// it opens, then every page drawn, as when the user scrolls through it, and one step
// of the wheel.
#include "base/ModKorvel.h"
#include "cover/frontespizio.h"
#include "detailed/dettagliato.h"
#include "feasibility/fattib.h"
#include "feasibility/risultati.h"
#include "platform/controlli.h"
#include "report/canaleWord.h"
#include "report/finestraDocumento.h"
#include "report/vistaPagine.h"
#include "support/compilaFinestre.h"

#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Documents go to a folder of the benchmark's own.
struct CartellaDocumenti {
    QTemporaryDir casa;
    QByteArray precedente = qgetenv("HOME");
    CartellaDocumenti() { qputenv("HOME", casa.path().toUtf8()); }
    ~CartellaDocumenti() { qputenv("HOME", precedente); }
};

// The project record and the studio of the report.
void copertina()
{
    ModKorvel::inizializzaDati();
    copertinaCompilata();
}

void esegui(benchmark::State& stato)
{
    frontespizio& c = finestra<frontespizio>();
    for (auto _ : stato)
        c.stampa_Click();
    if (!ModKorvel::reportRiuscito() || c.passo->Caption() != QStringLiteral("ho visualizzato la relazione su WORD"))
        stato.SkipWithError("the report did not complete");
    stato.counters["pagine"] = ModKorvel::wordDoc ? *ModKorvel::wordDoc->contaPagine() : 0;
    stato.counters["tabelle"] = ModKorvel::wordDoc ? ModKorvel::wordDoc->numeroTabelle() : 0;
}

void BM_RelazioneDettagliataEntrambiGliUsi(benchmark::State& stato)
{
    CartellaDocumenti cartella;
    copertina();
    compilaDettagliato(3);
    elementiInviati(2);
    finestra<dettagliato>().cmdavanti_Click();
    esegui(stato);
}
BENCHMARK(BM_RelazioneDettagliataEntrambiGliUsi)->Unit(benchmark::kMillisecond);

void milleImpianti()
{
    // Town 35, 590 litres a day at 55 degrees: from area 8 every area covers a share,
    // and none the whole need with every kind.
    fattib& f = finestra<fattib>();
    f.loc->setListIndex(34);
    f.Option1[2]->setValue(true);
    f.VScroll1->setValue(590);
    f.VScroll2->setValue(55);
    f.ann->setText(QStringLiteral("20"));
    f.cost->setText(QStringLiteral("300"));
    f.elettr->setText(QStringLiteral("5"));
    f.Option3[2]->setValue(true);
    f.costalt->setText(QStringLiteral("0.8"));
    f.VScroll4->setValue(350);
    f.VScroll5->setValue(200);
    f.cmdavanti_Click();
}

void BM_RelazioneFattibilitaMilleImpianti(benchmark::State& stato)
{
    CartellaDocumenti cartella;
    copertina();
    milleImpianti();
    stato.counters["impianti"] = risultati::intervalloStampa().righe();
    esegui(stato);
}
BENCHMARK(BM_RelazioneFattibilitaMilleImpianti)->Unit(benchmark::kMillisecond);

// The report of 25 pages of the plants above, made once.
std::shared_ptr<documento::Documento> relazioneMilleImpianti()
{
    copertina();
    milleImpianti();
    finestra<frontespizio>().stampa_Click();
    return ModKorvel::wordDoc;
}

void BM_FinestraDellaRelazione(benchmark::State& stato)
{
    CartellaDocumenti cartella;
    const auto doc = relazioneMilleImpianti();
    int volta = 0;
    for (auto _ : stato) {
        // A change of title makes the document lay its pages out again.
        doc->impostaTitolo(QStringLiteral("Relazione %1").arg(++volta));
        FinestraDocumento finestra(ModKorvel::wordApp);
        finestra.resize(900, 1000);
        benchmark::DoNotOptimize(finestra.vista()->viewport()->grab());
    }
    stato.counters["pagine"] = int(doc->pagine().size());
}
BENCHMARK(BM_FinestraDellaRelazione)->Unit(benchmark::kMillisecond);

void BM_PagineDellaRelazioneDisegnate(benchmark::State& stato)
{
    CartellaDocumenti cartella;
    const auto doc = relazioneMilleImpianti();
    QImage pagina(794, 1123, QImage::Format_RGB32);
    for (auto _ : stato)
        for (int i = 0; i < int(doc->pagine().size()); ++i) {
            pagina.fill(Qt::white);
            QPainter pittore(&pagina);
            doc->disegnaPagina(pittore, i, 96);
        }
    stato.counters["pagine"] = int(doc->pagine().size());
}
BENCHMARK(BM_PagineDellaRelazioneDisegnate)->Unit(benchmark::kMillisecond);

// One step of the mouse wheel through the window of that report: the view scrolled and
// what it shows drawn again, a selection over it.
void BM_PassoDellaRotella(benchmark::State& stato)
{
    CartellaDocumenti cartella;
    relazioneMilleImpianti();
    FinestraDocumento finestra(ModKorvel::wordApp);
    finestra.resize(900, 1000);
    VistaPagine* vista = finestra.vista();
    vista->selezionaTutto();
    QScrollBar* barra = vista->verticalScrollBar();
    barra->setValue(0);
    QImage immagine(vista->viewport()->size(), QImage::Format_RGB32);
    for (auto _ : stato) {
        // Three lines a notch, as the desktop scrolls; back to the top at the end.
        const int passo = 3 * barra->singleStep();
        barra->setValue(barra->value() + passo >= barra->maximum() ? 0 : barra->value() + passo);
        vista->viewport()->render(&immagine);
    }
    stato.counters["pagine"] = vista->numeroPagine();
}
BENCHMARK(BM_PassoDellaRotella)->Unit(benchmark::kMillisecond);

} // namespace
