#pragma once

class QWidget;

namespace velto {

// Moves a window so that its frame is centred on the screen it is on.
void centreOnScreen(QWidget* window);

} // namespace velto
