#include "shell/frmSplash.h"

#include "help/prodotti.h"
#include "platform/controlli.h"
#include "base/ModKorvel.h"
#include "shell/immagini.h"
#include "shell/navigazione.h"

#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QMouseEvent>

namespace {

// The design font first; where it is missing, a font of similar look.
QFont carattere(const QString& progetto, const QString& sostituto, qreal punti, bool grassetto)
{
    QFont f;
    f.setFamilies({progetto, sostituto});
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return f;
}

} // namespace

frmSplash::frmSplash()
{
    setWindowTitle(QStringLiteral("Korvel"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    impostaDimensioniTwips(7200, 4800);
    setFixedSize(size());
    if (const QScreen* schermo = QGuiApplication::primaryScreen()) {
        const QRect libero = schermo->availableGeometry();
        move(libero.center() - rect().center());
    }

    QPalette fondo = palette();
    fondo.setColor(QPalette::Window, QColor(255, 255, 230));
    setPalette(fondo);
    setAutoFillBackground(true);

    Shape1 = new QFrame(area());
    Shape1->setObjectName(QStringLiteral("Shape1"));
    static_cast<QFrame*>(Shape1)->setFrameShape(QFrame::Box);
    static_cast<QFrame*>(Shape1)->setLineWidth(2);
    Shape1->setStyleSheet(QStringLiteral("QFrame#Shape1 { border: 2px solid rgb(200, 120, 20); border-radius: 6px; }"));
    posa(Shape1, 120, 120, 6960, 4560);

    Image1 = new QLabel(area());
    Image1->setObjectName(QStringLiteral("Image1"));
    posa(Image1, 360, 1200, 2400, 2160);
    Image1->setPixmap(immagini::immagineTitolo(Image1->size()));
    Image1->installEventFilter(this);

    for (int i : {0, 1, 2, 3, 4, 5, 8, 9, 10, 11}) {
        label[size_t(i)] = new Etichetta(area(), QStringLiteral("label(%1)").arg(i));
        connect(label[size_t(i)], &Etichetta::Click, this, [this, i] { label_click(i); });
    }
    label[1]->setCaption(QStringLiteral("software BRENTHAL"));
    label[1]->setFont(carattere(QStringLiteral("Simpson"), QStringLiteral("DejaVu Serif"), 21.75, true));
    label[1]->setForeColor(QColor(160, 60, 0));
    posa(label[1], 360, 240, 6480, 540);

    label[2]->setCaption(QStringLiteral("                        presenta"));
    label[2]->setFont(carattere(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"), 12, false));
    posa(label[2], 360, 780, 6480, 360);

    label[3]->setFont(carattere(QStringLiteral("Arial Black"), QStringLiteral("DejaVu Sans"), 27.75, true));
    label[3]->setForeColor(QColor(0, 60, 150));
    posa(label[3], 3000, 1320, 3840, 780);

    label[4]->setFont(carattere(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"), 12, false));
    label[4]->setWordWrap(true);
    posa(label[4], 3000, 2160, 3840, 720);

    label[5]->setFont(carattere(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), 8.25, false));
    posa(label[5], 3000, 3000, 3840, 300);

    label[8]->setCaption(QStringLiteral("(cliccare sulla finestra per iniziare; premere un tasto per uscire)"));
    label[8]->setAlignment(Qt::AlignCenter);
    posa(label[8], 240, 4080, 6720, 300);

    for (int i : {0, 9, 10, 11}) {
        posa(label[size_t(i)], 0, 0, 0, 0);
        label[size_t(i)]->hide();
    }
    Shape1->lower();
    setFocusPolicy(Qt::StrongFocus);
}

void frmSplash::Form_Load()
{
    MMControl1.FileName = brano;
    MMControl1.setCommand(QStringLiteral("open"));
    MMControl1.setCommand(QStringLiteral("play"));
    ModKorvel::inizializzaDati();
    proceduraVuota();
    label[3]->setCaption(ModKorvel::nomeProgramma);
    label[4]->setCaption(ModKorvel::sottotitolo);
    label[5]->setCaption(QStringLiteral("EDIZIONE PROFESSIONALE - VERSIONE ") + ModKorvel::versione);
}

void frmSplash::mostraCommiato()
{
    MMControl1.setCommand(QStringLiteral("play"));
    Show();
    label[2]->setCaption(QStringLiteral("          elaborazione eseguita con"));
}

void frmSplash::Form_Click()
{
    MMControl1.setCommand(QStringLiteral("pause"));
    mostraMenu();
}

void frmSplash::label_click(int) { Form_Click(); }

void frmSplash::image1_click() { Form_Click(); }

void frmSplash::Form_KeyPress(QChar)
{
    MMControl1.setCommand(QStringLiteral("close"));
    Unload();
    Unica<prodotti>::scarica();
}

bool frmSplash::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (evento->type() == QEvent::MouseButtonPress && caricata()) {
        if (oggetto == Image1) {
            image1_click();
            return true;
        }
        if (oggetto == area()) {
            // A press on a label reaches the area too; the label has had its click.
            const auto* pressione = static_cast<QMouseEvent*>(evento);
            if (!qobject_cast<Etichetta*>(area()->childAt(pressione->position().toPoint())))
                Form_Click();
            return true;
        }
    }
    return Finestra::eventFilter(oggetto, evento);
}
