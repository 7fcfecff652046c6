#include "support/ambiente.h"

#include "platform/finestra.h"

#include <QApplication>

namespace ambiente {

void ripristinaFinestre()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<Finestra*>(w))
            f->Unload();
    modelloFinestre::eliminaScaricate();
    ripristinaStato();
}

} // namespace ambiente
