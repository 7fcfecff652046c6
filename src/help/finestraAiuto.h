#pragma once
// Common ground of the help windows that own a resize helper: the help contents,
// the quick manual, the topic help windows, the licence terms and the price list.
#include "platform/finestra.h"
#include "shell/clsResize.h"

#include <memory>
#include <optional>

class FinestraAiuto : public Finestra {
    Q_OBJECT
public:
    FinestraAiuto();
    ~FinestraAiuto() override;

protected:
    // The load preamble: resize helper, 75 % of the screen centred, then the
    // window's own height and width (twips) and, when given, its left edge.
    void preparaFinestraAiuto(int larghezza, int altezza, std::optional<int> left = std::nullopt);
    void Form_Resize() override;
    void Form_Unload() override;

    std::unique_ptr<clsResize> resize_;
};

// Height of every help window, width of a topic help window and its left edge,
// which puts it in the right half of the screen.
constexpr int altezzaGuida = 6825;
constexpr int larghezzaGuida = 5640;
constexpr int sinistraGuida = 5467;
