// The working windows' frame: menus, Window menu and guide question, toolbar,
// background colour, deletion and quick help.
#include "climate/tabella.h"
#include "cover/frontespizio.h"
#include "detailed/dettagliato.h"
#include "detailed/risdettagliato.h"
#include "feasibility/fattib.h"
#include "feasibility/risultati.h"
#include "help/frmTip.h"
#include "help/guide.h"
#include "help/informa.h"
#include "help/sommario.h"
#include "help/supportoclienti.h"
#include "platform/controlli.h"
#include "base/ModKorvel.h"
#include "shell/corniceFinestra.h"
#include "shell/menu.h"
#include "support/ambiente.h"
#include "support/doppi.h"
#include "transmittance/trasmitt.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <functional>
#include <gtest/gtest.h>

using piattaforma::RGB;

namespace {

FinestraLavoro& lavoro(int k) { return finestraLavoro(k); }

bool caricata(int k)
{
    switch (k) {
    case 1: return Unica<menu>::caricata();
    case 2: return Unica<tabella>::caricata();
    case 3: return Unica<trasmitt>::caricata();
    case 4: return Unica<fattib>::caricata();
    case 5: return Unica<risultati>::caricata();
    case 6: return Unica<dettagliato>::caricata();
    case 7: return Unica<risdettagliato>::caricata();
    default: return Unica<frontespizio>::caricata();
    }
}

// The guide window of K, when loaded.
Finestra* guida(int k)
{
    switch (k) {
    case 2: return Unica<guidatabella>::seCaricata();
    case 3: return Unica<guidatrasmitt>::seCaricata();
    case 4: return Unica<guidafattib>::seCaricata();
    case 5: return Unica<guidarisultati>::seCaricata();
    case 6: return Unica<guidadettagliato>::seCaricata();
    case 7: return Unica<guidarisdettagliato>::seCaricata();
    default: return Unica<guidafrontespizio>::seCaricata();
    }
}

QStringList nomiVoci(const QMenu* menu)
{
    QStringList nomi;
    for (const QAction* a : menu->actions())
        nomi << (a->isSeparator() ? QStringLiteral("-") : a->objectName().isEmpty() ? a->menu()->objectName() : a->objectName());
    return nomi;
}

// A window of the frame that records which of its operations ran.
class Spia : public FinestraLavoro {
public:
    explicit Spia(int k) : FinestraLavoro(k) {}
    QStringList chiamate;
    void apri_Click() override { chiamate << QStringLiteral("apri"); }
    void salva_Click() override { chiamate << QStringLiteral("salva"); }
    void salvanome_Click() override { chiamate << QStringLiteral("salvanome"); }
    void stampa_Click() override { chiamate << QStringLiteral("stampa"); }
    void controlla_Click() override { chiamate << QStringLiteral("controlla"); }
    void cancella_click() override { chiamate << QStringLiteral("cancella"); }
    void stampatutte_click() override { chiamate << QStringLiteral("stampatutte"); }
    void solodati_Click() override { chiamate << QStringLiteral("solodati"); }
};

struct Cornice : ::testing::Test {
    Cornice() { ModKorvel::inizializzaDati(); }
    ~Cornice() override { ambiente::ripristinaFinestre(); }
    doppi::Messaggi messaggi;
    doppi::Dialoghi dialoghi;
};

TEST_F(Cornice, EveryWorkingWindowHasItsOwnCaption)
{
    const char* didascalie[] = {
        "", "",
        "Korvel: tabella dei dati climatici",
        "Korvel: calcolo della trasmittanza complessiva dell'edificio",
        "Korvel: calcolo di fattibilità di un impianto a pannelli solari",
        "Korvel: risultati del calcolo di fattibilità di un impianto a pannelli solari",
        "Korvel: calcolo dettagliato di un impianto a pannelli solari",
        "Korvel: risultati del calcolo dettagliato di un impianto a pannelli solari",
        "Korvel: frontespizio per la relazione",
    };
    for (int k = 2; k <= 8; ++k)
        EXPECT_EQ(lavoro(k).windowTitle(), QString::fromUtf8(didascalie[k])) << "window " << k;
}

TEST_F(Cornice, MenuBarOfEveryWindowWithItsOwnNames)
{
    const QStringList fileComune{"apri", "-", "salva", "salvanome", "-", "eliminare", "-", "stampa", "-", "usci"};
    for (int k = 2; k <= 8; ++k) {
        SCOPED_TRACE(k);
        FinestraLavoro& f = lavoro(k);
        const QList<QAction*> menu = f.barraMenu()->actions();
        ASSERT_EQ(menu.size(), 4);
        QStringList titoli;
        for (QAction* a : menu)
            titoli << a->text();
        EXPECT_EQ(titoli, (QStringList{"&File", "&Modifica", "&Visualizza", "&?"}));

        QStringList file = nomiVoci(menu[0]->menu());
        if (k == 2)
            EXPECT_EQ(file, (QStringList{"apri", "-", "salva", "salvanome", "-", "eliminare", "-", "stamp", "-", "usci"}));
        else if (k == 8)
            EXPECT_EQ(file, (QStringList{"apri", "-", "salva", "salvanome", "-", "eliminare", "-", "stamp", "-", "esci"}));
        else
            EXPECT_EQ(file, fileComune);

        const QString colore = (k == 5 || k == 7) ? "colora" : "colorare";
        const QString controllo = k == 8 ? "controllodat" : "controlla";
        EXPECT_EQ(nomiVoci(menu[1]->menu()), (QStringList{colore, "-", controllo, "-", "cancella"}));
        EXPECT_EQ(menu[1]->menu()->objectName(), k == 8 ? "modi" : "modif");
        EXPECT_EQ(nomiVoci(menu[3]->menu()),
                  (QStringList{"guida", k == 8 ? "sugger" : "suggerimenti", "-", "supporto", "-", "informazioni"}));
        EXPECT_EQ(menu[3]->menu()->objectName(), k == 8 ? "help" : "inter");
        EXPECT_EQ(f.voce("finestra")->text(), QStringLiteral("Fi&nestra n.%1 di 8").arg(k));
        EXPECT_EQ(f.voce("usci") ? f.voce("usci")->text() : f.voce("esci")->text(), "Es&ci");
    }
    EXPECT_EQ(finestra<tabella>().voce("stampa")->text(), "dati della località &visualizzata");
    EXPECT_EQ(finestra<tabella>().voce("stampatutte")->text(), "dati di tutte le località &preimpostate");
    EXPECT_EQ(finestra<frontespizio>().voce("solodati")->text(), "&solo dati finestra");
    EXPECT_EQ(finestra<frontespizio>().voce("stampatutto")->text(), "&intera elaborazione");
    EXPECT_EQ(finestra<fattib>().voce("stampa")->text(), "S&tampa dati finestra");
}

TEST_F(Cornice, WindowMenuCaptionsSeparatorsAndCheckMark)
{
    const QStringList comuni{"Finestra Menu", "-", "Finestra Dati climatici", "Finestra Trasmittanza", "-",
                             "Finestra Calcolo di fattibilità", "Finestra Risultati", "-",
                             "Finestra Calcolo dettagliato", "Finestra Risultati dettagliati", "-",
                             "Finestra Frontespizio"};
    for (int k = 2; k <= 8; ++k) {
        SCOPED_TRACE(k);
        FinestraLavoro& f = lavoro(k);
        QStringList testi;
        const QMenu* visu = f.barraMenu()->actions()[2]->menu();
        for (const QAction* a : visu->actions())
            testi << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QStringList attesi = comuni;
        if (k == 5 || k == 7)
            attesi[5] = "finestra Calcolo di fattibilità";
        if (k == 6)
            attesi[8] = "Finestra  Calcolo dettagliato";
        EXPECT_EQ(testi, attesi);
        for (int j = 1; j <= 8; ++j) {
            const QAction* voce = f.voce(QStringLiteral("fin%1").arg(j));
            EXPECT_EQ(voce->data().toInt(), j);
            EXPECT_EQ(voce->isChecked(), j == k);
        }
    }
}

TEST_F(Cornice, DisabledEntriesAndButtonsPerWindow)
{
    const QStringList tutte{"apri", "salva", "salvanome", "eliminare", "controlla", "cancella"};
    for (int k = 2; k <= 8; ++k) {
        SCOPED_TRACE(k);
        FinestraLavoro& f = lavoro(k);
        QStringList spente;
        for (const QString& nome : tutte)
            if (f.voce(nome) && !f.voce(nome)->isEnabled())
                spente << nome;
        QList<int> pulsantiSpenti;
        for (int i = 1; i <= 21; ++i)
            if (!f.pulsanteBarra(i)->isEnabled())
                pulsantiSpenti << i;
        if (k == 2) {
            EXPECT_EQ(spente, (QStringList{"apri", "salva", "salvanome", "controlla", "cancella"}));
            EXPECT_EQ(pulsantiSpenti, (QList<int>{1, 2, 3, 19, 20}));
        } else if (k == 5 || k == 7) {
            EXPECT_EQ(spente, QStringList{"cancella"});
            EXPECT_EQ(pulsantiSpenti, QList<int>{20});
        } else {
            EXPECT_TRUE(spente.isEmpty()) << spente.join(',').toStdString();
            EXPECT_TRUE(pulsantiSpenti.isEmpty());
        }
    }
}

TEST_F(Cornice, ToolbarButtonsAndTooltips)
{
    FinestraLavoro& f = finestra<trasmitt>();
    EXPECT_EQ(f.Toolbar1->objectName(), "Toolbar1");
    EXPECT_TRUE(f.pulsanteBarra(18)->isSeparator());
    EXPECT_EQ(f.pulsanteBarra(0), nullptr);
    EXPECT_EQ(f.pulsanteBarra(22), nullptr);
    EXPECT_EQ(f.pulsanteBarra(1)->data().toString(), "apri");
    EXPECT_EQ(f.pulsanteBarra(3)->data().toString(), "eliminare");
    EXPECT_EQ(f.pulsanteBarra(4)->toolTip(), "stampa dati finestra");
    EXPECT_EQ(f.pulsanteBarra(10)->toolTip(), "visualizza finestra 'Calcolo dettagliato'");
    EXPECT_EQ(f.pulsanteBarra(11)->toolTip(), "visualizza finestra 'Risultati dettagliati'");
    EXPECT_EQ(f.pulsanteBarra(21)->toolTip(), "uscita da Korvel");
    for (int i = 1; i <= 21; ++i) {
        if (i != 18) {
            EXPECT_FALSE(f.pulsanteBarra(i)->icon().isNull()) << i;
        }
    }
    EXPECT_EQ(finestra<frontespizio>().pulsanteBarra(4)->toolTip(), "stampa intera relazione");
}

TEST_F(Cornice, FrameButtonsPerWindow)
{
    FinestraLavoro& t = finestra<tabella>();
    EXPECT_EQ(t.esco->objectName(), "esco");
    EXPECT_EQ(t.esco->text(), "&USCITA");
    EXPECT_EQ(t.esco->toolTip(), "cliccare per uscire da Korvel");
    EXPECT_EQ(t.aiuto->toolTip(), "cliccare per visualizzare l'aiuto in linea");
    EXPECT_EQ(t.guidainlinea->toolTip(), "cliccare per visualizzare il Sommario della guida");
    ASSERT_NE(t.men, nullptr);
    EXPECT_EQ(t.men->text(), "M&enu");
    EXPECT_EQ(t.men->toolTip(), "cliccare per visualizzare la finestra Menu");
    EXPECT_NE(finestra<trasmitt>().men, nullptr);
    EXPECT_EQ(finestra<fattib>().men, nullptr);
    EXPECT_EQ(finestra<fattib>().guidainlinea->toolTip(), "cliccare per visualizzare gli Argomenti della guida");
    EXPECT_EQ(finestra<dettagliato>().guidainlinea->toolTip(), "cliccare per visualizzare gli Argomenti della guida");

    FinestraLavoro& fr = finestra<frontespizio>();
    EXPECT_EQ(fr.esco->objectName(), "cmdesci");
    EXPECT_EQ(fr.esco->text(), "US&CITA");
    EXPECT_FALSE(fr.esco->icon().isNull());
    EXPECT_FALSE(fr.aiuto->icon().isNull());
    EXPECT_TRUE(fr.aiuto->toolTip().isEmpty());

    // The men button shows the main menu.
    t.men->click();
    ASSERT_TRUE(Unica<menu>::caricata());
    EXPECT_TRUE(finestra<menu>().isVisible());
}

TEST_F(Cornice, OwnEntryAndButtonAskTheGuideQuestionForEveryWindow)
{
    for (int k = 2; k <= 8; ++k) {
        SCOPED_TRACE(k);
        FinestraLavoro& f = lavoro(k);
        messaggi.azzera();
        messaggi.rispondi(piattaforma::vbNo);
        f.voce(QStringLiteral("fin%1").arg(k))->trigger();
        ASSERT_EQ(messaggi.mostrati.size(), 1);
        EXPECT_EQ(messaggi.mostrati[0].testo, QStringLiteral("E' questa la finestra '") + profiliFinestre::profilo(k).titolo
                                                  + QStringLiteral("': si vuole la guida della finestra?"));
        EXPECT_EQ(messaggi.mostrati[0].pulsanti, 36);
        EXPECT_EQ(messaggi.mostrati[0].titolo, "Korvel: aiuto in linea");
        EXPECT_EQ(guida(k), nullptr) << "No shows nothing";
        EXPECT_TRUE(f.voce(QStringLiteral("fin%1").arg(k))->isChecked()) << "the mark stays";

        messaggi.rispondi(piattaforma::vbYes);
        f.Toolbar1_ButtonClick(4 + k);
        ASSERT_EQ(messaggi.mostrati.size(), 2);
        EXPECT_EQ(messaggi.mostrati[1].testo, messaggi.mostrati[0].testo);
        ASSERT_NE(guida(k), nullptr);
        EXPECT_TRUE(guida(k)->isVisible());
        EXPECT_FALSE(f.isVisible()) << "the window itself is not shown by its own entry";
    }
    EXPECT_EQ(messaggi.mostrati[0].testo, "E' questa la finestra 'Frontespizio': si vuole la guida della finestra?");
}

TEST_F(Cornice, RightHandEntryShowsTheGuideWithoutAsking)
{
    finestra<dettagliato>().voce("finestra")->trigger();
    finestra<risdettagliato>().voce("finestra")->trigger();
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
    ASSERT_NE(guida(6), nullptr);
    ASSERT_NE(guida(7), nullptr);
    EXPECT_TRUE(guida(6)->isVisible());
    EXPECT_TRUE(guida(7)->isVisible());
}

TEST_F(Cornice, OtherEntriesShowTheirWindowLoadingItFirst)
{
    FinestraLavoro& f = finestra<risultati>();
    EXPECT_FALSE(caricata(6));
    f.voce("fin6")->trigger();
    ASSERT_TRUE(caricata(6));
    FinestraLavoro* d = &finestra<dettagliato>();
    EXPECT_TRUE(d->isVisible());
    f.Toolbar1_ButtonClick(10);
    EXPECT_EQ(&finestra<dettagliato>(), d) << "one instance only";
    f.Toolbar1_ButtonClick(11);
    EXPECT_TRUE(finestra<risdettagliato>().isVisible());
    f.Toolbar1_ButtonClick(5);
    EXPECT_TRUE(finestra<menu>().isVisible());
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
    EXPECT_FALSE(f.isVisible()) << "the calling window is neither shown nor hidden by this";
}

TEST_F(Cornice, HelpEntriesAndButtons)
{
    FinestraLavoro& f = finestra<fattib>();
    f.voce("guida")->trigger();
    EXPECT_TRUE(finestra<sommario>().isVisible());
    finestra<sommario>().Unload();
    f.guidainlinea->click();
    EXPECT_TRUE(Unica<sommario>::caricata());
    f.Toolbar1_ButtonClick(15);
    EXPECT_TRUE(Unica<frmTip>::caricata());
    f.Toolbar1_ButtonClick(16);
    EXPECT_TRUE(Unica<supportoclienti>::caricata());
    finestra<frontespizio>().voce("informazioni")->trigger();
    EXPECT_TRUE(finestra<informa>().isVisible());
    finestra<frontespizio>().voce("sugger")->trigger();
    EXPECT_TRUE(finestra<frmTip>().isVisible());
}

TEST_F(Cornice, ToolbarAndMenusReachTheWindowsOperations)
{
    Spia t(2);
    for (int i : {1, 2, 3, 19, 20})
        t.Toolbar1_ButtonClick(i); // disabled: nothing runs
    EXPECT_TRUE(t.chiamate.isEmpty());
    t.Toolbar1_ButtonClick(4);
    t.voce("stampa")->trigger();
    t.voce("stampatutte")->trigger();
    EXPECT_EQ(t.chiamate, (QStringList{"stampa", "stampa", "stampatutte"}));

    Spia c(8);
    c.Toolbar1_ButtonClick(1);
    c.Toolbar1_ButtonClick(2);
    c.voce("salvanome")->trigger();
    c.Toolbar1_ButtonClick(4);
    c.voce("solodati")->trigger();
    c.voce("stampatutto")->trigger();
    c.voce("controllodat")->trigger();
    c.Toolbar1_ButtonClick(19);
    c.voce("cancella")->trigger();
    c.Toolbar1_ButtonClick(20);
    c.Toolbar1_ButtonClick(18);
    EXPECT_EQ(c.chiamate, (QStringList{"apri", "salva", "salvanome", "stampa", "solodati", "stampa", "controlla",
                                       "controlla", "cancella", "cancella"}));
}

TEST_F(Cornice, ExitControlsAskTheExitQuestion)
{
    FinestraLavoro& f = finestra<trasmitt>();
    messaggi.rispondi(piattaforma::vbNo);
    messaggi.rispondi(piattaforma::vbNo);
    messaggi.rispondi(piattaforma::vbNo);
    f.voce("usci")->trigger();
    f.esco->click();
    f.Toolbar1_ButtonClick(21);
    ASSERT_EQ(messaggi.mostrati.size(), 3);
    for (const auto& m : messaggi.mostrati)
        EXPECT_EQ(m.testo, "Vuoi uscire da Korvel?");
    EXPECT_TRUE(Unica<trasmitt>::caricata());
}

TEST_F(Cornice, QuickHelpOfEachWindow)
{
    finestra<tabella>().aiuto->click();
    ASSERT_EQ(messaggi.mostrati.size(), 1);
    const auto& m = messaggi.mostrati[0];
    EXPECT_EQ(m.pulsanti, 64);
    EXPECT_EQ(m.titolo, "Korvel: aiuto in linea");
    EXPECT_EQ(m.testo, QStringLiteral("- Visualizzare le località successive con la barra di scorrimento verticale;\r"
                                      "- evidenziare i dati spostando il mouse sul numero del mese;\r"
                                      "- stampare la tabella o passare alla finestra di calcolo."));

    const int righe[] = {0, 0, 3, 4, 7, 7, 7, 5, 5};
    for (int k = 3; k <= 8; ++k) {
        messaggi.azzera();
        lavoro(k).mostraAiuto();
        ASSERT_EQ(messaggi.mostrati.size(), 1);
        const QString testo = messaggi.mostrati[0].testo;
        EXPECT_EQ(testo.split(QChar(13)).size(), righe[k]) << k;
        EXPECT_FALSE(testo.endsWith(QChar(13)));
        EXPECT_FALSE(testo.contains(QChar(10)));
    }
    EXPECT_TRUE(profiliFinestre::profilo(6).righeAiuto[0].contains("(Korvel-dett-...)"));
    EXPECT_EQ(profiliFinestre::profilo(6).righeAiuto.mid(1), profiliFinestre::profilo(4).righeAiuto.mid(1));
}

// ---- background colour ----

// Records the order in which windows first turn grey.
struct OrdineGrigio : QObject {
    QList<int> ordine;
    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        if (evento->type() == QEvent::PaletteChange)
            if (auto* f = qobject_cast<FinestraLavoro*>(oggetto))
                if (f->palette().color(QPalette::Window) == QColor(192, 192, 192) && !ordine.contains(f->numeroFinestra()))
                    ordine << f->numeroFinestra();
        return false;
    }
};

