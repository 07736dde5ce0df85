#pragma once

#include <string_view>

class QWidget;

namespace velto {

// Opens the vendor page named by a page key ("home-page", "donate", ...) in
// the browser; a message, should there be one, goes over `asking`.
void OpenVendorPage(std::string_view pageKey, QWidget* asking = nullptr);

} // namespace velto
