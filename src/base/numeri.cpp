#include "base/numeri.h"

#include <charconv>
#include <cmath>

namespace numeri {

namespace {
std::optional<QLocale> localeScelto;

// |x| in scientific form with `cifre` significant digits: the digits without point
// and the decimal exponent. Independent of the C library's locale, which the
// application object sets from the user's environment.
struct Scientifica {
    QString cifre;
    int esponente = 0;
};
Scientifica scientifica(double x, int cifre)
{
    char buffer[64];
    const auto fine = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x), std::chars_format::scientific,
                                    cifre - 1);
    const QString testo = QString::fromLatin1(buffer, fine.ptr - buffer); // d.ddde+xx
    const qsizetype e = testo.indexOf(QLatin1Char('e'));
    Scientifica s;
    s.cifre = testo.left(e);
    s.cifre.remove(QLatin1Char('.'));
    s.esponente = testo.mid(e + 1).toInt();
    // Rounded up, a value just below the largest double would read back as infinite:
    // such a value is cut instead (the digits then hold no carry to undo).
    double riletto = 0.0;
    if (std::from_chars(buffer, fine.ptr, riletto).ec == std::errc::result_out_of_range) {
        qsizetype i = s.cifre.size() - 1;
        for (; i > 0 && s.cifre.at(i) == QLatin1Char('0'); --i)
            s.cifre[i] = QLatin1Char('9');
        s.cifre[i] = QChar(s.cifre.at(i).unicode() - 1);
    }
    return s;
}

// Digits of |x| with `cifre` significant digits, as "mantissa digits" and exponent,
// trailing zeros removed. Returns the text in plain decimal form when the exponent
// lies within the range a plain conversion writes without exponent.
QString decimaleCompatto(double x, int cifre, QChar separatore)
{
    if (x == 0.0 || !std::isfinite(x))
        return std::isfinite(x) ? QStringLiteral("0") : QString::number(x);
    const Scientifica s = scientifica(x, cifre);
    QString mantissa = s.cifre;
    const int esponente = s.esponente;
    while (mantissa.size() > 1 && mantissa.endsWith(QLatin1Char('0')))
        mantissa.chop(1);
    QString risultato;
    if (esponente >= cifre || esponente < -(cifre + 4)) {
        // Exponent form, as the plain conversion writes very large or small values.
        risultato = mantissa.left(1);
        if (mantissa.size() > 1)
            risultato += separatore + mantissa.mid(1);
        risultato += QStringLiteral("E") + (esponente < 0 ? QStringLiteral("-") : QStringLiteral("+"))
                     + QStringLiteral("%1").arg(std::abs(esponente), 2, 10, QLatin1Char('0'));
    } else if (esponente >= 0) {
        const qsizetype interi = esponente + 1;
        if (mantissa.size() <= interi) {
            risultato = mantissa + QString(interi - mantissa.size(), QLatin1Char('0'));
        } else {
            risultato = mantissa.left(interi) + separatore + mantissa.mid(interi);
        }
    } else {
        risultato = QStringLiteral("0") + separatore + QString(-esponente - 1, QLatin1Char('0')) + mantissa;
    }
    if (x < 0)
        risultato.prepend(QLatin1Char('-'));
    return risultato;
}
} // namespace

void impostaLocale(const QLocale& locale) { localeScelto = locale; }
QLocale locale() { return localeScelto ? *localeScelto : QLocale::system(); }

QChar separatoreDecimale()
{
    const QString s = locale().decimalPoint();
    return s.isEmpty() ? QLatin1Char('.') : s.at(0);
}

QString testoNumero(double x) { return decimaleCompatto(x, 15, separatoreDecimale()); }
QString testoNumero(float x) { return decimaleCompatto(double(x), 7, separatoreDecimale()); }
QString testoNumero(long long x) { return QString::number(x); }
QString testoNumero(const std::optional<double>& x) { return x ? testoNumero(*x) : QString(); }

QString testoConSegno(double x)
{
    QString testo = decimaleCompatto(x, 15, QLatin1Char('.'));
    bool negativo = testo.startsWith(QLatin1Char('-'));
    if (negativo)
        testo.remove(0, 1);
    if (testo.startsWith(QStringLiteral("0.")))
        testo.remove(0, 1);
    return (negativo ? QStringLiteral("-") : QStringLiteral(" ")) + testo;
}

