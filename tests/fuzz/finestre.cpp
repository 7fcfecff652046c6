// Each window that owns a data file, through its own open and save commands: a
// refused file changes nothing and shows one message; an accepted one, saved under
// another name and opened again, gives the same window, and saved once more the same
// bytes. A window joins by one entry in finestreDaProvare().
#include "ingressi.h"

#include "base/ModKorvel.h"
#include "base/archivio.h"
#include "base/fileDati.h"
#include "base/numeri.h"
#include "climate/datiClimatici.h"
#include "cover/frontespizio.h"
#include "detailed/calcoloDettagliato.h"
#include "detailed/datiDettagliato.h"
#include "detailed/dettagliato.h"
#include "detailed/risdettagliato.h"
#include "feasibility/datiFattib.h"
#include "feasibility/fattib.h"
#include "feasibility/risultati.h"
#include "platform/controlli.h"
#include "platform/modulo.h"
#include "support/doppi.h"
#include "transmittance/archivioTrasm.h"
#include "transmittance/calcoloTrasmittanza.h"
#include "transmittance/datiTrasmittanza.h"
#include "transmittance/trasmitt.h"

#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>

namespace fuzz {

namespace {

// What an entry's own checks may use: the round trip's dialogs and folder, and the
// file it opened.
struct Contesto {
    doppi::Dialoghi& dialoghi;
    const QTemporaryDir& cartella;
    const QByteArray& dati;
};

struct FinestraDaProvare {
    QString nome;
    std::function<void()> apri;         // the window's open command
    std::function<void()> salvaConNome; // its save-as command
    std::function<QStringList()> stato; // everything an open may change but the file names
    std::function<QStringList()> nomi;  // the file names the window remembers
    std::function<void(Verifica&, Contesto&)> poi; // what else must hold after an accepted open (may be empty)
};

// A number's text that says it is none.
bool nonFinito(const QString& testo)
{
    return testo.contains(QLatin1String("inf"), Qt::CaseInsensitive)
        || testo.contains(QLatin1String("nan"), Qt::CaseInsensitive) || testo.contains(QChar(0x221E));
}

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
void calcolaFattib(Verifica& v, Contesto&)
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
            v(!nonFinito(t), QStringLiteral("results show ") + t);
    }
}

QStringList statoDettagliato()
{
    using namespace ModKorvel;
    dettagliato& w = finestra<dettagliato>();
    QStringList s{w.loc->Text(),     w.incl->Caption(), w.azim->Caption(), w.ret->Caption(),  w.temper->Caption(),
                  w.acq->Caption(),  w.trasm->Text(),   w.are->Text(),     w.ann->Text(),     w.cost->Text(),
                  w.costalt->Text(), w.tass->Caption(), w.infl->Caption(), w.ener->Caption(), w.Frame12->title(),
                  w.passo->Caption()};
    for (const auto* gruppo : {&w.Option1, &w.Option2, &w.Option3, &w.Option4})
        for (std::size_t i = 1; i < gruppo->size(); ++i)
            s << QString::number((*gruppo)[i]->Value());
    for (BarraScorrimento* b : {w.VScroll1, w.VScroll2, w.VScroll3, w.VScroll4, w.VScroll5, w.HScroll1, w.HScroll2,
                                w.HScroll3})
        s << QString::number(b->Value());
    for (Cornice* f : {w.Frame1, w.Frame2, w.Frame3, w.Frame4, w.Frame5, w.Frame6, w.Frame7, w.Frame8, w.Frame9,
                       w.Frame10, w.Frame11, w.Frame12, w.Frame13, w.Frame14, w.Frame15})
        s << QString::number(f->isEnabled());
    // What the calculation takes from the window.
    const calcoli::IngressiDett in = w.ingressi();
    for (const double x : {in.temperaturaRete, in.temperaturaConsumo, in.inclinazione, in.azimut, in.trasmittanzaDett,
                           in.superficieCaptante, in.costoImpianto, in.durataImpiantoDett, double(in.tassoScontoDett),
                           double(in.tassoInflazione), double(in.tassoAumentoDett), in.consumoAcqua,
                           in.costoCombustibile})
        s << QString::number(x, 'g', 17);
    for (const int x : {w.loc->ListIndex(), numLocalita, in.usoImpiantoDett, in.tipoCollettore, in.tipoFluido,
                        in.combustibileDett})
        s << QString::number(x);
    return s + statoFrontespizio();
}

