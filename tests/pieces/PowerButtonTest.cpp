#include "pieces/PowerButton.h"
#include "tests/support/SceneTestKit.h"

#include <gtest/gtest.h>

namespace {

TEST(PowerButton, DrawsInTheArmedOrTheIdleColor)
{
    PowerButton button("+");
    button.model = makeRectModel(-20, -20, 20, 20);
    button.armedColor = PackedColor{250, 200, 40, 255};
    button.idleColor = PackedColor{90, 90, 110, 255};

    // "+" stands at (15, 2): with one unit 1/20 of the half window, pixel (700, 440).
    for (const bool armed : {false, true, true, false}) {
        useFlatView(0, 0, 0);
        glScalef(1 / 20.0f, 1 / 20.0f, 1 / 20.0f);
        const std::array<double, 16> before = currentMatrix(GL_MODELVIEW_MATRIX);
        button.armed = armed;
        button.draw();
        const PackedColor expected = armed ? button.armedColor : button.idleColor;
        expectPixelNear(700, 440, expected.r, expected.g, expected.b);
        expectPixelNear(400, 400, 0, 0, 0);
        expectMatrixNear(currentMatrix(GL_MODELVIEW_MATRIX), before);
    }
}

}  // namespace
