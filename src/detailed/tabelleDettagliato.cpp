#include "detailed/tabelleDettagliato.h"

#include "base/numeri.h"
#include "detailed/datiDettagliato.h"
#include "report/canaleWord.h"
#include "report/relazione.h"

#include <array>
#include <cmath>

namespace tabelleDett {

namespace {

using Mese = std::array<double, 13>;

struct ColonnaMese {
    const char* intestazione;
    const char* significato;
    const char16_t* schema; // "" for the plain conversion
    const Mese* valori;     // nullptr: the month's name
};

const ColonnaMese colonne[colonneMesi + 1] = {
    {},
    {"mese", "numero d'ordine del mese dell'anno", u"", nullptr},
    {"r.0°", "radiazione sulla superficie orizzontale in kj/mq/giorno", u"", &ModKorvel::radOrizzontale},
    {"r.s°", "radiazione sulla superficie dei collettori in kj/mq/giorno", u"", &ModKorvel::radCollettori},
    {"rapp.", "rapporto tra le due radiazioni precedenti", u"##0.00", &ModKorvel::rapportoRadiazioni},
    {"r.0°k", "radiazione sulla superficie orizzontale in kwh/mq/giorno", u"##0.00", &ModKorvel::radOrizzontaleKwh},
    {"r.s°k", "radiazione sulla superficie dei collettori in kwh/mq/giorno", u"##0.000", &ModKorvel::radCollettoriKwh},
    {"r.ext.", "radiazione extraterrestre in kj/mq/giorno", u"", &ModKorvel::radExtraterrestre},
    {"nuvol.", "indice di nuvolosità", u"##0.000", &ModKorvel::indiceNuvolosita},
    {"tram.", "angolo di tramonto in gradi", u"##0.0", &ModKorvel::angoloTramonto},
    {"coll.", "angolo di tramonto collettore in gradi", u"##0.0", &ModKorvel::angoloTramontoCollettore},
    {"r.diff.", "rapporto radiazione giornaliera diffusa e globale", u"##0.000", &ModKorvel::rapportoDiffusa},
    {"ta", "prodotto effettivo trasmissività-assorbimento (adimensionale)", u"##0.000", &ModKorvel::prodottoTauAlfa},
    {"incid.", "angolo medio mensile di incidenza delle radiazioni sul collettore", u"##0.0",
     &ModKorvel::angoloIncidenza},
    {"fabb.", "fabbisogno mensile di energia in kwh", u"", &ModKorvel::fabbisognoMensile},
    {"f", "frazione del fabbisogno fornita dall'impianto solare", u"##0.000", &ModKorvel::frazioneMensile},
    {"utile", "energia utile fornita dall'impianto solare in kwh", u"", &ModKorvel::energiaUtileMensile},
};

bool colonnaMeseValida(int c) { return c >= 1 && c <= colonneMesi; }

const QString fine(1, QChar(13));

} // namespace

bool calcolato() { return ModKorvel::durataCalcolata > 0; }

QString intestazioneMese(int colonna)
{
    return colonnaMeseValida(colonna) ? QString::fromUtf8(colonne[colonna].intestazione) : QString();
}

QString significatoMese(int colonna)
{
    return colonnaMeseValida(colonna) ? QString::fromUtf8(colonne[colonna].significato) : QString();
}

Valore valoreMese(int colonna, int mese)
{
    if (!calcolato() || !colonnaMeseValida(colonna) || mese < 1 || mese > 12)
        return {};
    const ColonnaMese& c = colonne[colonna];
    if (!c.valori)
        return ModKorvel::nomeMese[std::size_t(mese)];
    return (*c.valori)[std::size_t(mese)];
}

bool annoCalcolato(int anno) { return anno >= 1 && anno <= 100 && anno <= ModKorvel::durataCalcolata; }

Valore valoreAnno(int colonna, int anno)
{
    if (!annoCalcolato(anno))
        return {};
    const auto y = std::size_t(anno);
    switch (colonna) {
    case 1: return anno;
    case 2: return ModKorvel::costoAttuale[y];
    case 3: return ModKorvel::costoSolareCalcolato ? Valore(ModKorvel::costoSolare[y]) : Valore();
    case 4: return ModKorvel::bilancio[y];
    default: return {};
    }
}

int righeAnni()
{
    // The life is at most 100 years: the calculation refuses any other.
    return int(std::nearbyint(ModKorvel::durataCalcolata + 1)) - 1;
}

int sintesi(std::optional<double> dimensione)
{
    using namespace ModKorvel;
    const bool ci = calcolato();
    const relazione::Riga righe[] = {
        {QStringLiteral("tipologia"), QStringLiteral("valore")},
        {QStringLiteral("fabbisogno annuo dell'edificio"),
         ci ? numeri::testoConSegno(fabbisognoAnnuoDett) + QStringLiteral("  kwh") : QString()},
        {QStringLiteral("frazione fornita dall'impianto solare"), ci ? numeri::testoNumero(frazioneAnnua) : QString()},
        {QStringLiteral("energia utile annua fornita dai pannelli"),
         ci ? numeri::testoConSegno(energiaUtileAnnua) + QStringLiteral(" kwh") : QString()},
    };
    return relazione::tabellaDueColonne(righe, dimensione);
}

int legendaMesi(std::optional<double> dimensione)
{
    std::array<relazione::Riga, colonneMesi + 1> righe;
    righe[0] = {QStringLiteral("colonna"), QStringLiteral("significato")};
    for (int c = 1; c <= colonneMesi; ++c)
        righe[std::size_t(c)] = {intestazioneMese(c), significatoMese(c)};
    return relazione::legenda(righe, dimensione);
}

int mesi(std::optional<double> dimensione)
{
    std::array<relazione::Colonna, colonneMesi> intestazioni;
    for (int c = 1; c <= colonneMesi; ++c)
        intestazioni[std::size_t(c - 1)] = {intestazioneMese(c), QStringView(colonne[c].schema)};
    return relazione::tabellaDati(intestazioni, 12, dimensione,
                                  [](int riga, int colonna) { return valoreMese(colonna, riga); });
}

int legendaAnni(const TestiAnni& testi, std::optional<double> dimensione)
{
    const relazione::Riga righe[] = {
        {QStringLiteral("tipologia"), QStringLiteral("valore")},
        {QStringLiteral("anno"), QStringLiteral("anno di riferimento dell'analisi economica")},
        {QStringLiteral("attuale"), testi.attuale},
        {QStringLiteral("solare"), testi.solare},
        {QStringLiteral("bilancio"), testi.bilancio},
    };
    return relazione::legenda(righe, dimensione);
}

int anni(std::optional<double> dimensione)
{
    static constexpr char16_t dueDecimali[] = u"##0.00";
    const relazione::Colonna intestazioni[] = {
        {QStringLiteral("anno"), {}},
        {QStringLiteral("attuale"), {}},
        {QStringLiteral("solare"), {}},
        {QStringLiteral("bilancio"), dueDecimali},
    };
    return relazione::tabellaDati(intestazioni, righeAnni(), dimensione,
                                  [](int riga, int colonna) { return valoreAnno(colonna, riga); });
}

QString rigaRecupero() { return fine + QStringLiteral("Tempo di recupero = ") + ModKorvel::tempoRecupero + fine; }

} // namespace tabelleDett
