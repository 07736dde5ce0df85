#include "platform/WebPages.h"

namespace velto::webpages {

// The desktop opens an address by starting a launcher (xdg-open) with the
// address as its argument, and the kernel refuses any one argument longer
// than this; the launch then fails with only a line on stderr.
qsizetype maxAddressBytes()
{
    return 128 * 1024 - 1;
}

} // namespace velto::webpages
