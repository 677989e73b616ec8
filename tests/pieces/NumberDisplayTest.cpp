#include "pieces/NumberDisplay.h"
#include "tests/support/SceneTestKit.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Each digit model is a square of its own material colour, so a pixel tells
// which digit was drawn there.
tMaterialInfo digitMaterial(int digit)
{
    return makeMaterial(static_cast<unsigned char>(20 + digit * 25), 200, static_cast<unsigned char>(90 + digit));
}

void giveIdentifiableDigits(NumberDisplay& display)
{
    for (int digit = 0; digit < 10; ++digit) {
        t3DObject square = makeRectObject(-4, -4, 4, 4);
        square.materialIndex = 0;
        display.digitModels[digit] = makeModel({square}, {digitMaterial(digit)});
    }
}

// The digit drawn at a pixel, or -1 for none.
int digitAt(int x, int y)
{
    const std::array<unsigned char, 4> pixel = readPixel(x, y);
    for (int digit = 0; digit < 10; ++digit) {
        const tMaterialInfo material = digitMaterial(digit);
        if (pixel[0] == material.color[0] && pixel[1] == material.color[1] && pixel[2] == material.color[2])
            return digit;
    }
    return -1;
}

// One display unit is 1/40 of the half window: the play column stands at
// x = 25 (pixel 650), y = 30, 25, 20, 15 (pixels 700 .. 550); the final row
// at y = 35 (pixel 750), x = -10, -4.5, 1, 6.5 (pixels 300 .. 465).
void useDisplayView()
{
    useFlatView();
    glScalef(1 / 40.0f, 1 / 40.0f, 1 / 40.0f);
}

std::vector<int> playColumn()
{
    return {digitAt(650, 700), digitAt(650, 650), digitAt(650, 600), digitAt(650, 550)};
}

std::vector<int> finalRow()
{
    return {digitAt(300, 750), digitAt(355, 750), digitAt(410, 750), digitAt(465, 750)};
}

TEST(NumberDisplay, PlayShowsFourDigitsThousandsOnTop)
{
    NumberDisplay display;
    giveIdentifiableDigits(display);
    const struct {
        int value;
        std::vector<int> shown;
    } cases[] = {{0, {0, 0, 0, 0}}, {7, {0, 0, 0, 7}}, {905, {0, 9, 0, 5}}, {12345, {2, 3, 4, 5}}};
    for (const auto& c : cases) {
        useDisplayView();
        const std::array<double, 16> before = currentMatrix(GL_MODELVIEW_MATRIX);
        display.setValue(c.value);
        display.drawPlay();
        EXPECT_EQ(playColumn(), c.shown) << c.value;
        expectMatrixNear(currentMatrix(GL_MODELVIEW_MATRIX), before);
    }
}

TEST(NumberDisplay, FinalRowKeepsTheDigitsOfTheLastPlayFrame)
{
    NumberDisplay display;
    giveIdentifiableDigits(display);
    useDisplayView();
    display.setValue(905);
    display.drawPlay();
    display.setValue(1234);  // scored after the last frame in play

    useDisplayView();
    const std::array<double, 16> before = currentMatrix(GL_MODELVIEW_MATRIX);
    display.drawFinal();
    EXPECT_EQ(finalRow(), (std::vector<int>{0, 9, 0, 5}));
    EXPECT_EQ(playColumn(), (std::vector<int>{-1, -1, -1, -1}));
    expectMatrixNear(currentMatrix(GL_MODELVIEW_MATRIX), before);
}

TEST(NumberDisplay, DigitsWithoutMaterialTakeTheDisplayColor)
{
    NumberDisplay display;
    for (tModelData& model : display.digitModels)
        model = makeRectModel(-4, -4, 4, 4);
    display.color = PackedColor{240, 120, 30, 0};  // its alpha is not used
    display.setValue(3);
    useDisplayView();
    display.drawPlay();
    expectPixelNear(650, 550, 240, 120, 30);
    expectPixelNear(650, 700, 240, 120, 30);
}

}  // namespace
