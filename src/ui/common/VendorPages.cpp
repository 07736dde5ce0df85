#include "ui/common/VendorPages.h"

#include "platform/WebPages.h"
#include "product/Product.h"

namespace velto {

QString VendorPageAddress(const char* pageKey)
{
    return QLatin1String(product::ProductPage) + QLatin1String("ssd.php?page=") + QLatin1String(pageKey);
}

void OpenVendorPage(const char* pageKey, QWidget* asking)
{
    OpenAddress(VendorPageAddress(pageKey), asking);
}

} // namespace velto