TEST_F(Cornice, GreyForAllLoadsHiddenWindowsInTheWindowsOrderAndShowsNone)
{
    const QList<QList<int>> attesi{
        {}, {}, {2, 4, 3, 5, 6, 7, 8}, {2, 3, 4, 5, 6, 7, 8}, {4, 5, 2, 3, 6, 7, 8}, {5, 4, 2, 3, 6, 7, 8},
        {}, {6, 7, 5, 4, 2, 3, 8}, {2, 4, 3, 5, 6, 7, 8}};
    for (int k : {2, 3, 4, 5, 7, 8}) {
        SCOPED_TRACE(k);
        // Only the starting window is loaded.
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* f = qobject_cast<Finestra*>(w))
                f->Unload();
        modelloFinestre::eliminaScaricate();
        FinestraLavoro& f = lavoro(k);
        messaggi.azzera();
        OrdineGrigio spia;
        qApp->installEventFilter(&spia);
        f.coloraSfondo();
        qApp->removeEventFilter(&spia);

        ASSERT_EQ(messaggi.mostrati.size(), 1);
        EXPECT_EQ(messaggi.mostrati[0].testo, "Colori uguali e riposanti (grigio) per tutte le finestre?");
        EXPECT_EQ(messaggi.mostrati[0].pulsanti, 4);
        EXPECT_EQ(messaggi.mostrati[0].titolo, ModKorvel::titoloColore);
        EXPECT_EQ(spia.ordine, attesi[k]);
        for (int j = 2; j <= 8; ++j) {
            ASSERT_TRUE(caricata(j));
            EXPECT_EQ(lavoro(j).BackColor(), 0xC0C0C0u);
            EXPECT_FALSE(lavoro(j).isVisible());
        }
        EXPECT_TRUE(dialoghi.mostrati.isEmpty());
    }
}

