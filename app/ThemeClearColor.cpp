// The one theme operation that needs OpenGL, kept beside the frame that
// uses it so the themes library stays free of it.

#include "themes/Theme.h"

#include <GL/gl.h>

void Theme::applyClearColor() const
{
    glClearColor(static_cast<float>(backgroundColor.r / 255.0),
                 static_cast<float>(backgroundColor.g / 255.0),
                 static_cast<float>(backgroundColor.b / 255.0), 1.0f);
}
