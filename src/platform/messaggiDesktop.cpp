// Message boxes on QMessageBox with Italian buttons.
#include "platform/serviziDesktop.h"

#include <QApplication>
#include <QPushButton>
#include <map>

namespace piattaforma {

FormaMessaggio formaMessaggio(int pulsanti)
{
    FormaMessaggio forma;
    switch (pulsanti & 0x70) {
    case vbCritical:
        forma.icona = QMessageBox::Critical;
        break;
    case vbQuestion:
        forma.icona = QMessageBox::Question;
        break;
    case vbExclamation:
        forma.icona = QMessageBox::Warning;
        break;
    case vbInformation:
        forma.icona = QMessageBox::Information;
        break;
    default:
        forma.icona = QMessageBox::NoIcon;
        break;
    }
    // The program asks only OK boxes and Yes/No questions; any other button code
    // gets the OK box, whose only answer the callers understand.
    if ((pulsanti & 0x0F) == vbYesNo) {
        forma.pulsanti = {{QStringLiteral("Sì"), vbYes}, {QStringLiteral("No"), vbNo}};
        forma.escape = vbNo;
    } else {
        forma.pulsanti = {{QStringLiteral("OK"), vbOK}};
        forma.escape = vbOK;
    }
    forma.predefinita = rispostaPredefinita(pulsanti);
    return forma;
}

QString righeMessaggio(const QString& testo)
{
    QString righe = testo;
    righe.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    righe.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return righe;
}

int MessaggiDesktop::mostra(const QString& testo, int pulsanti, const QString& titolo)
{
    const FormaMessaggio forma = formaMessaggio(pulsanti);
    QMessageBox box(QApplication::activeWindow());
    box.setIcon(forma.icona);
    box.setWindowTitle(titolo);
    // Texts are the program's own, never markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(righeMessaggio(testo));
    std::map<const QAbstractButton*, int> risposte;
    for (const PulsanteMessaggio& p : forma.pulsanti) {
        const auto ruolo = p.risposta == vbYes  ? QMessageBox::YesRole
                           : p.risposta == vbNo ? QMessageBox::NoRole
                                                : QMessageBox::AcceptRole;
        QPushButton* tasto = box.addButton(p.testo, ruolo);
        risposte[tasto] = p.risposta;
        if (p.risposta == forma.predefinita)
            box.setDefaultButton(tasto);
        if (p.risposta == forma.escape)
            box.setEscapeButton(tasto);
    }
    box.exec();
    const auto trovata = risposte.find(box.clickedButton());
    return trovata != risposte.end() ? trovata->second : forma.escape;
}

} // namespace piattaforma
