#include "help/supportoclienti.h"

#include "help/lineeDecorative.h"
#include "help/recapiti.h"
#include "platform/caratteri.h"
#include "platform/controlli.h"

supportoclienti::supportoclienti()
{
    setWindowTitle(QStringLiteral("Servizi di supporto ai clienti"));
    impostaDimensioniTwips(6975, 4020);
    setFixedSize(size());

    auto riga = [this](const char* nome, const QString& testo, int top, int altezza) {
        return controlli::etichetta(area(), QLatin1String(nome), testo, 240, top, 6495, altezza);
    };
    Label1 = riga("Label1", recapiti::servizio, 120, 315);
    Label1->setFont(caratteri::progetto(9.75, true));
    Label2 = riga("Label2", recapiti::indirizzo, 480, 255);
    Label3 = riga("Label3", recapiti::telefono + QStringLiteral("   ") + recapiti::fax, 720, 255);
    Label4 = riga("Label4", QStringLiteral("posta elettronica: ") + recapiti::postaAssistenza, 960, 255);
    Label5 = riga("Label5", QStringLiteral("sito: ") + recapiti::sitoAssistenza, 1200, 255);
    lineeDecorative::linea(area(), 240, 1560, 6495);
    Label6 = riga("Label6", recapiti::comeRichiedere, 1680, 780);
    Label7 = riga("Label7", recapiti::quando, 2520, 540);
    lineeDecorative::linea(area(), 240, 3120, 6495);

    Command1 = new Pulsante(area(), QStringLiteral("Command1"), QStringLiteral("OK"));
    posa(Command1, 5160, 3360, 1575, 495);
    connect(Command1, &Pulsante::Click, this, [this] { Command1_Click(); });
}

supportoclienti::~supportoclienti() = default;

void supportoclienti::Command1_Click() { hide(); }
