// Each window that owns a data file, through its own open and save commands: a
// refused file changes nothing and shows one message; an accepted one, saved under
// another name and opened again, gives the same window, and saved once more the same
// bytes. A window joins by one entry in finestreDaProvare().
#include "ingressi.h"

#include "base/ModKorvel.h"
#include "base/archivio.h"
#include "cover/frontespizio.h"
#include "feasibility/datiFattib.h"
#include "feasibility/fattib.h"
#include "feasibility/risultati.h"
#include "platform/controlli.h"
#include "support/doppi.h"

#include <QFile>
#include <QTemporaryDir>

#include <cmath>

namespace fuzz {

namespace {

struct FinestraDaProvare {
    QString nome;
    std::function<void()> apri;         // the window's open command
    std::function<void()> salvaConNome; // its save-as command
    std::function<QStringList()> stato; // everything an open may change but the file names
    std::function<QStringList()> nomi;  // the file names the window remembers
    std::function<void(Verifica&)> poi; // what else must hold after an accepted open (may be empty)
};

QStringList statoFrontespizio()
{
    const ModKorvel::datiFrontespizio d = finestra<frontespizio>().dati();
    return {d.progetto, d.localita, d.tipostudio, d.committente, d.luogo, d.data, d.allegati};
}

QStringList statoFattib()
{
    fattib& w = finestra<fattib>();
    QStringList s{w.loc->Text(),    w.acq->Caption(),  w.temper->Caption(), w.trasm->Text(),
                  w.ann->Text(),    w.cost->Text(),    w.elettr->Text(),    w.costalt->Text(),
                  w.tass->Caption(), w.tasen->Caption(), w.passo->Caption()};
    for (PulsanteOpzione* o : {w.Option1[1], w.Option1[2], w.Option3[1], w.Option3[2], w.Option3[3]})
        s << QString::number(o->Value());
    for (BarraScorrimento* b : {w.VScroll1, w.VScroll2, w.VScroll4, w.VScroll5})
        s << QString::number(b->Value());
    s << QString::number(w.loc->ListIndex());
    return s + statoFrontespizio();
}

// The results button on what was opened: whatever it concludes, nothing it stores or
// shows is infinite or not a number, and results it shows have a need to cover.
void calcolaFattib(Verifica& v)
{
    ModKorvel::controlloSilenzioso = 0;
    ModKorvel::tipoElaborazione = 0;
    finestra<fattib>().cmdavanti_Click();
    if (ModKorvel::tipoElaborazione == 1)
        v(ModKorvel::fabbisognoAnnuo >= 1, QStringLiteral("results shown for an annual need of 0 kWh"));
    bool finiti = std::isfinite(ModKorvel::fabbisognoAnnuo) && std::isfinite(ModKorvel::areaOttimale);
    for (int s = 1; s <= 1000; ++s)
        for (int k = 1; k <= 3; ++k)
            finiti = finiti && std::isfinite(ModKorvel::percentuali[s][k]) && std::isfinite(ModKorvel::energiaSolare[s][k]);
    v(finiti, QStringLiteral("the feasibility results hold values that are not finite"));
    if (risultati* r = Unica<risultati>::seCaricata()) {
        for (const QString& t : {r->fabb->Caption(), r->ottim->Caption()})
            v(!t.contains(QLatin1String("inf")) && !t.contains(QLatin1String("nan")), QStringLiteral("results show ") + t);
    }
}

std::vector<FinestraDaProvare> finestreDaProvare()
{
    return {
        {QStringLiteral("frontespizio"), [] { finestra<frontespizio>().apri_Click(); },
         [] { finestra<frontespizio>().salvanome_Click(); }, statoFrontespizio,
         [] { return QStringList{finestra<frontespizio>().nomeFileFrontespizio()}; }, {}},
        {QStringLiteral("fattib"), [] { finestra<fattib>().apri_Click(); }, [] { finestra<fattib>().salvanome_Click(); },
         statoFattib, [] { return QStringList{ModKorvel::nomeFile}; }, calcolaFattib},
    };
}

QByteArray contenuto(const QString& nome)
{
    QFile f(nome);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The first place where two states differ, to say what changed.
QString differenza(const QStringList& prima, const QStringList& dopo)
{
    for (qsizetype i = 0; i < std::min(prima.size(), dopo.size()); ++i)
        if (prima[i] != dopo[i])
            return QStringLiteral("item %1: \"%2\" became \"%3\"").arg(i).arg(prima[i].left(60), dopo[i].left(60));
    return QStringLiteral("%1 items became %2").arg(prima.size()).arg(dopo.size());
}

QStringList provaFinestra(const FinestraDaProvare& f, const QByteArray& dati)
{
    static QTemporaryDir cartella;
    ModKorvel::inizializzaDati();
    ModKorvel::controlloSilenzioso = 0;
    doppi::Messaggi messaggi;
    doppi::Dialoghi dialoghi;
    Verifica v;
    const QString aperto = cartella.filePath(QStringLiteral("aperto"));
    const QString salvato = cartella.filePath(QStringLiteral("salvato"));
    const QString ancora = cartella.filePath(QStringLiteral("ancora"));
    {
        QFile file(aperto);
        v(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(dati) == dati.size(),
          QStringLiteral("the input cannot be written"));
    }

    const QStringList prima = f.stato();
    const QStringList nomiPrima = f.nomi();
    dialoghi.scegliFile(aperto);
    f.apri();
    const qsizetype rifiuti = messaggi.testi().count(archivio::messaggioNonValido(aperto));
    if (rifiuti > 0) {
        v(messaggi.mostrati.size() == 1, QStringLiteral("a refused file showed %1 messages").arg(messaggi.mostrati.size()));
        v(messaggi.mostrati[0].pulsanti == piattaforma::vbCritical, QStringLiteral("a refusal without the critical icon"));
        v(f.stato() == prima, QStringLiteral("a refused file changed the window: ") + differenza(prima, f.stato()));
        v(f.nomi() == nomiPrima, QStringLiteral("a refused file changed the remembered name"));
        return v.mancate();
    }
    v(messaggi.mostrati.isEmpty(), QStringLiteral("an accepted file showed: ") + messaggi.testi().join(QLatin1Char('|')));
    const QStringList letto = f.stato();

    // Saved under another name; the window's own check may still refuse what it took.
    messaggi.azzera();
    QFile::remove(salvato);
    dialoghi.scegliFile(salvato);
    f.salvaConNome();
    if (QFile::exists(salvato)) {
        v(f.stato() == letto, QStringLiteral("saving changed the window: ") + differenza(letto, f.stato()));
        messaggi.azzera();
        dialoghi.scegliFile(salvato);
        f.apri();
        v(messaggi.mostrati.isEmpty(), QStringLiteral("the saved file is refused: ") + messaggi.testi().join(QLatin1Char('|')));
        v(f.stato() == letto, QStringLiteral("saved and opened again: ") + differenza(letto, f.stato()));
        QFile::remove(ancora);
        dialoghi.scegliFile(ancora);
        f.salvaConNome();
        v(contenuto(ancora) == contenuto(salvato), QStringLiteral("saved twice, the files differ"));
    }
    messaggi.azzera();
    if (f.poi)
        f.poi(v);
    return v.mancate();
}

} // namespace

std::vector<Ingresso> ingressiFinestre()
{
    std::vector<Ingresso> v;
    for (const FinestraDaProvare& f : finestreDaProvare())
        v.push_back({QStringLiteral("finestra-") + f.nome, [f](const QByteArray& dati) { return provaFinestra(f, dati); }});
    return v;
}

} // namespace fuzz
