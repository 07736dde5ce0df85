#pragma once

#include "TrimSpaces.h"

#include <QString>

class QWidget;

namespace velto {

// The last refer-a-friend submission, alive for the whole run.
struct TellAFriendRequest {
    QString SenderName;
    QString SenderEmail;
    QString MessageText;
    QString FriendName;
    QString FriendEmail;
    QString RequestAddress; // the last request sent
};

TellAFriendRequest& tellAFriendRequest();

// Checks the names and message of the request and, if they pass, builds the
// request address and opens it. Messages are parented to `window`.
void SendTellAFriend(QWidget* window);

// The request address for the captured fields. Each value is percent-encoded
// as UTF-8, so "&", "=", "#", "+", line breaks and letters of any script
// reach the page exactly as typed.
QString TellAFriendAddress(const TellAFriendRequest& request);

} // namespace velto
