#include "app/ScenePlacements.h"

#include <GL/gl.h>

void multiplyPlacement(const Placement& placement)
{
    glTranslatef(placement.x, placement.y, placement.z);
    glScalef(placement.scaleX, placement.scaleY, placement.scaleZ);
}

void undoPlacement(const Placement& placement)
{
    glScalef(1.0f / placement.scaleX, 1.0f / placement.scaleY, 1.0f / placement.scaleZ);
    // 0 - x rather than -x: a zero stays +0, as the frame always wrote it.
    glTranslatef(0 - placement.x, 0 - placement.y, 0 - placement.z);
}