// The results button on what was opened: whatever it concludes, nothing the detailed
// calculation stores or its results window shows, page by page, is infinite or not a
// number. Then a plant of both uses, saved and opened into a cleared window, keeps
// its transmittance.
void calcolaDettagliato(Verifica& v, Contesto& c)
{
    using namespace ModKorvel;
    dettagliato& w = finestra<dettagliato>();
    controlloSilenzioso = 0;
    tipoElaborazione = 0;
    w.cmdavanti_Click();
    if (tipoElaborazione == 2)
        v(fabbisognoAnnuoDett >= 1,
          QStringLiteral("detailed results shown for an annual need of %1 kWh").arg(fabbisognoAnnuoDett));
    bool finiti = std::isfinite(fabbisognoAnnuoDett) && std::isfinite(frazioneAnnua)
        && std::isfinite(energiaUtileAnnua) && std::isfinite(durataCalcolata);
    for (const auto* mese : {&radOrizzontale, &radCollettori, &rapportoRadiazioni, &radOrizzontaleKwh, &radCollettoriKwh,
                             &radExtraterrestre, &indiceNuvolosita, &angoloTramonto, &angoloTramontoCollettore,
                             &rapportoDiffusa, &prodottoTauAlfa, &angoloIncidenza, &fabbisognoMensile, &frazioneMensile,
                             &energiaUtileMensile})
        finiti = finiti && std::all_of(mese->begin(), mese->end(), [](double x) { return std::isfinite(x); });
    for (const auto* anno : {&costoAttuale, &costoSolare, &bilancio})
        finiti = finiti && std::all_of(anno->begin(), anno->end(), [](double x) { return std::isfinite(x); });
    v(finiti, QStringLiteral("the detailed results hold values that are not finite"));
    if (risdettagliato* r = Unica<risdettagliato>::seCaricata()) {
        QStringList mostrati{r->fabbann->Caption(), r->frazann->Caption(), r->utann->Caption(), r->rec->Caption()};
        for (const auto* colonna : {&r->rad0, &r->rads, &r->rapp, &r->rad0k, &r->radsk, &r->extr, &r->nuv, &r->tram,
                                    &r->coll, &r->diff, &r->tau, &r->inc, &r->fabbis, &r->ef, &r->util})
            for (int m = 1; m <= 12; ++m)
                mostrati << (*colonna)[std::size_t(m)]->Caption();
        for (int primo = r->VScroll1->Min(); primo <= r->VScroll1->Max(); primo += 5) {
            modulo::impostaBarra(r->VScroll1, primo, [r] { r->VScroll1_Change(); });
            for (int i = 1; i <= 5; ++i)
                mostrati << r->att[std::size_t(i)]->Caption() << r->sol[std::size_t(i)]->Caption()
                         << r->bil[std::size_t(i)]->Caption();
        }
        for (const QString& t : mostrati)
            v(!nonFinito(t), QStringLiteral("the detailed results show ") + t);
    }

    if (w.usoScelto() != 3 || w.primoControlloFallito() != dettagliato::controlloSuperato
        || finestra<frontespizio>().progetto->Text().isEmpty())
        return;
    const QString trasmittanza = w.trasm->Text();
    const QString nome = c.cartella.filePath(QStringLiteral("entrambi"));
    QFile::remove(nome);
    c.dialoghi.scegliFile(nome);
    w.salvanome_Click();
    w.cancella_click();
    c.dialoghi.scegliFile(nome);
    w.apri_Click();
    v(w.usoScelto() == 3 && w.trasm->Text() == trasmittanza
          && w.ingressi().trasmittanzaDett == numeri::val(trasmittanza),
      QStringLiteral("a plant of both uses saved with \"%1\" opens with \"%2\"").arg(trasmittanza, w.trasm->Text()));
}

