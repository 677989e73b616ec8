#include "app/Callbacks.h"

#include "game/GameState.h"
#include "game/GlobalObjects.h"

#include <GL/glut.h>

#include <cstdlib>

// Window x of the last left press or motion event: where a drag step starts.
float lastMouseX = 0;

void onMouse(int button, int state, int x, int /*y*/)
{
    if (gameOver)
        std::exit(0);
    if (button == GLUT_LEFT_BUTTON && state == GLUT_DOWN)
        lastMouseX = static_cast<float>(x);
}

void onMotion(int x, int /*y*/)
{
    const float delta = static_cast<float>(x) - lastMouseX;
    lastMouseX = static_cast<float>(x);
    turntable.setAngle(turntable.getAngle() + static_cast<double>(delta));
}
