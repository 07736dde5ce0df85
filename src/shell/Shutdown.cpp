#include "shell/Shutdown.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace velto {

namespace {

std::vector<QPointer<QWidget>> windows;
std::function<void()> endHandler;
bool ending = false;

} // namespace

void registerWindow(QWidget* window)
{
    std::erase_if(windows, [](const QPointer<QWidget>& w) { return w.isNull(); });
    windows.emplace_back(window);
}

void CloseAllWindows()
{
    if (ending)
        return;
    ending = true;

    // A window's unload handling may open or close others: walk copies of
    // the list until a pass meets no window that is still to be unloaded.
    std::vector<QWidget*> unloaded;
    for (bool again = true; again;) {
        again = false;
        const std::vector<QPointer<QWidget>> pass = windows;
        for (const QPointer<QWidget>& window : pass) {
            if (window.isNull() || std::ranges::find(unloaded, window.data()) != unloaded.end())
                continue;
            again = true;
            unloaded.push_back(window.data());
            window->close();
            // Destroyed back in the event loop, never under a handler that
            // may still be running on it.
            if (!window.isNull())
                window->deleteLater();
        }
    }

    if (endHandler)
        endHandler();
    else
        QCoreApplication::exit(0);
}

bool processEnding()
{
    return ending;
}

void setProcessEndHandler(std::function<void()> handler)
{
    endHandler = std::move(handler);
}

void resetShutdown()
{
    ending = false;
}

} // namespace velto
