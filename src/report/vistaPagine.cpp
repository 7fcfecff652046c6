#include "report/vistaPagine.h"

#include "report/unita.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

namespace {
constexpr int spazio = 16; // pixels around and between the pages
const QColor sfondo(0x80, 0x80, 0x80);
const QColor evidenziatore(0x33, 0x99, 0xFF, 0x60);
using documento::dettaglio::margineTwips;
using documento::dettaglio::mmPerPollice;
using documento::dettaglio::twipsPerPollice;
constexpr int passoScorrimentoMs = 30; // a drag held past the view's edge scrolls this often

// How far a coordinate stands out of [0, lato].
int fuori(int c, int lato) { return c < 0 ? c : std::max(0, c - lato); }
} // namespace

VistaPagine::VistaPagine(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(false);
    viewport()->setCursor(Qt::ArrowCursor);
    viewport()->setMouseTracking(true); // the pointer's shape follows what it is over
    scorrimento_ = new QTimer(this);
    scorrimento_->setInterval(passoScorrimentoMs);
    connect(scorrimento_, &QTimer::timeout, this, &VistaPagine::trascinaFinoA);
}

double VistaPagine::dpi() const
{
    const QScreen* schermo = screen() ? screen() : QGuiApplication::primaryScreen();
    return schermo ? schermo->logicalDotsPerInch() : 96.0;
}

QSize VistaPagine::dimensionePagina() const
{
    const double punti = dpi() / mmPerPollice;
    return {qRound(documento::larghezzaPaginaMm * punti), qRound(documento::altezzaPaginaMm * punti)};
}

void VistaPagine::mostra(std::shared_ptr<documento::Documento> documento)
{
    const bool altro = documento != documento_;
    documento_ = std::move(documento);
    pagine_ = documento_ ? int(documento_->pagine().size()) : 0;
    // A selection outlives the document growing, not another document.
    if (altro || !documento_ || (ancora_ && std::max(ancora_->blocco, cursore_->blocco) >= int(documento_->blocchi().size()))) {
        ancora_.reset();
        cursore_.reset();
    }
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
    const double scala = risoluzione / double(twipsPerPollice);
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
        if (ancora_ && cursore_)
            for (const QRectF& r : documento_->evidenziate(i, *ancora_, *cursore_))
                pittore.fillRect(QRectF((margineTwips() + r.x()) * scala, (margineTwips() + r.y()) * scala, r.width() * scala,
                                        r.height() * scala),
                                 evidenziatore);
        pittore.restore();
    }
}

std::optional<std::pair<int, QPointF>> VistaPagine::sullaPagina(QPoint punto) const
{
    if (!documento_ || pagine_ == 0)
        return std::nullopt;
    int indice = pagine_ - 1;
    for (int i = 0; i < pagine_; ++i)
        if (punto.y() < rettangoloPagina(i).bottom() + spazio / 2) {
            indice = i;
            break;
        }
    const QRect pagina = rettangoloPagina(indice);
    const double twipsPerPixel = double(twipsPerPollice) / dpi();
    return std::pair{indice, QPointF((punto.x() - pagina.left()) * twipsPerPixel - margineTwips(),
                                     (punto.y() - pagina.top()) * twipsPerPixel - margineTwips())};
}

std::optional<documento::Posizione> VistaPagine::posizioneA(QPoint punto)
{
    const auto qui = sullaPagina(punto);
    return qui ? documento_->posizioneSulla(qui->first, qui->second) : std::nullopt;
}

void VistaPagine::seleziona(std::optional<std::pair<documento::Posizione, documento::Posizione>> tratto)
{
    if (tratto) {
        ancora_ = tratto->first;
        cursore_ = tratto->second;
    } else {
        ancora_.reset();
        cursore_.reset();
    }
    viewport()->update();
}

QPoint VistaPagine::puntoDi(documento::Posizione posizione)
{
    if (!documento_)
        return {};
    const auto dove = documento_->doveSta(posizione);
    if (!dove)
        return {};
    const QRect pagina = rettangoloPagina(dove->first);
    const double scala = dpi() / twipsPerPollice;
    return QPoint(pagina.left() + qRound((margineTwips() + dove->second.x()) * scala),
                  pagina.top() + qRound((margineTwips() + dove->second.y()) * scala));
}

QString VistaPagine::testoSelezionato() const
{
    return documento_ && ancora_ && cursore_ ? documento_->testoTra(*ancora_, *cursore_) : QString();
}

void VistaPagine::selezionaTutto()
{
    if (!documento_)
        return;
    ancora_ = documento_->inizioTesto();
    cursore_ = documento_->fineTesto();
    viewport()->update();
}

void VistaPagine::copia()
{
    const QString testo = testoSelezionato();
    if (!testo.isEmpty())
        QGuiApplication::clipboard()->setText(testo);
}

