// The detailed data file: the town, the orientation and the use, the water or the
// transmittance, the collectors, the economics, and the project record of the cover
// page.
//
//   "town",index,use,tilt,azimuth                 index 0..63, use 1 heating, 2 hot water, 3 both
//   mains,use temperature,litres                   uses 2 and 3 (scroll-bar positions)
//   "transmittance"                                use 1 (as typed)
//   collector,fluid,"area"
//   "life","cost",fuel,"fuel cost",discount,inflation,increase
//   the six texts of the cover page without the kind of study
//   "transmittance"                                use 3 only
//
// A plant of both uses keeps its transmittance in a record of its own after the cover
// page, so that the records before it stay as every reader of the file expects them;
// a file of use 3 without it leaves the transmittance empty.
#include "detailed/dettagliato.h"

#include "base/ModKorvel.h"
#include "base/archivio.h"
#include "base/numeri.h"
#include "climate/datiClimatici.h"
#include "climate/elencoLocalita.h"
#include "cover/datiFrontespizio.h"
#include "cover/frontespizio.h"
#include "platform/controlli.h"
#include "platform/modulo.h"
#include "shell/filtroNumerico.h"

namespace {

struct DatiFile {
    int indice = 0;
    int uso = 0;
    int inclinazione = 0;
    int azimut = 0;
    int rete = 0;
    int consumo = 20;
    int litri = 10;
    QString trasmittanza;
    int collettore = 0;
    int fluido = 0;
    QString area;
    QString anni;
    QString costo;
    int combustibile = 0;
    QString costoAlternativo;
    int sconto = 10;
    int inflazione = 10;
    int aumento = 10;
    ModKorvel::datiFrontespizio frontespizio;
};

int valoreBarra(archivio::Lettore& l, const BarraScorrimento* b) { return int(l.intero(b->Min(), b->Max())); }

} // namespace

void dettagliato::salva_Click() { salvaDatiCalcolo(false); }

void dettagliato::salvanome_Click() { salvaDatiCalcolo(true); }

void dettagliato::scrivoArchivio()
{
    const auto record = frontespizio::recordDaArchiviare([this] { controlla_Click(); });
    if (!record)
        return;

    const int uso = usoScelto();
    file_.salva([&](archivio::Scrittore& s) {
        s.testo(loc->Text()).intero(loc->ListIndex()).intero(uso);
        s.intero(VScroll1->Value()).intero(VScroll2->Value()).fineRecord();
        if (uso != 1)
            s.intero(VScroll3->Value()).intero(VScroll4->Value()).intero(VScroll5->Value()).fineRecord();
        if (uso == 1)
            s.testo(trasm->Text()).fineRecord();
        s.intero(collettoreScelto()).intero(fluidoScelto()).testo(are->Text()).fineRecord();
        s.testo(ann->Text()).testo(cost->Text()).intero(combustibileScelto()).testo(costalt->Text());
        s.intero(HScroll1->Value()).intero(HScroll2->Value()).intero(HScroll3->Value()).fineRecord();
        ModKorvel::rigaFrontespizioRidotta(s, *record);
        if (uso == 3)
            s.testo(trasm->Text()).fineRecord();
    });
}

void dettagliato::apri_Click()
{
    file_.apri([this](archivio::Lettore& l) -> archivio::FileDati::Applica {
        DatiFile d;
        l.testo(); // the town's name: the index decides
        d.indice = int(l.intero(0, ModKorvel::totaleLocalita - 1));
        d.uso = int(l.intero(1, 3));
        d.inclinazione = valoreBarra(l, VScroll1);
        d.azimut = valoreBarra(l, VScroll2);
        if (!l.ok())
            return {};
        if (d.uso != 1) {
            d.rete = valoreBarra(l, VScroll3);
            d.consumo = valoreBarra(l, VScroll4);
            d.litri = valoreBarra(l, VScroll5);
        } else {
            d.trasmittanza = l.testo();
        }
        d.collettore = int(l.intero(1, 4));
        d.fluido = int(l.intero(1, 2));
        d.area = l.testo();
        d.anni = l.testo();
        d.costo = l.testo();
        d.combustibile = int(l.intero(1, 3));
        d.costoAlternativo = l.testo();
        d.sconto = valoreBarra(l, HScroll1);
        d.inflazione = valoreBarra(l, HScroll2);
        d.aumento = valoreBarra(l, HScroll3);
        d.frontespizio = ModKorvel::leggiRigaFrontespizioRidotta(l);
        if (d.uso == 3 && l.restanti() > 0)
            d.trasmittanza = l.testo();
        for (const QString* t : {&d.trasmittanza, &d.area, &d.anni, &d.costo, &d.costoAlternativo})
            if (!filtroNumerico::testoFiltrato(*t))
                return {};
        // The window refuses a life over 100 years (the year tables hold 100), so no
        // file of its own holds one.
        if (numeri::val(d.anni) > 100)
            return {};
        if (!l.ok())
            return {};

        return [this, d] {
            cancella_click();
            // Clearing locked the frames on the first town: the town read is chosen
            // anew even when it is that one.
            sceltaLocalita_->scegli(d.indice);
            // Clearing left the bars on values of its own: a value already there must
            // still show in its label.
            modulo::impostaBarra(VScroll1, d.inclinazione, [this] { VScroll1_Change(); });
            modulo::impostaBarra(VScroll2, d.azimut, [this] { VScroll2_Change(); });
            Option1[std::size_t(d.uso)]->setValue(true);
            if (d.uso != 1) {
                modulo::impostaBarra(VScroll3, d.rete, [this] { VScroll3_Change(); });
                modulo::impostaBarra(VScroll4, d.consumo, [this] { VScroll4_Change(); });
                modulo::impostaBarra(VScroll5, d.litri, [this] { VScroll5_Change(); });
            }
            trasm->setText(d.trasmittanza);
            Option2[std::size_t(d.collettore)]->setValue(true);
            Option3[std::size_t(d.fluido)]->setValue(true);
            are->setText(d.area);
            Option4[std::size_t(d.combustibile)]->setValue(true);
            ann->setText(d.anni);
            cost->setText(d.costo);
            costalt->setText(d.costoAlternativo);
            modulo::impostaBarra(HScroll1, d.sconto, [this] { HScroll1_Change(); });
            modulo::impostaBarra(HScroll2, d.inflazione, [this] { HScroll2_Change(); });
            modulo::impostaBarra(HScroll3, d.aumento, [this] { HScroll3_Change(); });
            finestra<frontespizio>().impostaRidotta(d.frontespizio);
        };
    });
}
