#include "help/finestraAiuto.h"

FinestraAiuto::FinestraAiuto() = default;
FinestraAiuto::~FinestraAiuto() = default;

void FinestraAiuto::preparaFinestraAiuto(int larghezza, int altezza, std::optional<int> left)
{
    resize_ = std::make_unique<clsResize>();
    resize_->setSourceForm(this);
    resize_->SizeFormToScreen(75);
    impostaDimensioniTwips(larghezza, altezza);
    if (left)
        move(daTwips(*left), y());
    resize_->ResizeControls();
}

void FinestraAiuto::Form_Resize()
{
    if (resize_)
        resize_->ResizeControls();
}

void FinestraAiuto::Form_Unload() { resize_.reset(); }
