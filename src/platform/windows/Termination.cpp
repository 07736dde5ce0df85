#include "platform/Termination.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>
#include <QMetaObject>

#include <mutex>

#include <windows.h>

namespace velto {

namespace {

// How long the user-interface thread has to take up a request before the
// process ends without it.
constexpr DWORD FallbackMs = 2000;

std::mutex requestMutex;
// Guarded by requestMutex: a request that came before the handler, and the
// handler with the object whose thread runs it.
bool pendingRequest = false;
std::function<void()> requestHandler;
QObject* handlerContext = nullptr;
// Set by the user-interface thread once it has taken up a request.
HANDLE takenUp = nullptr;

void takeUp()
{
    ::SetEvent(takenUp);
    if (requestHandler)
        requestHandler();
}

// Called with requestMutex held.
void queueTakeUp()
{
    QMetaObject::invokeMethod(handlerContext, &takeUp, Qt::QueuedConnection);
}

// Runs on a thread the system starts for the purpose.
BOOL WINAPI consoleRequest(DWORD event)
{
    ::ResetEvent(takenUp);
    {
        const std::lock_guard lock(requestMutex);
        if (handlerContext)
            queueTakeUp();
        else
            pendingRequest = true;
    }
    if (::WaitForSingleObject(takenUp, FallbackMs) != WAIT_OBJECT_0)
        ::TerminateProcess(::GetCurrentProcess(), 0);
    // The system ends the process as soon as a close, log-off or shutdown
    // handler returns: hold on while the program ends its own way.
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT)
        ::Sleep(INFINITE);
    return TRUE;
}

// The session ends once WM_ENDSESSION has been answered, so the program ends
// inside it. WM_QUERYENDSESSION is left to Qt: the program never holds up a
// log-off.
class SessionEndFilter : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override
    {
        const auto* msg = static_cast<const MSG*>(message);
        if (eventType != "windows_generic_MSG" || msg->message != WM_ENDSESSION || !msg->wParam)
            return false;
        takeUp();
        // The event loop hands thread messages over without a result.
        if (result)
            *result = 0;
        return true;
    }
};

} // namespace

void catchTerminationSignals()
{
    if (takenUp)
        return;
    takenUp = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (takenUp)
        ::SetConsoleCtrlHandler(consoleRequest, TRUE);
}

void onTerminationRequest(std::function<void()> handler)
{
    catchTerminationSignals();
    QCoreApplication* app = QCoreApplication::instance();
    static SessionEndFilter sessionEnd;
    app->installNativeEventFilter(&sessionEnd);
    const std::lock_guard lock(requestMutex);
    requestHandler = std::move(handler);
    handlerContext = app;
    if (pendingRequest)
        queueTakeUp();
    pendingRequest = false;
}

} // namespace velto
