#pragma once
// The page flow: the pages being filled, and a table flowing across them. Private to
// report/.
#include "report/aspettoTabella.h"
#include "report/documento.h"
#include "report/metriche.h"
#include "report/primaDistribuzione.h"

#include <limits>
#include <vector>

namespace documento::dettaglio {

// The pages as they fill, top to bottom: each piece goes at the foot of the last one.
class PagineInCorso {
public:
    PagineInCorso() : pagine_(1) {}

    const int altezza = altezzaTestoTwips(); // of a page's text area, twips

    int libero() const { return altezza - usato_; }
    bool vuota() const { return usato_ == 0; } // nothing on the last page yet
    std::size_t quante() const { return pagine_.size(); }
    const Pagina& pagina(std::size_t i) const { return pagine_[i]; } // from 0
    Pagina& ultima() { return pagine_.back(); }

    void nuova();
    // Places a piece at the foot of the last page, with its lines (y from the piece's top).
    void aggiungi(PezzoPagina pezzo, std::vector<Linea>&& linee);
    // Leaves `twips` empty at the foot of the last page, or takes them back.
    void salta(int twips) { usato_ += twips; }

    std::vector<Pagina> prendi() { return std::move(pagine_); }

private:
    std::vector<Pagina> pagine_;
    int usato_ = 0; // twips of the last page taken
};

// A table laid out on the pages, row by row: a row goes where it fits, else as many of
// each cell's lines as fit stay and the rest goes to the next page (with no widow or
// orphan rule, as there are none inside cells), and a formatted table repeats its
// header row at the head of every page it goes on to. The word processor has its ways
// with a table that meets a page's foot, each followed by a rule of its own below.
class FlussoTabella {
public:
    // `tagli`: the guess of every table of the document, this one's at `numero` - 1.
    FlussoTabella(PagineInCorso& pagine, Metriche& metriche, const Documento& documento, const Griglia& g, int blocco, int numero,
                  const std::vector<TaglioIniziale>& tagli);
    void disponi();

private:
    using Celle = std::vector<std::vector<Linea>>; // each cell's lines, x from the page's text edge

    void righeRiga(int r, Celle& celle);
    void celleDellaRiga(int r);
    // Places row `r` from each cell's line in da_ on.
    void poniRiga(int r);
    // What of row `r` fits a page's foot (cheCosaEntra).
    struct Spazio {
        std::vector<int> fino;  // each cell's first line past those that fit
        bool unaLinea = false;  // a line of some cell fits
        bool tutto = true;      // the whole row fits
        bool qualcosa = false;  // a part of the row stays: a line fits and the row may be split there
    };
    Spazio cheCosaEntra(int r, const Celle& celle, const std::vector<int>& da, int spazio) const;
    bool restoNelBordo(int r, const Celle& celle, const std::vector<int>& da, int spazio) const;
    bool ogniCellaComincia(int r, const Celle& celle, const std::vector<int>& da, const std::vector<int>& fino) const;
    void poniPezzo(int r, const std::vector<int>& fino, int sopra);
    void nuovaPagina(int r, bool ripeti);

    // The header rules.
    bool testataVaAvanti();
    void ripetiTestata();
    void segnaTestataSpezzata(bool qualcosa);
    void testataAlPiede();
    int pezziConTestata();
    void togliTestataDallUltimaPagina();
    void restaSola(int r);
    // Pages the guess put the table's first piece past this one (less than 0: before it).
    int pagineAvanti() const { return taglio_.pagina - int(pagine_.quante()); }
    struct TabellaPrima {
        int pagina = 0;    // where it began, from 1; 0 for none
        bool qui = false; // some of it stands on this page
    };
    TabellaPrima tabellaPrima() const;
    int paginaDellaTabella(int tabella) const;
    bool primaInteraColPezzo() const;
    bool tornaConLaTabellaPrima() const;

    PagineInCorso& pagine_;
    Metriche& metriche_;
    const Griglia& g_;
    const FormaTabella forma_;
    const int blocco_, numero_;
    const std::vector<TaglioIniziale>& tagli_;
    const TaglioIniziale& taglio_; // how the word processor first cut the table (in tagli_)
    const bool dopoTabella_;      // right after another table
    bool intestata_ = false; // the first row flows as a header row: not when higher than a page
    bool testata_ = false;   // a header row to repeat: such a table of two rows or more

    Celle celle_, celleTestata_, seconda_; // the row placed, the header row, row 2 laid out early
    int altezzaTestata_ = 0;               // the header row's content and bottom border
    std::vector<int> da_;                  // each cell's first line still to place
    std::vector<Linea> righe_;             // a cell paragraph's lines, reused
    std::vector<Sequenza> cellaSola_;      // a cell of one paragraph: its run, reused
    bool aperta_ = false;      // the table's top border stands on this page
    bool soloTestata_ = false; // the page holds nothing of the table but its repeated header
    bool testataSpezzata_ = false;
    std::size_t ultimaConTestata_ = std::numeric_limits<std::size_t>::max(); // the last page that keeps it, when none of the split header row fit
    std::size_t ultimaRipetuta_ = std::numeric_limits<std::size_t>::max(); // the last page that may repeat it
    std::size_t paginaPrima_ = 0; // the page the table begins on, counted from 1; 0 before its first row stands
    int rigaSola_ = 0;            // the row that ends its page (restaSola, testataAlPiede)
    std::size_t paginaSola_ = 0; // that page, counted from 1
};

} // namespace documento::dettaglio
