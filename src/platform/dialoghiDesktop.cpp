// File and colour dialogs on the toolkit's own (non-native) dialogs, so they behave
// the same on every desktop.
#include "platform/serviziDesktop.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>

namespace piattaforma {

AvvioDialogoFile preparaDialogoFile(const RichiestaFile& richiesta, const QString& cartellaCorrente, bool salvataggio)
{
    AvvioDialogoFile avvio;
    const QDir corrente(cartellaCorrente);
    avvio.cartella = corrente.absolutePath();
    const QString nome = richiesta.nomeFile.trimmed();
    if (!nome.isEmpty()) {
        const QFileInfo info(corrente.absoluteFilePath(nome));
        if (!nome.contains(QLatin1Char('/'))) {
            avvio.nome = nome;
        } else if (info.isDir() && !salvataggio) {
            avvio.cartella = info.absoluteFilePath();
        } else {
            avvio.nome = info.fileName();
            // A folder that no longer exists leaves the dialog where it would start anyway.
            if (info.absoluteDir().exists())
                avvio.cartella = info.absolutePath();
        }
    }
    for (const VoceFiltro& voce : analizzaFiltro(richiesta.filtro))
        avvio.filtri << voce.perQt();
    if (!avvio.filtri.isEmpty()) {
        const int indice = richiesta.indiceFiltro - 1;
        avvio.filtroScelto = indice >= 0 && indice < avvio.filtri.size() ? indice : 0;
    }
    return avvio;
}

QString domandaSostituzione(const QString& nomeCompleto)
{
    return QFileInfo(nomeCompleto).fileName() + QStringLiteral(" esiste già.\rSostituire il file esistente?");
}

namespace {

QString& cartellaUltimaScelta()
{
    static QString cartella;
    return cartella;
}

} // namespace

QString cartellaDiPartenza()
{
    const QString& ultima = cartellaUltimaScelta();
    return !ultima.isEmpty() && QDir(ultima).exists() ? ultima : cartellaDocumenti();
}

void ricordaCartella(const QString& fileScelto)
{
    cartellaUltimaScelta() = QFileInfo(fileScelto).absolutePath();
}

namespace {

// A save dialog that asks, in Italian and through the message service, before it
// returns the name of a file that exists. It opens with the caret behind its preset
// name (the prefix of the file's kind) instead of selecting it, so that a name typed
// at once goes behind the prefix; a current file's name comes with the part after
// the prefix selected, so that typing replaces that part and keeps the prefix (a name
// without the prefix comes selected whole).
class DialogoFile final : public QFileDialog {
public:
    DialogoFile(QWidget* genitore, const QString& titolo, const QString& prefisso)
        : QFileDialog(genitore, titolo), prefisso_(prefisso)
    {
    }

    void setVisible(bool visibile) override
    {
        QFileDialog::setVisible(visibile);
        if (!visibile || acceptMode() != QFileDialog::AcceptSave)
            return;
        if (auto* nome = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
            const QString testo = nome->text();
            if (prefisso_.isEmpty() || testo == prefisso_) {
                nome->deselect();
                nome->end(false);
            } else if (testo.startsWith(prefisso_)) {
                nome->setSelection(int(prefisso_.size()), int(testo.size() - prefisso_.size()));
            } else {
                // A name chosen without the prefix: typing replaces it whole.
                nome->selectAll();
            }
        }
    }

    void accept() override
    {
        if (acceptMode() == QFileDialog::AcceptSave) {
            const QStringList scelti = selectedFiles();
            if (!scelti.isEmpty()) {
                const QFileInfo info(scelti.first());
                if (info.exists() && !info.isDir()
                    && msgBox(domandaSostituzione(info.absoluteFilePath()), vbYesNo + vbExclamation + vbDefaultButton2,
                              windowTitle())
                           != vbYes)
                    return;
            }
        }
        QFileDialog::accept();
    }

private:
    QString prefisso_;
};

std::optional<QString> mostraDialogoFile(const RichiestaFile& richiesta, bool salvataggio)
{
    const AvvioDialogoFile avvio =
        preparaDialogoFile(richiesta, richiesta.cartellaRicordata ? cartellaDiPartenza() : cartellaDocumenti(), salvataggio);
    QString titolo = richiesta.titolo;
    if (titolo.isEmpty())
        titolo = salvataggio ? QStringLiteral("Salva con nome") : QStringLiteral("Apri");
    DialogoFile dialogo(QApplication::activeWindow(), titolo, richiesta.prefisso);
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setOption(QFileDialog::DontConfirmOverwrite);
    dialogo.setAcceptMode(salvataggio ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialogo.setFileMode(salvataggio ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialogo.setDirectory(avvio.cartella);
    if (!avvio.filtri.isEmpty()) {
        dialogo.setNameFilters(avvio.filtri);
        dialogo.selectNameFilter(avvio.filtri.at(avvio.filtroScelto));
    }
    if (!avvio.nome.isEmpty())
        dialogo.selectFile(avvio.nome);
    if (dialogo.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList scelti = dialogo.selectedFiles();
    if (scelti.isEmpty() || scelti.first().isEmpty())
        return std::nullopt;
    const QString scelto = QDir::cleanPath(scelti.first());
    if (richiesta.cartellaRicordata)
        ricordaCartella(scelto);
    return scelto;
}

} // namespace

std::optional<QString> DialoghiDesktop::apri(const RichiestaFile& richiesta)
{
    return mostraDialogoFile(richiesta, false);
}

std::optional<QString> DialoghiDesktop::salva(const RichiestaFile& richiesta)
{
    return mostraDialogoFile(richiesta, true);
}

std::optional<ColoreRGB> DialoghiDesktop::colore(ColoreRGB iniziale, int)
{
    // The dialog always opens on the given colour.
    QColorDialog dialogo(QColor(rossoDi(iniziale), verdeDi(iniziale), bluDi(iniziale)), QApplication::activeWindow());
    dialogo.setOption(QColorDialog::DontUseNativeDialog);
    dialogo.setWindowTitle(QStringLiteral("Colore"));
    if (dialogo.exec() != QDialog::Accepted)
        return std::nullopt;
    const QColor scelto = dialogo.selectedColor();
    if (!scelto.isValid())
        return std::nullopt;
    return RGB(scelto.red(), scelto.green(), scelto.blue());
}

} // namespace piattaforma
