#include "climate/elencoLocalita.h"

#include "base/ModKorvel.h"
#include "climate/datiClimatici.h"
#include "climate/tabella.h"
#include "platform/caratteri.h"
#include "platform/controlli.h"

#include <QCompleter>
#include <QLineEdit>
#include <QSignalBlocker>

ElencoLocalita::ElencoLocalita(Elenco* loc, std::function<void()> dopoScelta, std::function<bool()> usoBloccato)
    : QObject(loc), loc_(loc), dopoScelta_(std::move(dopoScelta)), usoBloccato_(std::move(usoBloccato))
{
    loc_->setFont(caratteri::progetto());
    loc_->setEditable(true);
    loc_->setInsertPolicy(QComboBox::NoInsert);
    loc_->setMaxVisibleItems(16);
    if (QCompleter* completamento = loc_->completer())
        completamento->setCaseSensitivity(Qt::CaseInsensitive);
    connect(loc_, &Elenco::Click, this, &ElencoLocalita::loc_Click);
    connect(loc_, &QComboBox::activated, this, &ElencoLocalita::loc_Activated);
    connect(loc_->lineEdit(), &QLineEdit::textEdited, this, [this] { loc_Change(); });
    connect(loc_->lineEdit(), &QLineEdit::editingFinished, this, &ElencoLocalita::loc_Conferma);
}

void ElencoLocalita::riempi()
{
    for (int i = 1; i <= ModKorvel::totaleLocalita; ++i)
        loc_->AddItem(ModKorvel::localita[std::size_t(i)]);
}

void ElencoLocalita::loc_Click()
{
    if (loc_->ListIndex() == -1)
        loc_->setListIndex(0);
    ModKorvel::numLocalita = loc_->ListIndex() + 1;
    finestra<tabella>().spostaLocalita(ModKorvel::numLocalita);
    ModKorvel::scegliLocalita();
    if (dopoScelta_)
        dopoScelta_();
}

void ElencoLocalita::scegli(int posizione)
{
    if (posizione < 0 || posizione >= loc_->ListCount())
        return;
    if (loc_->ListIndex() != posizione) {
        loc_->setListIndex(posizione); // the move runs the town choice
        return;
    }
    // The list stands already: a typed text that chose the town gives way to its name.
    mostraNome(posizione);
    loc_Click();
}

void ElencoLocalita::mostraNome(int posizione)
{
    if (loc_->currentText() == loc_->List(posizione))
        return;
    const QSignalBlocker blocco(loc_);
    loc_->setEditText(loc_->List(posizione));
}

void ElencoLocalita::loc_Change()
{
    const QString testo = loc_->currentText();
    const int esatta = loc_->findText(testo, Qt::MatchFixedString);
    if (esatta >= 0) {
        if (esatta != loc_->ListIndex())
            loc_->setListIndex(esatta);
        else
            mostraNome(esatta); // spelt as the list has it
        return;
    }
    if (testo.isEmpty())
        return;
    for (int i = 0; i < loc_->ListCount(); ++i)
        if (loc_->List(i).startsWith(testo, Qt::CaseInsensitive))
            return;
    scegliPrima();
}

void ElencoLocalita::loc_Conferma()
{
    const QString testo = loc_->currentText();
    const int posizione = loc_->ListIndex();
    if (testo.isEmpty()) {
        // An emptied box is no town, as before the first choice: the check asks for
        // one and choosing the same town again is a choice. The town loaded stays,
        // since the other windows still show it.
        if (posizione >= 0) {
            loc_->nessunaScelta();
            if (dopoScelta_)
                dopoScelta_();
        }
        return;
    }
    if (posizione >= 0 && testo == loc_->List(posizione))
        return;
    const int esatta = loc_->findText(testo, Qt::MatchFixedString);
    if (esatta < 0) {
        scegliPrima();
    } else if (esatta != posizione) {
        loc_->setListIndex(esatta);
    } else {
        mostraNome(esatta);
    }
}

void ElencoLocalita::conferma() { loc_Conferma(); }

void ElencoLocalita::loc_Activated(int indice)
{
    if (indice == loc_->ListIndex() && usoBloccato_ && usoBloccato_())
        loc_Click();
}