QString formatta(double x, QStringView modello)
{
    if (!std::isfinite(x))
        return testoNumero(x);
    const qsizetype punto = modello.indexOf(QLatin1Char('.'));
    const int decimali = punto < 0 ? 0 : int(modello.size() - punto - 1);
    const bool raggruppa = modello.left(punto < 0 ? modello.size() : punto).contains(QLatin1Char(','));

    // Round the decimal value the user reads (15 significant digits), not the binary
    // one: 2.675 is stored just below 2.675 but must give 2.68. Halves go away from zero.
    const Scientifica s = scientifica(x, 15);
    const QString& mantissa = s.cifre;
    const int esponente = s.esponente;
    const qsizetype tenute = qsizetype(esponente) + 1 + decimali; // digits before the cut
    QString cifre; // |x| * 10^decimali, rounded, as a whole number
    if (tenute <= 0) {
        cifre = tenute == 0 && mantissa.at(0) >= QLatin1Char('5') ? QStringLiteral("1") : QStringLiteral("0");
    } else if (tenute >= mantissa.size()) {
        cifre = mantissa + QString(tenute - mantissa.size(), QLatin1Char('0'));
    } else {
        cifre = mantissa.left(tenute);
        if (mantissa.at(tenute) >= QLatin1Char('5')) {
            qsizetype i = cifre.size() - 1;
            for (; i >= 0 && cifre.at(i) == QLatin1Char('9'); --i)
                cifre[i] = QLatin1Char('0');
            if (i < 0)
                cifre.prepend(QLatin1Char('1'));
            else
                cifre[i] = QChar(cifre.at(i).unicode() + 1);
        }
    }
    while (cifre.size() > 1 && cifre.startsWith(QLatin1Char('0')))
        cifre.remove(0, 1);
    const bool negativo = x < 0 && cifre != QLatin1String("0");
    // At least one integer digit.
    if (cifre.size() <= decimali)
        cifre.prepend(QString(decimali - cifre.size() + 1, QLatin1Char('0')));

    QString interi = cifre.left(cifre.size() - decimali);
    if (raggruppa) {
        const QString gruppo = locale().groupSeparator();
        for (qsizetype i = interi.size() - 3; i > 0; i -= 3)
            interi.insert(i, gruppo);
    }
    QString risultato = interi;
    if (decimali > 0)
        risultato += separatoreDecimale() + cifre.right(decimali);
    if (negativo)
        risultato.prepend(QLatin1Char('-'));
    return risultato;
}

double val(QStringView testo)
{
    // Blanks, tabs and line feeds are skipped wherever they stand ("1 000" gives
    // 1000); the number ends at the first other character that cannot continue it.
    const auto bianco = [](QChar c) {
        return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
    };
    const auto cifra = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
    qsizetype i = 0;
    const auto salta = [&] {
        while (i < testo.size() && bianco(testo[i]))
            ++i;
    };
    QString numero;
    salta();
    if (i < testo.size() && (testo[i] == QLatin1Char('-') || testo[i] == QLatin1Char('+')))
        numero += testo[i++];
    bool punto = false;
    bool cifre = false;
    for (salta(); i < testo.size(); ++i, salta()) {
        const QChar c = testo[i];
        if (cifra(c)) {
            numero += c;
            cifre = true;
        } else if (c == QLatin1Char('.') && !punto) {
            numero += c;
            punto = true;
        } else {
            break;
        }
    }
    if (!cifre)
        return 0.0;
    // An exponent only when digits follow it.
    if (i < testo.size() && (testo[i] == QLatin1Char('e') || testo[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        while (j < testo.size() && bianco(testo[j]))
            ++j;
        QString esponente = QStringLiteral("e");
        if (j < testo.size() && (testo[j] == QLatin1Char('-') || testo[j] == QLatin1Char('+')))
            esponente += testo[j++];
        bool cifreEsponente = false;
        for (; j < testo.size(); ++j) {
            if (cifra(testo[j])) {
                esponente += testo[j];
                cifreEsponente = true;
            } else if (!bianco(testo[j])) {
                break;
            }
        }
        if (cifreEsponente)
            numero += esponente;
    }
    bool ok = false;
    const double risultato = QLocale::c().toDouble(numero, &ok);
    return ok && std::isfinite(risultato) ? risultato : 0.0;
}

double taglia(double x, int k)
{
    const double scala = std::pow(10.0, k);
    const double scalato = x * scala;
    // A value so large that scaling overflows has no decimals left to cut.
    if (!std::isfinite(scalato))
        return x;
    return std::floor(scalato + 0.5) / scala;
}

} // namespace numeri
