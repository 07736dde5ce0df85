#include "WebPages.h"

#include "VendorHost.h"

#include <QDesktopServices>
#include <QUrl>

namespace velto {

void OpenAddress(const QString& address)
{
    // Strict parsing keeps the address exactly as built; an address it
    // rejects is handed over as raw bytes rather than dropped.
    QUrl url(address, QUrl::StrictMode);
    if (!url.isValid())
        url = QUrl::fromEncoded(address.toUtf8(), QUrl::TolerantMode);
    QDesktopServices::openUrl(url);
}

QString VendorPageAddress(const QString& pageKey)
{
    return QStringLiteral("http://") + QLatin1String(VendorHost) + QStringLiteral("/velto-free-arithmancy/ssd.php?page=")
        + pageKey;
}

void OpenVendorPage(const QString& pageKey)
{
    OpenAddress(VendorPageAddress(pageKey));
}

} // namespace velto
