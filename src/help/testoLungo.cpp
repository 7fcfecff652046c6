#include "help/testoLungo.h"

TestoLungo::TestoLungo(QWidget* parent, const QString& nome, const QColor& sfondo, bool barraSempre, bool cornice)
    : QPlainTextEdit(parent)
{
    setObjectName(nome);
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setVerticalScrollBarPolicy(barraSempre ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (!cornice)
        setFrameShape(QFrame::NoFrame);
    QPalette p = palette();
    p.setColor(QPalette::Base, sfondo);
    p.setColor(QPalette::Window, sfondo);
    p.setColor(QPalette::Text, Qt::black);
    setPalette(p);
}
