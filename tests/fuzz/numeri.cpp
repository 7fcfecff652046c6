// Numbers to texts and back in seven locales: the text of a finite value reads back
// as that value (to the digits shown), rounding keeps it finite, and no text read
// gives an infinite number.
#include "ingressi.h"

#include "base/archivio.h"
#include "base/numeri.h"

#include <QLocale>

#include <array>
#include <cmath>
#include <limits>

namespace fuzz {

namespace {

// Back to the form val() reads: no grouping, a point for the decimals.
QString comeLetto(QString testo)
{
    const QLocale l = numeri::locale();
    if (!l.groupSeparator().isEmpty())
        testo.remove(l.groupSeparator());
    return testo.replace(numeri::separatoreDecimale(), QLatin1Char('.'));
}

bool vicino(double letto, double x, double tolleranza)
{
    return std::isfinite(letto) && std::fabs(letto - x) <= tolleranza + std::fabs(x) * 1e-14;
}

} // namespace

QStringList provaNumeri(const QByteArray& dati)
{
    static const std::array<QLocale, 7> locali = {
        QLocale::c(),
        QLocale(QLocale::Italian, QLocale::Italy),
        QLocale(QLocale::German, QLocale::Germany),
        QLocale(QLocale::French, QLocale::France),
        QLocale(QLocale::English, QLocale::UnitedStates),
        QLocale(QLocale::German, QLocale::Switzerland),
        QLocale(QLocale::Arabic, QLocale::Egypt),
    };
    static const std::array<const char16_t*, 6> modelli = {u"##0.0", u"##0.00", u"##0.000", u"###0.00", u"##,##0.00",
                                                           u"##,##0"};
    Verifica v;
    Lettura l(dati);
    const quint8 scelta = l.byte();
    numeri::impostaLocale(locali[scelta % locali.size()]);
    const QStringView modello(modelli[(scelta / locali.size()) % modelli.size()]);
    const qsizetype punto = modello.indexOf(QLatin1Char('.'));
    const int decimali = punto < 0 ? 0 : int(modello.size() - punto - 1);
    const int k = l.byte() % 7;
    const double x = l.decimale();
    const QString testo = QString::fromUtf8(l.resto());

    const double letto = numeri::val(testo);
    v(std::isfinite(letto), QStringLiteral("val gives a number that is not finite"));
    if (std::isfinite(x)) {
        const QString t = numeri::testoNumero(x);
        v(vicino(numeri::val(comeLetto(t)), x, 0), QStringLiteral("plain text read back otherwise: ") + t);
        const QString s = numeri::testoConSegno(x);
        v(vicino(numeri::val(s), x, 0), QStringLiteral("signed text read back otherwise: ") + s);
        const QString f = numeri::formatta(x, modello);
        v(vicino(numeri::val(comeLetto(f)), x, 0.5000001 * std::pow(10.0, -decimali)),
          QStringLiteral("pattern text read back otherwise: ") + f);
        const double tagliato = numeri::taglia(x, k);
        v(vicino(tagliato, x, std::pow(10.0, -k)), QStringLiteral("cut to %1 decimals: ").arg(k) + numeri::testoNumero(tagliato));
        const float piccolo = float(x);
        if (std::isfinite(piccolo)) {
            const QString p = numeri::testoNumero(piccolo);
            const double riletto = numeri::val(comeLetto(p));
            v(std::isfinite(riletto) && std::fabs(riletto - double(piccolo)) <= std::fabs(double(piccolo)) * 1e-6,
              QStringLiteral("single-precision text read back otherwise: ") + p);
        }
        // The data files write every digit.
        archivio::Scrittore scrittore;
        scrittore.decimale(x).fineRecord();
        archivio::Lettore lettore(scrittore.contenuto());
        v(lettore.decimale() == x && lettore.ok(),
          QStringLiteral("data-file number read back otherwise: ") + QString::fromLatin1(scrittore.contenuto()).trimmed());
    }
    numeri::impostaLocale(QLocale::c());
    return v.mancate();
}

} // namespace fuzz
