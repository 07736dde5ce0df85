#include "platform/Settings.h"

#include "platform/Log.h"
#include "product/Product.h"

#include <windows.h>

#include <cwchar>
#include <string>

namespace velto {

namespace {

// The program writes a few dozen bytes; a value far larger is not its own.
constexpr DWORD MaxValueBytes = 64 * 1024;

// HKEY_CURRENT_USER\Software\<vendor>\<program>\<section>, read and written
// through the registry itself: QSettings would read a machine-wide value
// (HKEY_LOCAL_MACHINE) or the vendor's defaults where the user has none, and
// take text such as "@Invalid()" for one of its own type tags.
std::wstring sectionKey(const QString& section)
{
    return L"Software\\" + QString::fromLatin1(product::Vendor).toStdWString() + L'\\'
        + applicationName().toStdWString() + L'\\' + section.toStdWString();
}

} // namespace

std::optional<QString> readSetting(const QString& section, const QString& name)
{
    const std::wstring key = sectionKey(section), value = name.toStdWString();
    DWORD type = REG_NONE, bytes = 0;
    LONG status = ::RegGetValueW(HKEY_CURRENT_USER, key.c_str(), value.c_str(), RRF_RT_ANY | RRF_NOEXPAND,
                                 &type, nullptr, &bytes);
    if (status == ERROR_FILE_NOT_FOUND)
        return QString();
    if (status != ERROR_SUCCESS || type != REG_SZ || bytes > MaxValueBytes) {
        qCInfo(lcPlatform) << "setting" << name << "unreadable: status" << status << "type" << type << "bytes"
                           << bytes;
        return std::nullopt;
    }
    // Room for a terminating null the stored text may lack.
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    status = ::RegGetValueW(HKEY_CURRENT_USER, key.c_str(), value.c_str(), RRF_RT_REG_SZ, nullptr,
                            text.data(), &bytes);
    if (status != ERROR_SUCCESS)
        return std::nullopt; // changed or gone between the two reads
    text.resize(std::wcslen(text.c_str()));
    return QString::fromStdWString(text);
}

bool writeSetting(const QString& section, const QString& name, const QString& value)
{
    const std::wstring key = sectionKey(section), text = value.toStdWString();
    const LONG status = ::RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), name.toStdWString().c_str(), REG_SZ,
                                          text.c_str(),
                                          static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    if (status != ERROR_SUCCESS) {
        qCInfo(lcPlatform) << "setting" << name << "not written: status" << status;
        return false;
    }
    // Read back, as the start will read it.
    return readSetting(section, name) == value;
}

} // namespace velto
