#include "ui/exit/TellAFriend.h"

#include "platform/MessageBox.h"
#include "platform/WebPages.h"
#include "product/Product.h"
#include "ui/common/VendorPages.h"
#include "ui/exit/Placeholders.h"

#include <QUrl>

#include <tuple>

namespace velto {

QString TellAFriendAddress(const TellAFriendRequest& request)
{
    const QString values[] = {request.SenderName, request.SenderEmail, request.MessageText,
                              request.FriendName, request.FriendEmail, QLatin1String(product::ProductPage)};
    QString address = VendorPageAddress("tarn-refer-a-friend");
    for (int i = 0; i < 6; ++i)
        address += QLatin1String("&taf") + QString::number(i + 1) + u'='
            + QLatin1String(QUrl::toPercentEncoding(values[i], "@:/"));
    return address;
}

void SendTellAFriend(TellAFriendRequest& request, QWidget* window)
{
    const std::tuple<const QString&, const char16_t*, const char*> required[] = {
        {request.SenderName, placeholders::Name, "Please Enter Your Name"},
        {request.MessageText, placeholders::Message, "Please Enter Your Message"},
        {request.FriendName, placeholders::FriendName, "Please Enter Your Friend's Name"}};
    for (const auto& [value, placeholder, refusal] : required) {
        if (value.isEmpty() || value == QStringView(placeholder)) {
            showMessage({window, QString::fromLatin1(refusal), QMessageBox::Critical});
            return;
        }
    }
    request.RequestAddress = TellAFriendAddress(request);
    OpenAddress(request.RequestAddress, window);
}

} // namespace velto
