#include "app/WindowOptions.h"

#include "app/ScreenSize.h"
#include "app/WindowClass.h"

#include <GL/glut.h>

#include <cstring>

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
