#pragma once

#include <QPalette>
#include <QWidget>

namespace velto {

// The title bar of every designed window: a fixed border with a close box,
// no minimise and no maximise button.
inline constexpr Qt::WindowFlags FixedBorder = Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// Sets up a designed window: its name, the product's caption and icon, its
// font, the colours of the system it was designed on, and unloading it when
// it closes (it is then destroyed).
void setUpDesignWindow(QWidget* window, const char* name, const QFont& font);

// The system colours the windows were designed on: black text on white boxes
// and light grey buttons. The design leaves these colours to the system, but
// its own colours (white windows, teal pages) were chosen beside them, so a
// dark desktop palette must not reach a designed window.
QPalette designPalette();

// Fills a window's background white, under its controls; call first in its
// paintEvent. Painted rather than set in the palette, which the buttons
// would inherit in place of the system's button colours.
void paintWhite(QWidget* window);

} // namespace velto
