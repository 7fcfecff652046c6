#pragma once
// Pictures drawn by the program itself: the toolbar buttons, the pictures of the
// cover page's frame buttons and the title picture; and the program's icon.
#include <QIcon>
#include <QPixmap>

namespace immagini {

// Picture of toolbar button 1..21 (18, the separator, has none).
QIcon iconaBarra(int indice);

enum Pulsante { Uscita, Aiuto, Guida };
QIcon iconaPulsante(Pulsante quale);

// The title picture: a sun over a solar collector on a roof.
QPixmap immagineTitolo(QSize dimensione);

// The program's icon, from the sizes the package installs for the desktop (drawn
// from resources/icone/korvel.svg): every window shows it.
QIcon iconaProgramma();

} // namespace immagini
