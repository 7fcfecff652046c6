#include "shell/numeri.h"

#include <cmath>
#include <cstdio>

namespace numeri {

namespace {
std::optional<QLocale> localeScelto;

// Digits of |x| with `cifre` significant digits, as "mantissa digits" and exponent,
// trailing zeros removed. Returns the text in plain decimal form when the exponent
// lies within the range a plain conversion writes without exponent.
QString decimaleCompatto(double x, int cifre, QChar separatore)
{
    if (x == 0.0 || !std::isfinite(x))
        return std::isfinite(x) ? QStringLiteral("0") : QString::number(x);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", cifre - 1, std::fabs(x));
    // buffer: d.ddddde[+-]xx
    QString testo = QString::fromLatin1(buffer);
    const qsizetype e = testo.indexOf(QLatin1Char('e'));
    QString mantissa = testo.left(e);
    const int esponente = testo.mid(e + 1).toInt();
    mantissa.remove(QLatin1Char('.'));
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
    const qsizetype punto = modello.indexOf(QLatin1Char('.'));
    const int decimali = punto < 0 ? 0 : int(modello.size() - punto - 1);
    const bool raggruppa = modello.left(punto < 0 ? modello.size() : punto).contains(QLatin1Char(','));
    // Halves away from zero, on the decimal value the user reads.
    const double scala = std::pow(10.0, decimali);
    double arrotondato = std::round(std::fabs(x) * scala);
    // Guard against binary representation just below a half (2.675 -> 2.68).
    {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.*f", decimali + 3, std::fabs(x) * scala);
        const double piuPreciso = std::floor(std::strtod(buffer, nullptr) + 0.5);
        arrotondato = piuPreciso;
    }
    const bool negativo = x < 0 && arrotondato != 0.0;
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.0f", arrotondato);
    QString cifre = QString::fromLatin1(buffer);
    if (cifre.size() <= decimali)
        cifre = QString(decimali - cifre.size() + 1, QLatin1Char('0')) + cifre;
    QString interi = cifre.left(cifre.size() - decimali);
    const QString parteDecimale = cifre.right(decimali);
    if (raggruppa) {
        const QString gruppo = locale().groupSeparator();
        for (qsizetype i = interi.size() - 3; i > 0; i -= 3)
            interi.insert(i, gruppo);
    }
    QString risultato = interi;
    if (decimali > 0)
        risultato += separatoreDecimale() + parteDecimale;
    if (negativo)
        risultato.prepend(QLatin1Char('-'));
    return risultato;
}

double val(QStringView testo)
{
    qsizetype i = 0;
    while (i < testo.size() && (testo[i] == QLatin1Char(' ') || testo[i] == QLatin1Char('\t')))
        ++i;
    QString numero;
    if (i < testo.size() && (testo[i] == QLatin1Char('-') || testo[i] == QLatin1Char('+')))
        numero += testo[i++];
    bool punto = false;
    bool cifre = false;
    for (; i < testo.size(); ++i) {
        const QChar c = testo[i];
        if (c.isDigit() && c.unicode() < 128) {
            numero += c;
            cifre = true;
        } else if (c == QLatin1Char('.') && !punto) {
            numero += c;
            punto = true;
        } else {
            break;
        }
    }
    // An exponent only when digits follow it.
    if (cifre && i + 1 < testo.size() && (testo[i] == QLatin1Char('e') || testo[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        QString esponente = QStringLiteral("e");
        if (j < testo.size() && (testo[j] == QLatin1Char('-') || testo[j] == QLatin1Char('+')))
            esponente += testo[j++];
        bool cifreEsponente = false;
        while (j < testo.size() && testo[j].isDigit() && testo[j].unicode() < 128) {
            esponente += testo[j++];
            cifreEsponente = true;
        }
        if (cifreEsponente)
            numero += esponente;
    }
    if (!cifre)
        return 0.0;
    bool ok = false;
    const double risultato = QLocale::c().toDouble(numero, &ok);
    return ok && std::isfinite(risultato) ? risultato : 0.0;
}

double taglia(double x, int k)
{
    const double scala = std::pow(10.0, k);
    return std::floor(x * scala + 0.5) / scala;
}

} // namespace numeri
