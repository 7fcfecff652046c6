// The window model: one instance per class, loading on reference, unloading.
#include "platform/controlli.h"
#include "platform/finestra.h"
#include "platform/ridisegno.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Counts its loads and unloads; `stato` shows whether an instance is fresh.
class Semplice : public Finestra {
public:
    static inline int caricamenti = 0;
    static inline int scaricamenti = 0;
    int stato = 0;

protected:
    void Form_Load() override { ++caricamenti; }
    void Form_Unload() override { ++scaricamenti; }
};

// Refers to itself while loading.
class SeStessa : public Finestra {
public:
    static inline int caricamenti = 0;
    SeStessa* vista = nullptr;

protected:
    void Form_Load() override
    {
        ++caricamenti;
        vista = &finestra<SeStessa>();
    }
};

// Two windows whose loads refer to each other.
class Seconda;
class Prima : public Finestra {
public:
    static inline int caricamenti = 0;
    Seconda* altra = nullptr;

protected:
    void Form_Load() override;
};
class Seconda : public Finestra {
public:
    static inline int caricamenti = 0;
    Prima* altra = nullptr;

protected:
    void Form_Load() override
    {
        ++caricamenti;
        altra = &finestra<Prima>();
    }
};
void Prima::Form_Load()
{
    ++caricamenti;
    altra = &finestra<Seconda>();
}

// Unloads itself while loading.
class Rinuncia : public Finestra {
protected:
    void Form_Load() override { Unload(); }
};

// Refers to itself and unloads itself again while unloading.
class Ostinata : public Finestra {
public:
    static inline int scaricamenti = 0;

protected:
    void Form_Unload() override
    {
        ++scaricamenti;
        EXPECT_EQ(&finestra<Ostinata>(), this) << "still the instance while it unloads";
        Unica<Ostinata>::scarica();
    }
};

class Tasti : public Finestra {
public:
    QString premuti;
    int ridimensionamenti = 0;

protected:
    void Form_KeyPress(QChar c) override { premuti += c; }
    void Form_Resize() override { ++ridimensionamenti; }
};

class Sfondo : public Finestra {
public:
    int movimenti = 0;

protected:
    void Form_MouseMove() override { ++movimenti; }
};

// Every test starts with no window loaded and the counters at zero, also when the
// tests share one process.
class ModelloFinestre : public ::testing::Test {
protected:
    void SetUp() override { azzera(); }
    void TearDown() override
    {
        modelloFinestre::impostaUscitaAutomatica(false);
        Unica<Semplice>::scarica();
        Unica<SeStessa>::scarica();
        Unica<Prima>::scarica();
        Unica<Seconda>::scarica();
        Unica<Rinuncia>::scarica();
        Unica<Ostinata>::scarica();
        Unica<Tasti>::scarica();
        Unica<Sfondo>::scarica();
        modelloFinestre::eliminaScaricate();
        azzera();
    }
    static void azzera()
    {
        Semplice::caricamenti = Semplice::scaricamenti = 0;
        SeStessa::caricamenti = Prima::caricamenti = Seconda::caricamenti = 0;
        Ostinata::scaricamenti = 0;
    }
};
using UscitaAutomatica = ModelloFinestre;

TEST_F(ModelloFinestre, OneInstancePerClassLoadedOnFirstReferenceAndNotShown)
{
    EXPECT_FALSE(Unica<Semplice>::caricata());
    Semplice& a = finestra<Semplice>();
    Semplice& b = finestra<Semplice>();
    EXPECT_EQ(&a, &b);
    EXPECT_EQ(Semplice::caricamenti, 1);
    EXPECT_TRUE(Unica<Semplice>::caricata());
    EXPECT_TRUE(a.caricata());
    EXPECT_FALSE(a.isVisible());
    Unica<Semplice>::scarica();
    modelloFinestre::eliminaScaricate();
}

TEST_F(ModelloFinestre, AFormLoadThatRefersToItsOwnWindowGetsTheSameInstance)
{
    SeStessa& w = finestra<SeStessa>();
    EXPECT_EQ(w.vista, &w);
    EXPECT_EQ(SeStessa::caricamenti, 1);
}

TEST_F(ModelloFinestre, LoadsReferringToEachOtherDoNotRecurse)
{
    Prima& prima = finestra<Prima>();
    ASSERT_NE(prima.altra, nullptr);
    EXPECT_EQ(prima.altra->altra, &prima);
    EXPECT_EQ(Prima::caricamenti, 1);
    EXPECT_EQ(Seconda::caricamenti, 1);
    EXPECT_EQ(&finestra<Seconda>(), prima.altra);
}