TEST_F(Cornice, ColourDialogChangesOnlyItsWindowAndCancelChangesNothing)
{
    FinestraLavoro& f = finestra<fattib>();
    FinestraLavoro& altra = finestra<tabella>();
    EXPECT_EQ(f.BackColor(), RGB(128, 128, 128));

    // No to the grey: the dialog opens on the window's colour.
    messaggi.rispondi(piattaforma::vbNo);
    dialoghi.scegliColore(RGB(10, 20, 30));
    f.coloraSfondo();
    ASSERT_EQ(dialoghi.mostrati.size(), 1);
    EXPECT_EQ(dialoghi.mostrati[0].tipo, doppi::Dialogo::Colore);
    EXPECT_EQ(dialoghi.mostrati[0].coloreIniziale, RGB(128, 128, 128));
    EXPECT_EQ(dialoghi.mostrati[0].richiesta.flags, 1);
    EXPECT_EQ(f.BackColor(), RGB(10, 20, 30));
    EXPECT_EQ(ModKorvel::coloreSfondo, RGB(10, 20, 30));
    EXPECT_EQ(altra.BackColor(), RGB(128, 128, 128));

    // Again: starts from that colour; Cancel changes nothing.
    messaggi.rispondi(piattaforma::vbNo);
    dialoghi.annullaColore();
    f.coloraSfondo();
    ASSERT_EQ(dialoghi.mostrati.size(), 2);
    EXPECT_EQ(dialoghi.mostrati[1].coloreIniziale, RGB(10, 20, 30));
    EXPECT_EQ(f.BackColor(), RGB(10, 20, 30));
    EXPECT_EQ(ModKorvel::coloreSfondo, RGB(10, 20, 30));
}

