#include "ui/exit/TellAFriend.h"

#include "engine/VendorAddress.h"
#include "platform/MessageBox.h"
#include "platform/Utf16.h"
#include "platform/WebPages.h"
#include "ui/exit/Placeholders.h"

#include <tuple>

namespace velto {

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
    request.RequestAddress = QString::fromStdString(
        TellAFriendAddress({toU16(request.SenderName), toU16(request.SenderEmail), toU16(request.MessageText),
                            toU16(request.FriendName), toU16(request.FriendEmail)}));
    OpenAddress(request.RequestAddress, window);
}

} // namespace velto
