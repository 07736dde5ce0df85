#include "platform/WebPages.h"

namespace velto::webpages {

// The desktop opens an address through the shell's Open verb, which takes
// addresses of at most INTERNET_MAX_URL_LENGTH characters (2,083, without
// the terminating null); longer ones are cut short or fail by browser and
// system version. Wine's shell already fails at 2,000 (error 0, nothing
// started), while 100 arrive whole.
qsizetype maxAddressBytes()
{
    return 2083;
}

} // namespace velto::webpages
