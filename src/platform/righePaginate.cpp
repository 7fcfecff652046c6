#include "platform/righePaginate.h"

#include "platform/caratteri.h"
#include "platform/controlli.h"
#include "platform/finestra.h"

RighePaginate::RighePaginate(QWidget* genitore, int righe, int top, int passo, int altezza)
    : QObject(genitore), genitore_(genitore), righe_(righe), top_(top), passo_(passo), altezza_(altezza)
{
}

std::vector<Etichetta*> RighePaginate::colonna(const QString& nome, int left, int width, Qt::Alignment allineamento,
                                               const QColor& riposo)
{
    std::vector<Etichetta*> celle(std::size_t(righe_) + 1, nullptr);
    std::vector<QWidget*> generiche(std::size_t(righe_) + 1, nullptr);
    for (int i = 1; i <= righe_; ++i) {
        auto* e = controlli::etichetta(genitore_, QStringLiteral("%1(%2)").arg(nome).arg(i), QString(), left,
                                       top_ + passo_ * (i - 1), width, altezza_);
        e->setAlignment(allineamento | Qt::AlignVCenter);
        celle[std::size_t(i)] = e;
        generiche[std::size_t(i)] = e;
    }
    aggiungiColonna(generiche, riposo);
    return celle;
}

void RighePaginate::aggiungiColonna(const std::vector<QWidget*>& celle, const QColor& riposo)
{
    colonne_.push_back({celle, riposo});
    for (int i = 1; i <= righe_ && std::size_t(i) < celle.size(); ++i)
        if (celle[std::size_t(i)])
            modulo::coloraCella(celle[std::size_t(i)], riposo);
}

void RighePaginate::evidenziaDa(const std::vector<Etichetta*>& numeri)
{
    for (int i = 1; i <= righe_ && std::size_t(i) < numeri.size(); ++i)
        connect(numeri[std::size_t(i)], &Etichetta::MouseMove, this, [this, i] { emit sopraRiga(i); });
}

void RighePaginate::ripristinaColori()
{
    for (const Colonna& c : colonne_)
        for (int i = 1; i <= righe_ && std::size_t(i) < c.celle.size(); ++i)
            if (c.celle[std::size_t(i)])
                modulo::coloraCella(c.celle[std::size_t(i)], c.riposo);
}

void RighePaginate::evidenzia(int riga)
{
    ripristinaColori();
    if (riga < 1 || riga > righe_)
        return;
    for (const Colonna& c : colonne_)
        if (std::size_t(riga) < c.celle.size() && c.celle[std::size_t(riga)])
            modulo::coloraCella(c.celle[std::size_t(riga)], evidenziato_);
}

BarraScorrimento* RighePaginate::aggiungiBarra(const QString& nome, int left, int width, modulo::Intervallo intervallo)
{
    barra_ = new BarraScorrimento(Qt::Vertical, genitore_, nome);
    Finestra::posa(barra_, left, top_, width, passo_ * (righe_ - 1) + altezza_);
    barra_->impostaIntervallo(intervallo.min, intervallo.max, intervallo.piccolo, intervallo.grande);
    connect(barra_, &BarraScorrimento::Change, this, [this] { emit pagina(barra_->Value()); });
    return barra_;
}

int RighePaginate::primo() const { return barra_ ? barra_->Value() : 1; }
