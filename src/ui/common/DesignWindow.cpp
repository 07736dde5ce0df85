#include "ui/common/DesignWindow.h"

#include "platform/Resources.h"

#include <QAccessibleWidget>
#include <QFrame>
#include <QPainter>

namespace velto {

namespace {

// Qt calls a window of ours made from a plain widget a filler and a frame a
// frame, the role of a top-level window: a screen reader then takes the focus
// for lying outside the active window and says nothing. Such a window is a
// dialog (read out as it opens), and a frame a group inside it. Qt's own
// windows (a menu is a plain widget too) keep the roles Qt gives them.
QAccessibleInterface* designAccessible(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("velto::DesignFrame"))
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    // A line drawn by a frame is a separator.
    if (const auto* line = qobject_cast<QFrame*>(widget); line && className == QLatin1String("QFrame")
        && (line->frameShape() == QFrame::HLine || line->frameShape() == QFrame::VLine))
        return new QAccessibleWidget(widget, QAccessible::Separator);
    if (className == QLatin1String("velto::Announcement"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    if (widget->isWindow() && className.startsWith(QLatin1String("velto::"))
        && object->metaObject()->superClass() == &QWidget::staticMetaObject)
        return new QAccessibleWidget(widget, QAccessible::Dialog);
    return nullptr;
}

} // namespace

void setUpDesignWindow(QWidget* window, const char* name, const QFont& font)
{
    [[maybe_unused]] static const bool rolesKnown = (QAccessible::installFactory(designAccessible), true);
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(productTitle());
    useApplicationIcon();
    window->setFont(font);
    // Before any control exists: each control's own palette starts from it.
    window->setPalette(designPalette());
    window->setAttribute(Qt::WA_DeleteOnClose);
}

QPalette designPalette()
{
    const QColor grey(239, 239, 239);
    const QColor dark(159, 159, 159);
    QPalette palette(Qt::black, grey, Qt::white, dark, QColor(184, 184, 184), Qt::black, Qt::white, Qt::white,
                     grey);
    palette.setColor(QPalette::Midlight, QColor(202, 202, 202));
    palette.setColor(QPalette::Shadow, QColor(118, 118, 118));
    palette.setColor(QPalette::Highlight, QColor(48, 140, 198));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, Qt::blue);
    palette.setColor(QPalette::LinkVisited, Qt::magenta);
    palette.setColor(QPalette::AlternateBase, QColor(247, 247, 247));
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    palette.setColor(QPalette::PlaceholderText, QColor(0, 0, 0, 128));
    const QColor greyedText(190, 190, 190);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::Dark})
        palette.setColor(QPalette::Disabled, role, greyedText);
    palette.setColor(QPalette::Disabled, QPalette::Base, grey);
    palette.setColor(QPalette::Disabled, QPalette::Shadow, QColor(177, 177, 177));
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    // Every role counts as set, so that none is taken from the desktop.
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            palette.setBrush(g, r, palette.brush(g, r));
        }
    }
    return palette;
}

void paintWhite(QWidget* window)
{
    QPainter(window).fillRect(window->rect(), Qt::white);
}

} // namespace velto
