// Speed of the complete technical report from the cover page: checks, the calculation
// run again, every chapter, the page count and the save. A detailed plant of both uses
// (every chapter, about ten pages), and a feasibility plant whose table of plants has
// nearly 1000 rows (993, the most a town and a hot-water load give).
#include "base/ModKorvel.h"
#include "cover/frontespizio.h"
#include "detailed/dettagliato.h"
#include "feasibility/fattib.h"
#include "feasibility/risultati.h"
#include "platform/controlli.h"
#include "report/canaleWord.h"
#include "transmittance/datiTrasmittanza.h"
#include "transmittance/trasmitt.h"

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

void copertina()
{
    ModKorvel::inizializzaDati();
    frontespizio& c = finestra<frontespizio>();
    c.progetto->setText(QStringLiteral("Scuola media"));
    c.committente->setText(QStringLiteral("Comune di Sesto"));
    c.luogo->setText(QStringLiteral("Milano"));
    c.allegati->setText(QStringLiteral("planimetria"));
}

// Three external and two internal elements, sent to the window that asked.
void elementi(int chiamante)
{
    trasmitt& t = finestra<trasmitt>();
    t.scegliTipo(1, 1, 0);
    t.ar[1]->setText(QStringLiteral("120"));
    t.scegliTipo(1, 2, 2);
    t.ar[2]->setText(QStringLiteral("18.5"));
    t.scegliTipo(1, 3, 8);
    t.ar[3]->setText(QStringLiteral("24"));
    t.scegliTipo(2, 1, 0);
    t.ar2[1]->setText(QStringLiteral("35"));
    t.scegliTipo(2, 2, 2);
    t.ar2[2]->setText(QStringLiteral("4.2"));
    ModKorvel::chiamanteTrasm = chiamante;
    t.Command1_Click();
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
    dettagliato& d = finestra<dettagliato>();
    d.loc->setListIndex(16);
    d.VScroll1->setValue(30);
    d.VScroll2->setValue(-15);
    d.Option1[3]->setValue(true);
    d.VScroll3->setValue(12);
    d.VScroll4->setValue(45);
    d.VScroll5->setValue(300);
    elementi(2);
    d.Option2[3]->setValue(true);
    d.Option3[2]->setValue(true);
    d.are->setText(QStringLiteral("8"));
    d.ann->setText(QStringLiteral("20"));
    d.cost->setText(QStringLiteral("6000"));
    d.Option4[2]->setValue(true);
    d.costalt->setText(QStringLiteral("85"));
    d.HScroll1->setValue(350);
    d.HScroll2->setValue(200);
    d.HScroll3->setValue(300);
    d.cmdavanti_Click();
    esegui(stato);
}
BENCHMARK(BM_RelazioneDettagliataEntrambiGliUsi)->Unit(benchmark::kMillisecond);

void BM_RelazioneFattibilitaMilleImpianti(benchmark::State& stato)
{
    CartellaDocumenti cartella;
    copertina();
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
    stato.counters["impianti"] = risultati::intervalloStampa().righe();
    esegui(stato);
}
BENCHMARK(BM_RelazioneFattibilitaMilleImpianti)->Unit(benchmark::kMillisecond);

} // namespace
