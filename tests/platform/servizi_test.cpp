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

TEST(CommonDialog, PassesItsPropertiesAndKeepsTheChoice)
{
    doppi::Dialoghi dialoghi;
    CommonDialog dialogo;
    dialogo.DialogTitle = QStringLiteral("Apri file");
    dialogo.FileName = QStringLiteral("Korvel-fattib-");
    dialogo.Filter = QStringLiteral("Tutti i file (*.*) | *.*|File Korvel-fattib- | Korvel-fattib-*");
    dialogo.FilterIndex = 2;
    dialoghi.scegliFile(QStringLiteral("/tmp/Korvel-fattib-uno"));
    ASSERT_TRUE(dialogo.ShowOpen());
    EXPECT_EQ(dialogo.FileName, QStringLiteral("/tmp/Korvel-fattib-uno"));
    ASSERT_EQ(dialoghi.mostrati.size(), 1);
    const RichiestaFile& r = dialoghi.mostrati[0].richiesta;
    EXPECT_EQ(r.titolo, QStringLiteral("Apri file"));
    EXPECT_EQ(r.nomeFile, QStringLiteral("Korvel-fattib-"));
    EXPECT_EQ(r.indiceFiltro, 2);

    // Cancel leaves the properties as they were.
    dialoghi.annullaFile();
    EXPECT_FALSE(dialogo.ShowSave());
    EXPECT_EQ(dialogo.FileName, QStringLiteral("/tmp/Korvel-fattib-uno"));

    dialogo.Color = RGB(128, 128, 128);
    dialoghi.scegliColore(RGB(1, 2, 3));
    ASSERT_TRUE(dialogo.ShowColor());
    EXPECT_EQ(dialogo.Color, 0x030201u);
    EXPECT_EQ(dialoghi.mostrati.last().coloreIniziale, RGB(128, 128, 128));
    dialoghi.annullaColore();
    EXPECT_FALSE(dialogo.ShowColor());
    EXPECT_EQ(dialogo.Color, 0x030201u);
}

} // namespace
