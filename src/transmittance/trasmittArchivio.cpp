// The window's data file: the elements with a type and the project record.
#include "transmittance/trasmitt.h"

#include "base/ModKorvel.h"
#include "cover/frontespizio.h"
#include "platform/controlli.h"
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
            // Each element passes through a row of its grid; then each grid shows its
            // first element again.
            for (int g = 1; g <= 2; ++g)
                for (int p = 1; p <= std::min(int(c.gruppi[g].size()), elementiPerGruppo - 4); ++p)
                    scorri(g, p);
            scorri(1, 1);
            scorri(2, 1);
            aggiornaPasso();
        };
    });
}
