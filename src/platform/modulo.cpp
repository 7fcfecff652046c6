#include "platform/modulo.h"

#include "platform/caratteri.h"
#include "platform/controlli.h"
#include "platform/finestra.h"

namespace modulo {

namespace {
void posa(QWidget* w, Rettangolo r) { Finestra::posa(w, r.left, r.top, r.width, r.height); }
} // namespace

Cornice* riquadro(QWidget* genitore, const QString& nome, const QString& caption, Rettangolo posto,
                  const QString& suggerimento)
{
    auto* f = new Cornice(genitore, nome, caption);
    posa(f, posto);
    f->setFont(caratteri::progetto());
    if (!suggerimento.isEmpty())
        f->setToolTip(suggerimento);
    return f;
}

CasellaTesto* casella(QWidget* genitore, const QString& nome, Rettangolo posto)
{
    auto* c = new CasellaTesto(genitore, nome);
    posa(c, posto);
    c->setToolTip(genitore->toolTip());
    return c;
}

BarraConValore barraConValore(QWidget* genitore, Qt::Orientation verso, const QString& nomeBarra, Rettangolo barra,
                              Intervallo intervallo, const QString& nomeValore, Rettangolo valore)
{
    BarraConValore pezzo;
    pezzo.barra = new BarraScorrimento(verso, genitore, nomeBarra);
    posa(pezzo.barra, barra);
    pezzo.barra->impostaIntervallo(intervallo.min, intervallo.max, intervallo.piccolo, intervallo.grande);
    pezzo.barra->setToolTip(genitore->toolTip());
    pezzo.valore = new Etichetta(genitore, nomeValore);
    posa(pezzo.valore, valore);
    pezzo.valore->setToolTip(genitore->toolTip());
    return pezzo;
}

void impostaBarra(BarraScorrimento* barra, int valore, const std::function<void()>& gestore)
{
    if (barra->Value() == valore)
        gestore();
    else
        barra->setValue(valore);
}

std::vector<PulsanteOpzione*> opzioni(QWidget* genitore, const QString& nome, const QStringList& captions,
                                      const std::vector<Rettangolo>& posti)
{
    std::vector<PulsanteOpzione*> gruppo(1, nullptr);
    for (qsizetype i = 0; i < captions.size() && std::size_t(i) < posti.size(); ++i) {
        auto* o = new PulsanteOpzione(genitore, QStringLiteral("%1(%2)").arg(nome).arg(i + 1), captions[i]);
        posa(o, posti[std::size_t(i)]);
        o->setToolTip(genitore->toolTip());
        gruppo.push_back(o);
    }
    return gruppo;
}

int scelta(const std::vector<PulsanteOpzione*>& gruppo)
{
    for (std::size_t i = 1; i < gruppo.size(); ++i)
        if (gruppo[i] && gruppo[i]->Value())
            return int(i);
    return 0;
}

void coloraCella(QWidget* cella, const QColor& colore)
{
    if (auto* e = qobject_cast<Etichetta*>(cella)) {
        e->setBackColor(colore);
        return;
    }
    QPalette p = cella->palette();
    p.setColor(QPalette::Base, colore);
    cella->setPalette(p);
}

} // namespace modulo
