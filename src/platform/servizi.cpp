// Service accessors of the platform layer and their quiet defaults.
#include "platform/desktop.h"
#include "platform/dialoghi.h"
#include "platform/messaggi.h"
#include "platform/musica.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

namespace piattaforma {

int rispostaPredefinita(int pulsanti)
{
    const int tasti = pulsanti & 0x0F;
    const bool secondo = (pulsanti & vbDefaultButton2) != 0;
    if (tasti == vbYesNo)
        return secondo ? vbNo : vbYes;
    return vbOK;
}

namespace {

class MessaggiPredefiniti final : public Messaggi {
public:
    int mostra(const QString&, int pulsanti, const QString&) override { return rispostaPredefinita(pulsanti); }
};

class DialoghiPredefiniti final : public Dialoghi {
public:
    std::optional<QString> apri(const RichiestaFile&) override { return std::nullopt; }
    std::optional<QString> salva(const RichiestaFile&) override { return std::nullopt; }
    std::optional<ColoreRGB> colore(ColoreRGB, int) override { return std::nullopt; }
};

class MusicaMuta final : public Musica {
public:
    void comando(const QString&, const QString&) override {}
};

class DesktopAssente final : public Desktop {
public:
    bool apriIndirizzo(const QString&) override { return false; }
    void apriFile(const QString&, std::function<void(bool)> esito) override
    {
        if (esito)
            esito(false);
    }
};

MessaggiPredefiniti messaggiPredefiniti;
DialoghiPredefiniti dialoghiPredefiniti;
MusicaMuta musicaMuta;
DesktopAssente desktopAssente;

Messaggi* messaggiAttivi = nullptr;
Dialoghi* dialoghiAttivi = nullptr;
Musica* musicaAttiva = nullptr;
Desktop* desktopAttivo = nullptr;

} // namespace

Messaggi& messaggi() { return messaggiAttivi ? *messaggiAttivi : messaggiPredefiniti; }
void impostaMessaggi(Messaggi* servizio) { messaggiAttivi = servizio; }
Dialoghi& dialoghi() { return dialoghiAttivi ? *dialoghiAttivi : dialoghiPredefiniti; }
void impostaDialoghi(Dialoghi* servizio) { dialoghiAttivi = servizio; }
Musica& musica() { return musicaAttiva ? *musicaAttiva : musicaMuta; }
void impostaMusica(Musica* servizio) { musicaAttiva = servizio; }
Desktop& desktop() { return desktopAttivo ? *desktopAttivo : desktopAssente; }
void impostaDesktop(Desktop* servizio) { desktopAttivo = servizio; }

QString VoceFiltro::perQt() const
{
    return descrizione + QStringLiteral(" (") + modelli.join(QLatin1Char(' ')) + QLatin1Char(')');
}

QList<VoceFiltro> analizzaFiltro(const QString& filtro)
{
    QList<VoceFiltro> voci;
    const QStringList parti = filtro.split(QLatin1Char('|'));
    static const QRegularExpression coda(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    for (qsizetype i = 0; i + 1 < parti.size(); i += 2) {
        VoceFiltro voce;
        voce.descrizione = parti[i].trimmed();
        voce.descrizione.remove(coda);
        if (voce.descrizione.isEmpty())
            voce.descrizione = parti[i].trimmed();
        for (QString modello : parti[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            modello = modello.trimmed();
            if (modello == QLatin1String("*.*"))
                modello = QStringLiteral("*");
            if (!modello.isEmpty())
                voce.modelli << modello;
        }
        if (voce.modelli.isEmpty())
            voce.modelli << QStringLiteral("*");
        voci << voce;
    }
    return voci;
}

QString cartellaDocumenti()
{
    QString cartella = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (cartella.isEmpty())
        cartella = QDir::homePath();
    QDir().mkpath(cartella);
    return cartella;
}

RichiestaFile CommonDialog::richiesta() const
{
    return RichiestaFile{DialogTitle, FileName, Filter, FilterIndex, Flags, true, prefisso};
}

bool CommonDialog::ShowOpen()
{
    const auto scelta = dialoghi().apri(richiesta());
    if (!scelta)
        return false;
    FileName = *scelta;
    return true;
}

bool CommonDialog::ShowSave()
{
    const auto scelta = dialoghi().salva(richiesta());
    if (!scelta)
        return false;
    FileName = *scelta;
    return true;
}

bool CommonDialog::ShowColor()
{
    const auto scelta = dialoghi().colore(Color, Flags);
    if (!scelta)
        return false;
    Color = *scelta;
    return true;
}

} // namespace piattaforma
