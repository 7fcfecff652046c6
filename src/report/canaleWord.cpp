#include "report/canaleWord.h"

#include "platform/messaggi.h"
#include "base/ModKorvel.h"

#include <QDir>
#include <QFileInfo>

namespace ModKorvel {

namespace {

using documento::Esito;

// The running report: its hint line as it was before avviaWord, whether it has
// failed, and the kept paragraph.
struct StatoReport {
    Didascalia passo;
    QString passoPrecedente;
    bool fallito = false;
    documento::Paragrafo paragrafo;
};
StatoReport stato;

QString titoloMessaggio()
{
    return nomeProgramma.isEmpty() ? QStringLiteral("Korvel") : nomeProgramma;
}

// The first failure of a report: one message, the hint line as it was.
bool fallisciCon(const QString& messaggio)
{
    if (stato.fallito)
        return false;
    stato.fallito = true;
    if (stato.passo)
        stato.passo.scrivi(stato.passoPrecedente);
    piattaforma::msgBox(messaggio, piattaforma::vbCritical, titoloMessaggio());
    return false;
}

bool fallisci(const QString& motivo)
{
    return fallisciCon(QStringLiteral("Il documento non è stato completato.") + QChar(13) + motivo);
}

bool esito(const Esito& e) { return e ? true : fallisci(e.errore); }

// Guards of the operations: false (and nothing done) once the report has failed.
bool pronto()
{
    if (stato.fallito)
        return false;
    if (!wordApp || !wordDoc)
        return fallisci(QStringLiteral("Nessun documento è stato avviato."));
    return true;
}

std::shared_ptr<documento::Documento> documentoSelezione()
{
    auto doc = wordApp ? wordApp->documentoAttivo() : nullptr;
    return doc ? doc : wordDoc;
}

bool avvia(const Didascalia& passo)
{
    stato = StatoReport{};
    stato.passo = passo;
    if (passo) {
        stato.passoPrecedente = passo.leggi ? passo.leggi() : QString();
        passo.scrivi(QStringLiteral("sto caricando WORD"));
    }
    // A new report has no table yet: a cell written too early must not land in the
    // previous report's document.
    wordTab = documento::Tabella{};
    wordApp = documento::Applicazione::nuova();
    wordApp->impostaVisibile(true);
    wordDoc = wordApp->aggiungiDocumento();
    return true;
}

} // namespace

bool avviaWord() { return avvia(Didascalia{}); }
bool avviaWord(const Didascalia& passo) { return avvia(passo); }

bool scriviIntestazione(double a, double b, double c, int n, const QString& titolo, int m)
{
    if (!pronto())
        return false;
    const QString fine(1, QChar(13));
    bool ok = impostaCarattere(QStringLiteral("Century Gothic")) && impostaDimensione(a)
        && scriviTesto(nomeProgramma + fine) && impostaDimensione(b) && scriviTesto(sottotitolo + fine.repeated(std::max(n, 0)));
    if (ok && c != b)
        ok = impostaDimensione(c);
    ok = ok && scriviTesto(titolo + fine.repeated(std::max(m, 0)));
    if (ok)
        wordDoc->impostaTitolo(titolo);
    return ok;
}

bool impostaCarattere(const QString& nome)
{
    if (!pronto())
        return false;
    documentoSelezione()->impostaNomeCarattere(nome);
    return true;
}

bool impostaDimensione(double punti)
{
    return pronto() && esito(documentoSelezione()->impostaDimensione(punti));
}

bool impostaGrassetto(int valore)
{
    if (!pronto())
        return false;
    documentoSelezione()->impostaGrassetto(valore);
    return true;
}

bool scriviTesto(const QString& testo)
{
    if (!pronto())
        return false;
    wordApp->rilasciaSelezione();
    documentoSelezione()->scrivi(testo);
    return true;
}

bool aggiungiParagrafo()
{
    if (!pronto())
        return false;
    stato.paragrafo = wordDoc->aggiungiParagrafo();
    return true;
}

bool aggiungiParagrafo(double dimensione) { return aggiungiParagrafo() && dimensioneParagrafo(dimensione); }
bool aggiungiParagrafo(const QString& testo) { return aggiungiParagrafo() && testoParagrafo(testo); }
bool aggiungiParagrafo(double dimensione, const QString& testo)
{
    return aggiungiParagrafo() && dimensioneParagrafo(dimensione) && testoParagrafo(testo);
}

bool dimensioneParagrafo(double dimensione)
{
    if (!pronto())
        return false;
    if (!stato.paragrafo.valido())
        return fallisci(QStringLiteral("Nessun paragrafo è stato aggiunto al documento."));
    return esito(stato.paragrafo.impostaDimensione(dimensione));
}

bool testoParagrafo(const QString& testo)
{
    if (!pronto())
        return false;
    if (!stato.paragrafo.valido())
        return fallisci(QStringLiteral("Nessun paragrafo è stato aggiunto al documento."));
    return esito(stato.paragrafo.impostaTesto(testo));
}

bool aggiungiTabella(int righe, int colonne)
{
    if (!pronto())
        return false;
    Esito e;
    auto tabella = wordDoc->aggiungiTabella(righe, colonne, &e);
    if (!tabella)
        return fallisci(e.errore);
    wordTab = *tabella;
    return true;
}

bool aggiungiTabella(int righe, int colonne, double dimensione)
{
    return aggiungiTabella(righe, colonne) && esito(wordTab.impostaDimensione(dimensione));
}

bool scriviCella(int riga, int colonna, const QString& testo)
{
    if (!pronto())
        return false;
    if (!wordTab.valida())
        return fallisci(QStringLiteral("Nessuna tabella è stata aggiunta al documento."));
    return esito(wordTab.scriviCella(riga, colonna, testo));
}

bool scriviRighe(std::span<const std::pair<QString, QString>> righe)
{
    int riga = 0;
    for (const auto& [prima, seconda] : righe) {
        ++riga;
        if (!scriviCella(riga, 1, prima) || !scriviCella(riga, 2, seconda))
            return false;
    }
    return true;
}

bool formattaTabella()
{
    if (!pronto())
        return false;
    if (!wordTab.valida())
        return fallisci(QStringLiteral("Nessuna tabella è stata aggiunta al documento."));
    return esito(wordTab.formattaAutomatico(9));
}

bool allineaColonne(int tabella, int colonna)
{
    if (!pronto())
        return false;
    // The column of the report's document becomes the selection, then is aligned.
    if (wordApp->documentoAttivo() != wordDoc)
        return esito(wordDoc->allineaColonna(tabella, colonna, documento::Allineamento::Destra));
    return esito(wordApp->selezionaColonna(tabella, colonna))
        && esito(wordApp->allineaSelezione(documento::Allineamento::Destra));
}

bool allineaColonne(int tabellaDa, int tabellaA, int colonnaDa, int colonnaA)
{
    for (int k = tabellaDa; k <= tabellaA; ++k)
        for (int j = colonnaDa; j <= colonnaA; ++j)
            if (!allineaColonne(k, j))
                return false;
    return !stato.fallito;
}

bool giustificaTesto()
{
    if (!pronto())
        return false;
    const bool ok = esito(wordApp->selezionaTutto()) && esito(wordApp->allineaSelezione(documento::Allineamento::Giustificato));
    wordApp->rilasciaSelezione();
    return ok;
}

int contaPagine()
{
    if (!pronto())
        return 0;
    Esito e;
    const auto pagine = documentoSelezione()->contaPagine(&e);
    if (!pagine) {
        fallisci(e.errore);
        return 0;
    }
    return *pagine;
}

bool sostituisciTesto(const QString& testo, const QString& nuovo)
{
    return pronto() && esito(wordDoc->sostituisci(testo, nuovo));
}

namespace {
std::shared_ptr<documento::Documento> documentoDaSalvare()
{
    const auto doc = wordApp ? wordApp->documento(wordApp->numeroDocumenti()) : nullptr;
    return doc ? doc : wordDoc;
}
} // namespace

bool salvaDocumento(const QString& nomeFile)
{
    return pronto() && esito(documentoDaSalvare()->salvaDocx(nomeFile));
}

bool salvaReport(const QString& percorso, const QString& nonSalvato)
{
    if (pronto()) {
        const Esito salvato = documentoDaSalvare()->salvaDocx(percorso);
        if (salvato)
            return true;
        // The document is whole: only its file is missing.
        const QChar fine(13);
        fallisciCon(nonSalvato + fine + salvato.errore + fine
                    + QStringLiteral("Il documento resta aperto nella sua finestra senza essere salvato."));
    }
    // Not saved: the window shows an unsaved document, not one named after a file;
    // closing it asks first, and "Salva con nome" proposes the file not written.
    if (const auto doc = documentoDaSalvare())
        doc->impostaTitolo(QFileInfo(percorso).completeBaseName());
    return false;
}

bool chiudiStato(const Didascalia& passo, const QString& testo)
{
    if (stato.fallito)
        return false;
    if (passo)
        passo.scrivi(testo);
    stato.passo = Didascalia{};
    return true;
}

bool segnalaErrore(const QString& motivo) { return fallisci(motivo); }

bool reportRiuscito() { return !stato.fallito; }

bool intitolaDocumento(const QString& titolo)
{
    if (!pronto())
        return false;
    wordDoc->impostaTitolo(titolo);
    return true;
}

void dimenticaReport()
{
    stato = StatoReport{};
    wordApp.reset();
    wordDoc.reset();
    wordTab = documento::Tabella{};
    titoloGuida.clear();
    testoGuida.clear();
    documento::ripristinaNumerazione();
}

// --- Where documents go ---------------------------------------------------------

QString nomeSicuro(const QString& testo)
{
    static const QString vietati = QStringLiteral("/\\:*?\"<>|");
    QString nome;
    nome.reserve(testo.size());
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const QChar ch = testo[i];
        if (ch.isHighSurrogate() && i + 1 < testo.size() && testo[i + 1].isLowSurrogate()) {
            nome += ch;
            nome += testo[++i];
            continue;
        }
        // Line and paragraph separators break a name across lines; the bidirectional
        // embeddings, overrides and isolates make a name read otherwise than it is.
        const QChar::Direction verso = ch.direction();
        const bool controllo = ch.unicode() < 0x20 || ch.unicode() == 0x7F || ch.category() == QChar::Other_Control
            || ch.category() == QChar::Separator_Line || ch.category() == QChar::Separator_Paragraph
            || verso == QChar::DirLRE || verso == QChar::DirLRO || verso == QChar::DirRLE || verso == QChar::DirRLO
            || verso == QChar::DirPDF || verso == QChar::DirLRI || verso == QChar::DirRLI || verso == QChar::DirFSI
            || verso == QChar::DirPDI || ch.isSurrogate() || ch.unicode() >= 0xFFFE;
        nome += (controllo || vietati.contains(ch)) ? QChar(u'_') : ch;
    }
    // ".." would climb out of the folder.
    nome.replace(QStringLiteral(".."), QStringLiteral("__"));
    nome = nome.trimmed();
    // At most 100 characters and 150 bytes in UTF-8, cut between characters: with the
    // prefix, the extension and the lock file the word processor puts beside it, the
    // name stays within the 255 bytes a file system allows.
    constexpr qsizetype unitaMassime = 100;
    constexpr qsizetype byteMassimi = 150;
    qsizetype fine = 0;
    qsizetype byte = 0;
    while (fine < nome.size()) {
        const bool coppia = nome[fine].isHighSurrogate() && fine + 1 < nome.size();
        const qsizetype unita = coppia ? 2 : 1;
        const char32_t c = coppia ? QChar::surrogateToUcs4(nome[fine], nome[fine + 1]) : nome[fine].unicode();
        const qsizetype lunghezza = c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
        if (fine + unita > unitaMassime || byte + lunghezza > byteMassimi)
            break;
        fine += unita;
        byte += lunghezza;
    }
    if (fine < nome.size()) {
        nome.truncate(fine);
        nome = nome.trimmed();
    }
    return nome;
}

