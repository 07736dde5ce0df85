#include "ui/common/Announcement.h"

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
    if (!text.isEmpty())
        show();
}

} // namespace velto
