#pragma once
// Holds back the repainting of a window while its controls are rearranged, so the
// user sees only the final layout. Nested locks on the same window are harmless:
// only the outermost one turns repainting back on.
#include <QPointer>
#include <QWidget>

namespace piattaforma {

class BloccoRidisegno {
public:
    explicit BloccoRidisegno(QWidget* finestra)
        : finestra_(finestra), bloccato_(finestra && finestra->updatesEnabled())
    {
        if (bloccato_)
            finestra->setUpdatesEnabled(false);
    }
    ~BloccoRidisegno()
    {
        if (bloccato_ && finestra_)
            finestra_->setUpdatesEnabled(true);
    }
    BloccoRidisegno(const BloccoRidisegno&) = delete;
    BloccoRidisegno& operator=(const BloccoRidisegno&) = delete;

private:
    QPointer<QWidget> finestra_;
    bool bloccato_;
};

} // namespace piattaforma
