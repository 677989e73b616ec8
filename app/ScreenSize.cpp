#include "app/ScreenSize.h"

#include <X11/Xlib.h>
#include <X11/Xresource.h>
#include <X11/extensions/Xrandr.h>

#include <cstdlib>

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
