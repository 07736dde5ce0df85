#include "TellAFriend.h"

#include "MessageBox.h"
#include "VendorHost.h"
#include "WebPages.h"

#include <QUrl>

namespace velto {

namespace {

QString queryValue(const QString& value)
{
    // Unreserved characters plus those that keep names, e-mail addresses and
    // the product address readable; everything else is escaped.
    return QString::fromLatin1(QUrl::toPercentEncoding(value, QByteArrayLiteral("@:/")));
}

void refuse(QWidget* window, const char* text)
{
    showMessage({window, QString::fromLatin1(text), QMessageBox::Critical});
}

} // namespace

TellAFriendRequest& tellAFriendRequest()
{
    static TellAFriendRequest request;
    return request;
}

QString TellAFriendAddress(const TellAFriendRequest& request)
{
    const QString host = QLatin1String(VendorHost);
    return QStringLiteral("http://") + host + QStringLiteral("/velto-free-arithmancy/ssd.php?page=tarn-refer-a-friend")
        + QStringLiteral("&taf1=") + queryValue(request.SenderName)
        + QStringLiteral("&taf2=") + queryValue(request.SenderEmail)
        + QStringLiteral("&taf3=") + queryValue(request.MessageText)
        + QStringLiteral("&taf4=") + queryValue(request.FriendName)
        + QStringLiteral("&taf5=") + queryValue(request.FriendEmail)
        + QStringLiteral("&taf6=") + queryValue(QStringLiteral("http://") + host + QStringLiteral("/velto-free-arithmancy/"));
}

void SendTellAFriend(QWidget* window)
{
    TellAFriendRequest& request = tellAFriendRequest();
    if (request.SenderName.isEmpty() || request.SenderName == u"Your Name") {
        refuse(window, "Please Enter Your Name");
        return;
    }
    if (request.MessageText.isEmpty() || request.MessageText == u"Your Message") {
        refuse(window, "Please Enter Your Message");
        return;
    }
    if (request.FriendName.isEmpty() || request.FriendName == u"Friend's Name") {
        refuse(window, "Please Enter Your Friend's Name");
        return;
    }
    request.RequestAddress = TellAFriendAddress(request);
    OpenAddress(request.RequestAddress, window);
}

} // namespace velto
