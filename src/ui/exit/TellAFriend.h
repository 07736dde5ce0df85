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

// The vendor page "tarn-refer-a-friend" with the five fields as taf1 to taf5
// and the product page as taf6, each percent-encoded as UTF-8 (a lone
// surrogate as "?"), so that "&", "=", "#", "+", line breaks and any script
// reach the page as typed. "@", ":" and "/" stay, to keep names and
// addresses readable.
QString TellAFriendAddress(const TellAFriendRequest& request);

// Checks the names and message, then builds the request address, keeps it in
// the request and opens it. Messages go over `window`.
void SendTellAFriend(TellAFriendRequest& request, QWidget* window);

} // namespace velto
