#include "app/Window.h"

#include <GL/glut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xresource.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrandr.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

// ---- The window's size and place -------------------------------------------

namespace {

// Left free of the window on the monitor, for the desktop's panels and the
// window's title bar and borders.
constexpr int kDesktopReserve = 64;

}  // namespace

WindowPlacement placeWindow(const ScreenRect& monitor, double dpi)
{
    // Never smaller than the rules' own window on a screen with room for it;
    // a denser screen gets the same look at the same physical size.
    const double density = std::max(1.0, dpi / kPlainDpi);
    const int wanted = static_cast<int>(std::lround(kRulesWindowSize * density));
    const int room = std::min(monitor.width, monitor.height) - kDesktopReserve;
    WindowPlacement placement;
    placement.size = std::max(1, std::min(wanted, room));
    // At the preferred corner, or nearer the monitor's top-left corner where
    // the window would otherwise eat into the room kept for the desktop.
    const int keptBeyond = kDesktopReserve / 2;
    placement.x = std::min(kPreferredWindowCorner, monitor.x + monitor.width - placement.size - keptBeyond);
    placement.y = std::min(kPreferredWindowCorner, monitor.y + monitor.height - placement.size - keptBeyond);
    return placement;
}

// ---- The screen ------------------------------------------------------------

namespace {

// The window opens on the monitor that holds its preferred corner.
constexpr int kProbe = kPreferredWindowCorner;

bool holdsProbe(const XRRMonitorInfo& m)
{
    return m.x <= kProbe && kProbe < m.x + m.width && m.y <= kProbe && kProbe < m.y + m.height;
}

ScreenRect monitorAtProbe(Display* display)
{
    ScreenRect rect{0, 0, DisplayWidth(display, DefaultScreen(display)),
                    DisplayHeight(display, DefaultScreen(display))};
    int eventBase = 0, errorBase = 0;
    if (!XRRQueryExtension(display, &eventBase, &errorBase))
        return rect;
    int count = 0;
    XRRMonitorInfo* monitors = XRRGetMonitors(display, DefaultRootWindow(display), True, &count);
    for (int i = 0; i < count; ++i)
        if (holdsProbe(monitors[i])) {
            rect = {monitors[i].x, monitors[i].y, monitors[i].width, monitors[i].height};
            break;
        }
    if (monitors != nullptr)
        XRRFreeMonitors(monitors);
    return rect;
}

// The desktop sets Xft.dpi in the server's resource database: a screen's
// reported size in millimetres is too often wrong to trust.
double desktopDpi(Display* display)
{
    double dpi = kPlainDpi;
    const char* resources = XResourceManagerString(display);
    if (resources == nullptr)
        return dpi;
    XrmInitialize();
    XrmDatabase database = XrmGetStringDatabase(resources);
    char* type = nullptr;
    XrmValue value;
    if (XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr != nullptr) {
        const double read = std::atof(value.addr);
        if (read > 0)
            dpi = read;
    }
    XrmDestroyDatabase(database);
    return dpi;
}

}  // namespace

bool readScreen(const char* displayName, ScreenRect& monitor, double& dpi)
{
    Display* display = XOpenDisplay(displayName);
    if (display == nullptr)
        return false;
    monitor = monitorAtProbe(display);
    dpi = desktopDpi(display);
    XCloseDisplay(display);
    return true;
}

// ---- The window class ------------------------------------------------------

void setWindowClass(const char* name)
{
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable window = glXGetCurrentDrawable();
    if (display == nullptr || window == 0)
        return;
    XClassHint hint;
    hint.res_name = const_cast<char*>(name);
    hint.res_class = const_cast<char*>(name);
    XSetClassHint(display, window, &hint);
    XFlush(display);
}

// ---- Opening the window ----------------------------------------------------

WindowOptions readWindowOptions(int argc, char** argv)
{
    WindowOptions options;
    // Both options take a value, as GLUT reads them.
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-geometry") == 0)
            options.geometryGiven = true;
        else if (std::strcmp(argv[i], "-display") == 0)
            options.displayName = argv[i + 1];
        else
            continue;
        ++i;
    }
    return options;
}

std::optional<ScreenRect> suitedWindowRect(const WindowOptions& options)
{
    if (options.geometryGiven)
        return std::nullopt;
    ScreenRect monitor;
    double dpi = 0;
    if (!readScreen(options.displayName, monitor, dpi))
        return std::nullopt;
    const WindowPlacement placement = placeWindow(monitor, dpi);
    return ScreenRect{placement.x, placement.y, placement.size, placement.size};
}

int createGameWindow(const char* title, const std::optional<ScreenRect>& rect)
{
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGB | GLUT_DEPTH);
    if (rect) {
        glutInitWindowSize(rect->width, rect->height);
        glutInitWindowPosition(rect->x, rect->y);
    }
    const int window = glutCreateWindow(title);
    setWindowClass("hextower");
    return window;
}

// ---- Swap control ----------------------------------------------------------

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
