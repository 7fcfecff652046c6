#pragma once
// Texts drawn at random as the users of a technical studio type them: Italian words in
// lower case, capitalised or in capitals, with the punctuation, figures, units and
// signs the reports and the cover page hold (apostrophes, quotes « », parentheses,
// slashes inside words, hyphens before digits, negative numbers, "%", "°", "+", times).
#include <QString>
#include <QStringList>

#include <random>

namespace testiCasuali {

class Generatore {
public:
    explicit Generatore(unsigned seme) : caso_(seme) {}

    int intero(int da, int a) { return std::uniform_int_distribution<int>(da, a)(caso_); }
    bool moneta(int percento) { return intero(1, 100) <= percento; }
    template <typename T>
    const T& uno(const std::initializer_list<T>& voci)
    {
        return *(voci.begin() + intero(0, int(voci.size()) - 1));
    }

    QString numero()
    {
        switch (intero(0, 9)) {
        case 0: return QString::number(intero(1, 99)) + QLatin1Char('-') + QString::number(intero(1, 99));
        case 1: return QLatin1Char('-') + QString::number(intero(1, 9999)) + QLatin1Char(',') + QString::number(intero(10, 99));
        case 2: return QString::number(intero(1, 40)) + QStringLiteral("°");
        case 3: return QLatin1Char('(') + QString::number(intero(1, 99)) + QStringLiteral("%)");
        case 4: return QStringLiteral("%1:%2").arg(intero(0, 23)).arg(intero(0, 59), 2, 10, QLatin1Char('0'));
        case 5: return QLatin1Char('+') + QString::number(intero(1, 99));
        case 6: return QStringLiteral("%1.%2,%3").arg(intero(1, 99)).arg(intero(100, 999)).arg(intero(10, 99));
        case 7: return QString::number(intero(1, 200)) + QLatin1Char('/') + QString::number(intero(1, 200));
        case 8: return QStringLiteral("n.") + QString::number(intero(1, 99));
        default: return QString::number(intero(0, 99999) / 100.0, 'f', 2);
        }
    }

    QString parola()
    {
        static const QStringList parole = {
            QStringLiteral("impianto"), QStringLiteral("collettore"), QStringLiteral("solare"), QStringLiteral("di"),
            QStringLiteral("il"), QStringLiteral("la"), QStringLiteral("per"), QStringLiteral("con"), QStringLiteral("acqua"),
            QStringLiteral("calda"), QStringLiteral("sanitaria"), QStringLiteral("riscaldamento"), QStringLiteral("edificio"),
            QStringLiteral("condominio"), QStringLiteral("via"), QStringLiteral("piazza"), QStringLiteral("studio"),
            QStringLiteral("tecnico"), QStringLiteral("ingegner"), QStringLiteral("geometra"), QStringLiteral("superficie"),
            QStringLiteral("energia"), QStringLiteral("fabbisogno"), QStringLiteral("annuo"), QStringLiteral("è"),
            QStringLiteral("più"), QStringLiteral("città"), QStringLiteral("perché"), QStringLiteral("così"),
            QStringLiteral("trasmittanza"), QStringLiteral("dell'impianto"), QStringLiteral("l'acqua"), QStringLiteral("un'ora"),
            QStringLiteral("kWh/anno"), QStringLiteral("W/m²K"), QStringLiteral("Tecnico/Comunale"), QStringLiteral("e-mail"),
            QStringLiteral("A/B"), QStringLiteral("«LE TAVERNE»"), QStringLiteral("\"ecologica\""), QStringLiteral("(vedi"),
            QStringLiteral("allegato)"), QStringLiteral("S.p.A."), QStringLiteral("srl"), QStringLiteral("www.studio.it"),
            QStringLiteral("Bolzano-Bozen"), QStringLiteral("sud-ovest"), QStringLiteral("ristrutturazione"),
            QStringLiteral("dimensionamento"), QStringLiteral("economica"), QStringLiteral("verifica"), QStringLiteral("rendimento"),
            QStringLiteral("fattore"), QStringLiteral("inclinazione"), QStringLiteral("orientamento"), QStringLiteral("nel"),
            QStringLiteral("delle"), QStringLiteral("dei"), QStringLiteral("gli"), QStringLiteral("una"), QStringLiteral("che"),
            QStringLiteral("AVV."), QStringLiteral("DOTT."), QStringLiteral("ARCH."), QStringLiteral("ING."),
        };
        QString p = parole[intero(0, int(parole.size()) - 1)];
        const int forma = intero(1, 100);
        if (forma <= 12)
            p = p.toUpper();
        else if (forma <= 25)
            p[0] = p[0].toUpper();
        return p;
    }

    // A text of about `parole` words; `maiuscolo` makes it all capitals.
    QString testo(int parole, bool maiuscolo = false)
    {
        QStringList t;
        for (int i = 0; i < parole; ++i) {
            QString p = moneta(18) ? numero() : parola();
            if (moneta(10))
                p += uno({QStringLiteral(","), QStringLiteral("."), QStringLiteral(";"), QStringLiteral(":"),
                          QStringLiteral("!"), QStringLiteral("?")});
            t << p;
        }
        const QString risultato = t.join(QLatin1Char(' '));
        return maiuscolo ? risultato.toUpper() : risultato;
    }

    // A text of about `parole` words as a user lines words and figures up: tabs, runs
    // of blanks and a tab among blanks in place of some blanks, at its start or end
    // now and then.
    QString testoIncolonnato(int parole)
    {
        const auto spazio = [&] {
            return uno({QStringLiteral("\t"), QStringLiteral("\t"), QStringLiteral("  "), QStringLiteral("    "),
                        QStringLiteral(" \t"), QStringLiteral("\t "), QStringLiteral("\t\t")});
        };
        QString t = moneta(10) ? spazio() : QString();
        for (int i = 0; i < parole; ++i) {
            t += moneta(18) ? numero() : parola();
            if (i + 1 < parole)
                t += moneta(35) ? spazio() : QStringLiteral(" ");
        }
        if (moneta(10))
            t += spazio();
        return t;
    }

private:
    std::mt19937 caso_;
};

} // namespace testiCasuali
