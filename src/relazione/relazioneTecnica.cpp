#include "relazione/relazioneTecnica.h"

#include "base/ModKorvel.h"
#include "base/numeri.h"
#include "cover/frontespizio.h"
#include "detailed/dettagliato.h"
#include "feasibility/fattib.h"
#include "platform/controlli.h"
#include "platform/messaggi.h"
#include "relazione/capitoliRelazione.h"
#include "report/canaleWord.h"
#include "transmittance/trasmitt.h"

#include <functional>
#include <optional>

namespace relazioneTecnica {

namespace {

using namespace ModKorvel;

const QString fine(1, QChar(13));

void rifiuta(const QString& messaggio)
{
    piattaforma::msgBox(messaggio, piattaforma::vbCritical, titoloControllo);
}

// The calculation window of the elaboration, seen through what the report needs of it.
struct FinestraCalcolo {
    FinestraLavoro* finestra = nullptr;
    std::function<void()> controlla;
    std::function<bool()> calcola;
    int uso = 0;
    QString trasmittanza; // the text the calculation reads its transmittance from
};

FinestraCalcolo finestraCalcolo(int tipo)
{
    if (tipo == 1) {
        fattib& f = finestra<fattib>();
        return {&f, [&f] { f.controlla_Click(); }, [&f] { return f.calcolo(); }, f.usoScelto(),
                f.trasmittanzaImmessa()};
    }
    dettagliato& d = finestra<dettagliato>();
    return {&d, [&d] { d.controlla_Click(); }, [&d] { return d.calcolo(); }, d.usoScelto(),
            d.trasmittanzaImmessa()};
}

// The preconditions, in order; each refusal has shown its reason. On success the
// calculation has run again on the window's inputs.
std::optional<Elaborazione> elaborazioneDaStampare()
{
    const int tipo = tipoElaborazione;
    if (tipo != 1 && tipo != 2) {
        rifiuta(QStringLiteral("Attenzione! Impostare un calcolo di fattibilità oppure una elaborazione dettagliata."));
        return std::nullopt;
    }
    FinestraCalcolo w = finestraCalcolo(tipo);
    if (!verificaSilenziosa(w.controlla)) {
        w.finestra->Show();
        return std::nullopt;
    }
    Elaborazione elaborazione{tipo, w.uso};
    if (elaborazione.riscaldamento()) {
        // An empty sum (a cleared window) is no transmittance either.
        const trasmitt& t = finestra<trasmitt>();
        if (numeri::val(t.testoTotale()) == 0) {
            rifiuta(trasmitt::messaggioTrasmittanzaMancante());
            w.finestra->Show();
            return std::nullopt;
        }
        // A transmittance typed by hand, or changed since it was sent, is not the sum
        // of these elements: they are then left out.
        elaborazione.elementiDellaTrasmittanza = numeri::val(w.trasmittanza) == numeri::val(t.testoComplessiva());
    }
    // The results printed are those of the inputs and the town printed.
    if (!w.calcola()) {
        w.finestra->Show();
        return std::nullopt;
    }
    return elaborazione;
}

void frontespizioDellaRelazione(const datiFrontespizio& c)
{
    const auto righe = [](int n) { return fine.repeated(n); };
    impostaCarattere(QStringLiteral("Century Gothic"));
    impostaGrassetto(documento::wdToggle);
    impostaDimensione(20);
    scriviTesto(QStringLiteral("CALCOLO DI PANNELLI SOLARI") + fine);
    impostaGrassetto(documento::wdToggle);
    impostaDimensione(14);
    scriviTesto(QStringLiteral("(con verifica economica dell'impianto)") + righe(2));
    scriviTesto(QStringLiteral("progetto: ") + c.progetto + righe(2));
    scriviTesto(QStringLiteral("località: ") + c.localita + righe(2));
    scriviTesto(QStringLiteral("tipologia di studio:") + c.tipostudio + righe(2));
    // The project record has no address of its own and the studio's stands at the
    // foot of the page: the address line is left blank.
    for (int i = 0; i < 6; ++i)
        scriviTesto(fine);
    scriviTesto(QStringLiteral("progettista: ") + nomeStudio + fine);
    scriviTesto(QStringLiteral("committente: ") + c.committente + righe(2));
    scriviTesto(c.luogo + QStringLiteral(": ") + c.data + fine);
    impostaDimensione(16);
    for (int i = 0; i < 16; ++i)
        scriviTesto(fine);
    scriviTesto(nomeStudio + fine);
    scriviTesto(indirizzoStudio + fine);
}

// The count in the closing sentence; the signed text brings the one blank before the number.
QString composta(int pagine)
{
    return QStringLiteral("composta di n.") + numeri::testoConSegno(pagine) + QStringLiteral(" pagine.");
}

void chiusura(const datiFrontespizio& c, int pagine)
{
    dimensioneParagrafo(12);
    testoParagrafo(fine + QStringLiteral("La presente relazione di calcolo è ") + composta(pagine) + fine);
    testoParagrafo(QStringLiteral("Si allegano: ") + c.allegati + fine.repeated(3));
    testoParagrafo(c.luogo + QStringLiteral(": ") + c.data + fine.repeated(3));
    testoParagrafo(QStringLiteral("il progettista") + fine);
    testoParagrafo(QLatin1Char('(') + nomeStudio + QLatin1Char(')'));
}

} // namespace

void allineaPerRuolo(const Tabelle& t)
{
    const auto allinea = [](int tabella, std::initializer_list<int> colonne) {
        if (tabella == 0)
            return;
        for (const int c : colonne)
            allineaColonne(tabella, c);
    };
    allinea(t.clima, {1, 3, 4});
    allinea(t.esterni, {1, 3, 4, 5});
    allinea(t.interni, {1, 3, 4, 5});
    allinea(t.trasmittanza, {2});
    allinea(t.impianti, {1, 2, 3, 4, 5, 6, 7, 8});
    allinea(t.mesi, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
    allinea(t.anni, {1, 2, 3, 4});
}

bool stampa(frontespizio& copertina)
{
    // A report refused or failed leaves the cover page's own hint line, not the
    // closing text of an earlier report.
    copertina.impostaPasso();
    const std::optional<Elaborazione> elaborazione = elaborazioneDaStampare();
    if (!elaborazione)
        return false;
    if (!avviaWord(copertina))
        return false;
    intitolaDocumento(QStringLiteral("Relazione di calcolo"));
    frontespizioDellaRelazione(copertina.dati());
    aggiungiParagrafo();

    Tabelle tabelle;
    relazioneDiCalcolo(*elaborazione);
    funzionamento();
    datiDiCalcolo(*elaborazione, tabelle);
    datiClimatici(tabelle);
    if (elaborazione->riscaldamento() && elaborazione->elementiDellaTrasmittanza)
        trasmittanza(tabelle);
    if (elaborazione->tipo == 1)
        risultatiFattibilita(tabelle);
    else
        risultatiDettagliati(tabelle);

    // The closing names the pages with its own lines, which may take a page more:
    // written with the count before them, its number is then set to the count with them.
    int pagine = contaPagine();
    chiusura(copertina.dati(), pagine);
    for (int volte = 0; volte < 3 && reportRiuscito(); ++volte) {
        const int conLaChiusura = contaPagine();
        if (conLaChiusura == pagine)
            break;
        sostituisciTesto(composta(pagine), composta(conLaChiusura));
        pagine = conLaChiusura;
    }
    giustificaTesto();
    allineaPerRuolo(tabelle);
    salvaReport(percorsoRelazione(copertina.dati().committente), QStringLiteral("La relazione non è stata salvata."));
    return chiudiStato(copertina, QStringLiteral("ho visualizzato la relazione su WORD"));
}

} // namespace relazioneTecnica
