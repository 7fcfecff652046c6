#pragma once
// The windows' design font where it exists, else a sans serif of similar width, so
// that captions fit their design boxes.
#include <QFont>
#include <QStringList>

namespace caratteri {

inline constexpr double puntiNormali = 8.25;

inline QFont progetto(double punti = puntiNormali, bool grassetto = false)
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Nimbus Sans"), QStringLiteral("Liberation Sans"),
                   QStringLiteral("Arial")});
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return f;
}

// For the long captions of narrow boxes (the result blocks and their headings).
inline QFont stretto(double punti, bool grassetto = false)
{
    QFont f(QStringLiteral("Arial Narrow"));
    f.setFamilies({QStringLiteral("Arial Narrow"), QStringLiteral("Nimbus Sans Narrow"),
                   QStringLiteral("Liberation Sans Narrow"), QStringLiteral("DejaVu Sans Condensed")});
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return f;
}

} // namespace caratteri
