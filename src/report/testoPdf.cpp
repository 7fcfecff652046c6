// The text of the document's PDFs. Qt's PDF writer gives each glyph of a font the first
// character the font's own map leads to it: a ligature's glyph reads as the ligature's
// character (U+FB01 for "fi"), and a viewer copies "superﬁcie" and does not find
// "superficie". The writer keeps no record of the letters a glyph was shaped from, so
// the maps are mended after it is done: the glyphs and where they stand are the
// writer's, only what they read as changes.
#include "report/testoPdf.h"

#include <QString>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <vector>

namespace documento::dettaglio {

namespace {

// A presentation form that joins letters (U+FB00 "ff" to U+FB06 "st", the Armenian and
// Hebrew ones after them) as the letters it joins.
QString sciolto(const QString& testo)
{
    QString lettere;
    for (const QChar c : testo)
        lettere += c.unicode() >= 0xFB00 && c.unicode() <= 0xFB4F && c.decompositionTag() == QChar::Compat ? c.decomposition()
                                                                                                          : QString(c);
    return lettere;
}

bool legatura(const QString& testo) { return sciolto(testo) != testo; }

// The words of a CMap: hex strings (their digits), brackets and names or numbers.
struct Parola {
    enum Tipo { Esadecimale, Aperta, Chiusa, Nome } tipo;
    QByteArray testo;
};

std::optional<std::vector<Parola>> parole(QByteArrayView cmap)
{
    std::vector<Parola> tutte;
    for (qsizetype i = 0; i < cmap.size();) {
        const char c = cmap[i];
        if (c == ' ' || c == '\n' || c == '\r' || c == '\t') {
            ++i;
        } else if (c == '<') {
            const qsizetype fine = cmap.indexOf('>', i);
            if (fine < 0)
                return std::nullopt;
            tutte.push_back({Parola::Esadecimale, cmap.sliced(i + 1, fine - i - 1).toByteArray()});
            i = fine + 1;
        } else if (c == '[' || c == ']') {
            tutte.push_back({c == '[' ? Parola::Aperta : Parola::Chiusa, {}});
            ++i;
        } else {
            qsizetype fine = i;
            while (fine < cmap.size() && !QByteArrayView(" \n\r\t<>[]").contains(cmap[fine]))
                ++fine;
            tutte.push_back({Parola::Nome, cmap.sliced(i, fine - i).toByteArray()});
            i = fine;
        }
    }
    return tutte;
}

// A glyph's code (two bytes, as Qt's fonts have them) or a text in UTF-16.
std::optional<int> codice(const Parola& p)
{
    bool ok = false;
    const int n = p.testo.toInt(&ok, 16);
    return p.tipo == Parola::Esadecimale && p.testo.size() == 4 && ok ? std::optional(n) : std::nullopt;
}

std::optional<QString> utf16(const Parola& p)
{
    if (p.tipo != Parola::Esadecimale || p.testo.isEmpty() || p.testo.size() % 4 != 0)
        return std::nullopt;
    QString testo;
    for (qsizetype i = 0; i < p.testo.size(); i += 4) {
        bool ok = false;
        testo += QChar(char16_t(p.testo.mid(i, 4).toUInt(&ok, 16)));
        if (!ok)
            return std::nullopt;
    }
    return testo;
}

// Two bytes in hex digits, as a CMap writes a code or a UTF-16 unit.
QByteArray esadecimale(unsigned dueByte) { return QByteArray::number(dueByte, 16).rightJustified(4, '0').toUpper(); }

QByteArray esadecimale(const QString& testo)
{
    QByteArray hex;
    for (const QChar c : testo)
        hex += esadecimale(c.unicode());
    return hex;
}

// What the sections of a ToUnicode map say, glyph by glyph; nothing when they hold
// what Qt does not write.
std::optional<std::map<int, QString>> voci(QByteArrayView sezioni)
{
    const auto tutte = parole(sezioni);
    if (!tutte)
        return std::nullopt;
    std::map<int, QString> mappa;
    const auto& p = *tutte;
    for (std::size_t i = 0; i < p.size();) {
        // "n beginbfchar" (code, text) ... "endbfchar"; "n beginbfrange" (first, last,
        // text or [texts]) ... "endbfrange".
        if (p[i].tipo != Parola::Nome || i + 1 >= p.size() || p[i + 1].tipo != Parola::Nome)
            return std::nullopt;
        const QByteArray sezione = p[i + 1].testo;
        i += 2;
        if (sezione == "beginbfchar") {
            for (; i < p.size() && p[i].tipo == Parola::Esadecimale; i += 2) {
                const auto c = codice(p[i]);
                const auto t = i + 1 < p.size() ? utf16(p[i + 1]) : std::nullopt;
                if (!c || !t)
                    return std::nullopt;
                mappa[*c] = *t;
            }
            if (i >= p.size() || p[i].testo != "endbfchar")
                return std::nullopt;
        } else if (sezione == "beginbfrange") {
            while (i < p.size() && p[i].tipo == Parola::Esadecimale) {
                const auto da = codice(p[i]);
                const auto a = i + 1 < p.size() ? codice(p[i + 1]) : std::nullopt;
                if (!da || !a || *a < *da || i + 2 >= p.size())
                    return std::nullopt;
                i += 2;
                if (p[i].tipo == Parola::Aperta) {
                    ++i;
                    for (int c = *da; c <= *a; ++c, ++i) {
                        const auto t = i < p.size() ? utf16(p[i]) : std::nullopt;
                        if (!t)
                            return std::nullopt;
                        mappa[c] = *t;
                    }
                    if (i >= p.size() || p[i].tipo != Parola::Chiusa)
                        return std::nullopt;
                    ++i;
                } else {
                    // One text for the first code, its last unit counting on.
                    const auto t = utf16(p[i]);
                    if (!t)
                        return std::nullopt;
                    for (int c = *da; c <= *a; ++c) {
                        QString testo = *t;
                        testo.back() = QChar(char16_t(testo.back().unicode() + (c - *da)));
                        mappa[c] = testo;
                    }
                    ++i;
                }
            }
            if (i >= p.size() || p[i].testo != "endbfrange")
                return std::nullopt;
        } else {
            return std::nullopt;
        }
        ++i;
    }
    return mappa;
}

// A ToUnicode map with each ligature read as its letters, or nothing when it holds none
// (or is not as Qt writes it).
std::optional<QByteArray> mappaSciolta(const QByteArray& cmap)
{
    static constexpr QByteArrayView finePrima = "endcodespacerange\n";
    const qsizetype inizio = cmap.indexOf(finePrima), fine = cmap.indexOf("endcmap");
    if (inizio < 0 || fine < inizio)
        return std::nullopt;
    const qsizetype sezioni = inizio + finePrima.size();
    const auto mappa = voci(QByteArrayView(cmap).sliced(sezioni, fine - sezioni));
    if (!mappa || std::none_of(mappa->begin(), mappa->end(), [](const auto& voce) { return legatura(voce.second); }))
        return std::nullopt;
    // Written again glyph by glyph, a hundred to a section as the format wants.
    QByteArray nuova = cmap.left(sezioni);
    for (auto voce = mappa->begin(); voce != mappa->end();) {
        const int quante = int(std::min<std::ptrdiff_t>(100, std::distance(voce, mappa->end())));
        nuova += QByteArray::number(quante) + " beginbfchar\n";
        for (int k = 0; k < quante; ++k, ++voce)
            nuova += '<' + esadecimale(unsigned(voce->first)) + "> <" + esadecimale(sciolto(voce->second)) + ">\n";
        nuova += "endbfchar\n";
    }
    return nuova + cmap.mid(fine);
}

// Whether `testo` is written at `da`.
bool scritto(const QByteArray& pdf, qsizetype da, QByteArrayView testo)
{
    return da >= 0 && da + testo.size() <= pdf.size() && QByteArrayView(pdf).sliced(da, testo.size()) == testo;
}

// The number written at `da`, and where its digits end.
std::optional<std::pair<qsizetype, qsizetype>> numero(const QByteArray& pdf, qsizetype da)
{
    qsizetype fine = da;
    while (fine < pdf.size() && pdf[fine] >= '0' && pdf[fine] <= '9')
        ++fine;
    bool ok = false;
    const qsizetype n = pdf.mid(da, fine - da).toLongLong(&ok);
    return ok ? std::optional(std::pair{n, fine}) : std::nullopt;
}

} // namespace

QByteArray legatureSciolte(const QByteArray& pdf)
{
    // The cross-reference table as Qt writes it: one section from object 0, entries of
    // 20 bytes, and where it starts after "startxref".
    const qsizetype startxref = pdf.lastIndexOf("startxref\n");
    const auto tabella = startxref < 0 ? std::nullopt : numero(pdf, startxref + 10);
    if (!tabella || !scritto(pdf, tabella->first, "xref\n0 "))
        return pdf;
    const auto oggetti = numero(pdf, tabella->first + 7);
    if (!oggetti || !scritto(pdf, oggetti->second, "\n"))
        return pdf;
    const qsizetype voci = oggetti->second + 1, dopoVoci = voci + 20 * oggetti->first;
    if (dopoVoci > startxref)
        return pdf;
    std::vector<qsizetype> posizioni;
    for (qsizetype k = 0; k < oggetti->first; ++k) {
        const auto n = numero(pdf, voci + 20 * k);
        if (!n || n->second != voci + 20 * k + 10 || n->first >= tabella->first)
            return pdf;
        posizioni.push_back(n->first);
    }

    // Each font's ToUnicode map, "k 0 obj\n<< /Length n >>\nstream\n...", written again
    // where it holds a ligature.
    struct Sostituzione {
        qsizetype da, a;
        QByteArray testo;
    };
    std::vector<Sostituzione> sostituzioni;
    std::set<qsizetype> viste;
    for (qsizetype i = pdf.indexOf("/ToUnicode "); i >= 0 && i < tabella->first; i = pdf.indexOf("/ToUnicode ", i + 1)) {
        const auto k = numero(pdf, i + 11);
        if (!k || k->first <= 0 || k->first >= qsizetype(posizioni.size()) || !scritto(pdf, k->second, " 0 R")
            || !viste.insert(k->first).second)
            continue;
        const QByteArray testa = QByteArray::number(k->first) + " 0 obj\n<< /Length ";
        const qsizetype oggetto = posizioni[std::size_t(k->first)];
        static constexpr QByteArrayView apre = " >>\nstream\n";
        const auto lunghezza = scritto(pdf, oggetto, testa) ? numero(pdf, oggetto + testa.size()) : std::nullopt;
        if (!lunghezza || !scritto(pdf, lunghezza->second, apre))
            continue;
        const qsizetype dati = lunghezza->second + apre.size();
        if (dati + lunghezza->first > tabella->first || !scritto(pdf, dati + lunghezza->first, "\nendstream"))
            continue;
        if (const auto mappa = mappaSciolta(pdf.mid(dati, lunghezza->first)))
            sostituzioni.push_back({oggetto + testa.size(), dati + lunghezza->first,
                                    QByteArray::number(mappa->size()) + apre.toByteArray() + *mappa});
    }
    if (sostituzioni.empty())
        return pdf;
    std::sort(sostituzioni.begin(), sostituzioni.end(), [](const auto& x, const auto& y) { return x.da < y.da; });
    for (std::size_t s = 1; s < sostituzioni.size(); ++s)
        if (sostituzioni[s].da < sostituzioni[s - 1].a)
            return pdf;

    // The objects with their new maps, then the table with every object where it now
    // stands, and where the table does.
    const auto spostata = [&](qsizetype posizione) {
        for (const Sostituzione& s : sostituzioni)
            if (s.a <= posizione)
                posizione += s.testo.size() - (s.a - s.da);
        return posizione;
    };
    QByteArray nuovo;
    qsizetype letto = 0;
    for (const Sostituzione& s : sostituzioni) {
        nuovo += pdf.mid(letto, s.da - letto) + s.testo;
        letto = s.a;
    }
    nuovo += pdf.mid(letto, voci - letto);
    for (qsizetype k = 0; k < oggetti->first; ++k) {
        const QByteArray voce = pdf.mid(voci + 20 * k, 20);
        nuovo += voce[17] == 'n' ? QByteArray::number(spostata(posizioni[std::size_t(k)])).rightJustified(10, '0') + voce.mid(10)
                                 : voce;
    }
    nuovo += pdf.mid(dopoVoci, startxref + 10 - dopoVoci);
    nuovo += QByteArray::number(spostata(tabella->first));
    nuovo += pdf.mid(tabella->second);
    return nuovo;
}

} // namespace documento::dettaglio
