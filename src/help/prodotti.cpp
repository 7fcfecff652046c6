#include "help/prodotti.h"

prodotti::prodotti()
{
    setWindowTitle(QStringLiteral("prodotti software BRENTHAL"));
    impostaDimensioniTwips(9600, 6825);
}

void prodotti::Form_Load() { preparaFinestraAiuto(9600, 6825); }
