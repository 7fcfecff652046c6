// Title screen, main menu and the shared exit.
#include "climate/tabella.h"
#include "cover/frontespizio.h"
#include "detailed/dettagliato.h"
#include "feasibility/fattib.h"
#include "feasibility/risultati.h"
#include "help/guide.h"
#include "help/informa.h"
#include "help/licenza.h"
#include "help/prodotti.h"
#include "help/sommario.h"
#include "platform/controlli.h"
#include "base/ModKorvel.h"
#include "shell/frmSplash.h"
#include "shell/menu.h"
#include "shell/navigazione.h"
#include "support/ambiente.h"
#include "support/doppi.h"
#include "transmittance/trasmitt.h"

#include <QApplication>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Records the order in which windows disappear.
struct Scomparse : QObject {
    QStringList ordine;
    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        if (evento->type() == QEvent::Hide && qobject_cast<Finestra*>(oggetto))
            ordine << QString::fromLatin1(oggetto->metaObject()->className());
        return false;
    }
};

struct Uscita : ::testing::Test {
    ~Uscita() override { ambiente::ripristinaFinestre(); }
    doppi::Messaggi messaggi;
    doppi::Musica musica;
    doppi::Dialoghi dialoghi;
};

TEST_F(Uscita, TitleScreenPlaysTheTuneAndShowsTheProgram)
{
    frmSplash& s = mostra<frmSplash>();
    EXPECT_EQ(musica.comandi, (QStringList{"open", "play"}));
    EXPECT_EQ(musica.file.value(0), "Internet.mid");
    EXPECT_EQ(s.label[1]->Caption(), "software BRENTHAL");
    EXPECT_EQ(s.label[2]->Caption(), "                        presenta");
    EXPECT_EQ(s.label[3]->Caption(), "Korvel");
    EXPECT_EQ(s.label[4]->Caption(), "programma per il calcolo di pannelli solari");
    EXPECT_EQ(s.label[5]->Caption(), "EDIZIONE PROFESSIONALE - VERSIONE 3.04.05");
    EXPECT_EQ(s.label[8]->Caption(), "(cliccare sulla finestra per iniziare; premere un tasto per uscire)");
    EXPECT_EQ(s.label[0]->Caption(), "");
    EXPECT_EQ(s.label[6], nullptr);
    EXPECT_FALSE(s.Image1->pixmap().isNull());

    // The design fonts come first; a missing one gives way to a font of similar look.
    struct Carattere {
        int indice;
        const char* famiglia;
        qreal punti;
        bool grassetto;
    };
    for (const Carattere& c : {Carattere{1, "Simpson", 21.75, true}, Carattere{2, "MS Sans Serif", 12, false},
                               Carattere{3, "Arial Black", 27.75, true}, Carattere{4, "MS Sans Serif", 12, false},
                               Carattere{5, "Arial", 8.25, false}}) {
        const QFont f = s.label[size_t(c.indice)]->font();
        EXPECT_EQ(f.families().value(0), c.famiglia) << c.indice;
        EXPECT_GE(f.families().size(), 2) << c.indice;
        EXPECT_EQ(f.pointSizeF(), c.punti) << c.indice;
        EXPECT_EQ(f.bold(), c.grassetto) << c.indice;
    }
}

