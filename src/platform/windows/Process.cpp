#include "platform/Process.h"

#include "platform/Termination.h"

namespace velto {

bool prepareProcess()
{
    catchTerminationSignals();
    return true;
}

bool resourcesToRun()
{
    return true;
}

} // namespace velto
