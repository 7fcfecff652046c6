#include "help/manuale.h"

manuale::manuale()
{
    setWindowTitle(QStringLiteral("Guida in linea"));
    impostaDimensioniTwips(9600, altezzaGuida);
}

void manuale::Form_Load() { preparaFinestraAiuto(9600, altezzaGuida); }
