#pragma once

class QWidget;

namespace velto {

// Moves a window so that its frame is centred on the screen it is on, or,
// where it is larger than the screen, so that its top-left corner (where its
// title bar starts) is on it; a screen that shrinks later keeps it so. A
// window the window manager has not framed yet is placed with the frame of
// another window of ours, and centred again once its own frame is known.
// Where the platform places windows itself (Wayland), nothing moves.
void centreOnScreen(QWidget* window);

} // namespace velto
