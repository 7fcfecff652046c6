#include "help/frmTip.h"

#include "help/suggerimenti.h"
#include "platform/caratteri.h"
#include "platform/controlli.h"
#include "shell/immagini.h"

#include <QFrame>

namespace {
const QColor giallino(255, 255, 192);
}

frmTip::frmTip()
{
    setWindowTitle(QStringLiteral("Suggerimento del giorno"));
    impostaDimensioniTwips(6195, 3285);
    setFixedSize(size());

    Picture1 = new QFrame(area());
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameShape(QFrame::Panel);
    Picture1->setFrameShadow(QFrame::Sunken);
    Picture1->setAutoFillBackground(true);
    QPalette p = Picture1->palette();
    p.setColor(QPalette::Window, giallino);
    Picture1->setPalette(p);
    posa(Picture1, 120, 120, 4455, 2715);

    auto* icona = new QLabel(Picture1);
    icona->setPixmap(immagini::iconaBarra(15).pixmap(32, 32));
    icona->setGeometry(4, 4, 32, 32);

    Label1 = controlli::etichetta(Picture1, QStringLiteral("Label1"), QStringLiteral("Non tutti sanno che..."), 540, 180, 3735, 375);
    Label1->setFont(caratteri::progetto(12, true));
    Label1->setBackColor(giallino);

    lblTipText = controlli::etichetta(Picture1, QStringLiteral("lblTipText"), QString(), 180, 840, 4095, 1635);
    lblTipText->setBackColor(giallino);

    cmdOK = new Pulsante(area(), QStringLiteral("cmdOK"), QStringLiteral("&Chiudi"));
    posa(cmdOK, 4800, 120, 1215, 375);
    cmdNextTip = new Pulsante(area(), QStringLiteral("cmdNextTip"), QStringLiteral("&Successivo"));
    posa(cmdNextTip, 4800, 600, 1215, 375);
    cmdprecedente = new Pulsante(area(), QStringLiteral("cmdprecedente"), QStringLiteral("&Precedente"));
    posa(cmdprecedente, 4800, 1080, 1215, 375);
    connect(cmdOK, &Pulsante::Click, this, [this] { cmdOK_Click(); });
    connect(cmdNextTip, &Pulsante::Click, this, [this] { cmdNextTip_Click(); });
    connect(cmdprecedente, &Pulsante::Click, this, [this] { cmdprecedente_Click(); });
}

frmTip::~frmTip() = default;

void frmTip::Form_Load()
{
    if (!LoadTips(suggerimenti::percorsoSuggerimenti())) {
        const QString aCapo = QStringLiteral("\r\n");
        lblTipText->setCaption(QStringLiteral("Impossibile trovare il file ") + suggerimenti::nomeFile + aCapo + aCapo
                               + QStringLiteral("Creare un file di testo denominato ") + suggerimenti::nomeFile
                               + QStringLiteral(" utilizzando il Blocco note e inserendo un suggerimento per ogni riga. ")
                               + QStringLiteral("Inserire il file nella stessa directory dell'applicazione. "));
    }
}

bool frmTip::LoadTips(const QString& percorso)
{
    const auto letti = suggerimenti::leggiSuggerimentiDa(percorso);
    if (!letti)
        return false;
    TipList += *letti;
    AdvanceTip();
    return true;
}

void frmTip::DisplayCurrentTip()
{
    if (!TipList.isEmpty() && TipIndex >= 1 && TipIndex <= TipList.size())
        lblTipText->setCaption(TipList.at(TipIndex - 1));
}

void frmTip::AdvanceTip()
{
    ++TipIndex;
    if (TipIndex > TipList.size())
        TipIndex = 1;
    DisplayCurrentTip();
}

void frmTip::cmdNextTip_Click() { AdvanceTip(); }

void frmTip::cmdprecedente_Click()
{
    if (TipIndex > 1) {
        --TipIndex;
        lblTipText->setCaption(TipList.at(TipIndex - 1));
    }
}

void frmTip::cmdOK_Click() { hide(); }
