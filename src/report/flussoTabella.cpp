// A table flowing across the pages, with the ways the word processor lays out a table
// that meets a page's foot, each followed as it shows them:
// - a header row goes whole to the next page when more than its bottom border is
//   missing, or when the row after it would leave nothing below it (testataVaAvanti):
//   not a line, or not a line of each cell where the row may not be split;
// - a header row split at the foot with lines on both pages is repeated above the
//   rest of it and on the pages after, as many as the pieces the first guess cut after
//   the first that keep their header (segnaTestataSpezzata, pezziConTestata): in a
//   table that guess left whole, or whose first piece it put less than two pages past
//   the split, not at all; one that only lacks its bottom border there is repeated on
//   every page but the table's last, three pages on or more
//   (togliTestataDallUltimaPagina), and stands alone on the next page where that
//   guess put the first piece less than two pages on, else leaves on its page no more
//   than the guess's first three pieces (testataAlPiede);
// - a header row sent on with the row after it, or a first row of a table without a
//   header that goes on whole, takes that row alone to the next page when the word
//   processor's first guess of the pages had cut the table and put its first piece
//   further on than the content before it lets the table come back (restaSola);
// - a row is split at the foot only when each of its cells keeps a line there, else it
//   goes on whole (ogniCellaComincia);
// - in a table the first guess cut into pieces of two rows, 23 of them or more, put no
//   further on than the next page nor more than three pages back, a row whose rest
//   would fit in the room its bottom border lacks at the foot of the table's first
//   page goes on whole (restoNelBordo);
// - a cell's part does not end on a tab alone that goes with a word cut after it,
//   in a cell no wider than the first tab stop (tabulazioneLegata);
// - a header row higher than a page is none: it is split and not repeated;
// - a header row at a page's head keeps the row after it on that page, as a repeated
//   one does, when not a line of that row fits below it.
#include "report/flussoPagine.h"

#include "report/acapo.h"
#include "report/righe.h"
#include "report/tratti.h"

#include <algorithm>
#include <limits>

