#include "platform/Display.h"

namespace velto::display {

bool named()
{
    // An empty name names nothing: Qt would try it and abort.
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

bool choosePlatform(int argc, char** argv)
{
    // Under native Wayland the program can neither place its windows nor keep
    // the exit screen on top: it runs on X (or Xwayland) where there is one.
    // The user's own choice, by variable or -platform, always wins.
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            return false;
    }
    // Wayland stays the fallback should the X server refuse the connection.
    qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    return true;
}

} // namespace velto::display
