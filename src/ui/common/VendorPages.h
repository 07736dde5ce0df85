#pragma once

#include <string_view>

class QWidget;

namespace velto {

// Opens the vendor page of a key ("home-page", "donate", ...) in the browser;
// a message, if any, goes over `asking`.
void OpenVendorPage(std::string_view pageKey, QWidget* asking = nullptr);

} // namespace velto
