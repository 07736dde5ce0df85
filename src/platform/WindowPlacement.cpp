#include "platform/WindowPlacement.h"

#include <QScreen>
#include <QWidget>

namespace velto {

void centreOnScreen(QWidget* window)
{
    if (const QScreen* screen = window->screen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

} // namespace velto
