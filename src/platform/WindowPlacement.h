#pragma once

class QWidget;

namespace velto {

// Centres a window's frame on its screen or, where larger than the screen,
// keeps its top-left corner (its title bar) on it, also when the screen
// shrinks later. A window not framed yet is placed with another window's
// frame, and centred again once its own is known. Where the platform places
// windows itself (Wayland), nothing moves.
void centreOnScreen(QWidget* window);

// Gives the keyboard back to a window of ours, also where Qt takes it for
// active and a screen reader was told otherwise. Wayland hands it back
// itself, and takes no request for it.
void takeKeyboardBack(QWidget* window);

} // namespace velto
