#pragma once

#include <QString>

namespace velto {

// Hands an address to the desktop, which opens it in the default browser.
// The address goes as built, nothing re-encoded; the result is ignored: no
// message, no retry.
void OpenAddress(const QString& address);

// The address of a vendor page: http://<host>/velto-free-arithmancy/ssd.php?page=<key>
QString VendorPageAddress(const QString& pageKey);

// Opens the vendor page named by a page key ("home-page", "donate", ...).
void OpenVendorPage(const QString& pageKey);

} // namespace velto
