// hextower: pop same-coloured groups of tiles on a six-sided tower before any
// column reaches the top.

#include "app/Clock.h"
#include "app/DataFolder.h"
#include "app/Frame.h"
#include "app/Input.h"
#include "app/StartUp.h"
#include "app/Window.h"
#include "game/Tile.h"
#include "themes/Theme.h"

#include <GL/glut.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void printUsage()
{
    std::printf(
        "usage: hextower [GLUT options]\n"
        "       hextower --help | --version\n"
        "\n"
        "A 3D puzzle: pop groups of coloured tiles on a six-sided tower before any\n"
        "column reaches the top.  Drag to turn the tower, left-click a tile to pop its\n"
        "group, right-click to change the colours.  The manual page tells the rules.\n"
        "\n"
        "GLUT options, among others:\n"
        "  -display NAME       the X display to open\n"
        "  -geometry WxH+X+Y   the window's size and position\n"
        "  -direct, -indirect, -sync, -gldebug\n"
        "\n"
        "Environment:\n"
        "  HEXTOWER_DATA       the folder to read the game's data from, and only that one\n"
        "  HEXTOWER_NOTICE     'console': problems with model files go to standard error\n"
        "                      only, without a dialog\n"
        "  %-19s frames a second, 1 to %d; 0: as fast as it can;\n"
        "                      unset: the display's pace\n"
        "\n"
        "The data (%s and %s) is looked for in the folder\n"
        "HEXTOWER_DATA names, else in the working directory, else in the game's own\n"
        "data folder:\n"
        "  %s\n",
        kFrameRateVariable, kMostFramesPerSecond, kThemeFileName, kTileModelFile,
        programDataFolder().c_str());
}

// `hextower --help` and `hextower --version` are answered before anything
// else runs: before the global objects are built, which read the models, and
// before GLUT looks for a display.  A constructor of high priority runs
// before the C++ objects of default priority; glibc hands it the arguments.
// Any other command line reaches glutInit untouched.
__attribute__((constructor(101))) void answerHelpOrVersion(int argc, char** argv, char**)
{
    if (argc != 2)
        return;
    if (std::strcmp(argv[1], "--help") == 0)
        printUsage();
    else if (std::strcmp(argv[1], "--version") == 0)
        std::printf("hextower %s\n", HEXTOWER_VERSION);
    else
        return;
    std::exit(0);
}

}  // namespace

int main(int argc, char** argv)
{
    const WindowOptions options = readWindowOptions(argc, argv);
    glutInit(&argc, argv);
    createGameWindow(argv[0], suitedWindowRect(options));
    startUp();
    setUpFramePacing();
    glutMotionFunc(onMotion);
    glutDisplayFunc(onDisplay);
    glutReshapeFunc(onReshape);
    wakeClock();  // the timer: onTimer, first tick at once
    glutMouseFunc(onMouse);
    glutMainLoop();
    return 0;
}
