#include "platform/finestra.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <QTimer>

namespace {
bool uscitaAutomatica = false;
}

Finestra::Finestra(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* disposizione = new QVBoxLayout(this);
    disposizione->setContentsMargins(0, 0, 0, 0);
    disposizione->setSpacing(0);
    area_ = new QWidget(this);
    area_->setObjectName(QStringLiteral("qt_area"));
    area_->setMouseTracking(true);
    area_->installEventFilter(this);
    disposizione->addWidget(area_);
}

void Finestra::impostaMenuBar(QMenuBar* barra)
{
    layout()->setMenuBar(barra);
}

void Finestra::impostaDimensioniTwips(int width, int height)
{
    resize(daTwips(width), daTwips(height));
}

bool Finestra::eventFilter(QObject* oggetto, QEvent* evento)
{
    // A move over a control reaches the background too; only the background's own
    // moves are the window's.
    if (oggetto == area_ && evento->type() == QEvent::MouseMove && caricata_
        && !area_->childAt(static_cast<QMouseEvent*>(evento)->position().toPoint()))
        Form_MouseMove();
    return QWidget::eventFilter(oggetto, evento);
}

void Finestra::keyPressEvent(QKeyEvent* evento)
{
    const QString testo = evento->text();
    if (caricata_ && !testo.isEmpty())
        Form_KeyPress(testo.at(0));
    else
        QWidget::keyPressEvent(evento);
}

Finestra::~Finestra()
{
    // A window destroyed without being unloaded (by its owner, at shutdown) must not
    // stay registered as the instance of its class.
    if (dimentica_)
        dimentica_();
}

void Finestra::caricaConRegistro(std::function<void()> dimentica)
{
    dimentica_ = std::move(dimentica);
    caricata_ = true;
    Form_Load();
}

void Finestra::Show()
{
    show();
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void Finestra::Unload()
{
    if (inScaricamento_ || !caricata_)
        return;
    inScaricamento_ = true;
    Form_Unload();
    caricata_ = false;
    if (dimentica_)
        dimentica_();
    dimentica_ = nullptr;
    hide();
    deleteLater();
    modelloFinestre::verificaUscita();
}

void Finestra::posa(QWidget* controllo, int left, int top, int width, int height)
{
    controllo->setGeometry(daTwips(left), daTwips(top), daTwips(width), daTwips(height));
}

void Finestra::resizeEvent(QResizeEvent* evento)
{
    QWidget::resizeEvent(evento);
    if (caricata_)
        Form_Resize();
}

void Finestra::closeEvent(QCloseEvent* evento)
{
    // The close box unloads the window; the next reference loads it afresh.
    evento->ignore();
    Unload();
}

namespace modelloFinestre {

namespace {
// Watches top-level windows being hidden, whoever hides them.
class Sorvegliante : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        if (evento->type() == QEvent::Hide && oggetto->isWidgetType()
            && static_cast<QWidget*>(oggetto)->isWindow())
            verificaUscita();
        return false;
    }
};
} // namespace

void impostaUscitaAutomatica(bool attiva)
{
    static Sorvegliante* sorvegliante = nullptr;
    uscitaAutomatica = attiva;
    if (attiva && !sorvegliante) {
        sorvegliante = new Sorvegliante(qApp);
        qApp->installEventFilter(sorvegliante);
    }
}

void verificaUscita()
{
    if (!uscitaAutomatica)
        return;
    QTimer::singleShot(0, qApp, [] {
        if (!uscitaAutomatica)
            return;
        const auto finestre = QApplication::topLevelWidgets();
        for (const QWidget* w : finestre) {
            if (w->isVisible() && !w->testAttribute(Qt::WA_DontShowOnScreen) && w->isWindow()
                && w->windowType() != Qt::ToolTip && w->windowType() != Qt::Popup)
                return;
        }
        QApplication::quit();
    });
}

void eliminaScaricate()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace modelloFinestre
