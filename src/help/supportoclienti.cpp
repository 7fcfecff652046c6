#include "help/supportoclienti.h"

supportoclienti::supportoclienti()
{
    setWindowTitle(QStringLiteral("Servizi di supporto ai clienti"));
    impostaDimensioniTwips(6975, 4020);
    setFixedSize(size());
}

void supportoclienti::Form_Load() {}
