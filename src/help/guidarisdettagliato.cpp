#include "help/guidarisdettagliato.h"

guidarisdettagliato::guidarisdettagliato()
{
    setWindowTitle(QStringLiteral("Guida in linea"));
    impostaDimensioniTwips(larghezzaGuida, altezzaGuida);
}

void guidarisdettagliato::Form_Load() { preparaFinestraAiuto(larghezzaGuida, altezzaGuida, sinistraGuida); }
