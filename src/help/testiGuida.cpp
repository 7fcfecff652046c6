#include "help/testiGuida.h"

#include <QFile>

#include <array>

// The texts are compiled into this static library; the reference keeps the linker
// from dropping them.
static void caricaRisorseGuida() { Q_INIT_RESOURCE(guida); }

namespace testiGuida {

namespace {

struct Voce {
    const char* titolo; // UTF-8
    const char* file;
};

constexpr std::array<Voce, numeroArgomenti + 1> voci{{
    {"", ""},
    {"MANUALE D'USO RAPIDO", "manuale"},
    {"FUNZIONAMENTO DEL PROGRAMMA", "funzionamento"},
    {"ARCHIVIO DATI", "archivio"},
    {"COME STAMPARE", "stampa"},
    {"Finestra MENU", "menu"},
    {"Finestra DATI CLIMATICI", "tabella"},
    {"Finestra TRASMITTANZA", "trasmitt"},
    {"Finestra CALCOLO DI FATTIBILITA'", "fattib"},
    {"Finestra RISULTATI del calcolo di fattibilità", "risultati"},
    {"Finestra CALCOLO DETTAGLIATO", "dettagliato"},
    {"Finestra RISULTATI DETTAGLIATI", "risdettagliato"},
    {"Finestra FRONTESPIZIO", "frontespizio"},
}};

const Voce& voce(Argomento a)
{
    const int n = static_cast<int>(a);
    return voci[std::size_t(n >= 1 && n <= numeroArgomenti ? n : 1)];
}

// A text file of the resources, UTF-8, without the line end that closes the file.
QString risorsa(const char* nome)
{
    static const bool caricate = (caricaRisorseGuida(), true);
    (void)caricate;
    QFile file(QStringLiteral(":/guida/") + QLatin1String(nome) + QStringLiteral(".txt"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QString testo = QString::fromUtf8(file.readAll());
    while (testo.endsWith(QLatin1Char('\n')) || testo.endsWith(QLatin1Char('\r')))
        testo.chop(1);
    return testo;
}

} // namespace

Argomento argomento(int n) { return static_cast<Argomento>(n >= 1 && n <= numeroArgomenti ? n : 1); }

QString titolo(Argomento a) { return QString::fromUtf8(voce(a).titolo); }

QString testo(Argomento a) { return risorsa(voce(a).file); }

QString licenza()
{
    QString testo = risorsa("licenza");
    testo.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return testo;
}

} // namespace testiGuida
