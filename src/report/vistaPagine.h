#pragma once
// The pages of a document as they are printed: one below the other on a grey ground,
// each drawn from the document's own pagination at the screen's resolution. Text is
// selected as in a page viewer: dragging across lines, cells and pages (held past the
// view's edge, the pages go on scrolling), Shift and a click to extend, a double click
// on a word, a triple click on a line; Ctrl+A selects all and Ctrl+C, or "Copia" on
// the context menu, copies it as plain text. The pointer is an I-beam over text and an
// arrow elsewhere. Home and End go to the first page's top and the last page's end.
#include "report/documento.h"

#include <QAbstractScrollArea>
#include <QElapsedTimer>

#include <memory>
#include <optional>

class QTimer;

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

    // The selection, as plain text in reading order; empty when nothing is selected.
    QString testoSelezionato() const;
    void selezionaTutto();
    // Puts the selection on the clipboard (nothing when nothing is selected).
    void copia();
    // The viewport's point over a place of the text (the middle of its line).
    QPoint puntoDi(documento::Posizione posizione);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void contextMenuEvent(QContextMenuEvent* evento) override;

private:
    QSize dimensionePagina() const;
    void aggiornaBarre();
    // The page under a point of the viewport (or the one above the gap it falls in)
    // and the point there, in twips from the top left corner of its text area.
    std::optional<std::pair<int, QPointF>> sullaPagina(QPoint punto) const;
    // The place of the text under (or nearest to) a point of the viewport.
    std::optional<documento::Posizione> posizioneA(QPoint punto);
    void seleziona(std::optional<std::pair<documento::Posizione, documento::Posizione>> tratto);
    // A drag at `puntoTrascinato_`: past the view's edge the pages scroll by as much as
    // the pointer stands out, and the selection follows to the edge.
    void trascinaFinoA();

    std::shared_ptr<documento::Documento> documento_;
    quint64 versione_ = ~quint64(0);
    int pagine_ = 0;
    std::optional<documento::Posizione> ancora_, cursore_; // the selection's two ends
    bool trascina_ = false;
    QPoint puntoTrascinato_;
    QTimer* scorrimento_ = nullptr; // scrolls while a drag is held past the view's edge
    QElapsedTimer doppioClic_;       // since the last double click, for a triple one
    QPoint puntoDoppioClic_;
};
