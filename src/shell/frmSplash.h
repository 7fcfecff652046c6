#pragma once
// The title screen: plays the tune, shows the program's name, subtitle and version
// and waits. A click (on the window, a label or the picture) pauses the tune and
// opens the main menu; a key press closes the tune and the title screen. After a
// confirmed exit it comes back as the closing screen.
#include "platform/finestra.h"
#include "platform/musica.h"

#include <array>

class Etichetta;
class QLabel;

class frmSplash : public Finestra {
    Q_OBJECT
public:
    frmSplash();

    // The tune, by its bare name: it is read from the working folder.
    static inline const QString brano = QStringLiteral("Internet.mid");

    // label(0..11); 6 and 7 are not used.
    std::array<Etichetta*, 12> label{};
    QLabel* Image1 = nullptr;
    QWidget* Shape1 = nullptr;

    // The closing screen after a confirmed exit: the tune resumed, the window shown,
    // its second line changed.
    void mostraCommiato();

    void Form_Click();
    void label_click(int indice);
    void image1_click();

protected:
    void Form_Load() override;
    void Form_KeyPress(QChar tasto) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    piattaforma::MMControl MMControl1;
};
