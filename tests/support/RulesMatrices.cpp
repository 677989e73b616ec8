#include "tests/support/RulesMatrices.h"

#include "tests/support/GlWindow.h"

#include <GL/glu.h>

namespace {

// The modelview matrix the calls build from identity; the current one is
// left as it was.
template <typename Calls>
std::array<double, 16> modelviewOf(Calls calls)
{
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    calls();
    const std::array<double, 16> matrix = currentMatrix(GL_MODELVIEW_MATRIX);
    glPopMatrix();
    return matrix;
}

}  // namespace

std::array<double, 16> rulesCameraMatrix()
{
    return modelviewOf([] { gluLookAt(0, 3.5, 25, 0, 0, 0, 0, 1, 0); });
}

std::array<double, 16> rulesBoardMatrix(double angle)
{
    return modelviewOf([angle] {
        gluLookAt(0, 3.5, 25, 0, 0, 0, 0, 1, 0);
        glTranslatef(0, -28, 0);
        glScalef(1.5f, 0.8f, 1.5f);
        glRotated(angle, 0, 1, 0);
    });
}
