#include "platform/Fonts.h"

#include <fontconfig/fontconfig.h>

#include <system_error>
#include <thread>

namespace velto {

namespace {
// Joined before the fonts are first asked for, or at exit.
std::jthread loader;
} // namespace

void preloadFontConfiguration()
{
    // Reading fontconfig's configuration and caches is the largest single
    // step of start-up and needs nothing from Qt; Qt later finds it done.
    if (loader.joinable())
        return;
    try {
        loader = std::jthread([] { FcInit(); });
    } catch (const std::system_error&) {
        FcInit(); // no thread to be had (a process limit reached)
    }
}

void fonts::waitForConfiguration()
{
    if (loader.joinable())
        loader.join();
}

} // namespace velto
