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

} // namespace velto
