#include "app/Callbacks.h"

#include "game/Clock.h"

#include <GL/glut.h>

void onTimer(int)
{
    runPhaseStep();
    glutPostRedisplay();
    glutTimerFunc(kClockIntervalMs, onTimer, 0);
}
