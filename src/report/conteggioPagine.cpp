// The pages are counted the way the word processor breaks the saved file, without
// laying out a QTextDocument (whose table layout costs about a tenth of a millisecond
// a cell): every paragraph is broken into lines at the text width, every table row is
// as high as its tallest cell at the table's column widths plus its border, a row
// that does not fit goes to the next page (a row of several lines is split between
// them), and a formatted table repeats its header row at the top of every page it
// continues on. Lengths are in points.
#include "report/documento.h"

#include "report/impaginazioneInterna.h"

#include <QFont>
#include <QFontMetricsF>
#include <QTextLayout>

#include <algorithm>
#include <map>

namespace documento {

using dettaglio::fontMisurato;
using dettaglio::mmPerPollice;
using dettaglio::testoQt;
using dettaglio::unitaPerPunto;

namespace {

constexpr double puntiPerMm = 72.0 / mmPerPollice;
constexpr double bordoPunti = 0.5; // the saved file's borders: four eighths of a point

// Metrics of the fonts of a document, kept while it is counted.
class Metriche {
public:
    struct Voce {
        QFont font;
        QFontMetricsF metrica;
        double altezzaRiga; // points
    };
    const Voce& di(const Carattere& c)
    {
        const QString chiave = c.nome.toLower() + QLatin1Char('|') + QString::number(c.dimensione)
            + (c.grassetto ? QStringLiteral("|b") : QString());
        auto trovata = voci_.find(chiave);
        if (trovata == voci_.end()) {
            QFont f = fontMisurato(c);
            QFontMetricsF m(f);
            trovata = voci_.emplace(chiave, Voce{f, m, m.lineSpacing() / unitaPerPunto}).first;
        }
        return trovata->second;
    }

private:
    std::map<QString, Voce> voci_;
};

// The heights (points) of the lines of a text in runs, broken at `larghezza` points.
void righeDi(const std::vector<Sequenza>& sequenze, const Carattere& marca, double larghezzaPunti, Metriche& metriche,
             std::vector<double>& righe)
{
    const double larghezza = larghezzaPunti * unitaPerPunto;
    QString testo;
    for (const Sequenza& s : sequenze)
        testo += s.testo;
    if (testo.isEmpty()) {
        righe.push_back(metriche.di(marca).altezzaRiga);
        return;
    }
    // One run that fits on a line: no line breaking needed.
    if (sequenze.size() == 1 && !testo.contains(QChar(0x0B)) && !testo.contains(QLatin1Char('\t'))) {
        const Metriche::Voce& v = metriche.di(sequenze.front().carattere);
        if (v.metrica.horizontalAdvance(testo) <= larghezza) {
            righe.push_back(v.altezzaRiga);
            return;
        }
    }
    QList<QTextLayout::FormatRange> formati;
    std::vector<std::pair<int, double>> fini; // end of each run, its line height
    int posizione = 0;
    for (const Sequenza& s : sequenze) {
        const Metriche::Voce& v = metriche.di(s.carattere);
        QTextLayout::FormatRange r;
        r.start = posizione;
        r.length = int(s.testo.size());
        r.format.setFont(v.font);
        formati << r;
        posizione += int(s.testo.size());
        fini.emplace_back(posizione, v.altezzaRiga);
    }
    QTextLayout disposizione(testoQt(testo), metriche.di(sequenze.front().carattere).font);
    disposizione.setFormats(formati);
    QTextOption opzione;
    opzione.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    disposizione.setTextOption(opzione);
    disposizione.beginLayout();
    for (QTextLine linea = disposizione.createLine(); linea.isValid(); linea = disposizione.createLine()) {
        linea.setLineWidth(larghezza);
        const int inizio = linea.textStart();
        const int fine = inizio + std::max(linea.textLength(), 1);
        double altezza = 0;
        int da = 0;
        for (const auto& [a, h] : fini) {
            if (a > inizio && da < fine)
                altezza = std::max(altezza, h);
            da = a;
        }
        righe.push_back(altezza > 0 ? altezza : metriche.di(marca).altezzaRiga);
    }
    disposizione.endLayout();
}

class Impaginatore {
public:
    explicit Impaginatore(const Documento& d) : documento_(d) {}

