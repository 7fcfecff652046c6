#pragma once
// The window of a report's application: shown as soon as the report starts, it
// follows the document while it is written and stays open afterwards. The user can
// save the document (DOCX, or PDF when the name ends in .pdf), print it, and open it
// in the desktop's word processor. Each report gets a window of its own.
#include "report/documento.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>

#include <memory>

class QPrinter;
class VistaPagine;

class FinestraDocumento : public QMainWindow {
    Q_OBJECT
public:
    explicit FinestraDocumento(std::shared_ptr<documento::Applicazione> applicazione, QWidget* parent = nullptr);
    ~FinestraDocumento() override;

    std::shared_ptr<documento::Applicazione> applicazione() const { return applicazione_; }
    std::shared_ptr<documento::Documento> documento() const;
    // The pages the window shows.
    VistaPagine* vista() const { return vista_; }

    // The commands of the window; false when cancelled or failed (the user has been told).
    bool salvaConNome();
    bool stampa();
    // Hands a copy to the desktop's word processor; when that fails, later, the user
    // is told and the copy removed.
    bool apriConElaboratore();
    // Prints on a printer already set up (the print dialog's choice).
    bool stampaSu(QPrinter& stampante);

    // Renders the document again now.
    void aggiorna();
    // Renderings made so far (for tests).
    int aggiornamenti() const { return aggiornamenti_; }

protected:
    // Asks before a document never saved is closed.
    void closeEvent(QCloseEvent* evento) override;

private:
    void collegaDocumento();
    void cambiato();

    std::shared_ptr<documento::Applicazione> applicazione_;
    QPointer<documento::Documento> osservato_;
    VistaPagine* vista_ = nullptr;
    quint64 versioneMostrata_ = ~quint64(0);
    bool aggiornamentoProgrammato_ = false;
    QElapsedTimer ultimoAggiornamento_;
    qint64 durataAggiornamento_ = 0; // ms taken by the last rendering
    int aggiornamenti_ = 0;
};

namespace finestraDocumento {
// Gives every application made visible from now on its window (called at start).
void installa();
} // namespace finestraDocumento
