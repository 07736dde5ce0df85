#pragma once

#include <QString>

class QWidget;

namespace velto {

// The five fields as last captured, and the last request address sent.
struct TellAFriendRequest {
    QString SenderName;
    QString SenderEmail;
    QString MessageText;
    QString FriendName;
    QString FriendEmail;
    QString RequestAddress;
};

// Checks the names and message, then builds the request address, keeps it in
// the request and opens it. Messages go over `window`.
void SendTellAFriend(TellAFriendRequest& request, QWidget* window);

} // namespace velto
