#include "shell/corniceFinestra.h"

#include "platform/controlli.h"

FinestraLavoro::FinestraLavoro(int numero) : numero_(numero)
{
    passo = new Etichetta(area(), QStringLiteral("passo"));
}

FinestraLavoro::~FinestraLavoro() = default;

piattaforma::ColoreRGB FinestraLavoro::BackColor() const
{
    const QColor c = palette().color(QPalette::Window);
    return piattaforma::RGB(c.red(), c.green(), c.blue());
}

void FinestraLavoro::setBackColor(piattaforma::ColoreRGB colore)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(piattaforma::rossoDi(colore), piattaforma::verdeDi(colore), piattaforma::bluDi(colore)));
    setPalette(p);
    setAutoFillBackground(true);
}

void FinestraLavoro::preparaFinestra()
{
    resize_ = std::make_unique<clsResize>();
    resize_->setSourceForm(this);
    resize_->SizeFormToScreen(75);
    impostaDimensioniTwips(9600, 6825);
}

void FinestraLavoro::Form_Resize()
{
    if (resize_)
        resize_->ResizeControls();
}

void FinestraLavoro::Form_Unload() { resize_.reset(); }