TEST_F(Cornice, AGreyWindowGoesStraightToTheDialogAndDettagliatoNeverAsks)
{
    FinestraLavoro& f = finestra<risultati>();
    f.setBackColor(0xC0C0C0);
    f.Toolbar1_ButtonClick(13);
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
    EXPECT_EQ(dialoghi.mostrati.size(), 1);

    FinestraLavoro& d = finestra<dettagliato>();
    d.voce("colorare")->trigger();
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
    EXPECT_EQ(dialoghi.mostrati.size(), 2);
    EXPECT_FALSE(caricata(2)) << "no grey for all from dettagliato";
}

TEST_F(Cornice, AClosedWindowComesBackWithItsDesignColour)
{
    finestra<trasmitt>().coloraSfondo(); // Enter: Yes, grey for all
    EXPECT_EQ(finestra<tabella>().BackColor(), 0xC0C0C0u);
    finestra<tabella>().close();
    modelloFinestre::eliminaScaricate();
    EXPECT_FALSE(caricata(2));
    EXPECT_EQ(finestra<tabella>().BackColor(), RGB(128, 128, 128));
}

TEST_F(Cornice, DisabledCaptionsStayReadableOnEveryBackground)
{
    // The grey for all is the colour most used, and a disabled frame's caption drawn
    // in the toolkit's own disabled grey vanished into it.
    fattib& f = finestra<fattib>();
    auto* riquadro = f.Frame1;
    ASSERT_FALSE(riquadro->isEnabled());
    for (const piattaforma::ColoreRGB colore :
         {RGB(128, 128, 128), RGB(192, 192, 192), RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 255, 0)}) {
        f.setBackColor(colore);
        const QColor sfondo = riquadro->palette().color(QPalette::Disabled, QPalette::Window);
        const QColor testo = riquadro->palette().color(QPalette::Disabled, QPalette::WindowText);
        EXPECT_EQ(sfondo, QColor(piattaforma::rossoDi(colore), piattaforma::verdeDi(colore), piattaforma::bluDi(colore)));
        EXPECT_GE(std::abs(testo.lightness() - sfondo.lightness()), 60) << std::hex << colore;
        EXPECT_NE(testo, riquadro->palette().color(QPalette::Active, QPalette::WindowText)) << std::hex << colore;
    }
}

