#include "transmittance/archivioTrasm.h"

#include "base/archivio.h"
#include "transmittance/calcoloTrasmittanza.h"
#include "transmittance/datiTrasmittanza.h"

#include <algorithm>

namespace archivioTrasm {

namespace {

// What the area and unit boxes hold after the numeric filter.
bool testoNumerico(const QString& testo)
{
    return std::all_of(testo.begin(), testo.end(), [](QChar c) {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.');
    });
}

} // namespace

Contenuto daModulo(const ModKorvel::datiFrontespizio& frontespizio)
{
    using namespace ModKorvel;
    Contenuto c;
    for (int g = 1; g <= 2; ++g)
        for (const int i : calcoli::elementiConTipo(g))
            c.gruppi[g].push_back({tipologiaElem[g][i], areaElem[g][i], trasUnitaria[g][i]});
    c.frontespizio = frontespizio;
    return c;
}

void scrivi(archivio::Scrittore& s, const Contenuto& c)
{
    s.intero(qsizetype(c.gruppi[1].size())).intero(qsizetype(c.gruppi[2].size())).fineRecord();
    for (int g = 1; g <= 2; ++g)
        for (const Elemento& e : c.gruppi[g])
            s.testo(e.tipologia).testo(e.area).testo(e.unitaria).fineRecord();
    ModKorvel::rigaFrontespizio(s, c.frontespizio);
}

std::optional<Contenuto> leggi(archivio::Lettore& l)
{
    Contenuto c;
    int conteggi[3] = {0, 0, 0};
    conteggi[1] = int(l.intero(0, ModKorvel::elementiPerGruppo));
    conteggi[2] = int(l.intero(0, ModKorvel::elementiPerGruppo));
    if (!l.ok())
        return std::nullopt;
    for (int g = 1; g <= 2; ++g) {
        for (int i = 1; i <= conteggi[g]; ++i) {
            Elemento e;
            e.tipologia = l.testo();
            e.area = l.testo();
            e.unitaria = l.testo();
            // An element without a type counts nowhere and would not be saved again:
            // the records after it would shift into its place.
            if (e.tipologia.isEmpty() || !testoNumerico(e.area) || !testoNumerico(e.unitaria))
                return std::nullopt;
            c.gruppi[g].push_back(e);
        }
    }
    c.frontespizio = ModKorvel::leggiRigaFrontespizio(l);
    // Fields left over mean counts that do not match the records: the cover line
    // read would be made of element fields.
    if (!l.ok() || l.restanti() != 0)
        return std::nullopt;
    return c;
}

} // namespace archivioTrasm
