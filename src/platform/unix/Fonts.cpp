#include "platform/Fonts.h"

#include <fontconfig/fontconfig.h>

#include <system_error>
#include <thread>

namespace velto {

namespace {

// Joined before the fonts are first asked for, or at exit.
struct ConfigurationLoader {
    std::thread thread;
    void wait()
    {
        if (thread.joinable())
            thread.join();
    }
    ~ConfigurationLoader() { wait(); }
};

ConfigurationLoader configurationLoader;

} // namespace

void preloadFontConfiguration()
{
    // Reading fontconfig's configuration and caches is the largest single
    // step of start-up and needs nothing from Qt; Qt later finds it done.
    if (configurationLoader.thread.joinable())
        return;
    try {
        configurationLoader.thread = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to be had (a process limit reached): read it here.
        FcInit();
    }
}

void fonts::waitForConfiguration()
{
    configurationLoader.wait();
}

} // namespace velto
