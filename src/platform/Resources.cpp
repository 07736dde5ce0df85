#include "platform/Resources.h"

#include "product/Product.h"

#include <QFile>
#include <QGuiApplication>
#include <QPixmap>

namespace velto {

QString productTitle()
{
    return QString::fromLatin1(product::Title);
}

QString resourceText(const QString& name)
{
    QFile file(QStringLiteral(":/text/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).replace(QLatin1String("{host}"), QLatin1String(product::VendorHost));
}

QIcon applicationIcon()
{
    // Window icons are small; every size given here is decoded and sent to
    // the window system when a window takes the icon. 64 covers 32 at 2x.
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64})
        icon.addFile(QStringLiteral(":/images/app-icon-%1.png").arg(size), QSize(size, size));
    return icon;
}

QCursor linkCursor(LinkCursor kind)
{
    const QString base = kind == LinkCursor::Mono ? QStringLiteral(":/images/link-hand-mono-%1.png")
                                                  : QStringLiteral(":/images/link-hand-color-%1.png");
    // The double-size drawing keeps the pointer sharp on high-DPI screens.
    const bool hiDpi = qApp && qApp->devicePixelRatio() > 1.0;
    QPixmap pixmap(base.arg(hiDpi ? 64 : 32));
    pixmap.setDevicePixelRatio(hiDpi ? 2.0 : 1.0);
    return QCursor(pixmap, 10, 1); // fingertip
}

} // namespace velto
