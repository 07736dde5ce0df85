#include "platform/Resources.h"

#include "product/Product.h"

#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QWidget>

namespace velto {

namespace {

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

QString productTitle()
{
    return QString::fromLatin1(product::Title);
}

QString resourceText(const QString& name)
{
    QFile file(QStringLiteral(":/text/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll())
        .replace(QLatin1String("{host}"), QLatin1String(product::VendorHost));
}

QIcon applicationIcon()
{
    useApplicationIcon();
    return QGuiApplication::windowIcon();
}

void useApplicationIcon()
{
    if (!QGuiApplication::windowIcon().isNull())
        return;
    // Window icons are small; every size given here is sent to the window
    // system when a window takes the icon. 64 covers 32 at 2x.
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64})
        icon.addPixmap(QPixmap(QStringLiteral(":/images/app-icon-%1.png").arg(size)));
    QGuiApplication::setWindowIcon(icon);
}

void setLinkCursor(QWidget* widget, LinkCursor kind)
{
    new CursorOnEnter(widget, kind);
}

} // namespace velto
