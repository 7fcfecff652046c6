#include "help/sommario.h"

#include "base/ModKorvel.h"
#include "help/frmTip.h"
#include "help/guide.h"
#include "help/licenza.h"
#include "help/prodotti.h"
#include "help/testiGuida.h"
#include "platform/caratteri.h"
#include "platform/controlli.h"
#include "report/canaleWord.h"
#include "shell/navigazione.h"

#include <QEvent>

#include <utility>
#include <vector>

namespace {

constexpr int larghezzaSommario = 3975;

struct Riga {
    const char* caption; // UTF-8; row 14 is set at load
    int top;
};
constexpr std::array<Riga, sommario::righe + 1> righeSommario{{
    {"", 0},
    {"  Manuale d'uso rapido", 840},
    {"  Funzionamento del programma", 1080},
    {"  Archivio dei dati", 1320},
    {"  Come stampare", 1560},
    {" Finestra Menu", 2160},
    {" Finestra Dati climatici", 2400},
    {" Finestra Trasmittanza", 2640},
    {" Finestra Calcolo di fattibilità", 2880},
    {" Finestra Risultati", 3120},
    {" Finestra Calcolo dettagliato", 3360},
    {" Finestra Risultati dettagliati", 3600},
    {" Finestra Frontespizio", 3840},
    {"  Suggerimento del giorno", 4920},
    {"", 5280},
    {"  altri prodotti Software Brenthal", 5640},
}};

} // namespace

sommario::sommario()
{
    impostaDimensioniTwips(larghezzaSommario, altezzaGuida);

    Label1 = controlli::etichetta(area(), QStringLiteral("Label1"), QStringLiteral("Argomenti della guida"), 240, 120, 3495, 375);
    Label1->setFont(caratteri::progetto(9.75, true));

    for (int i = 1; i <= righe; ++i) {
        const int top = righeSommario[std::size_t(i)].top;
        Pulsante* p = new Pulsante(area(), QStringLiteral("puls(%1)").arg(i), QStringLiteral("--->"));
        p->setFont(caratteri::progetto());
        posa(p, 240, top, 375, 255);
        connect(p, &Pulsante::Click, this, [this, i] { puls_Click(i); });
        puls[std::size_t(i)] = p;

        Etichetta* e = controlli::etichetta(area(), QStringLiteral("lbl(%1)").arg(i),
                                            QString::fromUtf8(righeSommario[std::size_t(i)].caption), 720, top, 2895, 255);
        e->setWordWrap(false);
        e->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        e->setFrameShape(QFrame::Box);
        e->installEventFilter(this);
        connect(e, &Etichetta::MouseMove, this, [this, i] { lbl_MouseMove(i); });
        lbl[std::size_t(i)] = e;
    }

    cmdStampa = new Pulsante(area(), QStringLiteral("cmdStampa"), QStringLiteral("&Stampa"));
    cmdStampa->setToolTip(QStringLiteral("cliccare per avere la copia su carta del sommario"));
    posa(cmdStampa, 120, 6000, 1215, 375);
    cmdChiudi = new Pulsante(area(), QStringLiteral("cmdChiudi"), QStringLiteral("&Chiudi"));
    cmdChiudi->setToolTip(QStringLiteral("cliccare per chiudere la finestra"));
    posa(cmdChiudi, 1320, 6000, 1215, 375);
    Command1 = new Pulsante(area(), QStringLiteral("Command1"), QStringLiteral("&USCITA"));
    posa(Command1, 2520, 6000, 1215, 375);
    connect(cmdStampa, &Pulsante::Click, this, [this] { cmdstampa_Click(); });
    connect(cmdChiudi, &Pulsante::Click, this, [this] { cmdchiudi_Click(); });
    connect(Command1, &Pulsante::Click, this, [this] { Command1_Click(); });
}

sommario::~sommario() = default;

void sommario::Form_Load()
{
    preparaFinestraAiuto(larghezzaSommario, altezzaGuida);
    Command1->setToolTip(QStringLiteral("cliccare per uscire da ") + ModKorvel::nomeProgramma);
    setWindowTitle(ModKorvel::nomeProgramma + QStringLiteral(": guida in linea"));
    lbl[14]->setCaption(QStringLiteral(" Licenza d'uso di '") + ModKorvel::nomeProgramma + QStringLiteral("'"));
}

void sommario::puls_Click(int indice)
{
    switch (indice) {
    case 2: mostra<guidafunzionamento>(); break;
    case 3: mostra<guidaarchivio>(); break;
    case 4: mostra<guidastampa>(); break;
    case 5: mostra<guidamenu>(); break;
    case 6: mostra<guidatabella>(); break;
    case 7: mostra<guidatrasmitt>(); break;
    case 8: mostra<guidafattib>(); break;
    case 9: mostra<guidarisultati>(); break;
    case 10: mostra<guidadettagliato>(); break;
    case 11: mostra<guidarisdettagliato>(); break;
    case 12: mostra<guidafrontespizio>(); break;
    case 13: mostra<frmTip>(); break;
    case 14: mostra<licenza>(); break;
    case 15: mostra<prodotti>(); break;
    default: mostra<manuale>(); break;
    }
}

// A press on a caption looks like a button going down and opens its topic at once.
void sommario::lbl_Mousedown(int indice)
{
    lbl[std::size_t(indice)]->setFrameShape(QFrame::NoFrame);
    puls_Click(indice);
}

void sommario::lbl_MouseUp(int indice) { lbl[std::size_t(indice)]->setFrameShape(QFrame::Box); }

void sommario::lbl_MouseMove(int indice)
{
    togliGrassetto();
    QFont f = lbl[std::size_t(indice)]->font();
    f.setBold(true);
    lbl[std::size_t(indice)]->setFont(f);
}

void sommario::Form_MouseMove() { togliGrassetto(); }

void sommario::togliGrassetto()
{
    for (int i = 1; i <= righe; ++i) {
        QFont f = lbl[std::size_t(i)]->font();
        if (f.bold()) {
            f.setBold(false);
            lbl[std::size_t(i)]->setFont(f);
        }
    }
}

bool sommario::eventFilter(QObject* oggetto, QEvent* evento)
{
    const bool premuto = evento->type() == QEvent::MouseButtonPress;
    if (premuto || evento->type() == QEvent::MouseButtonRelease) {
        for (int i = 1; i <= righe; ++i) {
            if (oggetto != lbl[std::size_t(i)])
                continue;
            if (premuto)
                lbl_Mousedown(i);
            else
                lbl_MouseUp(i);
            return true;
        }
    }
    return FinestraAiuto::eventFilter(oggetto, evento);
}

void sommario::cmdchiudi_Click() { hide(); }

void sommario::Command1_Click() { esciProgramma(); }

void sommario::cmdstampa_Click()
{
    std::vector<std::pair<QString, QString>> guide;
    for (int n = 1; n <= testiGuida::numeroArgomenti; ++n) {
        const testiGuida::Argomento a = testiGuida::argomento(n);
        guide.emplace_back(testiGuida::titolo(a), testiGuida::testo(a));
    }
    ModKorvel::stampaGuide(guide);
}
