// The window's data file: the elements with a type and the project record.
#include "transmittance/trasmitt.h"

#include "base/ModKorvel.h"
#include "cover/frontespizio.h"
#include "platform/controlli.h"
#include "platform/modulo.h"
#include "transmittance/archivioTrasm.h"
#include "transmittance/datiTrasmittanza.h"

#include <algorithm>

void trasmitt::salva_Click() { scrivoArchivio(); }

void trasmitt::salvanome_Click()
{
    ModKorvel::nomeFile.clear();
    scrivoArchivio();
}

void trasmitt::scrivoArchivio()
{
    const auto record = frontespizio::recordDaArchiviare([this] { controlla_Click(); });
    if (!record)
        return;
    const archivioTrasm::Contenuto contenuto = archivioTrasm::daModulo(*record);
    file_.salva([&contenuto](archivio::Scrittore& s) { archivioTrasm::scrivi(s, contenuto); });
}

void trasmitt::apri_Click()
{
    file_.apri([this](archivio::Lettore& l) -> archivio::FileDati::Applica {
        const std::optional<archivioTrasm::Contenuto> letto = archivioTrasm::leggi(l);
        if (!letto)
            return {};
        return [this, c = *letto] {
            using namespace ModKorvel;
            cancella_click();
            for (int g = 1; g <= 2; ++g) {
                for (std::size_t i = 0; i < c.gruppi[g].size() && i < std::size_t(elementiPerGruppo); ++i) {
                    const archivioTrasm::Elemento& e = c.gruppi[g][i];
                    tipologiaElem[g][i + 1] = e.tipologia;
                    areaElem[g][i + 1] = e.area;
                    trasUnitaria[g][i + 1] = e.unitaria;
                }
            }
            calcolo();
            finestra<frontespizio>().imposta(c.frontespizio);
            // Each element passes through a row of its grid; the grid stays on the last
            // page shown.
            const int pagine[3] = {0, std::min(int(c.gruppi[1].size()), elementiPerGruppo - 4),
                                   std::min(int(c.gruppi[2].size()), elementiPerGruppo - 4)};
            for (int p = 1; p <= pagine[1]; ++p)
                modulo::impostaBarra(VScroll1, p, [this] { VScroll1_Change(); });
            for (int p = 1; p <= pagine[2]; ++p)
                modulo::impostaBarra(VScroll2, p, [this] { VScroll2_Change(); });
            aggiornaPasso();
        };
    });
}