TEST_F(Cornice, DisabledCaptionsReachThreeToOneAndStillLookDisabled)
{
    // Until a town and a use are chosen most of the feasibility window is disabled:
    // its captions must be read on the design grey, and on any colour chosen.
    using controlli::contrasto;
    fattib& f = finestra<fattib>();
    auto* riquadro = f.Frame3;
    ASSERT_FALSE(riquadro->isEnabled());
    for (const piattaforma::ColoreRGB colore : {RGB(128, 128, 128), RGB(192, 192, 192), RGB(255, 255, 255),
                                                RGB(0, 0, 0), RGB(255, 255, 0), RGB(0, 0, 255), RGB(90, 60, 30)}) {
        if (colore != RGB(128, 128, 128))
            f.setBackColor(colore);
        const QColor sfondo = riquadro->palette().color(QPalette::Disabled, QPalette::Window);
        const QColor disabilitato = riquadro->palette().color(QPalette::Disabled, QPalette::WindowText);
        const QColor abilitato = riquadro->palette().color(QPalette::Active, QPalette::WindowText);
        EXPECT_GE(contrasto(disabilitato, sfondo), 3.0) << std::hex << colore;
        EXPECT_GE(contrasto(disabilitato, abilitato), 2.0) << "visibly disabled: " << std::hex << colore;
    }
}

