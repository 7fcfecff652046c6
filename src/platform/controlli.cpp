#include "platform/controlli.h"

#include "platform/caratteri.h"
#include "platform/finestra.h"

#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QSignalBlocker>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <algorithm>
#include <cmath>
#include <limits>

namespace controlli {

double contrasto(const QColor& a, const QColor& b)
{
    const auto luminanza = [](const QColor& c) {
        const auto lineare = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * lineare(c.redF()) + 0.7152 * lineare(c.greenF()) + 0.0722 * lineare(c.blueF());
    };
    const double la = luminanza(a);
    const double lb = luminanza(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QString tag(const QWidget* controllo) { return controllo->property("Tag").toString(); }
void impostaTag(QWidget* controllo, const QString& tag) { controllo->setProperty("Tag", tag); }

Etichetta* etichetta(QWidget* genitore, const QString& nome, const QString& caption, int left, int top, int width,
                     int height, const QString& suggerimento)
{
    auto* e = new Etichetta(genitore, nome, caption);
    Finestra::posa(e, left, top, width, height);
    e->setFont(caratteri::progetto());
    if (!suggerimento.isEmpty())
        e->setToolTip(suggerimento);
    return e;
}

} // namespace controlli

namespace {
void nomina(QWidget* w, const QString& nome)
{
    if (!nome.isEmpty())
        w->setObjectName(nome);
}
} // namespace

// --- Etichetta ---------------------------------------------------------------

Etichetta::Etichetta(QWidget* parent, const QString& nome, const QString& caption) : QLabel(parent)
{
    nomina(this, nome);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMouseTracking(true);
    setText(caption);
}

void Etichetta::setBackColor(QColor colore)
{
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, colore);
    setPalette(p);
}

void Etichetta::setForeColor(QColor colore)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colore);
    setPalette(p);
}

void Etichetta::mousePressEvent(QMouseEvent* evento)
{
    QLabel::mousePressEvent(evento);
    if (evento->button() == Qt::LeftButton)
        emit Click();
}

void Etichetta::mouseMoveEvent(QMouseEvent* evento)
{
    QLabel::mouseMoveEvent(evento);
    emit MouseMove();
}

// --- CasellaTesto ------------------------------------------------------------

CasellaTesto::CasellaTesto(QWidget* parent, const QString& nome) : QLineEdit(parent)
{
    nomina(this, nome);
    setMouseTracking(true);
    // The toolkit cuts a line box at 32767 characters; a text box here holds whatever
    // it is given, so a long field read from a file is saved back whole.
    setMaxLength(std::numeric_limits<int>::max());
    // textChanged covers typing, pasting and setText; it is not raised for an equal text.
    connect(this, &QLineEdit::textChanged, this, [this] { emit Change(); });
}

void CasellaTesto::setText(const QString& testo)
{
    if (testo == text())
        return;
    QLineEdit::setText(testo);
}

void CasellaTesto::mouseMoveEvent(QMouseEvent* evento)
{
    QLineEdit::mouseMoveEvent(evento);
    emit MouseMove();
}

// --- Elenco ------------------------------------------------------------------

Elenco::Elenco(QWidget* parent, const QString& nome) : QComboBox(parent)
{
    nomina(this, nome);
    setMouseTracking(true);
    setEditable(false);
    connect(this, &QComboBox::currentIndexChanged, this, &Elenco::cambiato);
}

void Elenco::cambiato(int indice)
{
    if (silenzioso_)
        return;
    if (indice == ultimo_)
        return;
    ultimo_ = indice;
    emit Click();
}

template <class F>
void Elenco::senzaClick(F cambia)
{
    silenzioso_ = true;
    cambia();
    silenzioso_ = false;
    ultimo_ = currentIndex();
}

void Elenco::AddItem(const QString& voce)
{
    // The toolkit selects the first item added to an empty list; a list here keeps
    // its position (none) until it is set.
    const int prima = currentIndex();
    senzaClick([&] {
        addItem(voce);
        setCurrentIndex(prima);
    });
}

void Elenco::Clear()
{
    senzaClick([this] { clear(); });
}

void Elenco::nessunaScelta()
{
    senzaClick([this] { setCurrentIndex(-1); });
}

