#pragma once

#include <QWidget>

namespace velto {

// The title bar of every designed window: a fixed border with a close box,
// no minimise and no maximise button.
inline constexpr Qt::WindowFlags FixedBorder =
    Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// Sets up a designed window: its name, the product's caption and icon, its
// font, and unloading it when it closes (it is then destroyed).
void setUpDesignWindow(QWidget* window, const char* name, const QFont& font);

// Fills a window's background white, under its controls; call first in its
// paintEvent. Painted rather than set in the palette, which the buttons
// would inherit in place of the system's button colours.
void paintWhite(QWidget* window);

} // namespace velto
