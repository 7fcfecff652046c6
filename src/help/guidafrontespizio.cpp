#include "help/guidafrontespizio.h"

guidafrontespizio::guidafrontespizio()
{
    setWindowTitle(QStringLiteral("Guida in linea"));
    impostaDimensioniTwips(larghezzaGuida, altezzaGuida);
}

void guidafrontespizio::Form_Load() { preparaFinestraAiuto(larghezzaGuida, altezzaGuida, sinistraGuida); }
