#pragma once
// A user's click on the trough of a scroll bar, between the thumb and the lower
// (right) arrow: a page step, as at the windows' design sizes.
#include "platform/controlli.h"

#include <QTest>

// False when there is no trough to click there.
inline bool cliccaSottoIlCursore(BarraScorrimento& barra)
{
    const QRect pagina = barra.parte(QStyle::SC_ScrollBarAddPage);
    if (pagina.width() < 2 || pagina.height() < 2)
        return false;
    QTest::mouseClick(&barra, Qt::LeftButton, {}, pagina.center());
    return true;
}
