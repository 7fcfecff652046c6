#include "help/guide.h"

#include "help/sommario.h"
#include "help/testoLungo.h"
#include "platform/caratteri.h"
#include "platform/controlli.h"
#include "report/canaleWord.h"

namespace {

const QColor giallino(255, 255, 192);

// Width of the quick manual and the place of its body; the topic windows are narrower.
constexpr int larghezzaManuale = 9600;

} // namespace

FinestraGuida::FinestraGuida(testiGuida::Argomento argomento) : argomento_(argomento)
{
    setWindowTitle(QStringLiteral("Guida in linea"));
    impostaDimensioniTwips(manuale() ? larghezzaManuale : larghezzaGuida, altezzaGuida);

    cmdSommario = new Pulsante(area(), QStringLiteral("cmdSommario"), QStringLiteral("&Sommario"));
    posa(cmdSommario, 120, 120, 1215, 375);
    cmdStampa = new Pulsante(area(), QStringLiteral("cmdStampa"), QStringLiteral("S&tampa"));
    posa(cmdStampa, 1320, 120, 1215, 375);
    cmdChiudi = new Pulsante(area(), QStringLiteral("cmdChiudi"), QStringLiteral("&Chiudi"));
    posa(cmdChiudi, 2520, 120, 1215, 375);
    if (manuale()) {
        cmdSommario->setToolTip(QStringLiteral("cliccare per visualizzare il sommario della guida"));
        cmdStampa->setToolTip(QStringLiteral("cliccare per avere la copia su carta del MANUALE D'USO RAPIDO"));
        cmdChiudi->setToolTip(QStringLiteral("cliccare per chiudere la finestra"));
    }
    connect(cmdSommario, &Pulsante::Click, this, [this] { cmdSommario_Click(); });
    connect(cmdStampa, &Pulsante::Click, this, [this] { cmdstampa_Click(); });
    connect(cmdChiudi, &Pulsante::Click, this, [this] { cmdchiudi_Click(); });

    // The body fills the rest of the window; a text longer than the box scrolls.
    const int sinistra = manuale() ? 240 : 120;
    const int larghezza = manuale() ? 9015 : 5175;
    const int altezza = manuale() ? 5280 : 5295;

    Label1 = new Etichetta(area(), QStringLiteral("Label1"), testiGuida::titolo(argomento));
    Label1->setFont(caratteri::progetto(8.25, true));
    Label1->setWordWrap(false);
    Label1->setForeColor(QColor(0, 0, 255));
    Label1->setBackColor(giallino);
    // One line, as wide as its title and never wider than the body.
    const int larghezzaTitolo = int(inTwips(Label1->sizeHint().width())) + 60;
    posa(Label1, 120, 600, std::min(larghezzaTitolo, larghezza), 255);

    Label2 = new TestoLungo(area(), QStringLiteral("Label2"), giallino, false, false);
    Label2->setFont(caratteri::progetto(9.75));
    Label2->setText(testiGuida::testo(argomento));
    posa(Label2, sinistra, 960, larghezza, altezza);
}

FinestraGuida::~FinestraGuida() = default;

void FinestraGuida::Form_Load()
{
    if (manuale())
        preparaFinestraAiuto(larghezzaManuale, altezzaGuida);
    else
        preparaFinestraAiuto(larghezzaGuida, altezzaGuida, sinistraGuida);
}

void FinestraGuida::cmdSommario_Click() { mostra<sommario>(); }

void FinestraGuida::cmdstampa_Click()
{
    ModKorvel::titoloGuida = Label1->Caption();
    ModKorvel::testoGuida = Label2->Text();
    ModKorvel::stampaGuida();
}

void FinestraGuida::cmdchiudi_Click() { Unload(); }
