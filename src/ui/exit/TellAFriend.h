#pragma once

#include <QString>

class QWidget;

namespace velto {

// One refer-a-friend submission: the five fields as last captured, and the
// last request address sent.
struct TellAFriendRequest {
    QString SenderName;
    QString SenderEmail;
    QString MessageText;
    QString FriendName;
    QString FriendEmail;
    QString RequestAddress;
};

// Checks the names and message of the request and, if they pass, builds the
// request address, keeps it in the request and opens it. Messages are
// parented to `window`.
void SendTellAFriend(TellAFriendRequest& request, QWidget* window);

} // namespace velto
