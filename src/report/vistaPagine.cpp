#include "report/vistaPagine.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>

namespace {
constexpr int spazio = 16; // pixels around and between the pages
const QColor sfondo(0x80, 0x80, 0x80);
} // namespace

VistaPagine::VistaPagine(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(false);
}

double VistaPagine::dpi() const
{
    const QScreen* schermo = screen() ? screen() : QGuiApplication::primaryScreen();
    return schermo ? schermo->logicalDotsPerInch() : 96.0;
}

QSize VistaPagine::dimensionePagina() const
{
    const double punti = dpi() / 25.4;
    return {qRound(documento::larghezzaPaginaMm * punti), qRound(documento::altezzaPaginaMm * punti)};
}

void VistaPagine::mostra(std::shared_ptr<documento::Documento> documento)
{
    documento_ = std::move(documento);
    pagine_ = documento_ ? int(documento_->pagine().size()) : 0;
    aggiornaBarre();
    viewport()->update();
}

QString VistaPagine::testo() const
{
    QStringList pagine;
    for (int i = 0; i < pagine_; ++i)
        pagine << documento_->testoPagina(i);
    return pagine.join(QLatin1Char('\n'));
}

QRect VistaPagine::rettangoloPagina(int indice) const
{
    const QSize pagina = dimensionePagina();
    const int x = std::max(spazio, (viewport()->width() - pagina.width()) / 2) - horizontalScrollBar()->value();
    const int y = spazio + indice * (pagina.height() + spazio) - verticalScrollBar()->value();
    return {QPoint(x, y), pagina};
}

void VistaPagine::aggiornaBarre()
{
    const QSize pagina = dimensionePagina();
    const QSize vista = viewport()->size();
    const int alto = spazio + pagine_ * (pagina.height() + spazio);
    const int largo = pagina.width() + 2 * spazio;
    verticalScrollBar()->setRange(0, std::max(0, alto - vista.height()));
    verticalScrollBar()->setPageStep(vista.height());
    verticalScrollBar()->setSingleStep(std::max(1, pagina.height() / 40));
    horizontalScrollBar()->setRange(0, std::max(0, largo - vista.width()));
    horizontalScrollBar()->setPageStep(vista.width());
    horizontalScrollBar()->setSingleStep(std::max(1, pagina.width() / 40));
}

void VistaPagine::resizeEvent(QResizeEvent* evento)
{
    QAbstractScrollArea::resizeEvent(evento);
    aggiornaBarre();
}

void VistaPagine::paintEvent(QPaintEvent* evento)
{
    QPainter pittore(viewport());
    pittore.fillRect(evento->rect(), sfondo);
    if (!documento_)
        return;
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.setRenderHint(QPainter::TextAntialiasing);
    const double risoluzione = dpi();
    for (int i = 0; i < pagine_; ++i) {
        const QRect pagina = rettangoloPagina(i);
        if (!pagina.intersects(evento->rect()))
            continue;
        pittore.fillRect(pagina.translated(3, 3), QColor(0x50, 0x50, 0x50));
        pittore.fillRect(pagina, Qt::white);
        pittore.save();
        pittore.setClipRect(pagina);
        pittore.translate(pagina.topLeft());
        documento_->disegnaPagina(pittore, i, risoluzione);
        pittore.restore();
    }
}
