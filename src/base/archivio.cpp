#include "base/archivio.h"

#include "base/valore.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <array>
#include <cmath>

namespace archivio {

namespace {

// Characters of Windows-1252 at 0x80..0x9F; 0 where the set defines none.
constexpr std::array<char16_t, 32> tabella80 = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

constexpr char16_t virgoletteChiuse = 0x201D; // stored as 0x94

char byteDi(char32_t u)
{
    if (u == U'\t' || (u >= 0x20 && u < 0x7F) || (u >= 0xA0 && u <= 0xFF))
        return char(u);
    if (u > 0xFF && u <= 0xFFFF) {
        for (std::size_t i = 0; i < tabella80.size(); ++i) {
            if (tabella80[i] != 0 && tabella80[i] == u)
                return char(0x80 + i);
        }
    }
    return '?';
}

bool separatore(QChar c)
{
    return c == QLatin1Char(',') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

bool blank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

// Numbers are read and written with a point and without grouping, whatever the
// user's locale.
const QLocale& localeNumeri()
{
    static const QLocale locale = [] {
        QLocale c = QLocale::c();
        c.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
        return c;
    }();
    return locale;
}

std::optional<double> numeroDi(const QString& testo)
{
    const QString t = testo.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double d = localeNumeri().toDouble(t, &ok);
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    return d;
}

std::optional<long long> interoDi(const QString& testo)
{
    const QString t = testo.trimmed();
    bool ok = false;
    const long long v = localeNumeri().toLongLong(t, &ok);
    if (ok)
        return v;
    // "12.0" or "1.2E1": a whole value written as a floating one.
    const auto d = numeroDi(t);
    constexpr double limite = 9007199254740992.0; // 2^53
    if (d && *d == std::floor(*d) && std::fabs(*d) <= limite)
        return static_cast<long long>(*d);
    return std::nullopt;
}

} // namespace

QByteArray codifica(QStringView testo)
{
    // Composed forms first, so that a letter typed with a combining accent still
    // takes its one byte.
    const QString composto = testo.toString().normalized(QString::NormalizationForm_C);
    QByteArray risultato;
    risultato.reserve(composto.size());
    for (const char32_t u : composto.toUcs4())
        risultato.append(byteDi(u));
    return risultato;
}

QString decodifica(const QByteArray& byte)
{
    QString testo;
    testo.reserve(byte.size());
    for (const char b : byte) {
        const auto u = static_cast<unsigned char>(b);
        if (u >= 0x80 && u < 0xA0 && tabella80[u - 0x80] != 0)
            testo.append(QChar(tabella80[u - 0x80]));
        else
            testo.append(QChar(char16_t(u)));
    }
    return testo;
}

bool bytesValidi(const QByteArray& byte)
{
    for (const char b : byte) {
        const auto u = static_cast<unsigned char>(b);
        if (u < 0x20 && u != '\t' && u != '\r' && u != '\n')
            return false;
        if (u == 0x7F)
            return false;
        if (u >= 0x80 && u < 0xA0 && tabella80[u - 0x80] == 0)
            return false;
    }
    return true;
}

// ---- Scrittore --------------------------------------------------------------------

void Scrittore::separa()
{
    if (!inizioRecord_)
        dati_.append(',');
    inizioRecord_ = false;
}

Scrittore& Scrittore::testo(const QString& valore)
{
    separa();
    QString t = valore;
    t.replace(QLatin1Char('"'), QChar(virgoletteChiuse));
    const QByteArray byte = codifica(t);
    if (byte.size() > campoMassimo)
        ok_ = false;
    dati_.append('"');
    dati_.append(byte);
    dati_.append('"');
    return *this;
}

Scrittore& Scrittore::intero(long long valore)
{
    separa();
    dati_.append(QByteArray::number(valore));
    return *this;
}

Scrittore& Scrittore::decimale(double valore)
{
    separa();
    if (!std::isfinite(valore)) {
        ok_ = false;
        return *this;
    }
    if (valore == 0.0) {
        dati_.append('0'); // never "-0"
        return *this;
    }
    dati_.append(localeNumeri().toString(valore, 'f', QLocale::FloatingPointShortest).toLatin1());
    return *this;
}

Scrittore& Scrittore::vuoto()
{
    separa();
    return *this;
}

Scrittore& Scrittore::valore(const Valore& v)
{
    if (v.vuoto())
        return vuoto();
    if (const auto n = v.interoMemorizzato())
        return intero(*n);
    if (v.decimale())
        return decimale(v.comeNumero());
    return testo(v.comeTesto());
}

Scrittore& Scrittore::fineRecord()
{
    dati_.append("\r\n");
    inizioRecord_ = true;
    return *this;
}

// ---- Characters a file cannot hold -------------------------------------------------

QString caratteriNonRegistrabili(QStringView testo)
{
    QString persi;
    const QString composto = testo.toString().normalized(QString::NormalizationForm_C);
    for (const char32_t u : composto.toUcs4()) {
        const bool controllo = u < 0x20 || (u >= 0x7F && u < 0xA0);
        if (controllo || u == U'?' || byteDi(u) != '?')
            continue;
        const QString carattere = QString::fromUcs4(&u, 1);
        if (!persi.contains(carattere))
            persi += carattere;
    }
    return persi;
}

Scrittore& Scrittore::testo(const QString& valore, const QString& nomeCampo)
{
    if (const QString persi = caratteriNonRegistrabili(valore); !persi.isEmpty())
        perdite_.append(Perdita{nomeCampo, persi});
    return testo(valore);
}

// ---- Lettura ----------------------------------------------------------------------

std::optional<QList<Campo>> campi(const QByteArray& contenuto)
{
    // A byte-order mark means an editor saved the file again as UTF-8: its accented
    // letters would be read as pairs of wrong ones.
    if (!bytesValidi(contenuto) || contenuto.startsWith("\xEF\xBB\xBF"))
        return std::nullopt;
    const QString testo = decodifica(contenuto);
    const qsizetype n = testo.size();
    QList<Campo> risultato;
    qsizetype pos = 0;
    bool dopoVirgola = false;
    while (true) {
        while (pos < n && blank(testo[pos]))
            ++pos;
        if (pos == n) {
            // "1," at the very end still closes an empty last field.
            if (dopoVirgola) {
                if (risultato.size() >= campiMassimi)
                    return std::nullopt;
                risultato.append(Campo{});
            }
            break;
        }
        Campo campo;
        if (testo[pos] == QLatin1Char('"')) {
            const qsizetype chiusa = testo.indexOf(QLatin1Char('"'), pos + 1);
            qsizetype fine = pos + 1;
            while (fine < (chiusa < 0 ? n : chiusa) && testo[fine] != QLatin1Char('\r') && testo[fine] != QLatin1Char('\n'))
                ++fine;
            // The boxes a text comes from hold one line, and a line end inside quotes
            // could not be written back: such a file is not a data file. A quote left
            // open ends at its own line end.
            if (chiusa >= 0 && fine < chiusa)
                return std::nullopt;
            campo.testo = testo.mid(pos + 1, fine - pos - 1);
            campo.virgolette = true;
            pos = fine == chiusa ? fine + 1 : fine;
            while (pos < n && !separatore(testo[pos]))
                ++pos;
        } else {
            const qsizetype inizio = pos;
            while (pos < n && !separatore(testo[pos]))
                ++pos;
            qsizetype fine = pos;
            while (fine > inizio && blank(testo[fine - 1]))
                --fine;
            campo.testo = testo.mid(inizio, fine - inizio);
        }
        if (campo.testo.size() > campoMassimo || risultato.size() >= campiMassimi)
            return std::nullopt;
        risultato.append(campo);
        if (pos == n)
            break;
        if (testo[pos] == QLatin1Char(',')) {
            ++pos;
            dopoVirgola = true;
            continue;
        }
        if (testo[pos] == QLatin1Char('\r') && pos + 1 < n && testo[pos + 1] == QLatin1Char('\n'))
            pos += 2;
        else
            ++pos;
        dopoVirgola = false;
    }
    return risultato;
}

Lettore::Lettore(const QByteArray& contenuto)
{
    if (auto c = campi(contenuto)) {
        campi_ = std::move(*c);
        ok_ = true;
    }
}

Lettore Lettore::daFile(const QString& nome, QString* motivo)
{
    const auto illeggibile = [motivo](const QString& perche) {
        if (motivo)
            *motivo = perche;
        return Lettore();
    };
    if (nome.isEmpty())
        return Lettore();
    const QFileInfo info(nome);
    if (info.isDir())
        return illeggibile(QStringLiteral("è una cartella, non un file"));
    // A pipe or a device is no data file, and opening it might never return.
    if (info.exists() && !info.isFile())
        return Lettore();
    QFile file(nome);
    if (!file.open(QIODevice::ReadOnly))
        return illeggibile(file.errorString());
    const QByteArray contenuto = file.read(fileMassimo + 1);
    if (file.error() != QFileDevice::NoError)
        return illeggibile(file.errorString());
    if (contenuto.size() > fileMassimo)
        return Lettore();
    return Lettore(contenuto);
}

const Campo* Lettore::prendi()
{
    if (prossimo_ >= campi_.size()) {
        fallisci();
        return nullptr;
    }
    return &campi_[prossimo_++];
}

QString Lettore::testo()
{
    const Campo* c = prendi();
    if (!c)
        return QString();
    // No writer makes a bare field with a double quote, and none could write it back
    // as it stands: a damaged field.
    if (!c->virgolette && c->testo.contains(QLatin1Char('"'))) {
        fallisci();
        return QString();
    }
    return c->testo;
}

QString Lettore::testoTraVirgolette()
{
    const Campo* c = prendi();
    if (!c)
        return QString();
    if (!c->virgolette) {
        fallisci();
        return QString();
    }
    return c->testo;
}

long long Lettore::intero(long long minimo, long long massimo)
{
    const Campo* c = prendi();
    if (!c)
        return minimo;
    const auto v = interoDi(c->testo);
    if (!v || *v < minimo || *v > massimo) {
        fallisci();
        return minimo;
    }
    return *v;
}

std::optional<long long> Lettore::interoOVuoto(long long minimo, long long massimo)
{
    if (prossimo_ < campi_.size() && campi_[prossimo_].testo.isEmpty()) {
        ++prossimo_;
        return std::nullopt;
    }
    return intero(minimo, massimo);
}

int Lettore::indice(int quante)
{
    if (quante <= 0) {
        salta();
        fallisci();
        return 0;
    }
    return static_cast<int>(intero(0, quante - 1));
}

double Lettore::decimale()
{
    const Campo* c = prendi();
    if (!c)
        return 0.0;
    const auto v = numeroDi(c->testo);
    if (!v) {
        fallisci();
        return 0.0;
    }
    return *v;
}

std::optional<double> Lettore::decimaleOVuoto()
{
    if (prossimo_ < campi_.size() && campi_[prossimo_].testo.isEmpty()) {
        ++prossimo_;
        return std::nullopt;
    }
    return decimale();
}

void Lettore::salta() { prendi(); }

} // namespace archivio
