#include "platform/Settings.h"

#include "product/Product.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace velto {

QString applicationName()
{
    const QString path = QCoreApplication::applicationFilePath();
    return path.isEmpty() ? QString::fromLatin1(product::Executable) : QFileInfo(path).completeBaseName();
}

} // namespace velto
