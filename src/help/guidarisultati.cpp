#include "help/guidarisultati.h"

guidarisultati::guidarisultati()
{
    setWindowTitle(QStringLiteral("Guida in linea"));
    impostaDimensioniTwips(larghezzaGuida, altezzaGuida);
}

void guidarisultati::Form_Load() { preparaFinestraAiuto(larghezzaGuida, altezzaGuida, sinistraGuida); }
