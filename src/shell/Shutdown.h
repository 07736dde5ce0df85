#pragma once

#include <functional>

class QWidget;

namespace velto {

// Makes a window one of ours, so that CloseAllWindows unloads it.
void registerWindow(QWidget* window);

// Closes and destroys every window of ours, each running its own unload
// handling, then ends the process with exit code 0, once: entered again
// while it runs (from an unload handler), it returns at once.
void CloseAllWindows();

// Whether CloseAllWindows has begun: no window opens another then, and main
// leaves with 0 if it began before the event loop.
bool processEnding();

// Test seam: what ending the process does (by default QCoreApplication::exit(0));
// an empty function restores the default. resetShutdown() allows another run.
void setProcessEndHandler(std::function<void()> handler);
void resetShutdown();

} // namespace velto
