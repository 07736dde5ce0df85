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
    m_held = !text.isEmpty() && !window()->isActiveWindow();
    if (m_held)
        window()->installEventFilter(this); // once, however often installed
    else if (!text.isEmpty())
        show();
}

bool Announcement::eventFilter(QObject* watched, QEvent* event)
{
    if (m_held && event->type() == QEvent::WindowActivate) {
        m_held = false;
        show();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace velto
