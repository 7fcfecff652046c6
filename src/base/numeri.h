#pragma once
// Numbers to texts and back, the same way in every window, report and data file.
#include <QLocale>
#include <QString>
#include <QStringView>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <span>

namespace numeri {

// The locale whose decimal separator the plain conversion and the patterns use.
// By default the system locale; tests pin Italian and C.
void impostaLocale(const QLocale& locale);
QLocale locale();
QChar separatoreDecimale();

// Plain conversion: the locale's decimal separator, no grouping, no added blank,
// up to 15 significant digits (7 for single precision); "-" for negatives. The text
// of a finite value always reads back as a finite one (here and in formatta: the
// largest values are cut, not rounded up past the largest double).
QString testoNumero(double x);
QString testoNumero(float x);
QString testoNumero(long long x);
inline QString testoNumero(int x) { return testoNumero(static_cast<long long>(x)); }
// Empty gives the empty text.
QString testoNumero(const std::optional<double>& x);

// Signed conversion: a blank before a number that is not negative, a point as
// decimal separator, no leading zero before the point (" .5", "-.25", " 12").
QString testoConSegno(double x);

// Pattern formatting with "##0.0", "##0.00", "##0.000", "###0.00", "##,##0.00" and
// alike: at least one integer digit, exactly the pattern's decimals, halves rounded
// away from zero, the locale's decimal separator (and grouping where the pattern has ",").
QString formatta(double x, QStringView modello);

// The leading number of a text, with a point as decimal separator; blanks, tabs and
// line feeds are skipped wherever they stand ("1 000" gives 1000); "1.2.3" gives 1.2,
// "" or "abc" give 0, " 12abc" gives 12, "3.5e2" gives 350.
double val(QStringView testo);

// Cut to k decimals as stored results are: Int(x * 10^k + 0.5) / 10^k, Int the floor;
// a value too large to scale is returned as it is.
double taglia(double x, int k);

// True when no value is infinite or not a number.
inline bool finiti(std::span<const double> valori)
{
    return std::all_of(valori.begin(), valori.end(), [](double x) { return std::isfinite(x); });
}
inline bool finiti(std::initializer_list<double> valori) { return finiti(std::span(valori.begin(), valori.size())); }

} // namespace numeri
