#include "shell/filtroNumerico.h"

#include "base/ModKorvel.h"
#include "platform/controlli.h"

namespace filtroNumerico {

namespace {
// Characters the numeric filter keeps (a comma becomes a point).
bool tenutoDalFiltro(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.') || c == QLatin1Char(',');
}
} // namespace

bool filtra(CasellaTesto* c, bool virgolaSilenziosa)
{
    ModKorvel::datoImmesso = c->Text();
    ModKorvel::virgolaSilenziosa = virgolaSilenziosa ? 1 : 0;
    ModKorvel::controllaNumero();
    ModKorvel::virgolaSilenziosa = 0;
    if (ModKorvel::datoControllato == c->Text())
        return false;
    int cursore = 0;
    for (QChar ch : c->Text().left(c->cursorPosition()))
        if (tenutoDalFiltro(ch))
            ++cursore;
    c->setText(ModKorvel::datoControllato); // runs the box's Change once more
    c->setCursorPosition(cursore);
    return true;
}

bool testoFiltrato(const QString& testo)
{
    for (QChar c : testo)
        if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.')))
            return false;
    return true;
}

} // namespace filtroNumerico
