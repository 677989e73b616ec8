#include "game/Clock.h"

#include <GL/glut.h>

void runPhaseStep() {}

void onTimer(int)
{
    runPhaseStep();
    glutPostRedisplay();
    glutTimerFunc(kClockIntervalMs, onTimer, 0);
}
