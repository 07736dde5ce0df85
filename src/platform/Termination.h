#pragma once

#include <functional>

namespace velto {

// Catches requests to terminate (TERM, INT and HUP on Unix; on Windows the
// end of the session) from the start of the process, before the application
// exists.
void catchTerminationSignals();

// Runs `handler` on the user-interface thread when the process is asked to
// terminate, so that it ends as its own Exit does; an earlier request as soon
// as an event loop runs. On Unix, should the thread not get to it within a
// moment, the process ends at once with status 0. Call once, after the
// application exists.
void onTerminationRequest(std::function<void()> handler);

} // namespace velto
