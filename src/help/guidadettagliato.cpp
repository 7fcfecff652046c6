#include "help/guidadettagliato.h"

guidadettagliato::guidadettagliato()
{
    setWindowTitle(QStringLiteral("Guida in linea"));
    impostaDimensioniTwips(larghezzaGuida, altezzaGuida);
}

void guidadettagliato::Form_Load() { preparaFinestraAiuto(larghezzaGuida, altezzaGuida, sinistraGuida); }
