#include "report/relazione.h"

#include "base/numeri.h"
#include "report/canaleWord.h"

namespace relazione {

namespace {
const QString fine(1, QChar(13));
} // namespace

int tabellaCorrente() { return ModKorvel::wordTab.valida() ? ModKorvel::wordTab.indice() : 0; }

int tabellaDueColonne(std::span<const Riga> righe, std::optional<double> dimensione)
{
    using namespace ModKorvel;
    const int n = int(righe.size());
    if (!(dimensione ? aggiungiTabella(n, 2, *dimensione) : aggiungiTabella(n, 2)) || !scriviRighe(righe)
        || !formattaTabella())
        return 0;
    return tabellaCorrente();
}

int legenda(std::span<const Riga> righe, std::optional<double> dimensione)
{
    if (!ModKorvel::testoParagrafo(fine + QStringLiteral("Legenda:") + fine))
        return 0;
    const int tabella = tabellaDueColonne(righe, dimensione);
    if (tabella == 0 || !ModKorvel::testoParagrafo(fine))
        return 0;
    return tabella;
}

QString testoCella(const Valore& valore, QStringView schema)
{
    if (valore.vuoto())
        return QString();
    if (valore.testo() || schema.isEmpty())
        return valore.comeTesto();
    return numeri::formatta(valore.comeNumero(), schema);
}

int tabellaDati(std::span<const Colonna> colonne, int righe, std::optional<double> dimensione,
                const std::function<Valore(int riga, int colonna)>& valore)
{
    using namespace ModKorvel;
    const int n = int(colonne.size());
    if (!(dimensione ? aggiungiTabella(righe + 1, n, *dimensione) : aggiungiTabella(righe + 1, n)))
        return 0;
    for (int c = 1; c <= n; ++c)
        if (!scriviCella(1, c, colonne[std::size_t(c - 1)].titolo))
            return 0;
    for (int r = 1; r <= righe; ++r) {
        for (int c = 1; c <= n; ++c) {
            const Valore v = valore(r, c);
            // An empty cell is left as the table made it.
            if (!v.vuoto() && !scriviCella(r + 1, c, testoCella(v, colonne[std::size_t(c - 1)].schema)))
                return 0;
        }
    }
    if (!formattaTabella())
        return 0;
    return tabellaCorrente();
}

} // namespace relazione
