#include "platform/FileAccess.h"

#include <QFile>
#include <QFileInfo>

namespace velto {

FileContents readFileStart(const QString& path, std::size_t maxBytes)
{
    using Status = FileContents::Status;
    const QFileInfo info(path);
    if (!info.exists())
        return {Status::Missing, {}};
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return {Status::Unreadable, {}};
    const QByteArray bytes = file.read(static_cast<qint64>(maxBytes) + 1);
    const auto max = static_cast<qsizetype>(maxBytes);
    return {Status::Read, bytes.left(max).toStdString(), bytes.size() <= max};
}

} // namespace velto
