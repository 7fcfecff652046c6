#pragma once
// The tip of the day: the tips of the tips file beside the program, one at a time,
// paged forwards with wrap-around and back down to the first.
#include "platform/finestra.h"

#include <QStringList>

class Etichetta;
class Pulsante;
class QFrame;

class frmTip : public Finestra {
    Q_OBJECT
public:
    frmTip();
    ~frmTip() override;

    QFrame* Picture1 = nullptr;
    Etichetta* Label1 = nullptr;
    Etichetta* lblTipText = nullptr;
    Pulsante* cmdOK = nullptr;
    Pulsante* cmdNextTip = nullptr;
    Pulsante* cmdprecedente = nullptr;

    // Reads the tips of the file at `percorso` and shows the next tip; false, reading
    // nothing, when the path is empty or names no existing file.
    bool LoadTips(const QString& percorso);
    void DisplayCurrentTip();
    void cmdNextTip_Click();
    void cmdprecedente_Click();
    void cmdOK_Click();

    const QStringList& tips() const { return TipList; }
    int posizione() const { return TipIndex; }

protected:
    void Form_Load() override;

private:
    void AdvanceTip();
    QStringList TipList;
    int TipIndex = 0; // 1-based position of the tip shown; 0 before the first
};
