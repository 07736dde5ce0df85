#include "ui/exit/TellAFriend.h"

#include "engine/VendorAddress.h"
#include "platform/MessageBox.h"
#include "platform/Utf16.h"
#include "platform/WebPages.h"
#include "ui/exit/Placeholders.h"

namespace velto {

namespace {

// Empty, or still the box's placeholder.
bool missing(const QString& value, const char16_t* placeholder)
{
    return value.isEmpty() || value == QStringView(placeholder);
}

void refuse(QWidget* window, const char* text)
{
    showMessage({window, QString::fromLatin1(text), QMessageBox::Critical});
}

} // namespace

void SendTellAFriend(TellAFriendRequest& request, QWidget* window)
{
    if (missing(request.SenderName, placeholders::Name)) {
        refuse(window, "Please Enter Your Name");
        return;
    }
    if (missing(request.MessageText, placeholders::Message)) {
        refuse(window, "Please Enter Your Message");
        return;
    }
    if (missing(request.FriendName, placeholders::FriendName)) {
        refuse(window, "Please Enter Your Friend's Name");
        return;
    }
    request.RequestAddress = QString::fromStdString(
        TellAFriendAddress({toU16(request.SenderName), toU16(request.SenderEmail), toU16(request.MessageText),
                            toU16(request.FriendName), toU16(request.FriendEmail)}));
    OpenAddress(request.RequestAddress, window);
}

} // namespace velto
