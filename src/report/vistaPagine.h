#pragma once
// The pages of a document as they are printed: one below the other on a grey ground,
// each drawn from the document's own pagination at the screen's resolution.
#include "report/documento.h"

#include <QAbstractScrollArea>

#include <memory>

class VistaPagine : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit VistaPagine(QWidget* parent = nullptr);

    // Shows the pages of `documento` as they are now (laid out again when changed).
    void mostra(std::shared_ptr<documento::Documento> documento);
    int numeroPagine() const { return pagine_; }
    // The text of the pages shown, page after page.
    QString testo() const;
    // Where page `indice` (from 0) stands in the viewport, in pixels.
    QRect rettangoloPagina(int indice) const;
    // Dots an inch the pages are drawn at.
    double dpi() const;

protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    QSize dimensionePagina() const;
    void aggiornaBarre();

    std::shared_ptr<documento::Documento> documento_;
    int pagine_ = 0;
};
