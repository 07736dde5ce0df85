#include "Settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

namespace velto {

namespace {
QSettings userSettings()
{
    const QString name = applicationName();
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, name, name);
}
} // namespace

QString applicationName()
{
    const QString path = QCoreApplication::applicationFilePath();
    return path.isEmpty() ? QStringLiteral("velto-arithmancy") : QFileInfo(path).completeBaseName();
}

QString readSetting(const QString& section, const QString& name)
{
    QSettings settings = userSettings();
    const QVariant value = settings.value(section + u'/' + name);
    return value.canConvert<QString>() ? value.toString() : QString();
}

bool writeSetting(const QString& section, const QString& name, const QString& value)
{
    QSettings settings = userSettings();
    if (!settings.isWritable())
        return false;
    settings.setValue(section + u'/' + name, value);
    // setValue reports nothing; only a sync tells whether the file was written.
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace velto
