#include "platform/Settings.h"

#include "product/Product.h"

#include <QSettings>

namespace velto {

namespace {

// The registry, under HKEY_CURRENT_USER\Software\<vendor>\<program>.
QSettings userSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QString::fromLatin1(product::Vendor),
                     applicationName());
}

} // namespace

std::optional<QString> readSetting(const QString& section, const QString& name)
{
    QSettings settings = userSettings();
    const QVariant value = settings.value(section + u'/' + name);
    if (!value.isValid())
        return QString();
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

bool writeSetting(const QString& section, const QString& name, const QString& value)
{
    QSettings settings = userSettings();
    if (!settings.isWritable())
        return false;
    const QString key = section + u'/' + name;
    settings.setValue(key, value);
    settings.sync();
    return settings.status() == QSettings::NoError && settings.value(key).toString() == value;
}

} // namespace velto
