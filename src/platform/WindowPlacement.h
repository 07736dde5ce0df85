#pragma once

class QWidget;

namespace velto {

// Centres a window's frame on its screen or, where larger than the screen,
// keeps its top-left corner (its title bar) on it, also when the screen
// shrinks later. A window not framed yet is placed with another window's
// frame, and centred again once its own is known. Where the platform places
// windows itself (Wayland), nothing moves.
void centreOnScreen(QWidget* window);

} // namespace velto
