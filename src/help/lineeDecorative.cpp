#include "help/lineeDecorative.h"

#include "platform/finestra.h"

#include <QFrame>

namespace lineeDecorative {

void linea(QWidget* genitore, int left, int top, int width)
{
    auto* l = new QFrame(genitore);
    l->setFrameShape(QFrame::HLine);
    l->setFrameShadow(QFrame::Sunken);
    Finestra::posa(l, left, top, width, 30);
}

} // namespace lineeDecorative
