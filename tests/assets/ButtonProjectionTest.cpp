// The button labels and the score digits seen through the game's real
// matrices: every label inside the window rectangle that picks its button,
// filling most of it; the digits on screen and clear of each other.

#include "app/RulesWindow.h"
#include "devlibs/game_models/GlyphModels.h"
#include "devlibs/game_models/TileModel.h"
#include "pieces/PieceTransform.h"
#include "pieces/PowerButton.h"
#include "tests/support/GlWindow.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

namespace {

struct WindowBox {
    double left, right, bottom, top;  // window pixels, y from the bottom
};

// The camera of the game's window: 800 x 800, 120-degree field of view.
void lookThroughGameCamera()
{
    useGlWindow();
    glViewport(0, 0, kRulesWindowSize, kRulesWindowSize);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(120, 1, 1, 150);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0, 3.5, 25, 0, 0, 0, 0, 1, 0);
}

// The window extent of the mesh under the current matrices.
WindowBox projectedExtent(const Mesh& mesh)
{
    GLdouble modelview[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    WindowBox box{1e9, -1e9, 1e9, -1e9};
    for (const Point3& p : mesh.vertices) {
        GLdouble x = 0, y = 0, z = 0;
        EXPECT_EQ(gluProject(p.x, p.y, p.z, modelview, projection, viewport, &x, &y, &z), GL_TRUE);
        EXPECT_GT(z, 0.0);
        EXPECT_LT(z, 1.0);
        box = {std::min(box.left, x), std::max(box.right, x), std::min(box.bottom, y), std::max(box.top, y)};
    }
    return box;
}

// The label as the frame draws it: the overlay's translate and scale, then
// the button's own placement.
WindowBox buttonExtent(const char* name, const Mesh& label)
{
    lookThroughGameCamera();
    glTranslatef(-15, -15, 0);
    glScalef(3, 3, 3);
    const PowerButton button(name);
    applyTransform(button.transform);
    return projectedExtent(label);
}

void expectFills(const char* name, const WindowBox& label, const WindowBox& rect)
{
    std::printf("%-4s label x %.1f..%.1f y %.1f..%.1f in rectangle x %.0f..%.0f y %.0f..%.0f\n", name, label.left,
                label.right, label.bottom, label.top, rect.left, rect.right, rect.bottom, rect.top);
    constexpr double kMargin = 1.5;  // pixels kept clear inside the rectangle
    EXPECT_GE(label.left, rect.left + kMargin) << name;
    EXPECT_LE(label.right, rect.right - kMargin) << name;
    EXPECT_GE(label.bottom, rect.bottom + kMargin) << name;
    EXPECT_LE(label.top, rect.top - kMargin) << name;
    constexpr double kMostOf = 0.75;
    EXPECT_GE(label.right - label.left, kMostOf * (rect.right - rect.left)) << name;
    EXPECT_GE(label.top - label.bottom, kMostOf * (rect.top - rect.bottom)) << name;
}

TEST(ButtonLabels, FillTheRectanglesThatPickThem)
{
    const Mesh labels[kPowerButtonCount] = {makePlusMesh(), makeMinusThreeMesh(), makeStopMesh()};
    for (int slot = 0; slot < kPowerButtonCount; ++slot) {
        const PowerButtonFacts& button = kPowerButtonFacts[slot];
        const PressRectangle& press = button.press;
        expectFills(button.label, buttonExtent(button.label, labels[slot]),
                    {double(press.left), double(press.right), double(press.bottom), double(press.top)});
    }
}

// The running score: four digits in a column, thousands on top, turned a
// quarter to the right, inside the overlay's translate (10, -5, 0) and
// scale 5.
TEST(ScoreDigits, PlayColumnStaysOnScreenAboveTheButtons)
{
    double previousBottom = kRulesWindowSize;
    for (float y : {30.0f, 25.0f, 20.0f, 15.0f}) {
        lookThroughGameCamera();
        glTranslatef(10, -5, 0);
        glScalef(5, 5, 5);
        PieceTransform placement;
        placement.setTranslation(25, y, -24);
        placement.setRotation(0, 0, -90);
        placement.setScale(0.5f);
        applyTransform(placement);
        WindowBox column{1e9, -1e9, 1e9, -1e9};
        for (int digit = 0; digit < 10; ++digit) {
            const WindowBox box = projectedExtent(makeDigitMesh(digit));
            column = {std::min(column.left, box.left), std::max(column.right, box.right),
                      std::min(column.bottom, box.bottom), std::max(column.top, box.top)};
        }
        EXPECT_GT(column.left, 0);
        EXPECT_LT(column.right, kRulesWindowSize);
        EXPECT_LT(column.top, previousBottom) << "digits overlap at " << y;
        EXPECT_GT(column.bottom, 380) << "digit reaches the \"+\" button";
        previousBottom = column.bottom;
    }
}

// After game over the four digits stand in a row in the board's frame, in
// front of the tower.
TEST(ScoreDigits, FinalRowStandsInFrontOfTheTower)
{
    double towerFront = 0;
    for (const Point3& p : makeTileMesh().vertices)
        towerFront = std::max(towerFront, 0.2 * std::hypot(p.x, p.z));
    double previousRight = 0;
    for (float x : {-10.0f, -4.5f, 1.0f, 6.5f}) {
        lookThroughGameCamera();
        glTranslatef(0, -28, 0);
        glScalef(1.5f, 0.8f, 1.5f);
        glRotated(7.0, 0, 1, 0);
        PieceTransform placement;
        placement.setTranslation(x, 35, 8);
        placement.setScale(0.5f);
        applyTransform(placement);
        for (int digit = 0; digit < 10; ++digit) {
            const Mesh mesh = makeDigitMesh(digit);
            const WindowBox box = projectedExtent(mesh);
            EXPECT_GT(box.left, previousRight);
            EXPECT_LT(box.right, kRulesWindowSize);
            EXPECT_GT(box.bottom, 0);
            EXPECT_LT(box.top, kRulesWindowSize);
            for (const Point3& p : mesh.vertices)
                EXPECT_GT(8 + 0.5 * p.z, towerFront);
        }
        previousRight = projectedExtent(makeDigitMesh(8)).right;
    }
}

}  // namespace
