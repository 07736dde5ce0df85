#pragma once

#include <functional>

namespace velto {

// Catches requests to terminate from the start of the process: TERM, INT and
// HUP on Unix; on Windows the end of the session. Call first thing in main,
// before the application object exists.
void catchTerminationSignals();

// Runs `handler` on the user-interface thread when the process is asked to
// terminate, instead of dying on the spot, so that a shutdown by the session
// or the user ends the program as its own Exit does. A request that arrived
// earlier is handled as soon as an event loop runs. On Unix, should the thread
// not get to it within a moment (stuck in a call, or no loop running), the
// process ends at once with status 0. Call once, after the application object
// exists.
void onTerminationRequest(std::function<void()> handler);

} // namespace velto
