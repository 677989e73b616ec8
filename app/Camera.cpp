#include "app/Camera.h"

#include <GL/glu.h>

void lookThroughCamera()
{
    gluLookAt(kCameraEye.x, kCameraEye.y, kCameraEye.z, kCameraTarget.x, kCameraTarget.y, kCameraTarget.z,
              kCameraUp.x, kCameraUp.y, kCameraUp.z);
}
