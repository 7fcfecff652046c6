#include "help/guidatabella.h"

guidatabella::guidatabella()
{
    setWindowTitle(QStringLiteral("Guida in linea"));
    impostaDimensioniTwips(larghezzaGuida, altezzaGuida);
}

void guidatabella::Form_Load() { preparaFinestraAiuto(larghezzaGuida, altezzaGuida, sinistraGuida); }