QStringList statoTrasmitt()
{
    using namespace ModKorvel;
    trasmitt& w = finestra<trasmitt>();
    QStringList s;
    for (int g = 1; g <= 2; ++g)
        for (int i = 1; i <= elementiPerGruppo; ++i) {
            const auto& totale = trasTotale[g][i];
            s << tipologiaElem[g][i] + u'|' + areaElem[g][i] + u'|' + trasUnitaria[g][i] + u'|'
                    + (totale ? QString::number(*totale, 'g', 17) : QStringLiteral("-"));
        }
    s << QString::number(numPeriferici) << QString::number(numInterni);
    for (CasellaTesto* c : {w.traes, w.train, w.equiv, w.tralim, w.total, w.complessiva})
        s << c->Text();
    for (BarraScorrimento* b : {w.scrollaes, w.scrollain, w.VScroll1, w.VScroll2})
        s << QString::number(b->Value());
    for (std::size_t r = 1; r <= 5; ++r)
        s << w.Combo1[r]->currentText() << w.ar[r]->Text() << w.tra[r]->Text() << w.trat[r]->Text()
          << w.Combo2[r]->currentText() << w.ar2[r]->Text() << w.tra2[r]->Text() << w.trat2[r]->Text();
    s << w.passo->Caption();
    return s + statoFrontespizio();
}

// The window's figures are those of the elements in the file it opened, whatever
// the coefficient and air-change boxes hold.
void verificaTrasmittanza(Verifica& v, Contesto& c)
{
    archivio::Lettore lettore(c.dati);
    const std::optional<archivioTrasm::Contenuto> letto = archivioTrasm::leggi(lettore);
    if (!letto) {
        v(false, QStringLiteral("the window took a file its reader refuses"));
        return;
    }
    trasmitt& w = finestra<trasmitt>();
    calcoli::IngressiTrasmittanza in =
        calcoli::ingressiTrasmittanzaDaModulo(w.traes->Text(), w.train->Text(), w.equiv->Text());
    in.tipologia = {};
    in.area = {};
    in.unitaria = {};
    for (int g = 1; g <= 2; ++g)
        for (std::size_t i = 0; i < letto->gruppi[g].size(); ++i) {
            const archivioTrasm::Elemento& e = letto->gruppi[g][i];
            in.tipologia[g][i + 1] = e.tipologia;
            in.area[g][i + 1] = e.area;
            in.unitaria[g][i + 1] = e.unitaria;
        }
    const calcoli::RisultatiTrasmittanza ris = calcoli::calcolaTrasmittanza(in);
    const QString atteso = calcoli::testoCalcolato(ris.complessiva);
    v(w.complessiva->Text() == atteso,
      QStringLiteral("compl shows \"%1\", the file's elements give \"%2\"").arg(w.complessiva->Text(), atteso));
    v(ModKorvel::trasTotale == ris.totali && ModKorvel::numPeriferici == ris.numPeriferici
          && ModKorvel::numInterni == ris.numInterni,
      QStringLiteral("the element totals or counts are not those of the file's elements"));
}

std::vector<FinestraDaProvare> finestreDaProvare()
{
    return {
        {QStringLiteral("frontespizio"), [] { finestra<frontespizio>().apri_Click(); },
         [] { finestra<frontespizio>().salvanome_Click(); }, statoFrontespizio,
         [] { return QStringList{finestra<frontespizio>().nomeFileFrontespizio()}; }, {}},
        {QStringLiteral("fattib"), [] { finestra<fattib>().apri_Click(); }, [] { finestra<fattib>().salvanome_Click(); },
         statoFattib, [] { return QStringList{ModKorvel::nomeFile}; }, calcolaFattib},
        {QStringLiteral("dettagliato"), [] { finestra<dettagliato>().apri_Click(); },
         [] { finestra<dettagliato>().salvanome_Click(); }, statoDettagliato,
         [] { return QStringList{ModKorvel::nomeFile}; }, calcolaDettagliato},
        {QStringLiteral("trasmitt"), [] { finestra<trasmitt>().apri_Click(); },
         [] { finestra<trasmitt>().salvanome_Click(); }, statoTrasmitt, [] { return QStringList{ModKorvel::nomeFile}; },
         verificaTrasmittanza},
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
    if (f.poi) {
        Contesto contesto{dialoghi, cartella, dati};
        f.poi(v, contesto);
    }
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
