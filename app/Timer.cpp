#include "app/Callbacks.h"

#include "app/RedrawOnChange.h"
#include "game/Clock.h"

#include <GL/glut.h>

void onTimer(int)
{
    runPhaseStep();
    askForFrameIfChanged();
    glutTimerFunc(kClockIntervalMs, onTimer, 0);
}