TEST_F(Uscita, EveryClickOnTheTitleScreenPausesAndBringsTheMenu)
{
    frmSplash& s = mostra<frmSplash>();
    QTest::mouseClick(s.area(), Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(Unica<menu>::caricata());
    EXPECT_TRUE(finestra<menu>().isVisible());
    EXPECT_EQ(musica.comandi.last(), "pause");
    menu* primo = &finestra<menu>();

    QTest::mouseClick(s.label[3], Qt::LeftButton);
    QTest::mouseClick(s.Image1, Qt::LeftButton);
    EXPECT_EQ(musica.comandi, (QStringList{"open", "play", "pause", "pause", "pause"}));
    EXPECT_EQ(&finestra<menu>(), primo) << "the menu is brought forward, not loaded again";
    EXPECT_TRUE(s.isVisible()) << "the title screen stays behind the menu";
}

TEST_F(Uscita, AKeyOnTheTitleScreenClosesItAndThePriceList)
{
    frmSplash& s = mostra<frmSplash>();
    finestra<prodotti>();
    QTest::keyClick(&s, Qt::Key_X);
    EXPECT_EQ(musica.comandi.last(), "close");
    EXPECT_FALSE(Unica<frmSplash>::caricata());
    EXPECT_FALSE(Unica<prodotti>::caricata());
    modelloFinestre::eliminaScaricate();
}

TEST_F(Uscita, NoToTheQuestionChangesNothing)
{
    ModKorvel::inizializzaDati();
    mostra<fattib>();
    mostra<menu>();
    esciProgramma(); // Enter: the default button is No
    messaggi.rispondi(piattaforma::vbNo);
    esciProgramma();
    ASSERT_EQ(messaggi.mostrati.size(), 2);
    const auto& m = messaggi.mostrati[0];
    EXPECT_EQ(m.testo, "Vuoi uscire da Korvel?");
    EXPECT_EQ(m.pulsanti, 292);
    EXPECT_EQ(m.titolo, "Korvel: programma per il calcolo di pannelli solari");
    EXPECT_EQ(m.risposta, piattaforma::vbNo);
    EXPECT_TRUE(finestra<fattib>().isVisible());
    EXPECT_TRUE(finestra<menu>().isVisible());
    EXPECT_FALSE(Unica<frmSplash>::caricata());
    EXPECT_TRUE(musica.comandi.isEmpty());
}

TEST_F(Uscita, YesUnloadsTheLoadedWindowsInOrderAndShowsTheClosingScreen)
{
    mostra<frmSplash>().Form_Click();
    for (Finestra* f : std::initializer_list<Finestra*>{&mostra<informa>(), &mostra<guidatabella>(), &mostra<sommario>(),
                                                        &mostra<frontespizio>(), &mostra<trasmitt>(), &mostra<tabella>(),
                                                        &mostra<guidamenu>(), &mostra<risultati>()})
        ASSERT_TRUE(f->isVisible());
    finestra<fattib>(); // loaded, hidden

    Scomparse spia;
    qApp->installEventFilter(&spia);
    messaggi.rispondi(piattaforma::vbYes);
    finestra<menu>().cmdesci->click();
    qApp->removeEventFilter(&spia);

    EXPECT_EQ(spia.ordine, (QStringList{"menu", "tabella", "risultati", "trasmitt", "frontespizio", "sommario",
                                        "guidamenu", "guidatabella", "informa"}));
    for (bool c : {Unica<menu>::caricata(), Unica<tabella>::caricata(), Unica<fattib>::caricata(),
                   Unica<risultati>::caricata(), Unica<trasmitt>::caricata(), Unica<frontespizio>::caricata(),
                   Unica<sommario>::caricata(), Unica<guidamenu>::caricata(), Unica<guidatabella>::caricata(),
                   Unica<informa>::caricata()})
        EXPECT_FALSE(c);
    EXPECT_FALSE(Unica<dettagliato>::caricata()) << "windows never loaded are not loaded by the exit";
    EXPECT_FALSE(Unica<licenza>::caricata());

    frmSplash& s = finestra<frmSplash>();
    EXPECT_TRUE(s.isVisible());
    EXPECT_EQ(musica.comandi, (QStringList{"open", "play", "pause", "play"}));
    EXPECT_EQ(s.label[2]->Caption(), "          elaborazione eseguita con");
    modelloFinestre::eliminaScaricate(); // the windows go without trouble
}

TEST_F(Uscita, FromTheClosingScreenAClickReloadsTheMenuAfresh)
{
    frmSplash& s = mostra<frmSplash>();
    s.Form_Click();
    finestra<menu>().option1_MouseMove(2);
    messaggi.rispondi(piattaforma::vbYes);
    esciProgramma();
    modelloFinestre::eliminaScaricate();

    s.Form_Click();
    ASSERT_TRUE(Unica<menu>::caricata());
    menu& m = finestra<menu>();
    EXPECT_TRUE(m.isVisible());
    EXPECT_EQ(m.testoStato(), "Menu di scelta.") << "a new menu from its design";
    EXPECT_EQ(m.Option1[1]->Caption(), "Tabella dati climatici");

    messaggi.rispondi(piattaforma::vbYes);
    esciProgramma();
    EXPECT_EQ(s.label[2]->Caption(), "          elaborazione eseguita con");
    EXPECT_TRUE(s.isVisible());
    EXPECT_FALSE(Unica<menu>::caricata());
}

TEST_F(Uscita, ExitFromTheButtonOfAWindowBeingUnloadedIsSafe)
{
    FinestraLavoro& f = mostra<fattib>();
    messaggi.rispondi(piattaforma::vbYes);
    f.esco->click(); // the window goes while its own button is running
    EXPECT_FALSE(Unica<fattib>::caricata());
    modelloFinestre::eliminaScaricate();
    EXPECT_TRUE(finestra<frmSplash>().isVisible());
}

// ---- main menu ----

TEST_F(Uscita, MainMenuTextsAndStatusBar)
{
    menu& m = mostra<menu>();
    EXPECT_EQ(m.windowTitle(), "Korvel: menu delle tipologie di elaborazione");
    EXPECT_EQ(m.testoStato(), "Menu di scelta.");
    EXPECT_EQ(m.Label1->Caption(), "... visualizza i dati climatici delle località archiviate");
    EXPECT_EQ(m.Label4->Caption(), "... effettua il calcolo dettagliato dell'impianto con analisi economica");
    EXPECT_EQ(m.Option1[3]->Caption(), "Calcolo di fattibilità");

    const char* const attesi[] = {
        nullptr,
        "Apre una finestra che visualizza la tabella dei dati climatici.",
        "Attiva il calcolo della trasmittanza complessiva dell'edificio.",
        "Attiva il calcolo rapido di fattibilità di un impianto.",
        "Attiva il calcolo dettagliato di un impianto solare con analisi economica.",
    };
    auto muovi = [](QWidget* w) {
        QMouseEvent movimento(QEvent::MouseMove, QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                              Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &movimento);
    };
    for (int i = 1; i <= 4; ++i) {
        muovi(m.Option1[size_t(i)]);
        EXPECT_EQ(m.testoStato(), QString::fromUtf8(attesi[i]));
        muovi(m.Label1); // a label beside the options is not the background
        EXPECT_EQ(m.testoStato(), QString::fromUtf8(attesi[i]));
    }
    muovi(m.area());
    EXPECT_EQ(m.testoStato(), "Elenca le tipologie di calcolo presenti nel programma.");
}

TEST_F(Uscita, MainMenuOptionsOpenTheirWindowAndStandUnselected)
{
    menu& m = mostra<menu>();
    QTest::mouseClick(m.Option1[3], Qt::LeftButton);
    ASSERT_TRUE(Unica<fattib>::caricata());
    EXPECT_TRUE(finestra<fattib>().isVisible());
    EXPECT_FALSE(m.Option1[3]->Value());
    finestra<fattib>().hide();
    QTest::mouseClick(m.Option1[3], Qt::LeftButton);
    EXPECT_TRUE(finestra<fattib>().isVisible()) << "the same option works twice in a row";
    EXPECT_FALSE(m.Option1[3]->Value());

    m.Option1[1]->setValue(true);
    m.Option1[2]->setValue(true);
    m.Option1[4]->setValue(true);
    EXPECT_TRUE(finestra<tabella>().isVisible());
    EXPECT_TRUE(finestra<trasmitt>().isVisible());
    EXPECT_TRUE(finestra<dettagliato>().isVisible());
    for (int i = 1; i <= 4; ++i)
        EXPECT_FALSE(m.Option1[size_t(i)]->Value());
    EXPECT_TRUE(m.isVisible());
}

TEST_F(Uscita, MainMenuButtons)
{
    ModKorvel::inizializzaDati();
    menu& m = mostra<menu>();
    m.aiuto->click();
    ASSERT_EQ(messaggi.mostrati.size(), 1);
    EXPECT_EQ(messaggi.mostrati[0].testo.split(QChar(13)),
              (QStringList{"- Scegliere la tipologia di elaborazione che si intende avviare cliccandoci sopra;",
                           "- visualizzare le informazioni nella barra di stato muovendosi con il mouse."}));
    EXPECT_EQ(messaggi.mostrati[0].pulsanti, 64);
    EXPECT_EQ(messaggi.mostrati[0].titolo, "Korvel: aiuto in linea");
    m.guida->click();
    EXPECT_TRUE(finestra<sommario>().isVisible());
    EXPECT_EQ(finestra<sommario>().windowTitle(), "Korvel: guida in linea");
    m.cmdesci->click();
    EXPECT_EQ(messaggi.mostrati.last().testo, "Vuoi uscire da Korvel?");
    EXPECT_TRUE(Unica<menu>::caricata());
}

} // namespace
