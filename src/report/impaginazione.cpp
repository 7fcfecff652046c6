// The pages of a document, broken as the word processor breaks the saved file. Every
// paragraph is broken into lines at the text width, every table row is as high as its
// tallest cell plus its border; a line or a row that does not fit goes to the next
// page; a paragraph leaves no single line at the foot of a page nor at the head of the
// next (widows and orphans of two lines); a row of several lines is split between the
// pages, cell by cell, with no such rule; a formatted table repeats its header row at
// the top of every page it goes on to. Lengths are whole twips, as in that layout.
#include "report/documento.h"

#include "report/docx.h"
#include "report/impaginazioneInterna.h"

#include <QRawFont>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace documento {

namespace dettaglio {

int larghezzaTestoTwips() { return docx::twips(larghezzaPaginaMm) - 2 * docx::twips(marginePaginaMm); }
int altezzaTestoTwips() { return docx::twips(altezzaPaginaMm) - 2 * docx::twips(marginePaginaMm); }
int margineTwips() { return docx::twips(marginePaginaMm); }

ColonneTwips colonneTwips(const ColonneTabella& colonne)
{
    ColonneTwips t;
    t.margine = docx::twips(colonne.margine);
    for (double mm : colonne.larghezze)
        t.larghezze.push_back(docx::twips(mm));
    return t;
}

namespace {

int arrotonda(double x) { return int(std::floor(x + 0.5)); }

qint16 intero16(const QByteArray& tabella, int posizione)
{
    if (posizione + 2 > tabella.size())
        return 0;
    return qFromBigEndian<qint16>(tabella.constData() + posizione);
}

// The line height and ascent in twips of a face at `pixel` layout units, from the
// face's own tables as the word processor reads them: the horizontal header's
// ascender, descender and line gap; the OS/2 table's Windows metrics when the header
// has none, its typographic ones when the face asks for them. Each is rounded to
// whole pixels, and ascent and descent together to whole twips, the gap apart.
bool metricaDelCarattere(const QFont& font, int pixel, int& altezza, int& ascesa)
{
    const QRawFont grezzo = QRawFont::fromFont(font);
    const QByteArray hhea = grezzo.fontTable("hhea");
    const double unita = grezzo.unitsPerEm();
    if (!grezzo.isValid() || hhea.size() < 10 || unita <= 0)
        return false;
    const double scala = pixel / unita;
    double sopra = intero16(hhea, 4) * scala;
    double sotto = -intero16(hhea, 6) * scala;
    double interlinea = intero16(hhea, 8) * scala;
    const QByteArray os2 = grezzo.fontTable("OS/2");
    if (os2.size() >= 78) {
        const double tipoSopra = intero16(os2, 68), tipoSotto = intero16(os2, 70), tipoInterlinea = intero16(os2, 72);
        const double winSopra = quint16(intero16(os2, 74)), winSotto = quint16(intero16(os2, 76));
        if (sopra == 0 && sotto == 0) {
            sopra = winSopra * scala;
            sotto = winSotto * scala;
            interlinea = 0;
        }
        constexpr quint16 usaMetricheTipografiche = 1 << 7;
        if ((quint16(intero16(os2, 62)) & usaMetricheTipografiche) && (tipoSopra != 0 || tipoSotto != 0)) {
            sopra = tipoSopra * scala;
            sotto = -tipoSotto * scala;
            interlinea = tipoInterlinea * scala;
        }
    }
    const int pxSopra = arrotonda(sopra), pxSotto = arrotonda(sotto), pxInterlinea = arrotonda(interlinea);
    altezza = arrotonda(double(pxSopra + pxSotto) / unitaPerTwip) + arrotonda(double(pxInterlinea) / unitaPerTwip);
    ascesa = arrotonda(double(pxSopra) / unitaPerTwip);
    return altezza > 0;
}

} // namespace

const Metrica& Metriche::di(const Carattere& c)
{
    // The saved file keeps sizes in half points.
    const int mezziPunti = std::max(2, arrotonda(c.dimensione * 2));
    const auto chiave = std::make_tuple(c.nome.toLower(), mezziPunti, c.grassetto);
    auto trovata = voci_.find(chiave);
    if (trovata != voci_.end())
        return *trovata->second;
    installaSostituzioniCaratteri();
    const int pixel = mezziPunti * twipsPerPunto * unitaPerTwip / 2;
    QFont f(c.nome);
    f.setPixelSize(pixel);
    f.setBold(c.grassetto);
    // Unhinted glyphs advance by their design width rounded to whole pixels, as there.
    f.setHintingPreference(QFont::PreferNoHinting);
    auto voce = std::make_unique<Metrica>(Metrica{f, QFontMetricsF(f), 0, 0});
    if (!metricaDelCarattere(f, pixel, voce->altezza, voce->ascesa)) {
        voce->altezza = std::max(1, arrotonda(voce->misura.lineSpacing() / unitaPerTwip));
        voce->ascesa = arrotonda(voce->misura.ascent() / unitaPerTwip);
    }
    return *voci_.emplace(chiave, std::move(voce)).first->second;
}

void righeDi(const std::vector<Sequenza>& sequenze, const Carattere& marca, Allineamento allineamento, int larghezza,
             Metriche& metriche, std::vector<Riga>& righe, QTextLayout* testo)
{
    righe.clear();
    qsizetype lunghezza = 0;
    for (const Sequenza& s : sequenze)
        lunghezza += s.testo.size();
    if (lunghezza == 0) {
        // An empty paragraph is as high as its mark.
        const Metrica& m = metriche.di(marca);
        righe.push_back({0, 0, m.altezza, m.ascesa});
        return;
    }
    const double larghezzaUnita = double(larghezza) * unitaPerTwip;
    // One run that fits on a line needs no line breaking.
    if (!testo && sequenze.size() == 1) {
        const QString& t = sequenze.front().testo;
        const Metrica& m = metriche.di(sequenze.front().carattere);
        if (!t.contains(QChar(0x0B)) && !t.contains(QLatin1Char('\t')) && m.misura.horizontalAdvance(t) <= larghezzaUnita) {
            righe.push_back({0, int(t.size()), m.altezza, m.ascesa});
            return;
        }
    }
    QString tutto;
    tutto.reserve(lunghezza);
    QList<QTextLayout::FormatRange> formati;
    struct Fine {
        int posizione;
        const Metrica* metrica;
    };
    std::vector<Fine> fini;
    for (const Sequenza& s : sequenze) {
        if (s.testo.isEmpty())
            continue;
        const Metrica& m = metriche.di(s.carattere);
        QTextLayout::FormatRange r;
        r.start = int(tutto.size());
        r.length = int(s.testo.size());
        r.format.setFont(m.font);
        formati << r;
        tutto += s.testo;
        fini.push_back({int(tutto.size()), &m});
    }
    QTextLayout locale;
    QTextLayout& disposizione = testo ? *testo : locale;
    disposizione.setText(testoQt(tutto));
    disposizione.setFont(fini.front().metrica->font);
    disposizione.setFormats(formati);
    QTextOption opzione;
    opzione.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    opzione.setTabStopDistance(tabulazioneTwips * unitaPerTwip);
    switch (allineamento) {
    case Allineamento::Centro:
        opzione.setAlignment(Qt::AlignHCenter);
        break;
    case Allineamento::Destra:
        opzione.setAlignment(Qt::AlignRight);
        break;
    case Allineamento::Giustificato:
        opzione.setAlignment(Qt::AlignJustify);
        break;
    case Allineamento::Sinistra:
        opzione.setAlignment(Qt::AlignLeft);
        break;
    }
    disposizione.setTextOption(opzione);
    disposizione.beginLayout();
    for (QTextLine linea = disposizione.createLine(); linea.isValid(); linea = disposizione.createLine()) {
        linea.setLineWidth(larghezzaUnita);
        const int inizio = linea.textStart();
        const int fine = inizio + std::max(linea.textLength(), 1);
        // As high as the highest ascent over the deepest descent of its runs.
        int sopra = 0, sotto = 0, da = 0;
        for (const Fine& f : fini) {
            if (f.posizione > inizio && da < fine) {
                sopra = std::max(sopra, f.metrica->ascesa);
                sotto = std::max(sotto, f.metrica->altezza - f.metrica->ascesa);
            }
            da = f.posizione;
        }
        righe.push_back({inizio, linea.textLength(), sopra + sotto, sopra});
    }
    disposizione.endLayout();
}

std::vector<std::vector<Sequenza>> paragrafiCella(const QString& testo, const Carattere& c)
{
    std::vector<std::vector<Sequenza>> paragrafi;
    if (!testo.contains(QLatin1Char('\n'))) {
        paragrafi.push_back(testo.isEmpty() ? std::vector<Sequenza>{} : std::vector<Sequenza>{{testo, c}});
        return paragrafi;
    }
    for (const QString& p : testo.split(QLatin1Char('\n')))
        paragrafi.push_back(p.isEmpty() ? std::vector<Sequenza>{} : std::vector<Sequenza>{{p, c}});
    return paragrafi;
}

} // namespace dettaglio

