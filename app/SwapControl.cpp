#include "app/SwapControl.h"

#include <GL/glx.h>

#include <cstring>

namespace {

template <typename Function>
Function lookUp(const char* name)
{
    return reinterpret_cast<Function>(glXGetProcAddress(reinterpret_cast<const GLubyte*>(name)));
}

bool setThroughExt(Display* display, GLXDrawable drawable, int interval)
{
    const auto swapInterval = lookUp<void (*)(Display*, GLXDrawable, int)>("glXSwapIntervalEXT");
    if (swapInterval == nullptr)
        return false;
    swapInterval(display, drawable, interval);
    return true;
}

bool setThroughMesa(Display*, GLXDrawable, int interval)
{
    const auto swapInterval = lookUp<int (*)(unsigned int)>("glXSwapIntervalMESA");
    return swapInterval != nullptr && swapInterval(static_cast<unsigned>(interval)) == 0;
}

bool setThroughSgi(Display*, GLXDrawable, int interval)
{
    const auto swapInterval = lookUp<int (*)(int)>("glXSwapIntervalSGI");
    return interval > 0 && swapInterval != nullptr && swapInterval(interval) == 0;
}

struct SwapControl {
    const char* extension;
    bool (*set)(Display*, GLXDrawable, int);
};

constexpr SwapControl kSwapControls[] = {{"GLX_EXT_swap_control", setThroughExt},
                                         {"GLX_MESA_swap_control", setThroughMesa},
                                         {"GLX_SGI_swap_control", setThroughSgi}};

}  // namespace

bool hasExtension(const char* extensions, const char* name)
{
    const std::size_t length = std::strlen(name);
    for (const char* at = extensions; at != nullptr && (at = std::strstr(at, name)) != nullptr; at += length) {
        const bool startsWord = at == extensions || at[-1] == ' ';
        const bool endsWord = at[length] == ' ' || at[length] == '\0';
        if (startsWord && endsWord)
            return true;
    }
    return false;
}

const char* offeredSwapControl(const char* extensions)
{
    for (const SwapControl& control : kSwapControls)
        if (hasExtension(extensions, control.extension))
            return control.extension;
    return nullptr;
}

bool setSwapInterval(int interval)
{
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable drawable = glXGetCurrentDrawable();
    if (display == nullptr || drawable == 0)
        return false;
    const char* extensions = glXQueryExtensionsString(display, DefaultScreen(display));
    for (const SwapControl& control : kSwapControls)
        if (hasExtension(extensions, control.extension) && control.set(display, drawable, interval))
            return true;
    return false;
}
