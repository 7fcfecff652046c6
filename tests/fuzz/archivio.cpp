// The data-file reader and writer: whatever the reader takes is written back and read
// again as it was taken.
#include "ingressi.h"

#include "base/archivio.h"
#include "base/valore.h"
#include "cover/datiFrontespizio.h"

#include <cmath>
#include <limits>

namespace fuzz {

QStringList provaArchivio(const QByteArray& dati)
{
    using archivio::Lettore;
    using archivio::Scrittore;
    Verifica v;
    const auto campi = archivio::campi(dati);
    if (!campi)
        return {};

    for (const archivio::Campo& campo : *campi) {
        if (campo.virgolette) {
            // One line of a text box, and nothing the writer would have to change.
            v(!campo.testo.contains(QLatin1Char('\r')) && !campo.testo.contains(QLatin1Char('\n')),
              QStringLiteral("a quoted text holds a line end"));
            Scrittore s;
            s.testo(campo.testo).fineRecord();
            const auto riletti = archivio::campi(s.contenuto());
            v(s.ok() && riletti && riletti->size() == 1 && riletti->at(0).testo == campo.testo,
              QStringLiteral("a text read does not read back as it was: ") + campo.testo.left(80));
            continue;
        }
        // A whole number and a floating value are written so as to read back exactly.
        bool intero = false;
        const long long n = campo.testo.trimmed().toLongLong(&intero);
        if (intero) {
            Scrittore s;
            s.valore(Valore(n)).fineRecord();
            Lettore l(s.contenuto());
            const long long letto = l.intero(std::numeric_limits<long long>::min(), std::numeric_limits<long long>::max());
            v(l.ok() && letto == n, QStringLiteral("whole number written as ") + QString::fromLatin1(s.contenuto()).trimmed()
                                        + QStringLiteral(", not ") + QString::number(n));
        }
        Lettore uno(QByteArray(campo.testo.toLatin1()));
        const auto d = uno.decimaleOVuoto();
        if (uno.ok() && d) {
            v(std::isfinite(*d), QStringLiteral("a floating value read is not finite"));
            Scrittore s;
            s.valore(Valore(*d)).fineRecord();
            Lettore l(s.contenuto());
            v(l.decimale() == *d && l.ok(), QStringLiteral("floating value written as ") + QString::fromLatin1(s.contenuto()).trimmed());
        }
    }

    // The typed reader over every field: bounded values, and a failure that stays.
    for (int tipo = 0; tipo < 5; ++tipo) {
        Lettore l(dati);
        bool eraOk = l.ok();
        while (l.restanti() > 0) {
            switch (tipo) {
            case 0: {
                const long long x = l.intero(-3, 3);
                v(x >= -3 && x <= 3, QStringLiteral("a whole number out of its range"));
                break;
            }
            case 1: {
                const auto x = l.decimaleOVuoto();
                v(!x || std::isfinite(*x), QStringLiteral("a floating value that is not finite"));
                break;
            }
            case 2: l.testoTraVirgolette(); break;
            case 3: l.indice(64); break;
            case 4: {
                // Any text taken, quoted or bare, is one the writer gives back as it was.
                const QString t = l.testo();
                if (!l.ok())
                    break;
                Scrittore s;
                s.testo(t).fineRecord();
                Lettore r(s.contenuto());
                v(r.testo() == t && r.ok(), QStringLiteral("a text taken is written back otherwise: ") + t.left(80));
                break;
            }
            }
            v(!(l.ok() && !eraOk), QStringLiteral("a failed reader turned good again"));
            eraOk = l.ok();
        }
    }

    // A project record read is written and read back unchanged.
    for (bool ridotta : {false, true}) {
        Lettore l(dati);
        const ModKorvel::datiFrontespizio letto =
            ridotta ? ModKorvel::leggiRigaFrontespizioRidotta(l) : ModKorvel::leggiRigaFrontespizio(l);
        if (!l.ok())
            continue;
        Scrittore s;
        if (ridotta)
            ModKorvel::rigaFrontespizioRidotta(s, letto);
        else
            ModKorvel::rigaFrontespizio(s, letto);
        Lettore r(s.contenuto());
        const ModKorvel::datiFrontespizio riletto =
            ridotta ? ModKorvel::leggiRigaFrontespizioRidotta(r) : ModKorvel::leggiRigaFrontespizio(r);
        v(s.ok() && r.ok() && riletto == letto, QStringLiteral("a project record does not read back as it was"));
    }
    return v.mancate();
}

} // namespace fuzz
