#include "platform/Termination.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>

#include <windows.h>

namespace velto {

namespace {

std::function<void()> requestHandler;

// A windowed program learns that the session ends from WM_ENDSESSION, and the
// session ends once that is answered: the program ends inside it.
// WM_QUERYENDSESSION is left to Qt, so that the program never holds up a
// log-off.
class SessionEndFilter : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override
    {
        const auto* msg = static_cast<const MSG*>(message);
        if (eventType != "windows_generic_MSG" || msg->message != WM_ENDSESSION || !msg->wParam)
            return false;
        if (requestHandler)
            requestHandler();
        // The event loop hands thread messages over without a result.
        if (result)
            *result = 0;
        return true;
    }
};

} // namespace

// A windowed program has no console, and so no console events to catch.
void catchTerminationSignals()
{
}

void onTerminationRequest(std::function<void()> handler)
{
    static SessionEndFilter sessionEnd;
    requestHandler = std::move(handler);
    QCoreApplication::instance()->installNativeEventFilter(&sessionEnd);
}

} // namespace velto
