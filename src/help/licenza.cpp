#include "help/licenza.h"

#include "base/ModKorvel.h"
#include "help/sommario.h"
#include "help/testiGuida.h"
#include "help/testoLungo.h"
#include "platform/caratteri.h"
#include "platform/controlli.h"
#include "report/canaleWord.h"

namespace {

QFont carattereNome()
{
    QFont f(QStringLiteral("Comic Sans MS"));
    f.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"), QStringLiteral("URW Chancery L"),
                   QStringLiteral("Nimbus Sans")});
    f.setPointSizeF(12);
    f.setBold(true);
    return f;
}

} // namespace

licenza::licenza()
{
    setWindowTitle(QStringLiteral("LICENZA D'USO"));
    impostaDimensioniTwips(larghezzaGuida, altezzaGuida);

    cmdSommario = new Pulsante(area(), QStringLiteral("cmdSommario"), QStringLiteral("&Sommario"));
    cmdSommario->setToolTip(QStringLiteral("cliccare per visualizzare il sommario della guida"));
    posa(cmdSommario, 120, 120, 1215, 375);
    cmdStampa = new Pulsante(area(), QStringLiteral("cmdStampa"), QStringLiteral("S&tampa"));
    cmdStampa->setToolTip(QStringLiteral("cliccare per stampare la LICENZA D'USO"));
    posa(cmdStampa, 1320, 120, 1215, 375);
    cmdChiudi = new Pulsante(area(), QStringLiteral("cmdChiudi"), QStringLiteral("&Chiudi"));
    cmdChiudi->setToolTip(QStringLiteral("cliccare per chiudere la finestra LICENZA D'USO"));
    posa(cmdChiudi, 2520, 120, 1215, 375);
    connect(cmdSommario, &Pulsante::Click, this, [this] { cmdSommario_Click(); });
    connect(cmdStampa, &Pulsante::Click, this, [this] { cmdstampa_Click(); });
    connect(cmdChiudi, &Pulsante::Click, this, [this] { cmdchiudi_Click(); });

    Label2 = new Etichetta(area(), QStringLiteral("Label2"));
    Label2->setFont(carattereNome());
    Label2->setWordWrap(false);
    Label2->setForeColor(QColor(0, 0, 192));
    posa(Label2, 3840, 120, 1575, 375);

    Text1 = new TestoLungo(area(), QStringLiteral("Text1"), QColor(255, 255, 0), true, true);
    Text1->setFont(caratteri::progetto(8.25));
    Text1->setText(testiGuida::licenza());
    posa(Text1, 120, 1560, 5295, 4695);
}

licenza::~licenza() = default;

void licenza::Form_Load()
{
    preparaFinestraAiuto(larghezzaGuida, altezzaGuida, sinistraGuida);
    Label2->setCaption(ModKorvel::nomeProgramma);
}

void licenza::cmdSommario_Click() { mostra<sommario>(); }

void licenza::cmdchiudi_Click() { hide(); }

void licenza::cmdstampa_Click()
{
    using namespace ModKorvel;
    const QString fine(1, QChar(13));
    avviaWord();
    intitolaDocumento(QStringLiteral("LICENZA D'USO"));
    impostaCarattere(QStringLiteral("Century Gothic"));
    impostaDimensione(20);
    scriviTesto(nomeProgramma + fine);
    impostaDimensione(16);
    scriviTesto(sottotitolo + fine.repeated(3));
    impostaDimensione(12);
    scriviTesto(Text1->Text() + fine);
    giustificaTesto();
}
