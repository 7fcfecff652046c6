#include "help/licenza.h"

licenza::licenza()
{
    setWindowTitle(QStringLiteral("LICENZA D'USO"));
    impostaDimensioniTwips(larghezzaGuida, altezzaGuida);
}

void licenza::Form_Load() { preparaFinestraAiuto(larghezzaGuida, altezzaGuida, sinistraGuida); }
