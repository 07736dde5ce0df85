#include "ui/common/DesignWindow.h"

#include "platform/Resources.h"

#include <QPainter>

namespace velto {

void setUpDesignWindow(QWidget* window, const char* name, const QFont& font)
{
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(productTitle());
    window->setWindowIcon(applicationIcon());
    window->setFont(font);
    window->setAttribute(Qt::WA_DeleteOnClose);
}

void paintWhite(QWidget* window)
{
    QPainter(window).fillRect(window->rect(), Qt::white);
}

} // namespace velto
