#pragma once
// A long fixed text that the box wraps and scrolls when it does not fit: the body of
// a help window, the licence terms. Read-only; the text can be selected and copied.
#include <QPlainTextEdit>

class TestoLungo : public QPlainTextEdit {
    Q_OBJECT
public:
    // barraSempre: the vertical scroll bar always shown (a text box's), otherwise only
    // when the text is longer than the box.
    TestoLungo(QWidget* parent, const QString& nome, const QColor& sfondo, bool barraSempre, bool cornice);
    QString Text() const { return toPlainText(); }
    void setText(const QString& testo) { setPlainText(testo); }
};
