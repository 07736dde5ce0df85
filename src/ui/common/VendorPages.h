#pragma once

#include <QString>

class QWidget;

namespace velto {

// http://<host>/velto-free-arithmancy/ssd.php?page=<key>; page keys are
// plain words, safe in an address as they stand.
QString VendorPageAddress(const char* pageKey);

// Opens the vendor page of a key ("home-page", "donate", ...) in the browser;
// a message, if any, goes over `asking`.
void OpenVendorPage(const char* pageKey, QWidget* asking = nullptr);

} // namespace velto
