#include "help/informa.h"

#include "base/ModKorvel.h"

informa::informa()
{
    impostaDimensioniTwips(6975, 4020);
    setFixedSize(size());
}

void informa::Form_Load() { setWindowTitle(QStringLiteral("Informazioni su ") + ModKorvel::nomeProgramma); }
