// The document model: paragraphs, runs and tables appended at the end, as the
// reports write them. The column widths are in colonne.cpp, the pages in
// impaginazione.cpp and disegnoPagine.cpp, print and save in salvataggio.cpp, the
// application object in applicazione.cpp.
#include "report/documento.h"

#include "report/metriche.h"

#include <algorithm>

namespace documento {

namespace {
// XML 1.0 allows tab, LF, CR, U+0020..U+D7FF, U+E000..U+FFFD and the supplementary planes.
bool ammessoInXml(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
        || (c >= 0x10000 && c <= 0x10FFFF);
}

// Pieces of a typed text: text, paragraph ends and page breaks.
struct PezzoTesto {
    enum Tipo { Testo, FineParagrafo, NuovaPagina } tipo;
    QString testo;
};

// Character 13, a line feed or CR LF end a paragraph; 12 starts a page; 9 and 11
// stay; every other control character, and what XML cannot hold, is dropped.
std::vector<PezzoTesto> scomponi(const QString& testo)
{
    std::vector<PezzoTesto> pezzi;
    QString corrente;
    auto chiudiTesto = [&] {
        if (!corrente.isEmpty()) {
            pezzi.push_back({PezzoTesto::Testo, corrente});
            corrente.clear();
        }
    };
    const QList<uint> codici = testo.toUcs4();
    for (qsizetype i = 0; i < codici.size(); ++i) {
        const char32_t c = codici[i];
        if (c == 0x0D || c == 0x0A) {
            if (c == 0x0D && i + 1 < codici.size() && codici[i + 1] == 0x0A)
                ++i;
            chiudiTesto();
            pezzi.push_back({PezzoTesto::FineParagrafo, {}});
        } else if (c == 0x0C) {
            chiudiTesto();
            pezzi.push_back({PezzoTesto::NuovaPagina, {}});
        } else if (c == 0x09 || c == 0x0B || (c >= 0x20 && ammessoInXml(c))) {
            corrente.append(QString::fromUcs4(&c, 1));
        }
    }
    chiudiTesto();
    return pezzi;
}

// A cell's text: paragraph ends become '\n'; page breaks and invalid characters go.
QString testoCella(const QString& testo)
{
    QString risultato;
    for (const PezzoTesto& pezzo : scomponi(testo)) {
        if (pezzo.tipo == PezzoTesto::Testo)
            risultato += pezzo.testo;
        else if (pezzo.tipo == PezzoTesto::FineParagrafo)
            risultato += QLatin1Char('\n');
    }
    return risultato;
}


int contatoreDocumenti = 0;

} // namespace

QString testoXml(const QString& testo)
{
    // Nearly every text is clean already: keep it without a copy.
    const bool pulito = std::all_of(testo.begin(), testo.end(), [](QChar c) {
        return c.unicode() >= 0x20 && !c.isSurrogate() && c.unicode() < 0xFFFE;
    });
    if (pulito)
        return testo;
    QString risultato;
    risultato.reserve(testo.size());
    for (const char32_t c : testo.toUcs4()) {
        if (c >= 0x20 && ammessoInXml(c))
            risultato.append(QString::fromUcs4(&c, 1));
    }
    return risultato;
}

QString Capoverso::testo() const
{
    QString t;
    for (const Sequenza& s : sequenze)
        t += s.testo;
    return t;
}

bool Capoverso::vuoto() const
{
    return !nuovaPagina && std::all_of(sequenze.begin(), sequenze.end(), [](const Sequenza& s) { return s.testo.isEmpty(); });
}

void ripristinaNumerazione() { contatoreDocumenti = 0; }

// --- Paragrafo --------------------------------------------------------------------

Esito Paragrafo::impostaDimensione(double punti)
{
    if (!doc_)
        return Esito::fallito(QStringLiteral("Il paragrafo non appartiene a nessun documento."));
    if (Esito e = doc_->impostaDimensione(punti); !e)
        return e;
    Capoverso& p = doc_->ultimo();
    for (Sequenza& s : p.sequenze)
        s.carattere.dimensione = punti;
    p.marca.dimensione = punti;
    doc_->modificato();
    return Esito::riuscito();
}

Esito Paragrafo::impostaTesto(const QString& testo)
{
    if (!doc_)
        return Esito::fallito(QStringLiteral("Il paragrafo non appartiene a nessun documento."));
    Capoverso& p = doc_->ultimo();
    p.sequenze.clear();
    p.nuovaPagina = false;
    doc_->aggiungiTesto(testo);
    doc_->modificato();
    return Esito::riuscito();
}

// --- Tabella ----------------------------------------------------------------------

const Griglia* Tabella::griglia() const { return doc_ ? doc_->griglia(indice_) : nullptr; }

int Tabella::righe() const
{
    const Griglia* g = griglia();
    return g ? g->righe : 0;
}

int Tabella::colonne() const
{
    const Griglia* g = griglia();
    return g ? g->colonne : 0;
}

Esito Tabella::impostaDimensione(double punti)
{
    Griglia* g = doc_ ? doc_->grigliaModificabile(indice_) : nullptr;
    if (!g)
        return Esito::fallito(QStringLiteral("La tabella non esiste."));
    if (!(punti >= 1 && punti <= 1638))
        return Esito::fallito(QStringLiteral("Dimensione del carattere non valida: %1.").arg(punti));
    g->carattere.dimensione = punti;
    doc_->tabellaModificata();
    return Esito::riuscito();
}

Esito Tabella::scriviCella(int riga, int colonna, const QString& testo)
{
    Griglia* g = doc_ ? doc_->grigliaModificabile(indice_) : nullptr;
    if (!g)
        return Esito::fallito(QStringLiteral("La tabella non esiste."));
    if (riga < 1 || riga > g->righe || colonna < 1 || colonna > g->colonne)
        return Esito::fallito(QStringLiteral("La cella (%1, %2) non esiste in una tabella di %3 righe e %4 colonne.")
                                  .arg(riga)
                                  .arg(colonna)
                                  .arg(g->righe)
                                  .arg(g->colonne));
    g->cella(riga, colonna) = testoCella(testo);
    doc_->tabellaModificata();
    return Esito::riuscito();
}

QString Tabella::cella(int riga, int colonna) const
{
    const Griglia* g = griglia();
    if (!g || riga < 1 || riga > g->righe || colonna < 1 || colonna > g->colonne)
        return {};
    return g->cella(riga, colonna);
}

Esito Tabella::formattaAutomatico(int)
{
    Griglia* g = doc_ ? doc_->grigliaModificabile(indice_) : nullptr;
    if (!g)
        return Esito::fallito(QStringLiteral("La tabella non esiste."));
    g->formattata = true;
    doc_->tabellaModificata();
    return Esito::riuscito();
}

// --- Documento --------------------------------------------------------------------

Documento::Documento()
{
    titolo_ = QStringLiteral("Documento %1").arg(++contatoreDocumenti);
    Capoverso primo;
    primo.marca = corrente_;
    blocchi_.emplace_back(std::move(primo));
}

Documento::~Documento() = default;

void Documento::impostaTitolo(const QString& titolo)
{
    QString pulito;
    for (const PezzoTesto& p : scomponi(titolo))
        pulito += p.tipo == PezzoTesto::Testo ? p.testo : QStringLiteral(" ");
    pulito.replace(QChar(0x0B), QLatin1Char(' '));
    pulito.replace(QLatin1Char('\t'), QLatin1Char(' '));
    pulito = pulito.simplified();
    if (pulito.isEmpty() || pulito == titolo_)
        return;
    titolo_ = pulito;
    modificato();
}

const Griglia* Documento::griglia(int indice) const
{
    if (indice < 1 || indice > numeroTabelle())
        return nullptr;
    return &std::get<Griglia>(blocchi_[tabelle_[std::size_t(indice - 1)]]);
}

Griglia* Documento::grigliaModificabile(int indice)
{
    return const_cast<Griglia*>(griglia(indice));
}

Capoverso& Documento::ultimo() { return std::get<Capoverso>(blocchi_.back()); }

void Documento::nuovoCapoverso()
{
    Capoverso nuovo;
    nuovo.allineamento = ultimo().allineamento;
    nuovo.marca = corrente_;
    blocchi_.emplace_back(std::move(nuovo));
}

void Documento::aggiungiTesto(const QString& testo)
{
    for (const PezzoTesto& pezzo : scomponi(testo)) {
        switch (pezzo.tipo) {
        case PezzoTesto::Testo: {
            Capoverso& p = ultimo();
            if (!p.sequenze.empty() && p.sequenze.back().carattere == corrente_)
                p.sequenze.back().testo += pezzo.testo;
            else
                p.sequenze.push_back(Sequenza{pezzo.testo, corrente_});
            p.marca = corrente_;
            break;
        }
        case PezzoTesto::FineParagrafo:
            ultimo().marca = corrente_;
            nuovoCapoverso();
            break;
        case PezzoTesto::NuovaPagina:
            if (!ultimo().vuoto())
                nuovoCapoverso();
            ultimo().nuovaPagina = true;
            break;
        }
    }
}

void Documento::modificato()
{
    ++versione_;
    emit cambiato();
}

void Documento::tabellaModificata()
{
    ++versioneTabelle_;
    modificato();
}

Paragrafo Documento::aggiungiParagrafo()
{
    ultimo().marca = corrente_;
    nuovoCapoverso();
    modificato();
    return Paragrafo(shared_from_this());
}

std::optional<Tabella> Documento::aggiungiTabella(int righe, int colonne, Esito* esito)
{
    if (righe < 1 || righe > 32767 || colonne < 1 || colonne > 63) {
        if (esito)
            *esito = Esito::fallito(QStringLiteral("Una tabella di %1 righe e %2 colonne non si può creare.").arg(righe).arg(colonne));
        return std::nullopt;
    }
    Griglia g;
    g.righe = righe;
    g.colonne = colonne;
    g.celle.resize(std::size_t(righe) * std::size_t(colonne));
    g.carattere = corrente_;
    g.allineamenti.assign(std::size_t(colonne), ultimo().allineamento);
    if (ultimo().vuoto()) {
        // The table takes the place of the empty last paragraph, which follows it.
        blocchi_.insert(blocchi_.end() - 1, Blocco(std::move(g)));
        tabelle_.push_back(blocchi_.size() - 2);
    } else {
        blocchi_.emplace_back(std::move(g));
        tabelle_.push_back(blocchi_.size() - 1);
        Capoverso dopo;
        dopo.allineamento = std::get<Capoverso>(blocchi_[blocchi_.size() - 2]).allineamento;
        dopo.marca = corrente_;
        blocchi_.emplace_back(std::move(dopo));
    }
    tabellaModificata();
    if (esito)
        *esito = Esito::riuscito();
    return Tabella(shared_from_this(), numeroTabelle());
}

std::optional<Tabella> Documento::tabella(int indice, Esito* esito)
{
    if (indice < 1 || indice > numeroTabelle()) {
        if (esito)
            *esito = Esito::fallito(QStringLiteral("La tabella n. %1 non esiste nel documento, che ne ha %2.").arg(indice).arg(numeroTabelle()));
        return std::nullopt;
    }
    if (esito)
        *esito = Esito::riuscito();
    return Tabella(shared_from_this(), indice);
}

void Documento::impostaNomeCarattere(const QString& nome)
{
    QString pulito = nome.trimmed();
    if (pulito.isEmpty())
        return;
    corrente_.nome = pulito;
    if (ultimo().vuoto())
        ultimo().marca = corrente_;
    modificato();
}

Esito Documento::impostaDimensione(double punti)
{
    if (!(punti >= 1 && punti <= 1638))
        return Esito::fallito(QStringLiteral("Dimensione del carattere non valida: %1.").arg(punti));
    corrente_.dimensione = punti;
    if (ultimo().vuoto())
        ultimo().marca = corrente_;
    modificato();
    return Esito::riuscito();
}

void Documento::impostaGrassetto(int valore)
{
    corrente_.grassetto = valore == wdToggle ? !corrente_.grassetto : valore != 0;
    if (ultimo().vuoto())
        ultimo().marca = corrente_;
    modificato();
}

void Documento::scrivi(const QString& testo)
{
    aggiungiTesto(testo);
    modificato();
}

Esito Documento::sostituisci(const QString& testo, const QString& nuovo)
{
    for (auto b = blocchi_.rbegin(); !testo.isEmpty() && b != blocchi_.rend(); ++b) {
        auto* p = std::get_if<Capoverso>(&*b);
        if (!p)
            continue;
        for (auto s = p->sequenze.rbegin(); s != p->sequenze.rend(); ++s) {
            const qsizetype dove = s->testo.lastIndexOf(testo);
            if (dove >= 0) {
                s->testo.replace(dove, testo.size(), testoCella(nuovo).replace(QLatin1Char('\n'), QLatin1Char(' ')));
                modificato();
                return Esito::riuscito();
            }
        }
    }
    return Esito::fallito(QStringLiteral("Il testo \"%1\" non è nel documento.").arg(testo));
}

void Documento::allineaTutto(Allineamento allineamento)
{
    for (Blocco& b : blocchi_) {
        if (auto* p = std::get_if<Capoverso>(&b))
            p->allineamento = allineamento;
        else
            std::get<Griglia>(b).allineamenti.assign(std::get<Griglia>(b).allineamenti.size(), allineamento);
    }
    modificato();
}

Esito Documento::allineaColonna(int tabella, int colonna, Allineamento allineamento)
{
    Griglia* g = grigliaModificabile(tabella);
    if (!g)
        return Esito::fallito(QStringLiteral("La tabella n. %1 non esiste nel documento, che ne ha %2.").arg(tabella).arg(numeroTabelle()));
    if (colonna < 1 || colonna > g->colonne)
        return Esito::fallito(QStringLiteral("La colonna %1 non esiste nella tabella n. %2, che ne ha %3.").arg(colonna).arg(tabella).arg(g->colonne));
    g->allineamenti[std::size_t(colonna - 1)] = allineamento;
    modificato();
    return Esito::riuscito();
}

} // namespace documento
