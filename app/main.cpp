// hextower: pop same-coloured groups of tiles on a six-sided tower before any
// column reaches the top.

#include "app/Callbacks.h"
#include "app/FramePacing.h"
#include "app/RulesWindow.h"
#include "app/WindowClass.h"
#include "app/WindowOptions.h"
#include "game/Clock.h"

#include <GL/glut.h>

int main(int argc, char** argv)
{
    const WindowOptions options = readWindowOptions(argc, argv);
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGB | GLUT_DEPTH);
    requestWindowPlacement(options);
    glutCreateWindow(argv[0]);
    setWindowClass("hextower");
    startUp();
    setUpFramePacing();
    glutMotionFunc(onMotion);
    glutDisplayFunc(onDisplay);
    glutReshapeFunc(onReshape);
    glutTimerFunc(kClockIntervalMs, onTimer, 0);
    glutMouseFunc(onMouse);
    glutMainLoop();
    return 0;
}