TEST_F(ModelloFinestre, ShowingTwiceOnlyRaises)
{
    Semplice& w = mostra<Semplice>();
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.parentWidget()) << "modeless, with no owner";
    Semplice& ancora = mostra<Semplice>();
    EXPECT_EQ(&ancora, &w);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(Semplice::caricamenti, 1);
}

TEST_F(ModelloFinestre, UnloadForgetsAtOnceAndDeletesLater)
{
    Semplice& w = mostra<Semplice>();
    QPointer<Semplice> puntatore(&w);
    w.Unload();
    EXPECT_EQ(Semplice::scaricamenti, 1);
    EXPECT_FALSE(Unica<Semplice>::caricata());
    EXPECT_EQ(Unica<Semplice>::seCaricata(), nullptr);
    ASSERT_FALSE(puntatore.isNull()) << "deleted only later";
    EXPECT_FALSE(puntatore->isVisible());
    EXPECT_FALSE(puntatore->caricata());
    puntatore->Unload();
    EXPECT_EQ(Semplice::scaricamenti, 1) << "a second unload does nothing";
    modelloFinestre::eliminaScaricate();
    EXPECT_TRUE(puntatore.isNull());
}

TEST_F(ModelloFinestre, TheNextReferenceLoadsAFreshWindow)
{
    Semplice& prima = finestra<Semplice>();
    prima.stato = 42;
    prima.setWindowTitle(QStringLiteral("cambiata"));
    Unica<Semplice>::scarica();
    Semplice& nuova = finestra<Semplice>();
    EXPECT_NE(&nuova, &prima) << "the old one is not deleted yet, so the address differs";
    EXPECT_EQ(nuova.stato, 0);
    EXPECT_TRUE(nuova.windowTitle().isEmpty());
    EXPECT_EQ(Semplice::caricamenti, 2);
    EXPECT_FALSE(nuova.isVisible());
    modelloFinestre::eliminaScaricate();
    EXPECT_EQ(&finestra<Semplice>(), &nuova);
}

TEST_F(ModelloFinestre, UnloadingAWindowNotLoadedDoesNotLoadIt)
{
    Unica<Semplice>::scarica();
    EXPECT_EQ(Semplice::caricamenti, 0);
    EXPECT_EQ(Semplice::scaricamenti, 0);
    EXPECT_FALSE(Unica<Semplice>::caricata());
}

TEST_F(ModelloFinestre, TheCloseBoxUnloads)
{
    Semplice& w = mostra<Semplice>();
    QPointer<Semplice> puntatore(&w);
    EXPECT_FALSE(w.close()) << "the toolkit's close is turned into an unload";
    EXPECT_EQ(Semplice::scaricamenti, 1);
    EXPECT_FALSE(Unica<Semplice>::caricata());
    EXPECT_FALSE(puntatore->isVisible());
    modelloFinestre::eliminaScaricate();
    EXPECT_TRUE(puntatore.isNull());
    EXPECT_EQ(Semplice::caricamenti, 1);
}

TEST_F(ModelloFinestre, AFormLoadThatUnloadsItsWindowLeavesItUnloaded)
{
    Rinuncia& w = finestra<Rinuncia>();
    EXPECT_FALSE(w.caricata());
    EXPECT_FALSE(Unica<Rinuncia>::caricata());
    modelloFinestre::eliminaScaricate();
}

TEST_F(ModelloFinestre, UnloadingFromItsOwnFormUnloadRunsItOnce)
{
    finestra<Ostinata>();
    Unica<Ostinata>::scarica();
    EXPECT_EQ(Ostinata::scaricamenti, 1);
    EXPECT_FALSE(Unica<Ostinata>::caricata());
}

TEST_F(ModelloFinestre, AWindowDeletedWithoutUnloadIsForgotten)
{
    delete &finestra<Semplice>();
    EXPECT_FALSE(Unica<Semplice>::caricata());
    finestra<Semplice>();
    EXPECT_EQ(Semplice::caricamenti, 2);
}

TEST_F(ModelloFinestre, KeysAndResizingReachTheWindow)
{
    Tasti& w = mostra<Tasti>();
    QTest::keyClicks(&w, QStringLiteral("ab"));
    QTest::keyClick(&w, Qt::Key_Shift); // no character
    EXPECT_EQ(w.premuti, QStringLiteral("ab"));
    const int prima = w.ridimensionamenti;
    w.impostaDimensioniTwips(9600, 6825);
    EXPECT_EQ(w.size(), QSize(640, 455));
    EXPECT_GT(w.ridimensionamenti, prima);
}

