#pragma once
// Controls with the event rules the windows rely on:
// - Elenco (list): setting the position runs Click only when the position changes;
//   filling or clearing the list runs nothing; text signals never run Change.
// - CasellaTesto (text box): setting the text runs Change only when the text differs.
// - BarraScorrimento (scroll bar): setting the value runs Change only when it changes;
//   Min may exceed Max: Min stays at the top (left) end and the arrows still move
//   towards the end they point at. A click beside the thumb pages by LargeChange,
//   and Tab or a click gives the bar the keys.
// - PulsanteOpzione (option button): setting true runs Click; setting false runs
//   nothing and is allowed even when it is the selected one of its group.
// Every control can report the mouse moving over it (MouseMove) and carries a Tag
// (resize anchors).
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTextEdit>

namespace controlli {

// Contrast ratio of two colours as readability guidelines measure it: 1 (same
// luminance) to 21 (black on white); text reads from 3 upwards when large, 4.5 small.
double contrasto(const QColor& a, const QColor& b);

// Anchor text of a control for the resize helper ("" when none).
QString tag(const QWidget* controllo);
void impostaTag(QWidget* controllo, const QString& tag);

} // namespace controlli

class Etichetta : public QLabel {
    Q_OBJECT
public:
    explicit Etichetta(QWidget* parent, const QString& nome = QString(), const QString& caption = QString());
    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    void setBackColor(QColor colore);
    void setForeColor(QColor colore);
signals:
    void Click();
    void MouseMove();
protected:
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
};

namespace controlli {
// A label at its design place (twips) in the design font, with its tooltip if any.
Etichetta* etichetta(QWidget* genitore, const QString& nome, const QString& caption, int left, int top,
                     int width, int height, const QString& suggerimento = QString());
} // namespace controlli

class CasellaTesto : public QLineEdit {
    Q_OBJECT
public:
    explicit CasellaTesto(QWidget* parent, const QString& nome = QString());
    QString Text() const { return text(); }
    // Runs Change only when the text differs.
    void setText(const QString& testo);
signals:
    void Change();
    void MouseMove();
protected:
    void mouseMoveEvent(QMouseEvent* evento) override;
};

class Elenco : public QComboBox {
    Q_OBJECT
public:
    explicit Elenco(QWidget* parent, const QString& nome = QString());
    void AddItem(const QString& voce);
    void Clear();
    int ListCount() const { return count(); }
    QString List(int indice) const { return itemText(indice); }
    // -1 when nothing is selected.
    int ListIndex() const { return currentIndex(); }
    // Runs Click only when the position changes.
    void setListIndex(int indice);
    // Selects nothing, as before the first choice, without a Click.
    void nessunaScelta();
    QString Text() const { return currentIndex() >= 0 ? currentText() : QString(); }
signals:
    void Click();
    void MouseMove();
protected:
    void mouseMoveEvent(QMouseEvent* evento) override;
private:
    void cambiato(int indice);
    // Runs a change of the list without a Click; the next Click comes from a new position.
    template <class F> void senzaClick(F cambia);
    bool silenzioso_ = false;
    int ultimo_ = -1;
};

namespace controlli {
// Where a scroll bar's parts lie along its length, in pixels: each arrow and the
// thumb. The thumb keeps a small fixed length, so a short bar still has a trough to
// click for a page step.
struct DisposizioneBarra {
    int freccia = 0;
    int cursore = 0;
};
DisposizioneBarra disposizioneBarra(int lunghezza, int spessore);
} // namespace controlli

class BarraScorrimento : public QScrollBar {
    Q_OBJECT
public:
    BarraScorrimento(Qt::Orientation orientamento, QWidget* parent, const QString& nome = QString());
    // The value as the program knows it (the toolkit's value() is the position).
    int Value() const { return rifletti(value()); }
    // Runs Change only when the value changes; the value is kept within the range.
    void setValue(int valore);
    int Min() const { return min_; }
    int Max() const { return max_; }
    void setMin(int valore);
    void setMax(int valore);
    void setSmallChange(int passo) { setSingleStep(passo); }
    void setLargeChange(int passo) { setPageStep(passo); }
    // The design settings of a bar: range and steps, the value at Min.
    void impostaIntervallo(int min, int max, int piccolo, int grande);
    // Where a part of the bar (thumb, trough beside it, arrows) lies, in the bar's pixels.
    QRect parte(QStyle::SubControl parte) const;
signals:
    void Change();
private:
    // With Min above Max the toolkit's position runs the other way round.
    int rifletti(int v) const { return min_ > max_ ? min_ + max_ - v : v; }
    void applicaIntervallo(int valore);
    int min_ = 0;
    int max_ = 32767;
};

class PulsanteOpzione : public QRadioButton {
    Q_OBJECT
public:
    explicit PulsanteOpzione(QWidget* parent, const QString& nome = QString(), const QString& caption = QString());
    bool Value() const { return isChecked(); }
    void setValue(bool valore);
    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
signals:
    void Click();
    void MouseMove();
protected:
    void mouseMoveEvent(QMouseEvent* evento) override;
};

class Pulsante : public QPushButton {
    Q_OBJECT
public:
    explicit Pulsante(QWidget* parent, const QString& nome = QString(), const QString& caption = QString());
    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
signals:
    void Click();
    void MouseMove();
protected:
    void mouseMoveEvent(QMouseEvent* evento) override;
};

// A frame (group box) that holds other controls; its option buttons form one group.
class Cornice : public QGroupBox {
    Q_OBJECT
public:
    explicit Cornice(QWidget* parent, const QString& nome = QString(), const QString& caption = QString());
    void setCaption(const QString& caption) { setTitle(caption); }
};
