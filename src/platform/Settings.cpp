#include "platform/Settings.h"

#include "platform/Process.h"
#include "product/Product.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace velto {

QString applicationName()
{
    // Windows names a program as it was started: by its 8.3 short path it
    // would take another name, and run beside itself under its own lock and
    // settings key.
    const QString path = longPathName(QCoreApplication::applicationFilePath());
    return path.isEmpty() ? QString::fromLatin1(product::Executable) : QFileInfo(path).completeBaseName();
}

} // namespace velto
