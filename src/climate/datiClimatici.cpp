#include "climate/datiClimatici.h"

#include "climate/tabellaLocalita.h"

#include <algorithm>

namespace ModKorvel {

namespace {
constexpr std::array<int, 13> giorniDelMese{0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr double temperaturaBase = 20.0;
} // namespace

int localitaValida(int n)
{
    return n >= 1 && n <= tabellaClimatica::numeroLocalita ? n : 1;
}

void caricaLocalita()
{
    totaleLocalita = tabellaClimatica::numeroLocalita;
    localita[0].clear();
    for (int n = 1; n <= totaleLocalita; ++n)
        localita[n] = QString::fromUtf8(tabellaClimatica::rigaLocalita(n).nome);
}

void caricaDatiClimatici()
{
    ++caricamentiClimatici;
    const tabellaClimatica::RigaLocalita& riga = tabellaClimatica::rigaLocalita(numLocalita);
    latitudine = riga.latitudine;
    radiazione[0] = temperatura[0] = gradiGiorno[0] = coefficienti[0] = 0.0;
    for (int m = 1; m <= 12; ++m) {
        radiazione[m] = riga.radiazione[m - 1];
        temperatura[m] = riga.temperatura[m - 1];
    }
    for (int k = 1; k <= 8; ++k)
        coefficienti[k] = riga.coefficienti[k - 1];

    // Degree-days at base 20 °C, never negative; a non-leap February.
    coefficienti[9] = 0.0;
    for (int m = 1; m <= 12; ++m) {
        gradiGiorno[m] = std::max(0.0, (temperaturaBase - temperatura[m]) * giorniDelMese[m]);
        coefficienti[9] += gradiGiorno[m];
    }
}

namespace tabellaClimatica {

const RigaLocalita& rigaLocalita(int n)
{
    return righe[localitaValida(n) - 1];
}

} // namespace tabellaClimatica

} // namespace ModKorvel
