#include "app/WindowOptions.h"

#include "app/ScreenSize.h"
#include "app/WindowPlacement.h"

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

void requestWindowPlacement(const WindowOptions& options)
{
    if (options.geometryGiven)
        return;
    ScreenRect monitor;
    double dpi = 0;
    if (!readScreen(options.displayName, monitor, dpi))
        return;  // glutInit has already told the player there is no display
    const WindowPlacement placement = placeWindow(monitor, dpi);
    glutInitWindowSize(placement.size, placement.size);
    glutInitWindowPosition(placement.x, placement.y);
}
