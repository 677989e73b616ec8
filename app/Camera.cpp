#include "app/Camera.h"

#include <GL/glu.h>

void lookThroughCamera()
{
    gluLookAt(0.0, 3.5, 25.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
}
