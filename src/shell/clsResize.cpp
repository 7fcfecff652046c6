#include "shell/clsResize.h"

#include "platform/controlli.h"
#include "platform/finestra.h"
#include "platform/ridisegno.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <cmath>

namespace {

QSize schermoImpostato;

// A hidden window hears of its new size only when shown; its layout (menu bar and
// client area) is brought up to date here so that the area's size is the real one.
void aggiornaDisposizione(Finestra* finestra)
{
    QLayout* disposizione = finestra->layout();
    if (!disposizione)
        return;
    disposizione->activate();
    QRect resto = finestra->rect();
    if (QWidget* barra = disposizione->menuBar()) {
        int altezza = barra->heightForWidth(resto.width());
        if (altezza < 0)
            altezza = barra->sizeHint().height();
        barra->setGeometry(resto.left(), resto.top(), resto.width(), altezza);
        resto.setTop(resto.top() + altezza);
    }
    disposizione->setGeometry(resto);
}

// The controls of a window: named descendants of its client area, in creation
// order. The toolkit's own children (unnamed or "qt_...") are left alone.
QList<QWidget*> controlliDi(Finestra* finestra)
{
    QList<QWidget*> elenco;
    const auto figli = finestra->area()->findChildren<QWidget*>();
    for (QWidget* w : figli) {
        const QString nome = w->objectName();
        if (!nome.isEmpty() && !nome.startsWith(QLatin1String("qt_")))
            elenco << w;
    }
    return elenco;
}

int arrotonda(double valore) { return int(std::lround(valore)); }

} // namespace

clsResize::clsResize() = default;

clsResize::~clsResize()
{
    // Class_Terminate: the records go with the helper.
    controlli_.clear();
    sourceForm_ = nullptr;
}

Finestra* clsResize::SourceForm() const { return sourceForm_; }
void clsResize::setSourceForm(Finestra* finestra) { sourceForm_ = finestra; }

void clsResize::ReInitialise() { GetInitialPositions(); }

void clsResize::impostaSchermo(QSize twips) { schermoImpostato = twips; }

QSize clsResize::schermo()
{
    if (schermoImpostato.isValid())
        return schermoImpostato;
    const QScreen* primo = QGuiApplication::primaryScreen();
    if (!primo)
        return QSize(15360, 11520);
    const QSize pixel = primo->size();
    return QSize(int(inTwips(pixel.width())), int(inTwips(pixel.height())));
}

void clsResize::GetInitialPositions()
{
    controlli_.clear();
    scalaLarghezza_ = 0;
    scalaAltezza_ = 0;
    if (!sourceForm_) {
        nonRegistrato_ = false;
        return;
    }
    aggiornaDisposizione(sourceForm_);
    const QSize scala = sourceForm_->area()->size();
    scalaLarghezza_ = arrotonda(inTwips(scala.width()));
    scalaAltezza_ = arrotonda(inTwips(scala.height()));
    for (QWidget* w : controlliDi(sourceForm_)) {
        const QRect g = w->geometry();
        controlli_.append(Registrazione{w, arrotonda(inTwips(g.x())), arrotonda(inTwips(g.y())),
                                        arrotonda(inTwips(g.width())), arrotonda(inTwips(g.height()))});
    }
    nonRegistrato_ = false;
}

bool clsResize::nuoviControlli(const QList<QWidget*>& presenti) const
{
    if (presenti.size() != controlli_.size())
        return true;
    for (qsizetype i = 0; i < presenti.size(); ++i)
        if (controlli_[i].controllo != presenti[i])
            return true;
    return false;
}

void clsResize::SizeFormToScreen(unsigned char percent)
{
    if (nonRegistrato_)
        GetInitialPositions();
    if (!sourceForm_)
        return;
    const QSize s = schermo();
    const int h = int(std::floor(double(percent) / 100.0 * s.height()));
    const int w = int(std::floor(double(percent) / 100.0 * s.width()));
    const double top = (s.height() - h) / 2.0;
    const double left = (s.width() - w) / 2.0;
    sourceForm_->move(daTwips(left), daTwips(top));
    sourceForm_->resize(daTwips(w), daTwips(h));
    ResizeControls();
}

void clsResize::ResizeControls()
{
    if (!sourceForm_)
        return;
    const QList<QWidget*> presenti = controlliDi(sourceForm_);
    if (presenti.isEmpty())
        return;
    if (sourceForm_->isMinimized())
        return;
    if (nonRegistrato_) {
        GetInitialPositions();
        return;
    }
    // A layout recorded while the window had no size cannot be scaled from:
    // record the present one instead.
    if (scalaLarghezza_ <= 0 || scalaAltezza_ <= 0) {
        GetInitialPositions();
        return;
    }

    aggiornaDisposizione(sourceForm_);
    const QSize scala = sourceForm_->area()->size();
    const int larghezza = arrotonda(inTwips(scala.width()));
    const int altezza = arrotonda(inTwips(scala.height()));
    // Controls added after the recording (a window may build some in its load) join
    // the records the next time the window stands at its recorded size.
    if (larghezza == scalaLarghezza_ && altezza == scalaAltezza_ && nuoviControlli(presenti)) {
        GetInitialPositions();
        return;
    }
    const double yr = inTwips(scala.height()) / scalaAltezza_;
    const double xr = inTwips(scala.width()) / scalaLarghezza_;

    // The window repaints once, after every control has moved.
    const piattaforma::BloccoRidisegno blocco(sourceForm_);
    for (const Registrazione& r : std::as_const(controlli_)) {
        QWidget* w = r.controllo;
        if (!w)
            continue; // a control deleted since the recording is passed over
        QString ancora = controlli::tag(w).toUpper();
        if (ancora.isEmpty() || !ancora.startsWith(QLatin1Char('@')))
            ancora = QStringLiteral("@L,T,W,H");
        QRect g = w->geometry();
        if (ancora.contains(QLatin1Char('L')))
            g.moveLeft(daTwips(r.left * xr));
        if (ancora.contains(QLatin1Char('T')))
            g.moveTop(daTwips(r.top * yr));
        if (ancora.contains(QLatin1Char('W')))
            g.setWidth(daTwips(r.width * xr));
        if (ancora.contains(QLatin1Char('H')))
            g.setHeight(daTwips(r.height * yr));
        w->setGeometry(g);
    }
}