void Elenco::setListIndex(int indice)
{
    if (indice < -1 || indice >= count())
        indice = -1;
    setCurrentIndex(indice);
}

void Elenco::mouseMoveEvent(QMouseEvent* evento)
{
    QComboBox::mouseMoveEvent(evento);
    emit MouseMove();
}

// --- BarraScorrimento --------------------------------------------------------

namespace controlli {

DisposizioneBarra disposizioneBarra(int lunghezza, int spessore)
{
    DisposizioneBarra d;
    if (lunghezza <= 0 || spessore <= 0)
        return d;
    // A small thumb, square at most, and arrows that give way before the trough does:
    // there is always room beside the thumb for a page step, and room to drag it.
    d.cursore = std::min(lunghezza / 6, spessore);
    d.cursore = std::max(d.cursore, std::min(4, lunghezza / 3));
    d.freccia = std::min(spessore, std::max(0, (lunghezza - 3 * d.cursore) / 2));
    return d;
}

} // namespace controlli

namespace {

// The toolkit sizes a thumb by the share of the range a page covers, never below a
// minimum length; on the short bars of the windows that minimum filled the whole
// trough. Every bar here draws on one style with the fixed layout above, and pages
// on a click beside the thumb instead of jumping to the click.
class StileBarra final : public QProxyStyle {
public:
    StileBarra() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    int styleHint(StyleHint hint, const QStyleOption* opzione, const QWidget* widget,
                  QStyleHintReturn* ritorno) const override
    {
        if (hint == SH_ScrollBar_LeftClickAbsolutePosition || hint == SH_ScrollBar_Transient)
            return 0;
        return QProxyStyle::styleHint(hint, opzione, widget, ritorno);
    }

    QRect subControlRect(ComplexControl controllo, const QStyleOptionComplex* opzione, SubControl parte,
                         const QWidget* widget) const override
    {
        const auto* barra = qstyleoption_cast<const QStyleOptionSlider*>(opzione);
        if (controllo != CC_ScrollBar || !barra)
            return QProxyStyle::subControlRect(controllo, opzione, parte, widget);
        const bool orizzontale = barra->orientation == Qt::Horizontal;
        const QRect r = barra->rect;
        const int lunghezza = orizzontale ? r.width() : r.height();
        const int spessore = orizzontale ? r.height() : r.width();
        const controlli::DisposizioneBarra d = controlli::disposizioneBarra(lunghezza, spessore);
        const int solco = std::max(0, lunghezza - 2 * d.freccia);
        const int corsa = std::max(0, solco - d.cursore);
        const int cursore = d.freccia
            + sliderPositionFromValue(barra->minimum, barra->maximum, barra->sliderPosition, corsa, barra->upsideDown);
        int inizio = 0;
        int tratto = 0;
        switch (parte) {
        case SC_ScrollBarSubLine: tratto = d.freccia; break;
        case SC_ScrollBarAddLine: inizio = lunghezza - d.freccia; tratto = d.freccia; break;
        case SC_ScrollBarSubPage: inizio = d.freccia; tratto = cursore - d.freccia; break;
        case SC_ScrollBarAddPage: inizio = cursore + d.cursore; tratto = lunghezza - d.freccia - inizio; break;
        case SC_ScrollBarSlider: inizio = cursore; tratto = std::min(d.cursore, solco); break;
        case SC_ScrollBarGroove: inizio = d.freccia; tratto = solco; break;
        default: return QRect();
        }
        tratto = std::max(0, tratto);
        const QRect parteRect = orizzontale ? QRect(r.left() + inizio, r.top(), tratto, spessore)
                                            : QRect(r.left(), r.top() + inizio, spessore, tratto);
        return visualRect(barra->direction, r, parteRect);
    }

    void drawComplexControl(ComplexControl controllo, const QStyleOptionComplex* opzione, QPainter* pittore,
                            const QWidget* widget) const override
    {
        QProxyStyle::drawComplexControl(controllo, opzione, pittore, widget);
        // The bar that has the keys shows it on its thumb.
        if (controllo != CC_ScrollBar || !(opzione->state & State_HasFocus))
            return;
        const QRect cursore = subControlRect(controllo, opzione, SC_ScrollBarSlider, widget).adjusted(1, 1, -2, -2);
        if (cursore.width() < 2 || cursore.height() < 2)
            return;
        pittore->save();
        pittore->setPen(QPen(opzione->palette.color(QPalette::Highlight), 1));
        pittore->setBrush(Qt::NoBrush);
        pittore->drawRect(cursore);
        pittore->restore();
    }
};

QStyle* stileBarra()
{
    // Lives as long as the program: bars may be destroyed late.
    static QStyle* const stile = new StileBarra;
    return stile;
}

} // namespace