void VistaPagine::mousePressEvent(QMouseEvent* evento)
{
    if (evento->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(evento);
        return;
    }
    const QPoint punto = evento->position().toPoint();
    // A press soon after a double click, where it was, is a triple click: the line.
    if (doppioClic_.isValid() && doppioClic_.elapsed() < QApplication::doubleClickInterval()
        && (punto - puntoDoppioClic_).manhattanLength() < QApplication::startDragDistance()) {
        doppioClic_.invalidate();
        trascina_ = false;
        const auto qui = sullaPagina(punto);
        seleziona(qui ? documento_->lineaSulla(qui->first, qui->second) : std::nullopt);
        return;
    }
    const auto qui = posizioneA(punto);
    if (!qui)
        return;
    if (!(evento->modifiers() & Qt::ShiftModifier) || !ancora_)
        ancora_ = qui;
    cursore_ = qui;
    trascina_ = true;
    viewport()->update();
}

void VistaPagine::mouseMoveEvent(QMouseEvent* evento)
{
    const QPoint punto = evento->position().toPoint();
    if (!trascina_ || !(evento->buttons() & Qt::LeftButton)) {
        // An I-beam over text, as a page viewer shows it; an arrow elsewhere.
        if (evento->buttons() == Qt::NoButton) {
            const auto qui = sullaPagina(punto);
            const Qt::CursorShape forma = qui && documento_->sulTesto(qui->first, qui->second) ? Qt::IBeamCursor : Qt::ArrowCursor;
            if (viewport()->cursor().shape() != forma)
                viewport()->setCursor(forma);
        }
        return;
    }
    puntoTrascinato_ = punto;
    trascinaFinoA();
    // Held still past the edge, the pages go on scrolling.
    const bool oltre = fuori(punto.x(), viewport()->width()) != 0 || fuori(punto.y(), viewport()->height()) != 0;
    if (oltre && !scorrimento_->isActive())
        scorrimento_->start();
    else if (!oltre)
        scorrimento_->stop();
}

void VistaPagine::trascinaFinoA()
{
    if (!trascina_) {
        scorrimento_->stop();
        return;
    }
    QPoint punto = puntoTrascinato_;
    const int dx = fuori(punto.x(), viewport()->width()), dy = fuori(punto.y(), viewport()->height());
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + dx);
    verticalScrollBar()->setValue(verticalScrollBar()->value() + dy);
    punto.setX(std::clamp(punto.x(), 0, viewport()->width()));
    punto.setY(std::clamp(punto.y(), 0, viewport()->height()));
    if (const auto qui = posizioneA(punto)) {
        cursore_ = qui;
        viewport()->update();
    }
}

void VistaPagine::mouseReleaseEvent(QMouseEvent* evento)
{
    if (evento->button() == Qt::LeftButton) {
        trascina_ = false;
        scorrimento_->stop();
    }
    QAbstractScrollArea::mouseReleaseEvent(evento);
}

void VistaPagine::mouseDoubleClickEvent(QMouseEvent* evento)
{
    if (evento->button() != Qt::LeftButton || !documento_)
        return;
    trascina_ = false;
    scorrimento_->stop();
    puntoDoppioClic_ = evento->position().toPoint();
    doppioClic_.start();
    const auto qui = sullaPagina(puntoDoppioClic_);
    seleziona(qui ? documento_->parolaSulla(qui->first, qui->second) : std::nullopt);
}

void VistaPagine::keyPressEvent(QKeyEvent* evento)
{
    if (evento->matches(QKeySequence::SelectAll)) {
        selezionaTutto();
    } else if (evento->matches(QKeySequence::Copy)) {
        copia();
    } else if (evento->key() == Qt::Key_Home) {
        // Home and Ctrl+Home: the first page's top.
        verticalScrollBar()->setValue(0);
        horizontalScrollBar()->setValue(0);
    } else if (evento->key() == Qt::Key_End) {
        // End and Ctrl+End: the last page's end.
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    } else {
        QAbstractScrollArea::keyPressEvent(evento);
    }
}

void VistaPagine::contextMenuEvent(QContextMenuEvent* evento)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("menuPagine"));
    QAction* copiaVoce = menu.addAction(QStringLiteral("Copia"), this, &VistaPagine::copia);
    copiaVoce->setObjectName(QStringLiteral("copia"));
    copiaVoce->setShortcut(QKeySequence::Copy);
    copiaVoce->setEnabled(!testoSelezionato().isEmpty());
    QAction* tutto = menu.addAction(QStringLiteral("Seleziona tutto"), this, &VistaPagine::selezionaTutto);
    tutto->setObjectName(QStringLiteral("selezionaTutto"));
    tutto->setShortcut(QKeySequence::SelectAll);
    menu.exec(evento->globalPos());
}
