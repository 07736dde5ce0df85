#pragma once

#include <QPalette>
#include <QWidget>

namespace velto {

// A fixed border with a close box, no minimise and no maximise button.
inline constexpr Qt::WindowFlags FixedBorder = Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// Gives a designed window its name, the product's caption and icon, its font
// and the design palette, and destroys it when it closes.
void setUpDesignWindow(QWidget* window, const char* name, const QFont& font);

// The system colours the windows were designed on: black on white boxes,
// light grey buttons. The design's own colours were chosen beside them, so a
// dark desktop palette must not reach a designed window.
QPalette designPalette();

// Fills a window white; call first in its paintEvent. Not set in the palette,
// which the buttons would inherit in place of their own colours.
void paintWhite(QWidget* window);

} // namespace velto
