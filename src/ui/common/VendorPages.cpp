#include "ui/common/VendorPages.h"

#include "engine/VendorAddress.h"
#include "platform/WebPages.h"

#include <QString>

namespace velto {

void OpenVendorPage(std::string_view pageKey, QWidget* asking)
{
    OpenAddress(QString::fromStdString(VendorPageAddress(pageKey)), asking);
}

} // namespace velto
