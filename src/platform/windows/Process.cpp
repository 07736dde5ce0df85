#include "platform/Process.h"

#include "platform/Termination.h"

namespace velto {

void prepareProcess()
{
    catchTerminationSignals();
}

} // namespace velto
