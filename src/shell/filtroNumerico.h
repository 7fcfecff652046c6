#pragma once
// The numeric filter applied to a typed box, as every number box of the program
// uses it: the box's text goes through controllaNumero (with its warnings, or with a
// silent comma) and the kept text is written back, the cursor staying behind the
// characters that were kept before it. Writing the text back runs the box's Change
// once more, which then finds nothing to drop.
class CasellaTesto;
class QString;

namespace filtroNumerico {

// True when the filter changed the box's text.
bool filtra(CasellaTesto* casella, bool virgolaSilenziosa = false);

// Whether a text is one the filter leaves as it stands (digits and points only), as
// a number box read back from a data file must be.
bool testoFiltrato(const QString& testo);

} // namespace filtroNumerico