    int conta()
    {
        int numeroTabella = 0;
        bool primo = true;
        const Griglia* precedente = nullptr;
        for (const Blocco& b : documento_.blocchi()) {
            if (const auto* p = std::get_if<Capoverso>(&b)) {
                capoverso(*p, primo);
                precedente = nullptr;
            } else {
                const Griglia& g = std::get<Griglia>(b);
                // The saved file keeps two tables apart with an empty line.
                if (precedente)
                    colloca(metriche_.di(precedente->carattere).altezzaRiga);
                tabella(g, documento_.colonne(++numeroTabella));
                precedente = &g;
            }
            primo = false;
        }
        return pagine_;
    }

private:
    void nuovaPagina()
    {
        ++pagine_;
        usato_ = 0;
    }

    // A piece that cannot be split: on this page when it fits or the page is empty.
    void colloca(double altezza)
    {
        if (usato_ > 0 && usato_ + altezza > altezzaPagina_ + 1e-6)
            nuovaPagina();
        usato_ += altezza;
    }

    void capoverso(const Capoverso& p, bool primo)
    {
        if (p.nuovaPagina && !primo)
            nuovaPagina();
        righe_.clear();
        righeDi(p.sequenze, p.marca, larghezzaTesto_, metriche_, righe_);
        for (double h : righe_)
            colloca(h);
    }

    // Height of a row's content: its tallest cell.
    double altezzaRiga(const Griglia& g, int r, const ColonneTabella& colonne, int& linee)
    {
        Carattere c = g.carattere;
        if (g.formattata && r == 1)
            c.grassetto = true;
        double massima = 0;
        linee = 1;
        const Metriche::Voce& voce = metriche_.di(c);
        for (int k = 1; k <= g.colonne; ++k) {
            const QString& testo = g.cella(r, k);
            const double larghezza
                = std::max(0.01, (colonne.larghezze[std::size_t(k - 1)] - 2 * colonne.margine) * puntiPerMm);
            // A text measured while fitting the columns that stands on one line.
            const std::size_t cella = std::size_t(r - 1) * std::size_t(g.colonne) + std::size_t(k - 1);
            if (testo.isEmpty()
                || (cella < colonne.testi.size() && colonne.testi[cella] >= 0 && colonne.testi[cella] <= larghezza)) {
                massima = std::max(massima, voce.altezzaRiga);
                continue;
            }
            double altezza = 0;
            int n = 0;
            for (const QString& paragrafo : testo.split(QLatin1Char('\n'))) {
                righe_.clear();
                righeDi(paragrafo.isEmpty() ? std::vector<Sequenza>{} : std::vector<Sequenza>{{paragrafo, c}}, c,
                        larghezza, metriche_, righe_);
                for (double h : righe_)
                    altezza += h;
                n += int(righe_.size());
            }
            if (altezza > massima) {
                massima = altezza;
                linee = n;
            }
        }
        return massima;
    }

    void tabella(const Griglia& g, const ColonneTabella& colonne)
    {
        int linee = 1;
        const double testata = (g.formattata && g.righe > 1) ? altezzaRiga(g, 1, colonne, linee) + bordoPunti : 0;
        colloca(bordoPunti);
        for (int r = 1; r <= g.righe; ++r) {
            const double altezza = altezzaRiga(g, r, colonne, linee) + bordoPunti;
            if (usato_ > 0 && usato_ + altezza > altezzaPagina_ + 1e-6) {
                // A row of several lines leaves on this page the lines that fit.
                const double riga = (altezza - bordoPunti) / linee;
                const int entrano = linee > 1 ? int((altezzaPagina_ - usato_ - bordoPunti) / riga) : 0;
                const double resto = entrano > 0 ? altezza - entrano * riga : altezza;
                nuovaPagina();
                usato_ = bordoPunti + (r > 1 ? testata : 0);
                usato_ += resto;
                continue;
            }
            usato_ += altezza;
        }
    }

    const Documento& documento_;
    Metriche metriche_;
    std::vector<double> righe_;
    const double altezzaPagina_ = (altezzaPaginaMm - 2 * marginePaginaMm) * puntiPerMm;
    const double larghezzaTesto_ = (larghezzaPaginaMm - 2 * marginePaginaMm) * puntiPerMm;
    int pagine_ = 1;
    double usato_ = 0;
};

} // namespace

std::optional<int> Documento::contaPagine(Esito* esito)
{
    installaSostituzioniCaratteri();
    const int pagine = Impaginatore(*this).conta();
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
