#include "platform/WebPages.h"

#include "platform/Log.h"
#include "platform/MessageBox.h"

#include <QDesktopServices>
#include <QUrl>

#include <limits>

namespace velto {

namespace {

// The desktop opens an address by starting a launcher (xdg-open) with the
// address as its argument, and the kernel refuses any one argument longer
// than this; the launch then fails with only a line on stderr.
#if defined(Q_OS_LINUX)
constexpr qsizetype MaxLaunchArgumentBytes = 128 * 1024 - 1;
#else
constexpr qsizetype MaxLaunchArgumentBytes = std::numeric_limits<qsizetype>::max();
#endif

} // namespace

void OpenAddress(const QString& address, QWidget* asking)
{
    // Strict parsing keeps the address exactly as built; an address it
    // rejects is handed over as raw bytes rather than dropped.
    QUrl url(address, QUrl::StrictMode);
    if (!url.isValid())
        url = QUrl::fromEncoded(address.toUtf8(), QUrl::TolerantMode);
    if (url.toEncoded().size() > MaxLaunchArgumentBytes) {
        qCInfo(lcPlatform) << "address of" << url.toEncoded().size() << "bytes refused: too long to hand over";
        showMessage({asking, QStringLiteral("This Request Is Too Long To Open In Your Browser"),
                     QMessageBox::Critical});
        return;
    }
    if (!QDesktopServices::openUrl(url))
        qCInfo(lcPlatform) << "the desktop refused to open" << url.toString(QUrl::RemoveQuery);
}

} // namespace velto
