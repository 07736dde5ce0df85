#pragma once

#include <QString>

class QWidget;

namespace velto {

// Hands an address to the desktop, which opens it in the default browser.
// The address goes as built, nothing re-encoded; whether a browser opens it
// is not checked: no message, no retry. Only an address that cannot be
// handed over at all (too long for the launcher to take) is refused, with a
// message over `asking`.
void OpenAddress(const QString& address, QWidget* asking = nullptr);

// The address of a vendor page: http://<host>/velto-free-arithmancy/ssd.php?page=<key>
QString VendorPageAddress(const QString& pageKey);

// Opens the vendor page named by a page key ("home-page", "donate", ...).
void OpenVendorPage(const QString& pageKey);

} // namespace velto
