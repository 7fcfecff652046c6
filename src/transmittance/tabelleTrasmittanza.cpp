#include "transmittance/tabelleTrasmittanza.h"

#include "base/numeri.h"
#include "base/valore.h"
#include "report/relazione.h"
#include "transmittance/calcoloTrasmittanza.h"
#include "transmittance/datiTrasmittanza.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tabelleTrasm {

namespace {

constexpr double kcal = 0.86; // kcal/m²°C = W/m²°C x 0.86
constexpr char16_t dueDecimali[] = u"##0.00";

Valore valoreDi(Dato dato, int g, int i)
{
    using namespace ModKorvel;
    const auto& totale = trasTotale[g][i];
    switch (dato) {
    case Dato::Numero: return i;
    case Dato::NumeroConSegno: return numeri::testoConSegno(i);
    case Dato::Tipologia: return tipologiaElem[g][i];
    case Dato::Area: return numeri::val(areaElem[g][i]);
    case Dato::Unitaria: return numeri::val(trasUnitaria[g][i]);
    case Dato::UnitariaKcal: return numeri::val(trasUnitaria[g][i]) * kcal;
    case Dato::Totale: return totale ? Valore(*totale) : Valore();
    case Dato::TotaleKcal: return totale ? Valore(*totale * kcal) : Valore();
    }
    return {};
}

QString due(const QString& testo) { return numeri::formatta(numeri::val(testo), dueDecimali); }

} // namespace

int tabellaElementi(int gruppo, std::span<const Colonna> colonne, std::optional<double> dimensione)
{
    const std::vector<int> elementi = calcoli::elementiConTipo(gruppo);
    const bool conUnita = std::any_of(colonne.begin(), colonne.end(), [](const Colonna& c) { return !c.unita.isEmpty(); });
    const int prima = conUnita ? 1 : 0;
    std::vector<relazione::Colonna> intestazioni;
    for (const Colonna& c : colonne)
        intestazioni.push_back({c.titolo, c.schema});
    return relazione::tabellaDati(
        intestazioni, prima + int(elementi.size()), dimensione, [&](int riga, int colonna) -> Valore {
            const Colonna& c = colonne[std::size_t(colonna - 1)];
            if (riga <= prima)
                return c.unita.isEmpty() ? Valore() : Valore(c.unita);
            return valoreDi(c.dato, gruppo, elementi[std::size_t(riga - prima - 1)]);
        });
}

std::span<const Colonna> colonneFinestra()
{
    static const std::array<Colonna, 7> colonne = {{
        {QStringLiteral("numero"), QString(), Dato::NumeroConSegno, {}},
        {QStringLiteral("tipologia"), QString(), Dato::Tipologia, {}},
        {QStringLiteral("area"), QStringLiteral("mq"), Dato::Area, dueDecimali},
        {QStringLiteral("trasmittanza unitaria"), QStringLiteral("W/mq°C"), Dato::Unitaria, dueDecimali},
        {QStringLiteral("trasmittanza unitaria"), QStringLiteral("kcal/mq°C"), Dato::UnitariaKcal, dueDecimali},
        {QStringLiteral("trasmittanza totale"), QStringLiteral("W/mq°C"), Dato::Totale, dueDecimali},
        {QStringLiteral("trasmittanza totale"), QStringLiteral("kcal/mq°C"), Dato::TotaleKcal, dueDecimali},
    }};
    return colonne;
}

std::vector<Colonna> colonneRelazione(int gruppo)
{
    return {
        {QStringLiteral("numero"), QString(), Dato::Numero, {}},
        {gruppo == 1 ? QStringLiteral("elementi periferici") : QStringLiteral("elementi interni"), QString(),
         Dato::Tipologia, {}},
        {QStringLiteral("area (mq)"), QString(), Dato::Area, dueDecimali},
        {QStringLiteral("trasmittanza unitaria (W/mq°C)"), QString(), Dato::Unitaria, dueDecimali},
        {QStringLiteral("trasmittanza totale (W/°C)"), QString(), Dato::Totale, {}},
    };
}

int tabellaCoefficienti(const QString& esterno, const QString& interno, double dimensione)
{
    const relazione::Riga righe[] = {
        {QStringLiteral("coefficiente liminare"), QStringLiteral("W/mq°C")},
        {QStringLiteral("esterno"), due(esterno)},
        {QStringLiteral("intero"), due(interno)},
    };
    return relazione::tabellaDueColonne(righe, dimensione);
}

int tabellaComplessiva(const QString& correzione, const QString& totale, const QString& ricambi,
                       const QString& complessiva, double dimensione)
{
    const relazione::Riga righe[] = {
        {QStringLiteral("tipologia"), QStringLiteral("W/mq°C")},
        {QStringLiteral("trasmittanza dovuta ai coefficienti liminari esterno e interno"), due(correzione)},
        {QStringLiteral("conduttanza totale"), due(totale)},
        {QStringLiteral("trasmittanza per ricambi d'aria"), due(ricambi)},
        {QStringLiteral("trasmittanza complessiva dell'edificio"), due(complessiva)},
    };
    return relazione::tabellaDueColonne(righe, dimensione);
}

} // namespace tabelleTrasm
