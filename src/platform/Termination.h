#pragma once

#include <functional>

namespace velto {

// Runs `handler` on the user-interface thread when the process is asked to
// terminate (SIGTERM, SIGINT, SIGHUP), instead of dying on the spot, so that
// a shutdown by the session or the user ends the program as its own Exit
// does. Call once, after the application object exists.
void onTerminationRequest(std::function<void()> handler);

} // namespace velto