BarraScorrimento::BarraScorrimento(Qt::Orientation orientamento, QWidget* parent, const QString& nome)
    : QScrollBar(orientamento, parent)
{
    nomina(this, nome);
    setStyle(stileBarra());
    // Tab or a click gives the bar the keys: arrows and Page Up/Down then move it.
    // Some inputs have no other control, so the bar must be reachable from the keyboard.
    setFocusPolicy(Qt::StrongFocus);
    applicaIntervallo(min_);
    connect(this, &QAbstractSlider::valueChanged, this, [this] { emit Change(); });
}

void BarraScorrimento::applicaIntervallo(int valore)
{
    // The toolkit's range always runs from its smaller to its larger end, top (left)
    // to bottom (right); Value() reads the position through rifletti(). Keys, wheel
    // and arrows keep the toolkit's own directions.
    const QSignalBlocker blocco(this);
    const int basso = std::min(min_, max_);
    const int alto = std::max(min_, max_);
    setRange(basso, alto);
    QScrollBar::setValue(rifletti(std::clamp(valore, basso, alto)));
}

void BarraScorrimento::setMin(int valore)
{
    const int prima = Value();
    min_ = valore;
    applicaIntervallo(prima);
    if (Value() != prima)
        emit Change();
}

void BarraScorrimento::setMax(int valore)
{
    const int prima = Value();
    max_ = valore;
    applicaIntervallo(prima);
    if (Value() != prima)
        emit Change();
}

void BarraScorrimento::impostaIntervallo(int min, int max, int piccolo, int grande)
{
    setMin(min);
    setMax(max);
    setSmallChange(piccolo);
    setLargeChange(grande);
    setValue(min);
}

QRect BarraScorrimento::parte(QStyle::SubControl parte) const
{
    QStyleOptionSlider opzione;
    initStyleOption(&opzione);
    return style()->subControlRect(QStyle::CC_ScrollBar, &opzione, parte, this);
}

void BarraScorrimento::setValue(int valore)
{
    const int basso = std::min(min_, max_);
    const int alto = std::max(min_, max_);
    QScrollBar::setValue(rifletti(std::clamp(valore, basso, alto)));
}

// --- PulsanteOpzione ---------------------------------------------------------

PulsanteOpzione::PulsanteOpzione(QWidget* parent, const QString& nome, const QString& caption)
    : QRadioButton(caption, parent)
{
    nomina(this, nome);
    setMouseTracking(true);
    connect(this, &QAbstractButton::clicked, this, [this] { emit Click(); });
}

void PulsanteOpzione::setValue(bool valore)
{
    if (valore) {
        {
            const QSignalBlocker blocco(this);
            setChecked(true);
        }
        emit Click();
        return;
    }
    // The toolkit refuses to clear the checked button of an exclusive group.
    const bool esclusivo = autoExclusive();
    setAutoExclusive(false);
    {
        const QSignalBlocker blocco(this);
        setChecked(false);
    }
    setAutoExclusive(esclusivo);
}

void PulsanteOpzione::mouseMoveEvent(QMouseEvent* evento)
{
    QRadioButton::mouseMoveEvent(evento);
    emit MouseMove();
}

// --- Pulsante ----------------------------------------------------------------

Pulsante::Pulsante(QWidget* parent, const QString& nome, const QString& caption) : QPushButton(caption, parent)
{
    nomina(this, nome);
    setMouseTracking(true);
    connect(this, &QAbstractButton::clicked, this, [this] { emit Click(); });
}

void Pulsante::mouseMoveEvent(QMouseEvent* evento)
{
    QPushButton::mouseMoveEvent(evento);
    emit MouseMove();
}

// --- Cornice -----------------------------------------------------------------

Cornice::Cornice(QWidget* parent, const QString& nome, const QString& caption) : QGroupBox(caption, parent)
{
    nomina(this, nome);
}
