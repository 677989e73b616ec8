#include "tests/support/GlWindow.h"

#include "app/Window.h"
#include "tests/support/TestDisplay.h"

#include <GL/freeglut.h>

namespace {

int window = 0;

void ignoreDisplay() {}

}  // namespace

void useGlWindow()
{
    if (window == 0) {
        needDisplay();
        int argc = 1;
        char name[] = "hextower-tests";
        char* argv[] = {name, nullptr};
        glutInit(&argc, argv);
        window = createGameWindow(name, ScreenRect{kPreferredWindowCorner, kPreferredWindowCorner,
                                                   kRulesWindowSize, kRulesWindowSize});
        glutDisplayFunc(ignoreDisplay);
        pumpGlEvents();
    }
    glutSetWindow(window);
    glDrawBuffer(GL_BACK);
    glReadBuffer(GL_BACK);
}

void pumpGlEvents()
{
    for (int i = 0; i < 5; ++i)
        glutMainLoopEvent();
    glFinish();
}

std::array<unsigned char, 4> readPixel(int x, int y)
{
    std::array<unsigned char, 4> pixel{};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel.data());
    return pixel;
}

float readDepth(int x, int y)
{
    float depth = 0;
    glReadPixels(x, y, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    return depth;
}

std::array<double, 16> currentMatrix(unsigned matrixName)
{
    std::array<double, 16> matrix{};
    glGetDoublev(matrixName, matrix.data());
    return matrix;
}
