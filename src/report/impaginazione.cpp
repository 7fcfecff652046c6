// The pages of a document, broken as the word processor breaks the saved file. Every
// paragraph is broken into lines at the text width (righe.h); a line that does not
// fit goes to the next page, and a paragraph leaves no single line at the foot of a
// page nor at the head of the next (widows and orphans of two lines); tables flow
// row by row (flussoTabella.cpp). Lengths are whole twips, as in that layout. Each
// page keeps its lines, placed and in their fonts: the drawing only draws them.
#include "report/documento.h"

#include "report/flussoPagine.h"
#include "report/righe.h"

#include <utility>

namespace documento {

namespace dettaglio {

void PagineInCorso::nuova()
{
    pagine_.emplace_back();
    usato_ = 0;
}

void PagineInCorso::aggiungi(PezzoPagina pezzo, std::vector<Linea>&& linee)
{
    Pagina& pagina = pagine_.back();
    Pezzo& posto = comune(pezzo);
    posto.y = usato_;
    posto.primaLinea = int(pagina.linee.size());
    for (Linea& l : linee) {
        l.y += usato_;
        pagina.linee.push_back(std::move(l));
    }
    posto.fineLinea = int(pagina.linee.size());
    usato_ += posto.altezza;
    pagina.pezzi.push_back(std::move(pezzo));
}

} // namespace dettaglio

namespace {

using namespace dettaglio;

// Widows and orphans: a paragraph leaves no fewer lines than these at the foot of a
// page nor at the head of the next.
constexpr int righeMinime = 2;

class Impaginatore {
public:
    Impaginatore(Documento& d, Metriche& metriche) : documento_(d), metriche_(metriche) {}

    std::vector<Pagina> impagina()
    {
        int numeroTabella = 0;
        const std::vector<TaglioIniziale> tagli = primaDistribuzione(documento_);
        const Griglia* precedente = nullptr;
        const auto& blocchi = documento_.blocchi();
        for (std::size_t i = 0; i < blocchi.size(); ++i) {
            if (const auto* p = std::get_if<Capoverso>(&blocchi[i])) {
                capoverso(*p, int(i));
                precedente = nullptr;
                continue;
            }
            const Griglia& g = std::get<Griglia>(blocchi[i]);
            // The saved file keeps two tables apart with an empty line in the first one's font.
            if (precedente) {
                const Metrica& m = metriche_.di(precedente->carattere);
                if (!pagine_.vuota() && m.altezza > pagine_.libero())
                    pagine_.nuova();
                pagine_.salta(m.altezza);
            }
            if (std::exchange(saltoDopo_, false) && !pagine_.vuota())
                pagine_.nuova();
            FlussoTabella(pagine_, metriche_, documento_, g, int(i), numeroTabella + 1, tagli).disponi();
            ++numeroTabella;
            precedente = &g;
        }
        return pagine_.prendi();
    }

private:
    void capoverso(const Capoverso& p, int blocco)
    {
        // A paragraph that holds a page break alone stays where it is and the page
        // breaks after it (and not at all at the document's end); a break before the
        // first paragraph leaves the first page empty. Both as there.
        const bool soloSalto = p.nuovaPagina && p.testo().isEmpty();
        const bool dopoUnSalto = std::exchange(saltoDopo_, soloSalto);
        const bool salto = (p.nuovaPagina && !soloSalto) || dopoUnSalto;
        if (salto && (!pagine_.vuota() || blocco == 0))
            pagine_.nuova();
        // The document's last paragraph, left empty, is as high as the document's
        // default font (Times New Roman 12), not as its mark: so the word processor
        // lays the saved file's last paragraph out.
        const bool ultimo = std::size_t(blocco) + 1 == documento_.blocchi().size();
        righeDi(p.sequenze, ultimo ? Carattere{} : p.marca, p.allineamento, larghezzaTesto_, metriche_, righe_);
        const int n = int(righe_.size());
        int da = 0;
        while (da < n) {
            int entrano = righeCheEntrano(da);
            if (da + entrano < n) {
                const bool paginaVuota = pagine_.vuota();
                // No last line alone at the head of the next page: one more goes with it...
                if (n - (da + entrano) < righeMinime && entrano - 1 >= (paginaVuota ? 1 : 0))
                    --entrano;
                // ...and no first line alone at the foot of this one.
                if (da == 0 && entrano < righeMinime && !paginaVuota)
                    entrano = 0;
                // A line higher than a whole page stands on its own page.
                if (entrano == 0 && paginaVuota)
                    entrano = 1;
            }
            if (entrano > 0) {
                PezzoCapoverso pezzo;
                pezzo.blocco = blocco;
                std::vector<Linea> linee;
                for (int k = da; k < da + entrano; ++k) {
                    Linea& l = righe_[std::size_t(k)];
                    l.blocco = blocco;
                    l.y = pezzo.altezza;
                    pezzo.altezza += l.altezza;
                    linee.push_back(std::move(l));
                }
                pagine_.aggiungi(std::move(pezzo), std::move(linee));
                da += entrano;
            }
            if (da < n)
                pagine_.nuova();
        }
    }

    // How many of the paragraph's lines from `da` on fit the page.
    int righeCheEntrano(int da) const
    {
        int entrano = 0, altezza = 0;
        const int n = int(righe_.size());
        while (da + entrano < n && altezza + righe_[std::size_t(da + entrano)].altezza <= pagine_.libero())
            altezza += righe_[std::size_t(da + entrano++)].altezza;
        return entrano;
    }

    Documento& documento_;
    Metriche& metriche_;
    PagineInCorso pagine_;
    std::vector<Linea> righe_;
    const int larghezzaTesto_ = larghezzaTestoTwips();
    bool saltoDopo_ = false; // a paragraph holding a page break alone asks for a new page
};

} // namespace

const std::vector<Pagina>& Documento::pagine()
{
    if (versionePagine_ == versione_ && !pagine_.empty())
        return pagine_;
    if (!metriche_)
        metriche_ = std::make_unique<Metriche>();
    pagine_ = Impaginatore(*this, *metriche_).impagina();
    versionePagine_ = versione_;
    return pagine_;
}

std::optional<int> Documento::contaPagine(Esito* esito)
{
    const int pagine = int(this->pagine().size());
    if (pagine < 1) {
        if (esito)
            *esito = Esito::fallito(QStringLiteral("Non è stato possibile impaginare il documento."));
        return std::nullopt;
    }
    if (esito)
        *esito = Esito::riuscito();
    return pagine;
}

} // namespace documento
