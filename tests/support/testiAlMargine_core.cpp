#include "support/testiAlMargine.h"

#include <QFont>
#include <QRawFont>

#include <cmath>
#include <map>
#include <tuple>
#include <utility>
#include <vector>

namespace testiAlMargine {

namespace {

struct Righello {
    QRawFont font;   // at its design size: advances in design units
    int pixelEm = 0; // its size, pixels
    std::vector<QString> perLarghezza[2]; // by width, a word of letters (in capitals: [1]) that wide, or none

    int pixel(const QString& testo) const
    {
        int somma = 0;
        for (const QPointF& a : font.advancesForGlyphIndexes(font.glyphIndexesForString(testo)))
            somma += int(std::floor(a.x() * pixelEm / font.unitsPerEm() + 0.5));
        return somma;
    }

    // The words of letters up to twelve ems wide, breadth first: each width gets one of
    // the shortest.
    const std::vector<QString>& paroleDi(bool maiuscole)
    {
        std::vector<QString>& parole = perLarghezza[maiuscole];
        if (!parole.empty())
            return parole;
        QString lettere = QStringLiteral("abcdeghilmnopqrstuvzàèéìòù");
        if (maiuscole)
            lettere = lettere.toUpper();
        std::vector<std::pair<QChar, int>> larghe;
        for (const QChar l : lettere)
            larghe.emplace_back(l, pixel(QString(l)));
        parole.resize(std::size_t(12 * pixelEm + 1));
        std::vector<int> ultime{0};
        while (!ultime.empty()) {
            std::vector<int> nuove;
            for (const int x : ultime)
                for (const auto& [l, larghezza] : larghe) {
                    const auto y = std::size_t(x + larghezza);
                    if (y < parole.size() && parole[y].isEmpty()) {
                        parole[y] = parole[std::size_t(x)] + l;
                        nuove.push_back(int(y));
                    }
                }
            ultime = std::move(nuove);
        }
        return parole;
    }
};

Righello& righelloDi(const documento::Carattere& c)
{
    static std::map<std::tuple<QString, double, bool>, Righello> righelli;
    auto [voce, nuovo] = righelli.try_emplace({c.nome, c.dimensione, c.grassetto});
    Righello& r = voce->second;
    if (nuovo) {
        documento::installaSostituzioniCaratteri();
        QFont f(c.nome);
        f.setBold(c.grassetto);
        r.font = QRawFont::fromFont(f);
        r.font.setPixelSize(r.font.unitsPerEm());
        r.pixelEm = qRound(c.dimensione * 2) * 10 * pixelPerTwip;
    }
    return r;
}

// A word of letters only, none of the pairs that join into one glyph.
bool semplice(const QString& parola)
{
    for (const QChar c : parola)
        if (!c.isLetter())
            return false;
    return !parola.contains(QLatin1String("ff")) && !parola.contains(QLatin1String("fi"))
           && !parola.contains(QLatin1String("fl"));
}

} // namespace

int pixel(const documento::Carattere& c, const QString& testo) { return righelloDi(c).pixel(testo); }

QString testo(const documento::Carattere& c, int larghezza, testiCasuali::Generatore& caso, bool maiuscole, int caratteri)
{
    Righello& r = righelloDi(c);
    const std::vector<QString>& ultime = r.paroleDi(maiuscole);
    const int spazio = r.pixel(QStringLiteral(" "));
    for (int tentativo = 0; tentativo < 5000; ++tentativo) {
        QStringList parole;
        int x = 0;
        for (;;) {
            QString p = caso.parola();
            if (!semplice(p))
                continue;
            if (maiuscole)
                p = p.toUpper();
            const int dopo = x + (parole.isEmpty() ? 0 : spazio) + r.pixel(p);
            if (dopo + spazio + 3 * r.pixelEm > larghezza)
                break;
            parole << p;
            x = dopo;
        }
        const int resto = larghezza - x - (parole.isEmpty() ? 0 : spazio);
        if (resto <= 0 || resto >= int(ultime.size()) || ultime[std::size_t(resto)].isEmpty())
            continue;
        parole << ultime[std::size_t(resto)];
        const QString t = parole.join(QLatin1Char(' '));
        if (caratteri <= 0 || t.size() == caratteri)
            return t;
    }
    return {};
}

} // namespace testiAlMargine
