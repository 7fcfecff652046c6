#pragma once
// The engraved horizontal lines that part the blocks of the about and support windows.
class QWidget;

namespace lineeDecorative {
// A line at the design place (twips) `top`, from `left`, `width` long.
void linea(QWidget* genitore, int left, int top, int width);
} // namespace lineeDecorative
