#include "devlibs/scene_setup/GameWindow.h"

#include "app/Frame.h"
#include "app/Window.h"
#include "themes/Theme.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace {

constexpr int kLargestSide = 8192;

// Nothing is drawn from the event loop: the tools draw frames themselves.
void ignoreDisplay() {}

}  // namespace

bool parseWindowSize(const char* text, WindowSize& size)
{
    int width = 0, height = 0;
    char rest = 0;
    if (std::sscanf(text, "%dx%d%c", &width, &height, &rest) != 2 || width < 1 || height < 1 ||
        width > kLargestSide || height > kLargestSide)
        return false;
    size = {width, height};
    return true;
}

bool openGameWindow(int& argc, char** argv, const char* title, WindowSize size)
{
    if (!std::ifstream(kThemeFileName)) {
        std::fprintf(stderr, "%s: no %s here; run it from the game's assets directory\n", title,
                     kThemeFileName);
        return false;
    }
    glutInit(&argc, argv);
    // A window partly off the screen would leave pixels undrawn and be
    // measured or captured wrongly; so it must fit whole, and it keeps the
    // game's corner where there is room for it.
    const int screenWidth = glutGet(GLUT_SCREEN_WIDTH);
    const int screenHeight = glutGet(GLUT_SCREEN_HEIGHT);
    if (size.width > screenWidth || size.height > screenHeight) {
        std::fprintf(stderr, "%s: a %dx%d window does not fit the %dx%d screen"
                             " (under xvfb-run, give a larger one: -s \"-screen 0 %dx%dx24\")\n",
                     title, size.width, size.height, screenWidth, screenHeight, size.width, size.height);
        return false;
    }
    createGameWindow(title, ScreenRect{std::min(kPreferredWindowCorner, screenWidth - size.width),
                                       std::min(kPreferredWindowCorner, screenHeight - size.height),
                                       size.width, size.height});
    glutDisplayFunc(ignoreDisplay);
    for (int i = 0; i < 5; ++i)
        glutMainLoopEvent();
    // The size the X server really gave the window, which a window manager
    // may have changed.
    const int width = glutGet(GLUT_WINDOW_WIDTH);
    const int height = glutGet(GLUT_WINDOW_HEIGHT);
    if (width != size.width || height != size.height) {
        std::fprintf(stderr, "%s: asked for a %dx%d window, got %dx%d\n", title, size.width, size.height,
                     width, height);
        return false;
    }
    onReshape(width, height);
    return true;
}
