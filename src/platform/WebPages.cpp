#include "platform/WebPages.h"

#include "platform/Log.h"
#include "platform/MessageBox.h"

#include <QDesktopServices>
#include <QUrl>

#include <utility>

namespace velto {

namespace {

QStringList desktopSaid;

void hearDesktop(QtMsgType, const QMessageLogContext&, const QString& text)
{
    desktopSaid << text;
}

} // namespace

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
    // What Qt says on the way ("Unable to detect a web browser", with the
    // whole address and so a friend's e-mail address in it) is the
    // program's to pass over in silence, and to tell, without the query,
    // when asked.
    const QtMessageHandler passOn = qInstallMessageHandler(hearDesktop);
    const bool opened = QDesktopServices::openUrl(url);
    qInstallMessageHandler(passOn);
    for (QString& said : std::exchange(desktopSaid, {}))
        qCInfo(lcPlatform).noquote() << "the desktop said:"
                                     << said.replace(url.toString(), url.toString(QUrl::RemoveQuery));
    if (!opened)
        qCInfo(lcPlatform) << "the desktop refused to open" << url.toString(QUrl::RemoveQuery);
}

} // namespace velto
