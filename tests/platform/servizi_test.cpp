// Platform services without a desktop: filter texts, default answers, the dialog
// control's properties.
#include "platform/dialoghi.h"
#include "platform/messaggi.h"
#include "platform/musica.h"
#include "support/doppi.h"

#include <gtest/gtest.h>

namespace {

using namespace piattaforma;

QStringList perQt(const QString& filtro)
{
    QStringList testi;
    for (const VoceFiltro& v : analizzaFiltro(filtro))
        testi << v.perQt();
    return testi;
}

TEST(AnalizzaFiltro, TranslatesTheFilterTextsOfTheDataFiles)
{
    EXPECT_EQ(perQt(QStringLiteral("Tutti i file (*.*)|*.*|File Korvel-fattib- | Korvel-fattib-*")),
              (QStringList{QStringLiteral("Tutti i file (*)"), QStringLiteral("File Korvel-fattib- (Korvel-fattib-*)")}));
    // The open dialogs' text has blanks around the first bar as well.
    EXPECT_EQ(perQt(QStringLiteral("Tutti i file (*.*) | *.*|File Korvel-front- | Korvel-front-*")),
              (QStringList{QStringLiteral("Tutti i file (*)"), QStringLiteral("File Korvel-front- (Korvel-front-*)")}));
    EXPECT_EQ(perQt(QStringLiteral("File Korvel-dett- | Korvel-dett-*")),
              QStringList{QStringLiteral("File Korvel-dett- (Korvel-dett-*)")});
}

TEST(AnalizzaFiltro, SeveralPatternsAndIncompleteTexts)
{
    EXPECT_EQ(perQt(QStringLiteral("Testi|*.txt;*.TXT")), QStringList{QStringLiteral("Testi (*.txt *.TXT)")});
    EXPECT_EQ(perQt(QStringLiteral("Testi|*.txt|Senza modello")), QStringList{QStringLiteral("Testi (*.txt)")});
    EXPECT_EQ(perQt(QStringLiteral("Vuoto| ")), QStringList{QStringLiteral("Vuoto (*)")});
    EXPECT_TRUE(perQt(QString()).isEmpty());
}

TEST(RispostaPredefinita, EnterAnswersTheDefaultButton)
{
    EXPECT_EQ(rispostaPredefinita(vbOKOnly), vbOK);
    EXPECT_EQ(rispostaPredefinita(vbCritical), vbOK);
    EXPECT_EQ(rispostaPredefinita(vbYesNo + vbQuestion), vbYes);
    EXPECT_EQ(rispostaPredefinita(292), vbNo);
}

TEST(ServiziPredefiniti, WithoutADesktopEveryServiceStaysQuiet)
{
    EXPECT_EQ(msgBox(QStringLiteral("x"), 292, QStringLiteral("t")), vbNo);
    CommonDialog dialogo;
    dialogo.FileName = QStringLiteral("Korvel-front-");
    EXPECT_FALSE(dialogo.ShowOpen());
    EXPECT_FALSE(dialogo.ShowSave());
    EXPECT_FALSE(dialogo.ShowColor());
    EXPECT_EQ(dialogo.FileName, QStringLiteral("Korvel-front-"));
    MMControl brano;
    brano.FileName = QStringLiteral("Internet.mid");
    brano.setCommand(QStringLiteral("open"));
    brano.setCommand(QStringLiteral("play"));
}

TEST(CommonDialog, CancelLeavesThePropertiesAsTheyWere)
{
    doppi::Dialoghi dialoghi;
    CommonDialog dialogo;
    dialogo.FileName = QStringLiteral("Korvel-fattib-");
    dialoghi.scegliFile(QStringLiteral("/tmp/Korvel-fattib-uno"));
    dialoghi.annullaFile();
    ASSERT_TRUE(dialogo.ShowOpen());
    EXPECT_EQ(dialogo.FileName, QStringLiteral("/tmp/Korvel-fattib-uno"));
    EXPECT_FALSE(dialogo.ShowSave());
    EXPECT_EQ(dialogo.FileName, QStringLiteral("/tmp/Korvel-fattib-uno"));

    dialogo.Color = RGB(1, 2, 3);
    dialoghi.annullaColore();
    EXPECT_FALSE(dialogo.ShowColor());
    EXPECT_EQ(dialogo.Color, 0x030201u);
}

} // namespace