// Runs the event loop until it quits or `limite` ms pass; true when it quit by itself.
bool cicloTermina(int limite)
{
    // The timer lives on this frame: a loop that quits by itself must not leave it to
    // fire into a later test.
    bool scaduto = false;
    QTimer scadenza;
    scadenza.setSingleShot(true);
    QObject::connect(&scadenza, &QTimer::timeout, qApp, [&] {
        scaduto = true;
        QApplication::exit(1);
    });
    scadenza.start(limite);
    const int esito = QApplication::exec();
    return !scaduto && esito == 0;
}

TEST_F(UscitaAutomatica, QuitsWhenTheLastVisibleWindowIsUnloaded)
{
    modelloFinestre::impostaUscitaAutomatica(true);
    mostra<Semplice>();
    finestra<Tasti>(); // loaded, hidden: does not keep the program alive
    QTimer::singleShot(20, qApp, [] { Unica<Semplice>::scarica(); });
    EXPECT_TRUE(cicloTermina(3000));
    EXPECT_TRUE(Unica<Tasti>::caricata());
}

TEST_F(UscitaAutomatica, KeepsRunningWhileALoadedWindowIsVisible)
{
    modelloFinestre::impostaUscitaAutomatica(true);
    mostra<Semplice>();
    mostra<Tasti>();
    bool vivoDopoLaPrima = false;
    QTimer::singleShot(20, qApp, [] { Unica<Semplice>::scarica(); });
    QTimer::singleShot(200, qApp, [&] {
        vivoDopoLaPrima = true;
        finestra<Tasti>().close();
    });
    EXPECT_TRUE(cicloTermina(3000));
    EXPECT_TRUE(vivoDopoLaPrima);
}

TEST_F(UscitaAutomatica, OffByDefault)
{
    mostra<Semplice>();
    QTimer::singleShot(20, qApp, [] { Unica<Semplice>::scarica(); });
    EXPECT_FALSE(cicloTermina(200));
}

TEST(BloccoRidisegno, TurnsRepaintingOffAndBackOnOnlyAtTheOutermostLock)
{
    QWidget w;
    {
        piattaforma::BloccoRidisegno esterno(&w);
        EXPECT_FALSE(w.updatesEnabled());
        {
            piattaforma::BloccoRidisegno interno(&w);
            EXPECT_FALSE(w.updatesEnabled());
        }
        EXPECT_FALSE(w.updatesEnabled()) << "the inner lock leaves the outer one in force";
    }
    EXPECT_TRUE(w.updatesEnabled());
}

TEST(BloccoRidisegno, SurvivesItsWindowAndANullWindow)
{
    auto* w = new QWidget;
    {
        piattaforma::BloccoRidisegno blocco(w);
        delete w;
    }
    piattaforma::BloccoRidisegno nessuno(nullptr);
    QWidget giaBloccata;
    giaBloccata.setUpdatesEnabled(false);
    {
        piattaforma::BloccoRidisegno blocco(&giaBloccata);
    }
    EXPECT_FALSE(giaBloccata.updatesEnabled()) << "a window locked by someone else stays locked";
}

} // namespace

TEST_F(ModelloFinestre, OnlyMovesOverTheBackgroundAreTheWindowsOwn)
{
    auto& w = mostra<Sfondo>();
    w.resize(300, 200);
    auto* etichetta = new Etichetta(w.area(), QStringLiteral("Label1"), QStringLiteral("testo"));
    etichetta->setGeometry(10, 10, 100, 30);
    etichetta->show();
    int movimentiEtichetta = 0;
    QObject::connect(etichetta, &Etichetta::MouseMove, [&] { ++movimentiEtichetta; });

    QMouseEvent sopraEtichetta(QEvent::MouseMove, QPointF(20, 20), etichetta->mapToGlobal(QPointF(20, 20)),
                               Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(etichetta, &sopraEtichetta);
    EXPECT_EQ(movimentiEtichetta, 1);
    EXPECT_EQ(w.movimenti, 0) << "a move over a control is not the background's";

    QMouseEvent sopraSfondo(QEvent::MouseMove, QPointF(250, 150), w.area()->mapToGlobal(QPointF(250, 150)),
                            Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w.area(), &sopraSfondo);
    EXPECT_EQ(w.movimenti, 1);
}