namespace {
QString prefisso() { return nomeProgramma.isEmpty() ? QStringLiteral("Korvel") : nomeProgramma; }
} // namespace

QString percorsoRelazione(const QString& committente)
{
    return QDir(cartellaDocumenti()).filePath(prefisso() + QStringLiteral("-RelazioneKORVEL-") + nomeSicuro(committente) + QStringLiteral(".docx"));
}

QString percorsoGuida() { return QDir(cartellaDocumenti()).filePath(prefisso() + QStringLiteral("-guida.docx")); }

// --- Help printing -----------------------------------------------------------------

void stampaGuida()
{
    const QString fine(1, QChar(13));
    avviaWord();
    intitolaDocumento(QStringLiteral("Guida: ") + titoloGuida);
    impostaCarattere(QStringLiteral("Century Gothic"));
    impostaDimensione(20);
    scriviTesto(nomeProgramma + fine);
    impostaDimensione(16);
    scriviTesto(sottotitolo + fine.repeated(3));
    scriviTesto(QStringLiteral("Guida: ") + titoloGuida + fine.repeated(2));
    impostaDimensione(12);
    scriviTesto(testoGuida + fine);
    giustificaTesto();
}

bool stampaGuide(std::span<const std::pair<QString, QString>> guide)
{
    const QString fine(1, QChar(13));
    const QString percorso = percorsoGuida();
    avviaWord();
    intitolaDocumento(QFileInfo(percorso).fileName());
    impostaCarattere(QStringLiteral("Century Gothic"));
    impostaDimensione(20);
    scriviTesto(nomeProgramma + fine);
    impostaDimensione(16);
    scriviTesto(sottotitolo + fine.repeated(3));
    for (std::size_t i = 0; i < guide.size(); ++i) {
        // No size before a heading: the first one stays at the subtitle's 16 points,
        // the others follow the previous body's 12.
        scriviTesto(QStringLiteral("Guida: ") + guide[i].first + fine.repeated(2));
        impostaDimensione(12);
        scriviTesto(guide[i].second + fine + (i + 1 < guide.size() ? QString(1, QChar(12)) : QString()));
    }
    giustificaTesto();
    return salvaReport(percorso, QStringLiteral("La guida non è stata salvata."));
}

} // namespace ModKorvel
