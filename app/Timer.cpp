#include "app/Callbacks.h"

#include "app/RedrawOnChange.h"
#include "game/Clock.h"

#include <GL/glut.h>

void onTimer(int)
{
    runPhaseStep();
    if (frameWanted())
        glutPostRedisplay();
    glutTimerFunc(kClockIntervalMs, onTimer, 0);
}
