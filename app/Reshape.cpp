#include "app/Callbacks.h"

#include "app/Camera.h"
#include "app/RulesFrame.h"
#include "app/Timer.h"

#include <GL/glu.h>

void onReshape(int width, int height)
{
    // A minimised window can report a height of 0; treat it as 1 so the
    // aspect stays finite.  The viewport is the whole window, also where the
    // scene leaves bands beside or above it: the pick reads window pixels.
    const int safeHeight = height > 0 ? height : 1;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const float aspect = static_cast<float>(width) / static_cast<float>(safeHeight);
    gluPerspective(fieldOfViewOf(rulesFrameOf(width, height), height), aspect, kNearPlane, kFarPlane);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    lookThroughCamera();
    // GLUT draws after a resize itself; the clock looks again all the same.
    oweFrames(1);
    wakeClock();
}
