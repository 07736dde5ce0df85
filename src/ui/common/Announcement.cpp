#include "ui/common/Announcement.h"

#include <QEvent>

namespace velto {

Announcement::Announcement(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("announcement"));
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcement::say(const QString& text)
{
    hide();
    setAccessibleName(text);
    // A screen reader passes over what an inactive window says, as it is
    // while a dialog closes: said once the window is active again.
    if (text.isEmpty())
        return;
    if (window()->isActiveWindow())
        show();
    else
        window()->installEventFilter(this); // once, however often installed
}

bool Announcement::eventFilter(QObject* watched, QEvent* event)
{
    // Held: a text not taken back, not said yet.
    if (event->type() == QEvent::WindowActivate && isHidden() && !accessibleName().isEmpty())
        show();
    return QWidget::eventFilter(watched, event);
}

} // namespace velto
