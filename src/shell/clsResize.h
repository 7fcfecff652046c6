#pragma once
// The resize helper each window owns: sizes the window to a share of the screen,
// centred, and rescales every control in proportion from the layout recorded at
// design size. A control's Tag may restrict the rescaled measures ("@L,T" moves
// without resizing, "@" freezes it).
#include <QList>
#include <QPointer>
#include <QSize>
#include <QVector>

class Finestra;
class QWidget;

class clsResize {
public:
    clsResize();
    ~clsResize();

    Finestra* SourceForm() const;
    void setSourceForm(Finestra* finestra);

    void ReInitialise();
    void SizeFormToScreen(unsigned char percent);
    void ResizeControls();

    // Screen size in twips; by default the primary screen's. Tests set their own.
    static void impostaSchermo(QSize twips);
    static QSize schermo();

private:
    struct Registrazione {
        QPointer<QWidget> controllo;
        int left = 0, top = 0, width = 0, height = 0;
    };
    void GetInitialPositions();
    bool nuoviControlli(const QList<QWidget*>& presenti) const;

    QPointer<Finestra> sourceForm_;
    int scalaLarghezza_ = 0;
    int scalaAltezza_ = 0;
    QVector<Registrazione> controlli_;
    bool nonRegistrato_ = true;
};