namespace {

using namespace dettaglio;

class Impaginatore {
public:
    Impaginatore(Documento& d, Metriche& metriche) : documento_(d), metriche_(metriche) {}

    std::vector<Pagina> impagina()
    {
        pagine_.assign(1, Pagina{});
        int numeroTabella = 0;
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
                if (usato_ > 0 && usato_ + m.altezza > altezzaPagina_)
                    nuovaPagina();
                usato_ += m.altezza;
            }
            tabella(g, int(i), documento_.colonne(++numeroTabella));
            precedente = &g;
        }
        return std::move(pagine_);
    }

private:
    void nuovaPagina()
    {
        pagine_.emplace_back();
        usato_ = 0;
    }

    void aggiungi(PezzoPagina pezzo)
    {
        pezzo.y = usato_;
        usato_ += pezzo.altezza;
        pagine_.back().pezzi.push_back(std::move(pezzo));
    }

    void capoverso(const Capoverso& p, int blocco)
    {
        // A break before the first paragraph leaves the first page empty, as there.
        if (p.nuovaPagina && (usato_ > 0 || blocco == 0))
            nuovaPagina();
        righeDi(p.sequenze, p.marca, p.allineamento, larghezzaTesto_, metriche_, righe_);
        const int n = int(righe_.size());
        int da = 0;
        while (da < n) {
            int entrano = 0, altezza = 0;
            while (da + entrano < n && usato_ + altezza + righe_[std::size_t(da + entrano)].altezza <= altezzaPagina_)
                altezza += righe_[std::size_t(da + entrano++)].altezza;
            if (da + entrano < n) {
                const bool paginaVuota = usato_ == 0;
                // No last line alone at the head of the next page...
                if (n - (da + entrano) < 2 && entrano - 1 >= (paginaVuota ? 1 : 0))
                    --entrano;
                // ...and no first line alone at the foot of this one.
                if (da == 0 && entrano < 2 && !paginaVuota)
                    entrano = 0;
                // A line higher than a whole page stands on its own page.
                if (entrano == 0 && paginaVuota)
                    entrano = 1;
            }
            if (entrano > 0) {
                altezza = 0;
                for (int k = da; k < da + entrano; ++k)
                    altezza += righe_[std::size_t(k)].altezza;
                PezzoPagina pezzo;
                pezzo.blocco = blocco;
                pezzo.altezza = altezza;
                pezzo.prima = da;
                pezzo.fine = da + entrano;
                aggiungi(std::move(pezzo));
                da += entrano;
            }
            if (da < n)
                nuovaPagina();
        }
    }

    // The heights of the lines of each cell of a row.
    void righeRiga(const Griglia& g, int r, const ColonneTabella& colonne, const ColonneTwips& misure,
                   std::vector<std::vector<int>>& celle)
    {
        Carattere c = g.carattere;
        if (g.formattata && r == 1)
            c.grassetto = true;
        const Metrica& m = metriche_.di(c);
        celle.resize(std::size_t(g.colonne));
        for (int k = 1; k <= g.colonne; ++k) {
            std::vector<int>& linee = celle[std::size_t(k - 1)];
            linee.clear();
            const QString& testo = g.cella(r, k);
            const int larghezza = std::max(1, misure.larghezze[std::size_t(k - 1)] - 2 * misure.margine);
            // A text that the column fitting measured well within the cell stands on one line.
            const std::size_t cella = std::size_t(r - 1) * std::size_t(g.colonne) + std::size_t(k - 1);
            if (testo.isEmpty()
                || (cella < colonne.testi.size() && colonne.testi[cella] >= 0
                    && colonne.testi[cella] * twipsPerPunto + twipsPerPunto < larghezza)) {
                linee.push_back(m.altezza);
                continue;
            }
            for (const auto& paragrafo : paragrafiCella(testo, c)) {
                righeDi(paragrafo, c, Allineamento::Sinistra, larghezza, metriche_, righe_);
                for (const Riga& riga : righe_)
                    linee.push_back(riga.altezza);
            }
        }
    }

    static int somma(const std::vector<int>& linee, int da, int a)
    {
        int s = 0;
        for (int k = da; k < a; ++k)
            s += linee[std::size_t(k)];
        return s;
    }

    void tabella(const Griglia& g, int blocco, const ColonneTabella& colonne)
    {
        const ColonneTwips misure = colonneTwips(colonne);
        const bool testata = g.formattata && g.righe > 1;
        int altezzaTestata = 0;
        std::vector<std::vector<int>> celle;
        if (testata) {
            righeRiga(g, 1, colonne, misure, celle);
            for (const auto& linee : celle)
                altezzaTestata = std::max(altezzaTestata, somma(linee, 0, int(linee.size())));
            altezzaTestata += bordoTwips;
        }
        bool apertaSullaPagina = false; // the table's top border stands on this page
        bool soloTestata = false;       // the page holds nothing but the repeated header
        const auto nuovaPaginaTabella = [&](int r) {
            nuovaPagina();
            apertaSullaPagina = false;
            soloTestata = false;
            // The header row again, where the table goes on.
            if (testata && r > 1) {
                PezzoPagina pezzo;
                pezzo.blocco = blocco;
                pezzo.riga = 1;
                pezzo.ripetuta = true;
                pezzo.bordoSopra = true;
                pezzo.altezza = bordoTwips + altezzaTestata;
                aggiungi(std::move(pezzo));
                apertaSullaPagina = true;
                soloTestata = true;
            }
        };
        std::vector<int> da; // each cell's first line still to place
        for (int r = 1; r <= g.righe; ++r) {
            righeRiga(g, r, colonne, misure, celle);
            da.assign(std::size_t(g.colonne), 0);
            for (;;) {
                const int sopra = apertaSullaPagina ? 0 : bordoTwips;
                const int spazio = altezzaPagina_ - usato_ - sopra - bordoTwips;
                const bool paginaVuota = usato_ == 0 || soloTestata;
                soloTestata = false;
                // The piece of the row that holds each cell's lines up to `a`.
                const auto pezzoFino = [&](const std::vector<int>& a) {
                    PezzoPagina pezzo;
                    pezzo.blocco = blocco;
                    pezzo.riga = r;
                    pezzo.bordoSopra = !apertaSullaPagina;
                    int contenuto = 0;
                    bool intera = true;
                    for (std::size_t k = 0; k < celle.size(); ++k) {
                        contenuto = std::max(contenuto, somma(celle[k], da[k], a[k]));
                        intera = intera && da[k] == 0 && a[k] == int(celle[k].size());
                    }
                    pezzo.altezza = sopra + contenuto + bordoTwips;
                    if (!intera)
                        for (std::size_t k = 0; k < celle.size(); ++k)
                            pezzo.celle.emplace_back(da[k], a[k]);
                    aggiungi(std::move(pezzo));
                    apertaSullaPagina = true;
                    da = a;
                };
                // Each cell keeps on this page the lines that fit.
                std::vector<int> a(da);
                bool qualcosa = false, tutto = true;
                for (std::size_t k = 0; k < celle.size(); ++k) {
                    int h = 0;
                    while (a[k] < int(celle[k].size()) && h + celle[k][std::size_t(a[k])] <= spazio)
                        h += celle[k][std::size_t(a[k]++)];
                    qualcosa = qualcosa || a[k] > da[k];
                    tutto = tutto && a[k] == int(celle[k].size());
                }
                if (tutto || (!qualcosa && paginaVuota)) {
                    // The whole row, or what is left of it; when not even a line of it
                    // fits an empty page, it goes on that page all the same.
                    for (std::size_t k = 0; k < celle.size(); ++k)
                        a[k] = int(celle[k].size());
                    pezzoFino(a);
                    break;
                }
                if (qualcosa)
                    pezzoFino(a);
                nuovaPaginaTabella(r);
            }
        }
    }

    Documento& documento_;
    Metriche& metriche_;
    std::vector<Riga> righe_;
    std::vector<Pagina> pagine_;
    const int altezzaPagina_ = altezzaTestoTwips();
    const int larghezzaTesto_ = larghezzaTestoTwips();
    int usato_ = 0;
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
