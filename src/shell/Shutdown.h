#pragma once

#include <functional>

class QWidget;

namespace velto {

// Makes a window one of ours, so that CloseAllWindows unloads it.
void registerWindow(QWidget* window);

// Unloads (closes and destroys) every window of ours that still exists,
// each running its own unload handling, then ends the process with exit
// code 0. Entered again while it runs (a window's unload handling calls it),
// it returns at once and the first run ends the process, once.
void CloseAllWindows();

// Whether CloseAllWindows is running or has run: no window opens another
// while the program ends, and before the event loop starts main leaves with
// 0 when this is set.
bool processEnding();

// Test seam: what ending the process does (by default QCoreApplication::exit(0)).
// An empty function restores the default; resetShutdown() makes another run
// possible in the same test process.
void setProcessEndHandler(std::function<void()> handler);
void resetShutdown();

} // namespace velto
