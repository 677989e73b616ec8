#include "devlibs/scene_setup/GameWindow.h"

#include "app/Callbacks.h"
#include "themes/ThemeFile.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <fstream>

namespace {

// Nothing is drawn from the event loop: the tools draw frames themselves.
void ignoreDisplay() {}

}  // namespace

bool openGameWindow(int& argc, char** argv, const char* title)
{
    if (!std::ifstream(kThemeFileName)) {
        std::fprintf(stderr, "%s: no %s here; run it from the game's assets directory\n", title,
                     kThemeFileName);
        return false;
    }
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGB | GLUT_DEPTH);
    glutInitWindowSize(kRulesWindowSize, kRulesWindowSize);
    glutInitWindowPosition(100, 100);
    glutCreateWindow(title);
    glutDisplayFunc(ignoreDisplay);
    for (int i = 0; i < 5; ++i)
        glutMainLoopEvent();
    onReshape(kRulesWindowSize, kRulesWindowSize);
    return true;
}