namespace documento::dettaglio {

namespace {

int somma(const std::vector<Linea>& linee, int da, int a)
{
    int s = 0;
    for (int k = da; k < a; ++k)
        s += linee[std::size_t(k)].altezza;
    return s;
}

// Where the piece of text `f` of a paragraph starting at `inizio` of `testo` starts,
// in twips from the cell's text edge: a piece that follows a tab and blanks starts
// where the blanks do.
double inizioPezzo(const QString& testo, int inizio, const Frammento& f)
{
    int prima = inizio + f.inizio;
    while (prima > inizio && testo[prima - 1] == QLatin1Char(' '))
        --prima;
    const int bianchi = inizio + f.inizio - prima;
    if (bianchi == 0 || prima == inizio || testo[prima - 1] != QLatin1Char('\t'))
        return f.x;
    return f.x - f.metrica->misura.larghezza(QString(bianchi, QLatin1Char(' '))) / unitaPerTwip;
}

// The height of a row's tallest cell, without its borders.
int contenuto(const std::vector<std::vector<Linea>>& celle)
{
    int alta = 0;
    for (const auto& linee : celle)
        alta = std::max(alta, somma(linee, 0, int(linee.size())));
    return alta;
}

// Whether line `i` of a cell holding `testo`, its text `larghezza` twips wide, is a tab
// alone that goes on with the line after it. A break at blanks sent the tab to its line,
// and the word after it is an opening quote, before which no line breaks: the tab and
// the word are one piece, broken by force, after the tab and, the word being too long
// for a line, inside it. Where the tab's stop, the first, is on the cell's edge or past
// it, the tab reaches the line's end and the word processor ends a page's part of the
// cell before the tab, not after it. The tab line stays in a wider cell, where the tab
// ends inside the line, and with the word after the tab whole on its line, or the tab
// at the paragraph's start, or no blank before it.
bool tabulazioneLegata(const QString& testo, const std::vector<Linea>& linee, int i, int larghezza)
{
    if (i <= 0 || i + 1 >= int(linee.size()) || larghezza > tabulazioneTwips)
        return false;
    const Linea& tab = linee[std::size_t(i)];
    const Linea& dopo = linee[std::size_t(i) + 1];
    const QStringView riga = QStringView(testo).mid(tab.inizio, tab.fine - tab.inizio);
    if (!riga.contains(QLatin1Char('\t')) || !soloSpaziETabulazioni(riga) || tab.inizio == 0
        || testo[tab.inizio - 1] != QLatin1Char(' '))
        return false;
    const int inizio = int(testo.lastIndexOf(QLatin1Char('\n'), tab.inizio - 1)) + 1;
    const qsizetype a = testo.indexOf(QLatin1Char('\n'), tab.inizio);
    const int fine = a < 0 ? int(testo.size()) : int(a);
    if (dopo.fine >= fine)
        return false; // the rest of the paragraph fits the line after
    std::vector<char> rotture;
    puntiDiRottura(QStringView(testo).mid(inizio, fine - inizio), rotture);
    return !rotture[std::size_t(tab.fine - inizio)] && !rotture[std::size_t(dopo.fine - inizio)];
}

// The guess's pieces from which a table counts as cut into many, for a row sent on whole
// alone on its page (after paragraphs), for a row in the room of its bottom border, and
// for the repeats of a split header row however near the first piece.
constexpr int pezziMolti = 23;

// How many pieces of the first guess make a row sent on from `pagina` stand alone on
// the next (a header row with the row after it): pezziMolti after paragraphs, 29 after
// a table of one row, 42 after a table of two rows or more that starts on this page.
// Where a table going on from the page before stands here, the word processor follows
// no count the program could find.
int pezziPerRestareSola(const Pagina& pagina, int blocco)
{
    int righe = 0;
    std::vector<int> tabelle;
    for (const PezzoPagina& p : pagina.pezzi) {
        const auto* riga = std::get_if<PezzoRiga>(&p);
        if (!riga || riga->blocco == blocco || riga->ripetuta)
            continue;
        ++righe;
        if (std::ranges::find(tabelle, riga->blocco) == tabelle.end()) {
            tabelle.push_back(riga->blocco);
            if (riga->riga != 1 || !riga->intera)
                return std::numeric_limits<int>::max();
        }
    }
    return righe >= 2 ? 42 : righe == 1 ? 29 : pezziMolti;
}

// Whether the table at `blocco` follows another, with nothing between or an empty
// paragraph (as the saved file keeps two tables apart).
bool dopoUnaTabella(const Documento& documento, int blocco)
{
    const auto& blocchi = documento.blocchi();
    int i = blocco - 1;
    if (i >= 0) {
        const auto* p = std::get_if<Capoverso>(&blocchi[std::size_t(i)]);
        if (p && p->testo().isEmpty() && !p->nuovaPagina)
            --i;
    }
    return i >= 0 && std::holds_alternative<Griglia>(blocchi[std::size_t(i)]);
}

} // namespace

FlussoTabella::FlussoTabella(PagineInCorso& pagine, Metriche& metriche, const Documento& documento, const Griglia& g, int blocco, int numero,
                             const std::vector<TaglioIniziale>& tagli)
    : pagine_(pagine), metriche_(metriche), g_(g), forma_(formaTabella(documento, numero)),
      blocco_(blocco), numero_(numero), tagli_(tagli), taglio_(tagli[std::size_t(numero - 1)]),
      dopoTabella_(dopoUnaTabella(documento, blocco))
{
    if (forma_.intestazione(1)) {
        righeRiga(1, celleTestata_);
        altezzaTestata_ = contenuto(celleTestata_) + bordoTwips;
        // A header row higher than the page's text, both its borders included, is none
        // to the layout: it is split where the page ends and not repeated.
        intestata_ = bordoTwips + altezzaTestata_ <= pagine_.altezza;
        testata_ = intestata_ && g_.righe > 1;
    }
}

void FlussoTabella::disponi()
{
    for (int r = 1; r <= g_.righe; ++r) {
        // The row sent on alone ends its page, unless it went on to another one itself.
        if (rigaSola_ > 0 && r == rigaSola_ + 1) {
            if (pagine_.quante() == paginaSola_)
                nuovaPagina(r, true);
            rigaSola_ = 0;
        }
        celleDellaRiga(r);
        if (r == 1 && intestata_ && !pagine_.vuota() && testataVaAvanti())
            nuovaPagina(1, false);
        // A header row at the head of a page leaves the row after it the page as a
        // repeated header does: that row goes there whole when not a line of it fits.
        const bool testataInCima = r == 1 && testata_ && pagine_.vuota();
        poniRiga(r);
        if (testataInCima)
            soloTestata_ = true;
    }
    if (testataSpezzata_ && pagine_.quante() > ultimaConTestata_)
        togliTestataDallUltimaPagina();
}

// The lines of each cell of row `r`, x from the page's text edge.
void FlussoTabella::righeRiga(int r, Celle& celle)
{
    const Carattere c = FormaTabella::carattere(g_, r);
    celle.resize(std::size_t(g_.colonne));
    for (int k = 1; k <= g_.colonne; ++k) {
        std::vector<Linea>& linee = celle[std::size_t(k - 1)];
        linee.clear();
        const double x = forma_.sinistra(k) + forma_.margine;
        const double bordo = forma_.larghezzaTesto(k) + forma_.margine;
        const QString& testo = g_.cella(r, k);
        // Most cells hold one paragraph: its run is kept from cell to cell.
        std::vector<ParagrafoCella> paragrafi;
        if (testo.contains(QLatin1Char('\n'))) {
            paragrafi = paragrafiCella(testo, c);
        } else {
            cellaSola_.clear();
            if (!testo.isEmpty())
                cellaSola_.push_back({testo, c});
        }
        for (std::size_t p = 0; p < std::max<std::size_t>(1, paragrafi.size()); ++p) {
            const std::vector<Sequenza>& sequenze = paragrafi.empty() ? cellaSola_ : paragrafi[p].sequenze;
            const int inizio = paragrafi.empty() ? 0 : paragrafi[p].inizio;
            righeDi(sequenze, c, g_.allineamenti[std::size_t(k - 1)], forma_.larghezzaTesto(k), metriche_, righe_);
            for (Linea& l : righe_) {
                // No text is shown that starts past the cell's right edge (where a
                // tab takes it beyond a narrow cell), as the word processor paints it.
                std::erase_if(l.frammenti, [&](const Frammento& f) { return inizioPezzo(testo, inizio, f) >= bordo; });
                l.blocco = blocco_;
                l.riga = r;
                l.colonna = k;
                l.inizio += inizio;
                l.fine += inizio;
                l.x = x;
                for (Frammento& f : l.frammenti) {
                    f.inizio += inizio;
                    f.x += x;
                }
                linee.push_back(std::move(l));
            }
        }
    }
}

void FlussoTabella::celleDellaRiga(int r)
{
    if (r == 1 && !celleTestata_.empty()) {
        celle_ = celleTestata_;
    } else if (r == 2 && !seconda_.empty()) {
        celle_ = std::move(seconda_);
        seconda_.clear();
    } else {
        righeRiga(r, celle_);
    }
}

void FlussoTabella::poniRiga(int r)
{
    da_.assign(std::size_t(g_.colonne), 0);
    for (;;) {
        const int sopra = aperta_ ? 0 : bordoTwips;
        const int spazio = pagine_.libero() - sopra - bordoTwips;
        const bool paginaVuota = pagine_.vuota() || soloTestata_;
        soloTestata_ = false;
        Spazio qui = cheCosaEntra(r, celle_, da_, spazio);
        if (qui.tutto || (!qui.qualcosa && paginaVuota)) {
            // The whole row, or what is left of it; when not even a line of it fits an
            // empty page, it goes on that page all the same.
            for (std::size_t k = 0; k < celle_.size(); ++k)
                qui.fino[k] = int(celle_[k].size());
            poniPezzo(r, qui.fino, sopra);
            return;
        }
        if (qui.qualcosa)
            poniPezzo(r, qui.fino, sopra);
        if (r == 1 && !qui.qualcosa && !intestata_)
            restaSola(1);
        if (r == 1 && intestata_ && !testataSpezzata_)
            segnaTestataSpezzata(qui.qualcosa);
        nuovaPagina(r, r > 1 || qui.qualcosa);
    }
}

// Each cell of row `r` keeps from its line `da` on the lines that fit `spazio`; what
// fits stays only where the row may be split.
FlussoTabella::Spazio FlussoTabella::cheCosaEntra(int r, const Celle& celle, const std::vector<int>& da, int spazio) const
{
    Spazio qui{da};
    for (std::size_t k = 0; k < celle.size(); ++k) {
        int h = 0;
        while (qui.fino[k] < int(celle[k].size()) && h + celle[k][std::size_t(qui.fino[k])].altezza <= spazio)
            h += celle[k][std::size_t(qui.fino[k]++)].altezza;
        if (qui.fino[k] > da[k] && qui.fino[k] < int(celle[k].size())
            && tabulazioneLegata(g_.cella(r, int(k) + 1), celle[k], qui.fino[k] - 1, forma_.larghezzaTesto(int(k) + 1)))
            --qui.fino[k];
        qui.unaLinea = qui.unaLinea || qui.fino[k] > da[k];
        qui.tutto = qui.tutto && qui.fino[k] == int(celle[k].size());
    }
    qui.qualcosa = qui.unaLinea && (qui.tutto || (!restoNelBordo(r, celle, da, spazio) && ogniCellaComincia(r, celle, da, qui.fino)));
    return qui;
}

// In a table the word processor's first guess cut into pieces of two rows (a header and
// a row, in a formatted one), as many as pezziMolti or more, and put no further on than
// the next page nor more than three pages back, a row after the first whose rest would
// fit whole in the room its bottom border lacks at the foot of the table's first page
// is not split there: it goes on whole. On the pages after, in fewer pieces or pieces
// of more rows, in pieces the guess put further on or four pages back or more (where
// they no longer hold the row back), and in a table left whole, it keeps the lines that
// fit above that border, as any row.
bool FlussoTabella::restoNelBordo(int r, const Celle& celle, const std::vector<int>& da, int spazio) const
{
    const int avanti = pagineAvanti();
    if (!taglio_.tagliata || taglio_.righePezzo != 2 || taglio_.pezzi < pezziMolti || r < 2 || avanti > 1 || avanti < -3)
        return false;
    if (paginaPrima_ != 0 && paginaPrima_ != pagine_.quante())
        return false;
    for (std::size_t k = 0; k < celle.size(); ++k)
        if (somma(celle[k], da[k], int(celle[k].size())) > spazio + bordoTwips)
            return false;
    return true;
}

// The word processor splits a row at a page's foot only when each of its cells keeps a
// line on this page (a cell whose first line holds a tab among its text need not; one
// of a tab alone, as high as a blank line, must): else the row goes on whole. Once
// split, the rest goes on line by line.
bool FlussoTabella::ogniCellaComincia(int r, const Celle& celle, const std::vector<int>& da, const std::vector<int>& fino) const
{
    if (std::any_of(da.begin(), da.end(), [](int d) { return d > 0; }))
        return true;
    for (std::size_t k = 0; k < celle.size(); ++k) {
        if (fino[k] > 0 || celle[k].empty())
            continue;
        const Linea& prima = celle[k].front();
        const QString riga = g_.cella(r, int(k) + 1).mid(prima.inizio, prima.fine - prima.inizio);
        if (!riga.contains(QLatin1Char('\t')) || soloSpaziETabulazioni(riga))
            return false;
    }
    return true;
}

// The piece of the row that holds each cell's lines from da_ up to `fino`.
void FlussoTabella::poniPezzo(int r, const std::vector<int>& fino, int sopra)
{
    PezzoRiga pezzo;
    pezzo.blocco = blocco_;
    pezzo.tabella = numero_;
    pezzo.riga = r;
    pezzo.bordoSopra = !aperta_;
    int alta = 0;
    std::vector<Linea> linee;
    for (std::size_t k = 0; k < celle_.size(); ++k) {
        alta = std::max(alta, somma(celle_[k], da_[k], fino[k]));
        pezzo.intera = pezzo.intera && da_[k] == 0 && fino[k] == int(celle_[k].size());
        int y = sopra;
        for (int i = da_[k]; i < fino[k]; ++i) {
            Linea& l = celle_[k][std::size_t(i)];
            l.y = y;
            y += l.altezza;
            linee.push_back(std::move(l));
        }
    }
    pezzo.altezza = sopra + alta + bordoTwips;
    pagine_.aggiungi(std::move(pezzo), std::move(linee));
    if (paginaPrima_ == 0)
        paginaPrima_ = pagine_.quante();
    aperta_ = true;
    da_ = fino;
}

// A new page for the table from row `r`, with the header row again when `ripeti`.
void FlussoTabella::nuovaPagina(int r, bool ripeti)
{
    pagine_.nuova();
    aperta_ = false;
    soloTestata_ = false;
    if (testata_ && ripeti && pagine_.quante() <= ultimaRipetuta_) {
        ripetiTestata();
        aperta_ = true;
        soloTestata_ = r > 1;
    }
}

void FlussoTabella::ripetiTestata()
{
    PezzoRiga pezzo;
    pezzo.blocco = blocco_;
    pezzo.tabella = numero_;
    pezzo.riga = 1;
    pezzo.ripetuta = true;
    pezzo.bordoSopra = true;
    pezzo.altezza = bordoTwips + altezzaTestata_;
    std::vector<Linea> linee;
    for (const auto& cella : celleTestata_) {
        int y = bordoTwips;
        for (Linea l : cella) {
            l.y = y;
            y += l.altezza;
            linee.push_back(std::move(l));
        }
    }
    pagine_.aggiungi(std::move(pezzo), std::move(linee));
}

// The header row goes whole to the next page when more than its bottom border is
// missing here, or when the row after it would leave nothing below it here, as when a
// line of one cell fits but the row may not be split (the header is never left alone
// at a page's foot); then that row goes with it (restaSola).
bool FlussoTabella::testataVaAvanti()
{
    const int alta = contenuto(celle_);
    const int spazio = pagine_.libero();
    if (bordoTwips + alta > spazio)
        return true;
    // Missing just its bottom border, it is split; a table of one row has no row after it.
    if (2 * bordoTwips + alta > spazio || g_.righe < 2)
        return false;
    righeRiga(2, seconda_);
    const int resto = spazio - 2 * bordoTwips - alta - bordoTwips;
    const bool segue = cheCosaEntra(2, seconda_, std::vector<int>(seconda_.size(), 0), resto).qualcosa;
    if (!segue)
        restaSola(2);
    return !segue;
}

// A header row split at the page's foot with lines on both pages is repeated above
// its rest on the next page and on the pages after, one a page, as many as the pieces
// the first guess cut the table into after the first that keep their header
// (pezziConTestata): the repeats stand in those pieces, the first of which always
// reaches the next page, and the last may be the table's last page. A table the guess
// left whole, one piece, has none to give: its header is not repeated, nor where it
// put the first piece less than two pages past the split, unless it cut the table into
// many pieces: then the header is repeated on a page for each piece from the
// pezziMolti-th on. When none of it fit (only its bottom border was missing),
// testataAlPiede tells.
void FlussoTabella::segnaTestataSpezzata(bool qualcosa)
{
    testataSpezzata_ = true;
    if (qualcosa)
        ultimaRipetuta_ = pagine_.quante() + std::size_t(pezziConTestata());
    else
        testataAlPiede();
}

// A header row that lacked only its bottom border at the page's foot goes whole to the
// next page with the rows after it, and is repeated on every page after, and on the
// table's last page only up to a page past the first of the rows. In a table the
// guess cut, that page holds no more than the guess's first three pieces: the fourth
// begins the page after, below the header repeated. Where the guess put the first
// piece less than two pages past this page, the header instead stands alone on the
// next page and the rows begin a page further on, below it repeated; with that piece
// on this page or one before, the header is repeated only there.
void FlussoTabella::testataAlPiede()
{
    const std::size_t qui = pagine_.quante();
    const int avanti = pagineAvanti();
    const bool sola = taglio_.tagliata && avanti < 2;
    ultimaConTestata_ = qui + (sola ? 3 : 2);
    if (!taglio_.tagliata)
        return;
    // Alone, or after the first piece's rows and two pieces of one fewer (the repeated
    // header takes a row's place).
    rigaSola_ = sola ? 1 : 3 * taglio_.righePezzo - 2;
    paginaSola_ = qui + 1;
    if (avanti <= 0)
        ultimaRipetuta_ = qui + 2;
}

// How many of the guess's pieces after the first keep their header. Each is laid out
// first alone at a page's head below the header; one that leaves room there takes in
// the next piece whole, header dropped, and so on until the page overflows, and the
// rows past it go on into the piece after the last one taken in, which keeps its
// header. Pieces smaller than a page thus keep a header one in two, or fewer.
int FlussoTabella::pezziConTestata()
{
    // The rest of the split header starts a piece of its own on the next page. Only
    // where the guess left that page empty, its first piece two pages or more further
    // on, do the guess's pieces stay apart from it; nearer, or on a page before the
    // split, they are taken into it, as in a table the guess left whole, but for those
    // from the pezziMolti-th on.
    if (!taglio_.tagliata)
        return 0;
    if (pagineAvanti() < 2)
        return std::max(0, taglio_.pezzi - pezziMolti + 1);
    const int primo = taglio_.righePezzo; // two rows at least in a cut table
    int pezzi = 0, alta = 0;
    bool spazio = false; // the piece so far leaves room on its page
    Celle celle;
    for (int r = primo + 1; r <= g_.righe; r += primo - 1) {
        int riga = 0; // this piece's rows
        for (int k = r; k < std::min(r + primo - 1, g_.righe + 1); ++k) {
            righeRiga(k, celle);
            riga += contenuto(celle) + bordoTwips;
        }
        alta = spazio ? alta + riga : bordoTwips + altezzaTestata_ + riga;
        pezzi += spazio ? 0 : 1;
        spazio = alta <= pagine_.altezza;
    }
    return pezzi;
}

// The header row repeated at the head of the table's last page taken away: the table
// opens on that page with its next row.
void FlussoTabella::togliTestataDallUltimaPagina()
{
    Pagina& pagina = pagine_.ultima();
    const auto ripetutaQui = [&](const PezzoPagina& p) {
        const auto* riga = std::get_if<PezzoRiga>(&p);
        return riga && riga->blocco == blocco_ && riga->ripetuta;
    };
    const auto testata = std::find_if(pagina.pezzi.begin(), pagina.pezzi.end(), ripetutaQui);
    if (testata == pagina.pezzi.end() || testata + 1 == pagina.pezzi.end() || comune(*(testata + 1)).blocco != blocco_)
        return;
    // The next row takes the header's place and its top border; what follows moves
    // up by the header less that border.
    const Pezzo& tolto = comune(*testata);
    const int altezza = tolto.altezza, tolta = altezza - bordoTwips;
    const int primaLinea = tolto.primaLinea, linee = tolto.fineLinea - tolto.primaLinea;
    pagina.linee.erase(pagina.linee.begin() + primaLinea, pagina.linee.begin() + primaLinea + linee);
    const auto dopo = pagina.pezzi.erase(testata);
    auto& riga = std::get<PezzoRiga>(*dopo);
    riga.bordoSopra = true;
    riga.altezza += bordoTwips;
    for (auto p = dopo; p != pagina.pezzi.end(); ++p) {
        Pezzo& pezzo = comune(*p);
        pezzo.primaLinea -= linee;
        pezzo.fineLinea -= linee;
        pezzo.y -= p == dopo ? altezza : tolta;
    }
    for (auto l = pagina.linee.begin() + primaLinea; l != pagina.linee.end(); ++l)
        l->y -= tolta;
    pagine_.salta(-tolta);
}

// The page, from 1, where table `tabella` (from 1) begins on the pages so far; 0 if it
// has not begun.
int FlussoTabella::paginaDellaTabella(int tabella) const
{
    for (std::size_t i = 0; i < pagine_.quante(); ++i)
        for (const PezzoPagina& p : pagine_.pagina(i).pezzi)
            if (const auto* riga = std::get_if<PezzoRiga>(&p); riga && riga->tabella == tabella && riga->riga == 1 && !riga->ripetuta)
                return int(i) + 1;
    return 0;
}

// The last table before this one that stands on the pages so far: where it began, and
// whether it stands on this page too.
FlussoTabella::TabellaPrima FlussoTabella::tabellaPrima() const
{
    const std::size_t qui = pagine_.quante();
    TabellaPrima prima;
    // Back from this page: the last page holding an earlier table names it.
    for (std::size_t i = qui; i >= 1; --i) {
        const auto& pezzi = pagine_.pagina(i - 1).pezzi;
        const auto riga = std::find_if(pezzi.rbegin(), pezzi.rend(), [&](const PezzoPagina& p) {
            const auto* r = std::get_if<PezzoRiga>(&p);
            return r && r->blocco < blocco_;
        });
        if (riga != pezzi.rend()) {
            prima.qui = i == qui;
            prima.pagina = paginaDellaTabella(std::get<PezzoRiga>(*riga).tabella);
            break;
        }
    }
    return prima;
}

// Whether the guess put the table right before this one, left whole, on the page of
// this one's first piece.
bool FlussoTabella::primaInteraColPezzo() const
{
    if (numero_ < 2)
        return false;
    const TaglioIniziale& prima = tagli_[std::size_t(numero_ - 2)];
    return !prima.tagliata && prima.pagina == taglio_.pagina;
}

// Whether the guess put the table right before this one, left whole, on the page of
// this one's first piece, and every table it put on that page began on this page: the
// word processor then takes all of that page back here at once, this table's first
// piece with it, and a row it sends on from this page's foot goes on with the rest.
bool FlussoTabella::tornaConLaTabellaPrima() const
{
    if (!primaInteraColPezzo())
        return false;
    for (int t = 1; t < numero_; ++t)
        if (tagli_[std::size_t(t - 1)].pagina == taglio_.pagina && paginaDellaTabella(t) != int(pagine_.quante()))
            return false;
    return true;
}

// Row `r` goes whole to the next page, sent on from this one: a first row without a
// header, or a header row with the row after it. When the word processor's first
// guess had cut the table, the pages it left behind may stay between that row and the
// rest: the row ends its page. It does so
// - when the guess put the first piece two pages or more further on;
// - when it put it a page further on, for a first row, or for a header row of a table
//   cut into pieces of a page's count (over three pages);
// - when it put it on this page, as for a page further on, unless a table stands here
//   before it that began less than two pages before the first piece's (for a table cut
//   into pieces of a page's count, over three pages, less than one, where the guess did
//   not put that table, left whole, on the first piece's page);
// - when it put it on this page or the next, for a table cut into many pieces
//   (pezziPerRestareSola);
// - but never where the guess put the first piece a page further on with the table
//   before, left whole, and every table it put on that page began on this page
//   (tornaConLaTabellaPrima), however many pieces;
// - right after another table (an empty paragraph between), only when the first
//   piece is two pages or more from where that table began and a page further on or
//   more, or, for a first row, on this page or up to three pages back (as below); or
//   for a table cut into many pieces put on this page or further on.
// Where the guess put the first piece on an earlier page, the row goes on with the rest,
// unless a table before it began two pages or more before the first piece's, that piece
// is no more than three pages back, and the guess's last piece stands past this page;
// or unless that table began the page before the first piece's, for a table cut into
// pieces of a page's count (over three pages), and the guess did not put it, left whole,
// on the first piece's page.
void FlussoTabella::restaSola(int r)
{
    if (!taglio_.tagliata)
        return;
    const int avanti = pagineAvanti();
    const TabellaPrima prima = tabellaPrima();
    const int dallaPrima = taglio_.pagina - prima.pagina; // pages from where the table before began to the first piece
    const bool lontana = dallaPrima >= 2;
    // In pieces of a page's count (over three pages), a table before begun a page
    // before the first piece's holds the row back as one further back does, unless the
    // guess put that table, left whole, on the first piece's page: the two then come
    // back together.
    const bool lungaDopoLaPrima = dallaPrima == 1 && taglio_.lunga && !primaInteraColPezzo();
    // Four pages back or more, the guess's pieces no longer hold the row back; nearer,
    // only while some of them stand past this page.
    const bool pezziDopo = avanti + taglio_.pezzi - 1 > 0; // the guess's last piece stands past this page
    const bool lontanaVicina = lontana && avanti >= -3 && pezziDopo;
    const auto molti = [&] { return avanti >= 0 && taglio_.pezzi >= pezziPerRestareSola(pagine_.ultima(), blocco_); };
    bool sola = false;
    if (dopoTabella_) {
        sola = (lontanaVicina && (avanti >= 1 || r == 1)) || molti();
    } else if (avanti >= 2) {
        sola = true;
    } else if (avanti == 1 && tornaConLaTabellaPrima()) {
        sola = false;
    } else if (avanti >= 0) {
        const bool adatta = r == 1 || taglio_.lunga;
        sola = molti() || (adatta && (avanti == 1 || !prima.qui || lontana || lungaDopoLaPrima));
    } else if (prima.pagina > 0) {
        sola = lontanaVicina || lungaDopoLaPrima;
    }
    if (sola) {
        rigaSola_ = r;
        paginaSola_ = pagine_.quante() + 1;
    }
}

} // namespace documento::dettaglio
