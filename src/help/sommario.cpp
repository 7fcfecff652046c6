#include "help/sommario.h"

#include "base/ModKorvel.h"

sommario::sommario() { impostaDimensioniTwips(3975, altezzaGuida); }

void sommario::Form_Load()
{
    preparaFinestraAiuto(3975, altezzaGuida);
    setWindowTitle(ModKorvel::nomeProgramma + QStringLiteral(": guida in linea"));
}
