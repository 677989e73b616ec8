#include "tests/support/TestDisplay.h"

#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

// Long enough for a loaded server to finish a reset; a DISPLAY that names no
// server costs a program this once.
constexpr auto kConnectLimit = std::chrono::seconds(10);
constexpr auto kConnectRetry = std::chrono::milliseconds(20);

// DISPLAY, when it names a display.
const char* displayName()
{
    const char* name = std::getenv("DISPLAY");
    return name != nullptr && name[0] != '\0' ? name : nullptr;
}

Display* connect()
{
    if (displayName() == nullptr)
        return nullptr;
    const auto end = std::chrono::steady_clock::now() + kConnectLimit;
    Display* display = XOpenDisplay(nullptr);
    while (display == nullptr && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(kConnectRetry);
        display = XOpenDisplay(nullptr);
    }
    return display;
}

}  // namespace

_XDisplay* testDisplay()
{
    static Display* const display = connect();
    return display;
}

void needDisplay()
{
    if (displayName() == nullptr)
        skipTest("this test needs an X display: DISPLAY is unset and no Xvfb was found to start one");
    if (testDisplay() == nullptr)
        std::fprintf(stderr, "cannot open the X display %s\n", displayName());
}

void skipTest(const std::string& why)
{
    std::printf("skipped: %s\n", why.c_str());
    std::fflush(nullptr);
    // At once: the sanitizer build's leak check at exit must not turn the
    // skip into a failure.
    std::_Exit(HEXTOWER_SKIPPED_STATUS);
}
