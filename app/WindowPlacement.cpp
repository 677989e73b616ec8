#include "app/WindowPlacement.h"

#include "app/RulesWindow.h"

#include <algorithm>
#include <cmath>

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
