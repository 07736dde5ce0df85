#include "platform/Display.h"

namespace velto::display {

// The desktop is always there.
bool named()
{
    return true;
}

bool choosePlatform(int, char**)
{
    return false;
}

} // namespace velto::display
