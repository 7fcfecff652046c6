#pragma once
// The town chooser of a calculation window: a list of the 64 towns in which a name
// may also be typed. A town's full name chooses it; a text that can still become one
// waits; any other text matches no town and the first town is chosen at once. The
// end of typing (Enter, or the focus leaving) leaves a town's name, the first town,
// or an empty box, which chooses no town. Every choice runs the program's town
// choice (the climate table's scroll bar moves, the record loads, the other chooser
// follows) and then the window's own follow-up (its hint line).
#include <QObject>

#include <functional>

class Elenco;

class ElencoLocalita : public QObject {
    Q_OBJECT
public:
    // usoBloccato: whether the window's use frame still waits for a town, so that
    // picking the town already shown (after clearing) is a choice as well.
    ElencoLocalita(Elenco* loc, std::function<void()> dopoScelta, std::function<bool()> usoBloccato);

    // Adds the 64 towns: list position p is town p + 1.
    void riempi();
    // The choice of the town at the list's position (the first one when none is).
    void loc_Click();
    // Chooses the town at list position `posizione` (the first town at 0), also when
    // the list already shows it.
    void scegli(int posizione);
    void scegliPrima() { scegli(0); }
    // Ends a typing under way as leaving the box does; an empty box stays empty (no
    // town chosen). Whatever reads the box (check, file, report) calls it first, so
    // that a half-typed name never reaches them.
    void conferma();

private:
    // Shows the name of the entry at `posizione` in place of a text typed otherwise.
    void mostraNome(int posizione);
    void loc_Change();
    void loc_Conferma();
    void loc_Activated(int indice);

    Elenco* loc_;
    std::function<void()> dopoScelta_;
    std::function<bool()> usoBloccato_;
};