// ---- deletion ----

TEST_F(Cornice, DeletionThroughTheWindowsOwnDialogAndFilter)
{
    QTemporaryDir cartella;
    const QString nome = cartella.filePath("Korvel-front-prova");
    {
        QFile file(nome);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    FinestraLavoro& f = finestra<frontespizio>();
    EXPECT_EQ(f.CommonDialog1.FileName, "Korvel-front-");

    dialoghi.annullaFile();
    f.voce("eliminare")->trigger();
    EXPECT_TRUE(QFile::exists(nome)) << "Cancel deletes nothing";
    ASSERT_EQ(dialoghi.mostrati.size(), 1);
    const auto& r = dialoghi.mostrati[0].richiesta;
    EXPECT_EQ(dialoghi.mostrati[0].tipo, doppi::Dialogo::Apri);
    EXPECT_EQ(r.filtro, "Tutti i file (*.*)|*.*|File Korvel-front- | Korvel-front-*");
    EXPECT_EQ(r.indiceFiltro, 2);
    EXPECT_EQ(r.titolo, "Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo");
    EXPECT_EQ(r.nomeFile, "Korvel-front-");

    ModKorvel::nomeFile = QStringLiteral("corrente");
    dialoghi.scegliFile(nome);
    f.Toolbar1_ButtonClick(3);
    EXPECT_FALSE(QFile::exists(nome));
    EXPECT_EQ(ModKorvel::nomeFile, "corrente");
    EXPECT_EQ(f.CommonDialog1.FileName, nome) << "the dialog keeps the name for the next time";

    // A file that is not there any more: silent.
    dialoghi.scegliFile(nome);
    f.eliminare_click();
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
    EXPECT_EQ(profiliFinestre::profilo(3).filtroElimina, "Tutti i file (*.*)|*.*|File Korvel-trasm- | Korvel-trasm-*");
    EXPECT_EQ(profiliFinestre::profilo(6).filtroElimina, "Tutti i file (*.*)|*.*|File Korvel-dett- | Korvel-dett-*");
}

TEST_F(Cornice, TabellaAndRisultatiDeleteThroughFattibRisdettagliatoThroughDettagliato)
{
    finestra<tabella>().voce("eliminare")->trigger();
    ASSERT_TRUE(caricata(4)) << "fattib is loaded for its dialog";
    EXPECT_FALSE(finestra<fattib>().isVisible());
    finestra<risultati>().Toolbar1_ButtonClick(3);
    ASSERT_EQ(dialoghi.mostrati.size(), 2);
    for (const auto& d : dialoghi.mostrati) {
        EXPECT_EQ(d.richiesta.filtro, "Tutti i file (*.*)|*.*|File Korvel-fattib- | Korvel-fattib-*");
        EXPECT_EQ(d.richiesta.nomeFile, "Korvel-fattib-");
    }
    EXPECT_EQ(finestra<fattib>().CommonDialog1.Filter, dialoghi.mostrati[0].richiesta.filtro);
    EXPECT_TRUE(finestra<tabella>().CommonDialog1.Filter.isEmpty());

    finestra<risdettagliato>().voce("eliminare")->trigger();
    ASSERT_EQ(dialoghi.mostrati.size(), 3);
    EXPECT_EQ(dialoghi.mostrati[2].richiesta.filtro, "Tutti i file (*.*)|*.*|File Korvel-dett- | Korvel-dett-*");
    EXPECT_TRUE(caricata(6));
    EXPECT_FALSE(finestra<dettagliato>().isVisible());
}

TEST_F(Cornice, HintLabelAndDesignLayout)
{
    clsResize::impostaSchermo(QSize(15360, 11520));
    FinestraLavoro& f = finestra<trasmitt>();
    EXPECT_EQ(f.passo->objectName(), "passo");
    EXPECT_EQ(finestra<tabella>().passo->toolTip(), "indicazioni sulle funzioni della finestra");
    EXPECT_EQ(f.passo->toolTip(), "indicazioni sulla corretta procedura di immissione dei dati");
    EXPECT_EQ(QPoint(int(inTwips(f.x())), int(inTwips(f.y()))), QPoint(1920, 1440));
    EXPECT_EQ(QSize(int(inTwips(f.width())), int(inTwips(f.height()))), QSize(9600, 6825));
    // The frame's controls stand inside the client area and clear of the toolbar.
    const QRect cliente = f.area()->rect();
    for (QWidget* w : {static_cast<QWidget*>(f.passo), static_cast<QWidget*>(f.esco), static_cast<QWidget*>(f.aiuto),
                       static_cast<QWidget*>(f.guidainlinea), static_cast<QWidget*>(f.men)}) {
        EXPECT_TRUE(cliente.contains(w->geometry())) << w->objectName().toStdString();
        EXPECT_FALSE(w->geometry().intersects(f.Toolbar1->geometry())) << w->objectName().toStdString();
    }
    // Resizing the window rescales them; the toolbar keeps its height.
    const int altezzaBarra = f.Toolbar1->height();
    f.resize(f.width() * 2, f.height() * 2);
    f.show();
    QApplication::processEvents();
    EXPECT_EQ(f.Toolbar1->width(), f.area()->width());
    EXPECT_EQ(f.Toolbar1->height(), altezzaBarra);
    EXPECT_TRUE(f.area()->rect().contains(f.esco->geometry()));
    clsResize::impostaSchermo(QSize());
}

TEST_F(Cornice, FrameControlsNeitherOverlapNorCutTheirCaptions)
{
    for (int k = 2; k <= 8; ++k) {
        SCOPED_TRACE(k);
        FinestraLavoro& f = lavoro(k);
        QList<QWidget*> controlli{f.passo, f.esco, f.aiuto, f.guidainlinea};
        if (f.men)
            controlli << f.men;
        for (int i = 0; i < controlli.size(); ++i)
            for (int j = i + 1; j < controlli.size(); ++j)
                EXPECT_FALSE(controlli[i]->geometry().intersects(controlli[j]->geometry()))
                    << controlli[i]->objectName().toStdString() << " / " << controlli[j]->objectName().toStdString();
        for (Pulsante* p : {f.esco, f.aiuto, f.guidainlinea, f.men}) {
            if (!p)
                continue;
            const int testo = p->fontMetrics().horizontalAdvance(QString(p->text()).remove(QLatin1Char('&')));
            const int figura = p->icon().isNull() ? 0 : p->iconSize().width() + 4;
            EXPECT_LE(testo + figura + 4, p->width()) << p->objectName().toStdString();
        }
    }
}

} // namespace
