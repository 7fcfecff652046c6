#pragma once
// Form pieces the working windows build their inputs from, placed on the design grid
// in twips: a frame holding one input with the tooltip its controls share, a typed
// box, a scroll bar with the label that shows its value, a group of option buttons.
#include <QColor>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class BarraScorrimento;
class CasellaTesto;
class Cornice;
class Etichetta;
class PulsanteOpzione;
class QWidget;

namespace modulo {

// A place on the design grid, in twips.
struct Rettangolo {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The design settings of a scroll bar.
struct Intervallo {
    int min = 0;
    int max = 0;
    int piccolo = 1; // SmallChange
    int grande = 1;  // LargeChange
};

// A frame in the design font; the tooltip is the one its controls share.
Cornice* riquadro(QWidget* genitore, const QString& nome, const QString& caption, Rettangolo posto,
                  const QString& suggerimento = QString());

// A text box with its parent's tooltip.
CasellaTesto* casella(QWidget* genitore, const QString& nome, Rettangolo posto);

// A scroll bar and its value label, both with their parent's tooltip; the bar starts
// at its minimum, the label empty.
struct BarraConValore {
    BarraScorrimento* barra = nullptr;
    Etichetta* valore = nullptr;
};
BarraConValore barraConValore(QWidget* genitore, Qt::Orientation verso, const QString& nomeBarra, Rettangolo barra,
                              Intervallo intervallo, const QString& nomeValore, Rettangolo valore);

// Sets a scroll bar's value; its change handler runs also when the value was
// already there (a value read from a file must show even on the bar's minimum).
void impostaBarra(BarraScorrimento* barra, int valore, const std::function<void()>& gestore);

// Option buttons nome(1)..nome(n) with the given captions and places, with their
// parent's tooltip; index 0 of the result is empty so that button i is [i].
std::vector<PulsanteOpzione*> opzioni(QWidget* genitore, const QString& nome, const QStringList& captions,
                                      const std::vector<Rettangolo>& posti);

// The selected button of a group (1..n), 0 when none is.
int scelta(const std::vector<PulsanteOpzione*>& gruppo);

// Background of a cell: a label's or a text box's.
void coloraCella(QWidget* cella, const QColor& colore);

} // namespace modulo
