#include "shell/menu.h"

#include "platform/controlli.h"
#include "platform/messaggi.h"
#include "base/ModKorvel.h"
#include "shell/navigazione.h"
#include "shell/profiliFinestre.h"

#include <QMouseEvent>
#include <QStatusBar>

menu::menu()
{
    setWindowTitle(profiliFinestre::profilo(1).caption);
    impostaDimensioniTwips(9600, 6825);

    QFont titolo = font();
    titolo.setPointSizeF(13.5);
    titolo.setBold(true);
    QFont voce = font();
    voce.setPointSizeF(9.75);
    voce.setBold(true);

    Label61 = new Etichetta(area(), QStringLiteral("Label61"), QStringLiteral("Tipologia di elaborazione"));
    Label61->setFont(titolo);
    posa(Label61, 480, 360, 4800, 420);
    Label71 = new Etichetta(area(), QStringLiteral("Label71"), QStringLiteral(" il programma..."));
    Label71->setFont(titolo);
    posa(Label71, 5280, 360, 3840, 420);
    Lb = new Etichetta(area(), QStringLiteral("Lb"), QStringLiteral("Cliccare sulla tipologia prescelta"));
    Lb->setForeColor(QColor(0, 0, 160));
    posa(Lb, 480, 960, 4800, 300);

    std::array<Etichetta*, 5> descrizioni{};
    for (int i = 1; i <= 4; ++i) {
        const int top = 1560 + (i - 1) * 840;
        Option1[size_t(i)] = new PulsanteOpzione(area(), QStringLiteral("Option1(%1)").arg(i));
        Option1[size_t(i)]->setFont(voce);
        // The options act as buttons: each is cleared right after its click.
        Option1[size_t(i)]->setAutoExclusive(false);
        posa(Option1[size_t(i)], 480, top, 3600, 420);
        descrizioni[size_t(i)] = new Etichetta(area(), QStringLiteral("Label%1").arg(i));
        descrizioni[size_t(i)]->setWordWrap(true);
        posa(descrizioni[size_t(i)], 4200, top - 60, 4920, 540);
        connect(Option1[size_t(i)], &PulsanteOpzione::Click, this, [this, i] { Option1_Click(i); });
        connect(Option1[size_t(i)], &PulsanteOpzione::MouseMove, this, [this, i] { option1_MouseMove(i); });
    }
    Label1 = descrizioni[1];
    Label2 = descrizioni[2];
    Label3 = descrizioni[3];
    Label4 = descrizioni[4];

    aiuto = new Pulsante(area(), QStringLiteral("aiuto"), QStringLiteral("&AIUTO"));
    aiuto->setToolTip(QStringLiteral("cliccare per avere informazioni sull'uso della finestra"));
    posa(aiuto, 480, 5520, 1455, 375);
    guida = new Pulsante(area(), QStringLiteral("guida"), QStringLiteral("&Guida in linea"));
    guida->setToolTip(QStringLiteral("cliccare per visualizzare gli Argomenti della guida"));
    posa(guida, 2100, 5520, 1455, 375);
    cmdesci = new Pulsante(area(), QStringLiteral("cmdesci"), QStringLiteral("&USCITA"));
    cmdesci->setToolTip(QStringLiteral("cliccare per uscire da Korvel"));
    posa(cmdesci, 7665, 5520, 1455, 375);
    connect(aiuto, &Pulsante::Click, this, [this] { aiuto_Click(); });
    connect(guida, &Pulsante::Click, this, [this] { guida_Click(); });
    connect(cmdesci, &Pulsante::Click, this, [this] { cmdesci_Click(); });

    StatusBar1 = new QStatusBar(area());
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->showMessage(QStringLiteral("Menu di scelta."));
    posa(StatusBar1, 0, 6480, 9600, 345);
    controlli::impostaTag(StatusBar1, QStringLiteral("@T,W"));
}

menu::~menu() = default;

QString menu::testoStato() const { return StatusBar1->currentMessage(); }

void menu::Form_Load()
{
    resize_ = std::make_unique<clsResize>();
    resize_->setSourceForm(this);
    resize_->SizeFormToScreen(75);
    impostaDimensioniTwips(9600, 6825);
    resize_->ResizeControls();

    Option1[1]->setCaption(QStringLiteral("Tabella dati climatici"));
    Option1[2]->setCaption(QStringLiteral("Calcolo della trasmittanza"));
    Option1[3]->setCaption(QStringLiteral("Calcolo di fattibilità"));
    Option1[4]->setCaption(QStringLiteral("Calcolo dettagliato"));
    Label1->setCaption(QStringLiteral("...") + QStringLiteral(" visualizza i dati climatici delle località archiviate"));
    Label2->setCaption(QStringLiteral("...") + QStringLiteral(" effettua il calcolo della trasmittanza complessiva dell'edificio"));
    Label3->setCaption(QStringLiteral("...") + QStringLiteral(" effettua il calcolo di fattibilità dell'impianto: semplice e rapido"));
    Label4->setCaption(QStringLiteral("...") + QStringLiteral(" effettua il calcolo dettagliato dell'impianto con analisi economica"));
}

void menu::Option1_Click(int indice)
{
    // Options 1..4: the climate table, the transmittance, the feasibility and the
    // detailed calculation.
    static constexpr int finestre[] = {0, 2, 3, 4, 6};
    if (indice >= 1 && indice <= 4)
        mostraFinestraNumero(finestre[indice]);
    // The window just shown may have unloaded the menu (its load can run the exit).
    if (Unica<menu>::seCaricata() == this && indice >= 1 && indice <= 4)
        Option1[size_t(indice)]->setValue(false);
}

void menu::option1_MouseMove(int indice)
{
    static const char* const testi[] = {
        nullptr,
        "Apre una finestra che visualizza la tabella dei dati climatici.",
        "Attiva il calcolo della trasmittanza complessiva dell'edificio.",
        "Attiva il calcolo rapido di fattibilità di un impianto.",
        "Attiva il calcolo dettagliato di un impianto solare con analisi economica.",
    };
    if (indice >= 1 && indice <= 4)
        StatusBar1->showMessage(QString::fromUtf8(testi[indice]));
}

void menu::Form_MouseMove()
{
    StatusBar1->showMessage(QStringLiteral("Elenca le tipologie di calcolo presenti nel programma."));
}

void menu::aiuto_Click()
{
    piattaforma::msgBox(QStringLiteral("- Scegliere la tipologia di elaborazione che si intende avviare cliccandoci sopra;")
                            + QChar(13)
                            + QStringLiteral("- visualizzare le informazioni nella barra di stato muovendosi con il mouse."),
                        piattaforma::vbInformation, ModKorvel::titoloAiuto);
}

void menu::guida_Click() { profiliFinestre::destinazioni().sommario(); }

void menu::cmdesci_Click() { esciProgramma(); }

void menu::Form_Resize()
{
    if (resize_)
        resize_->ResizeControls();
}

void menu::Form_Unload() { resize_.reset(); }
