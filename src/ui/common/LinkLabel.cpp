#include "ui/common/LinkLabel.h"

#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPixmap>

namespace velto {

namespace {

class LinkLabelAccessible : public QAccessibleWidget {
public:
    explicit LinkLabelAccessible(LinkLabel* label)
        : QAccessibleWidget(label, QAccessible::Link)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const QString own = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && own.isEmpty())
            return static_cast<const LinkLabel*>(widget())->text();
        return own;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& name) override
    {
        if (name == pressAction())
            emit static_cast<LinkLabel*>(widget())->clicked();
    }
};

QAccessibleInterface* linkLabelAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("velto::LinkLabel") && object && object->isWidgetType())
        return new LinkLabelAccessible(static_cast<LinkLabel*>(object));
    return nullptr;
}

// The pointing-hand cursor for a screen of that scale factor: as tall as the
// arrow pointer there, its hot spot on the fingertip.
QCursor linkCursor(LinkCursor kind, qreal scale)
{
    const QString base = kind == LinkCursor::Mono ? QStringLiteral(":/images/link-hand-mono-%1.png")
                                                  : QStringLiteral(":/images/link-hand-color-%1.png");
    // Drawn at 32 and 64 pixels; a size between is scaled down from the
    // larger drawing, so that the hand stays sharp and as tall as the arrow.
    const int size = qMax(1, qRound(32 * scale));
    QPixmap pixmap(base.arg(size > 32 ? 64 : 32));
    if (pixmap.width() != size)
        pixmap = pixmap.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    pixmap.setDevicePixelRatio(scale);
    // The fingertip lies at (10, 1) of the 32-pixel drawing. X11 takes the
    // hot spot in the image's own pixels; Windows and Wayland take it in
    // device-independent pixels and scale it themselves.
    const QString platform = QGuiApplication::platformName();
    const bool scaledByPlatform = platform == u"windows" || platform.startsWith(u"wayland");
    const qreal hot = scaledByPlatform ? 1 : scale;
    return QCursor(pixmap, qRound(10 * hot), qRound(1 * hot));
}

// Sets the link cursor on its widget at the first Enter, then goes away. Qt
// applies a widget's cursor after the Enter events, so the first hover
// already shows it.
class CursorOnEnter : public QObject {
public:
    CursorOnEnter(QWidget* widget, LinkCursor kind)
        : QObject(widget)
        , m_kind(kind)
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Enter) {
            auto* widget = static_cast<QWidget*>(watched);
            widget->setCursor(linkCursor(m_kind, widget->devicePixelRatioF()));
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    LinkCursor m_kind;
};

} // namespace

LinkLabel::LinkLabel(QWidget* parent)
    : QLabel(parent)
{
    [[maybe_unused]] static const bool installed = (QAccessible::installFactory(linkLabelAccessible), true);
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

void setLinkCursor(QWidget* widget, LinkCursor kind)
{
    new CursorOnEnter(widget, kind);
}

} // namespace velto
