#pragma once
// Hit-testing inside a line of the pages, for the selection. Private to report/.
#include "report/documento.h"

namespace documento::dettaglio {

// Where position `posizione` of a line's text stands, in twips from the left edge of
// the page's text area; and the position nearest to `x`.
double xInLinea(const Linea& linea, int posizione);
int posizioneInLinea(const Linea& linea, double x);

} // namespace documento::dettaglio
