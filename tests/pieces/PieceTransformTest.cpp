#include "pieces/PieceDrawing.h"
#include "tests/support/RulesMatrices.h"
#include "tests/support/SceneTestKit.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Where the current modelview matrix sends a point.
std::array<double, 3> transformedPoint(double x, double y, double z)
{
    const std::array<double, 16> m = currentMatrix(GL_MODELVIEW_MATRIX);
    return {m[0] * x + m[4] * y + m[8] * z + m[12], m[1] * x + m[5] * y + m[9] * z + m[13],
            m[2] * x + m[6] * y + m[10] * z + m[14]};
}

void expectPointNear(const std::array<double, 3>& actual, double x, double y, double z)
{
    EXPECT_NEAR(actual[0], x, 1e-5);
    EXPECT_NEAR(actual[1], y, 1e-5);
    EXPECT_NEAR(actual[2], z, 1e-5);
}

TEST(PieceTransform, UndoReturnsTheMatrixApplyFound)
{
    useGlWindow();
    glMatrixMode(GL_MODELVIEW);
    // Start from a matrix like the scene's, not from identity.
    glLoadMatrixd(rulesBoardMatrix(0).data());
    const std::array<double, 16> before = currentMatrix(GL_MODELVIEW_MATRIX);

    PieceTransform transform;
    transform.setTranslation(1, -2, 3);
    transform.setRotation(30, 45, 60);
    transform.scale[0] = 0.5f;
    transform.scale[1] = 2;
    transform.scale[2] = 4;
    applyTransform(transform);
    const std::array<double, 16> applied = currentMatrix(GL_MODELVIEW_MATRIX);
    EXPECT_GT(std::fabs(applied[0] - before[0]), 0.1) << "apply must change the matrix";
    undoTransform(transform);
    expectMatrixNear(currentMatrix(GL_MODELVIEW_MATRIX), before, 1e-4);
}

TEST(PieceTransform, TurnsAboutZThenYThenXThenScalesThenMoves)
{
    useGlWindow();
    glMatrixMode(GL_MODELVIEW);
    PieceTransform transform;
    transform.setTranslation(1, 0, 0);
    transform.setScale(2);

    // About y first: (1, 0, 0) -> (0, 0, -1); then about x: -> (0, 1, 0).
    glLoadIdentity();
    transform.setRotation(90, 90, 0);
    applyTransform(transform);
    expectPointNear(transformedPoint(1, 0, 0), 1, 2, 0);

    // About z first: (1, 0, 0) -> (0, 1, 0), which the turn about y keeps.
    glLoadIdentity();
    transform.setRotation(0, 90, 90);
    applyTransform(transform);
    expectPointNear(transformedPoint(1, 0, 0), 1, 2, 0);
}

}  // namespace
