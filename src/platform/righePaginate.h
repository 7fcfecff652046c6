#pragma once
// Rows of cells on the design grid, the way the read-only tables of the windows show
// them: row i (1..n) stands at top + passo * (i - 1). Each column has a resting
// colour; the pointer over a cell of the row-number column highlights that row (every
// row back to its resting colours, then the row's cells in the highlight colour).
// A vertical scroll bar beside the rows pages them: its value is the item shown in
// row 1, and every change of it asks the window to show the page from there.
#include "platform/modulo.h"

#include <QObject>

#include <vector>

class BarraScorrimento;
class Etichetta;
class QWidget;

class RighePaginate : public QObject {
    Q_OBJECT
public:
    RighePaginate(QWidget* genitore, int righe, int top, int passo, int altezza);

    int righe() const { return righe_; }

    // A column of labels nome(1)..nome(n), in the parent's design font; [0] is empty.
    std::vector<Etichetta*> colonna(const QString& nome, int left, int width, Qt::Alignment allineamento,
                                    const QColor& riposo);
    // A column of cells made elsewhere (text boxes, labels), cells [1..n].
    void aggiungiColonna(const std::vector<QWidget*>& celle, const QColor& riposo);
    // The column whose cells highlight their row under the pointer; sopraRiga tells first.
    void evidenziaDa(const std::vector<Etichetta*>& numeri);

    void impostaColoreEvidenziato(const QColor& colore) { evidenziato_ = colore; }
    // Every row in its resting colours.
    void ripristinaColori();
    // Every row in its resting colours, then row `riga` (1..n) highlighted; other
    // numbers only restore.
    void evidenzia(int riga);

    // The scroll bar that pages the rows, beside them at `left`, as high as the rows.
    BarraScorrimento* aggiungiBarra(const QString& nome, int left, int width, modulo::Intervallo intervallo);
    BarraScorrimento* barra() const { return barra_; }
    // The item in row 1 (the bar's value; 1 without a bar).
    int primo() const;

signals:
    // The pointer is over the number cell of row `riga`.
    void sopraRiga(int riga);
    // The bar moved: show the page from item `primo`.
    void pagina(int primo);

private:
    struct Colonna {
        std::vector<QWidget*> celle;
        QColor riposo;
    };
    QWidget* genitore_;
    int righe_;
    int top_;
    int passo_;
    int altezza_;
    std::vector<Colonna> colonne_;
    QColor evidenziato_{255, 255, 0};
    BarraScorrimento* barra_ = nullptr;
};
