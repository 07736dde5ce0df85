#pragma once

// What the refer-a-friend boxes hold until the user types; the request's
// checks compare against the same texts.

namespace velto::placeholders {

inline constexpr char16_t Name[] = u"Your Name";
inline constexpr char16_t Email[] = u"Your Email Address";
inline constexpr char16_t FriendName[] = u"Friend's Name";
inline constexpr char16_t FriendEmail[] = u"Friend's Email Address";
inline constexpr char16_t Message[] = u"Your Message";

} // namespace velto::placeholders
