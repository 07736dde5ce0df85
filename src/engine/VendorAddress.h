#pragma once

// The addresses the program hands to the browser: the vendor's pages and the
// refer-a-friend request, on the vendor host named in the product's facts.

#include <string>
#include <string_view>

namespace velto {

// http://<host>/velto-free-arithmancy/ssd.php?page=<key>; page keys are
// plain words, safe in an address as they stand.
std::string VendorPageAddress(std::string_view pageKey);

// The fields of one refer-a-friend request, trimmed, as the user typed them.
struct TellAFriendFields {
    std::u16string_view SenderName;
    std::u16string_view SenderEmail;
    std::u16string_view MessageText;
    std::u16string_view FriendName;
    std::u16string_view FriendEmail;
};

// The vendor page "tarn-refer-a-friend" with the five fields as taf1 to taf5
// and the product page as taf6, each percent-encoded as UTF-8, so that "&",
// "=", "#", "+", line breaks and any script reach the page as typed.
std::string TellAFriendAddress(const TellAFriendFields& fields);

// UTF-8 with every byte escaped but the unreserved characters and "@", ":"
// and "/", which keep names and addresses readable. A lone surrogate is "?".
std::string PercentEncode(std::u16string_view value);

} // namespace velto
