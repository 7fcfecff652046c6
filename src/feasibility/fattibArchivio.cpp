// The feasibility data file: the town and use, the water or the transmittance, the
// economics, and the project record of the cover page.
//
//   "town",index,use                              index 0..63, use 1 heating or 2 hot water
//   litres,degrees                                hot water only (scroll-bar values)
//   "transmittance"                               heating only (as typed)
//   "life","collectors","electricity",fuel,"fuel cost",discount,increase
//   the six texts of the cover page without the kind of study
#include "feasibility/fattib.h"

#include "climate/datiClimatici.h"
#include "climate/elencoLocalita.h"
#include "base/archivio.h"
#include "cover/datiFrontespizio.h"
#include "cover/frontespizio.h"
#include "platform/controlli.h"
#include "platform/modulo.h"
#include "base/ModKorvel.h"
#include "shell/filtroNumerico.h"

namespace {

struct DatiFile {
    int indice = 0;
    int uso = 0;
    int litri = 10;
    int gradi = 20;
    QString trasmittanza;
    QString anni;
    QString costo;
    QString elettricita;
    int combustibile = 0;
    QString costoAlternativo;
    int sconto = 10;
    int aumento = 10;
    ModKorvel::datiFrontespizio frontespizio;
};

} // namespace

void fattib::salva_Click() { salvaDatiCalcolo(false); }

void fattib::salvanome_Click() { salvaDatiCalcolo(true); }

void fattib::scrivoArchivio()
{
    const auto record = frontespizio::recordDaArchiviare([this] { controlla_Click(); });
    if (!record)
        return;

    const int uso = usoScelto();
    const int indice = loc->ListIndex();
    file_.salva([&](archivio::Scrittore& s) {
        s.testo(loc->List(indice)).intero(indice).intero(uso).fineRecord();
        if (uso == 2)
            s.intero(VScroll1->Value()).intero(VScroll2->Value()).fineRecord();
        if (uso == 1)
            s.testo(trasm->Text()).fineRecord();
        s.testo(ann->Text()).testo(cost->Text()).testo(elettr->Text()).intero(combustibileScelto());
        s.testo(costalt->Text()).intero(VScroll4->Value()).intero(VScroll5->Value()).fineRecord();
        ModKorvel::rigaFrontespizioRidotta(s, *record);
    });
}

void fattib::apri_Click()
{
    file_.apri([this](archivio::Lettore& l) -> archivio::FileDati::Applica {
        DatiFile d;
        l.testo(); // the town's name: the index decides
        d.indice = int(l.intero(0, ModKorvel::totaleLocalita - 1));
        d.uso = int(l.intero(1, 2));
        if (!l.ok())
            return {};
        if (d.uso == 2) {
            d.litri = int(l.intero(VScroll1->Min(), VScroll1->Max()));
            d.gradi = int(l.intero(VScroll2->Min(), VScroll2->Max()));
        } else {
            d.trasmittanza = l.testo();
        }
        d.anni = l.testo();
        d.costo = l.testo();
        d.elettricita = l.testo();
        d.combustibile = int(l.intero(1, 3));
        d.costoAlternativo = l.testo();
        d.sconto = int(l.intero(VScroll4->Min(), VScroll4->Max()));
        d.aumento = int(l.intero(VScroll5->Min(), VScroll5->Max()));
        d.frontespizio = ModKorvel::leggiRigaFrontespizioRidotta(l);
        for (const QString* t : {&d.trasmittanza, &d.anni, &d.costo, &d.elettricita, &d.costoAlternativo})
            if (!filtroNumerico::testoFiltrato(*t))
                return {};
        if (!l.ok())
            return {};

        return [this, d] {
            cancella_click();
            // Clearing locked the frames on the first town: the town read is chosen
            // anew even when it is that one.
            sceltaLocalita_->scegli(d.indice);
            if (d.uso == 2) {
                // Clearing left the bars on their minimum with empty labels: a value
                // already there must still show.
                modulo::impostaBarra(VScroll1, d.litri, [this] { VScroll1_Change(); });
                modulo::impostaBarra(VScroll2, d.gradi, [this] { VScroll2_Change(); });
            } else {
                trasm->setText(d.trasmittanza);
            }
            Option1[d.uso]->setValue(true);
            modulo::impostaBarra(VScroll4, d.sconto, [this] { VScroll4_Change(); });
            modulo::impostaBarra(VScroll5, d.aumento, [this] { VScroll5_Change(); });
            Option3[d.combustibile]->setValue(true);
            ann->setText(d.anni);
            cost->setText(d.costo);
            elettr->setText(d.elettricita);
            costalt->setText(d.costoAlternativo);
            finestra<frontespizio>().impostaRidotta(d.frontespizio);
        };
    });
}
