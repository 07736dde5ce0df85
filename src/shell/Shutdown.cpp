#include "shell/Shutdown.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace velto {

namespace {

struct ShutdownState {
    std::vector<QPointer<QWidget>> windows;
    std::function<void()> endHandler;
    bool running = false;
    bool ended = false;
};

ShutdownState& state()
{
    static ShutdownState instance;
    return instance;
}

} // namespace

void registerWindow(QWidget* window)
{
    auto& windows = state().windows;
    std::erase_if(windows, [](const QPointer<QWidget>& w) { return w.isNull(); });
    windows.emplace_back(window);
}

void CloseAllWindows()
{
    ShutdownState& s = state();
    if (s.running || s.ended)
        return;
    s.running = true;

    // A window's unload handling may open or close others: walk copies of
    // the list until a pass meets no window that is still to be unloaded.
    std::vector<QWidget*> unloaded;
    for (bool again = true; again;) {
        again = false;
        const std::vector<QPointer<QWidget>> windows = s.windows;
        for (const QPointer<QWidget>& window : windows) {
            if (window.isNull()
                || std::find(unloaded.begin(), unloaded.end(), window.data()) != unloaded.end())
                continue;
            again = true;
            unloaded.push_back(window.data());
            window->close();
            // Destroyed once control returns to the event loop, never under
            // the handler that may still be running on it.
            if (!window.isNull())
                window->deleteLater();
        }
    }

    s.running = false;
    s.ended = true;
    if (s.endHandler)
        s.endHandler();
    else
        QCoreApplication::exit(0);
}

bool processEnding()
{
    return state().running || state().ended;
}

void setProcessEndHandler(std::function<void()> handler)
{
    state().endHandler = std::move(handler);
}

void resetShutdown()
{
    state().running = false;
    state().ended = false;
}

} // namespace velto
