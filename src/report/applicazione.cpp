#include "report/documento.h"

namespace documento {

namespace {
FabbricaFinestre fabbricaFinestre;
} // namespace

void impostaFabbricaFinestre(FabbricaFinestre fabbrica) { fabbricaFinestre = std::move(fabbrica); }

std::shared_ptr<Applicazione> Applicazione::nuova() { return std::shared_ptr<Applicazione>(new Applicazione); }

void Applicazione::impostaVisibile(bool visibile)
{
    visibile_ = visibile;
    if (visibile && !finestraAperta_ && fabbricaFinestre) {
        finestraAperta_ = true;
        fabbricaFinestre(shared_from_this());
    }
}

std::shared_ptr<Documento> Applicazione::aggiungiDocumento()
{
    documenti_.push_back(std::make_shared<Documento>());
    selezione_ = {};
    emit documentoAggiunto();
    return documenti_.back();
}

std::shared_ptr<Documento> Applicazione::documento(int indice) const
{
    if (indice < 1 || indice > numeroDocumenti())
        return nullptr;
    return documenti_[std::size_t(indice - 1)];
}

std::shared_ptr<Documento> Applicazione::documentoAttivo() const
{
    return documenti_.empty() ? nullptr : documenti_.back();
}

Esito Applicazione::selezionaTutto()
{
    if (!documentoAttivo())
        return Esito::fallito(QStringLiteral("Nessun documento aperto."));
    selezione_ = {Selezione::Tutto, 0, 0};
    return Esito::riuscito();
}

Esito Applicazione::selezionaColonna(int tabella, int colonna)
{
    const auto doc = documentoAttivo();
    if (!doc)
        return Esito::fallito(QStringLiteral("Nessun documento aperto."));
    const Griglia* g = doc->griglia(tabella);
    if (!g)
        return Esito::fallito(QStringLiteral("La tabella n. %1 non esiste nel documento, che ne ha %2.").arg(tabella).arg(doc->numeroTabelle()));
    if (colonna < 1 || colonna > g->colonne)
        return Esito::fallito(QStringLiteral("La colonna %1 non esiste nella tabella n. %2, che ne ha %3.").arg(colonna).arg(tabella).arg(g->colonne));
    selezione_ = {Selezione::Colonna, tabella, colonna};
    return Esito::riuscito();
}

Esito Applicazione::allineaSelezione(Allineamento allineamento)
{
    const auto doc = documentoAttivo();
    if (!doc)
        return Esito::fallito(QStringLiteral("Nessun documento aperto."));
    switch (selezione_.tipo) {
    case Selezione::Tutto:
        doc->allineaTutto(allineamento);
        return Esito::riuscito();
    case Selezione::Colonna:
        return doc->allineaColonna(selezione_.tabella, selezione_.colonna, allineamento);
    case Selezione::Fine:
        break;
    }
    doc->ultimo().allineamento = allineamento;
    doc->modificato();
    return Esito::riuscito();
}

void Applicazione::rilasciaSelezione() { selezione_ = {}; }

} // namespace documento
