// The program's icon.
#include "shell/immagini.h"

#include <QImage>
#include <gtest/gtest.h>

// The windows show, in each size, the very picture the package installs for the desktop.
TEST(IconaProgramma, EachSizeIsThePictureInstalledForTheDesktop)
{
    const QIcon icona = immagini::iconaProgramma();
    for (int lato : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString file = QStringLiteral(KORVEL_CARTELLA_PROVE "/../resources/icone/korvel-%1.png").arg(lato);
        const QImage atteso = QImage(file).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        ASSERT_EQ(atteso.size(), QSize(lato, lato)) << file.toStdString();
        const QImage mostrato = icona.pixmap(QSize(lato, lato)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(mostrato, atteso) << lato;
    }
}
