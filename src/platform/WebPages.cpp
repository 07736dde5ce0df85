#include "platform/WebPages.h"

#include "platform/Log.h"
#include "platform/MessageBox.h"

#include <QDesktopServices>
#include <QUrl>

namespace velto {

void OpenAddress(const QString& address, QWidget* asking)
{
    // Strict parsing keeps the address exactly as built; an address it
    // rejects is handed over as raw bytes rather than dropped.
    QUrl url(address, QUrl::StrictMode);
    if (!url.isValid())
        url = QUrl::fromEncoded(address.toUtf8(), QUrl::TolerantMode);
    if (url.toEncoded().size() > webpages::maxAddressBytes()) {
        qCInfo(lcPlatform) << "address of" << url.toEncoded().size()
                           << "bytes refused: too long to hand over";
        showMessage({asking, QStringLiteral("This Request Is Too Long To Open In Your Browser"),
                     QMessageBox::Critical});
        return;
    }
    if (!QDesktopServices::openUrl(url))
        qCInfo(lcPlatform) << "the desktop refused to open" << url.toString(QUrl::RemoveQuery);
}

} // namespace velto
