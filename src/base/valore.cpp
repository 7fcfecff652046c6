#include "base/valore.h"

#include "base/numeri.h"

double Valore::comeNumero() const
{
    if (const auto* v = std::get_if<long long>(&dato_))
        return double(*v);
    if (const auto* v = std::get_if<double>(&dato_))
        return *v;
    if (const auto* v = std::get_if<QString>(&dato_))
        return numeri::val(*v);
    return 0.0;
}

std::optional<long long> Valore::interoMemorizzato() const
{
    if (const auto* v = std::get_if<long long>(&dato_))
        return *v;
    return std::nullopt;
}

QString Valore::comeTesto() const
{
    if (const auto* v = std::get_if<long long>(&dato_))
        return numeri::testoNumero(*v);
    if (const auto* v = std::get_if<double>(&dato_))
        return numeri::testoNumero(*v);
    if (const auto* v = std::get_if<QString>(&dato_))
        return *v;
    return QString();
}
