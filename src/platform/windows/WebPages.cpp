#include "platform/WebPages.h"

namespace velto::webpages {

// The desktop opens an address through the shell's Open verb, which takes
// addresses of at most INTERNET_MAX_URL_LENGTH characters (2,083, without
// the terminating null); longer ones are cut short or fail by browser and
// system version. Wine 8's shell falls short of that by faults of its own,
// which the limit leaves alone: with its own browser as the handler, from
// about 1,000 characters its ShellExecuteW overruns a buffer in shell32 and
// crashes, and from about 1,450 to 2,083 it ends the caller silently.
qsizetype maxAddressBytes()
{
    return 2083;
}

} // namespace velto::webpages
