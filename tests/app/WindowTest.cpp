#include "app/Frame.h"
#include "game/Board.h"
#include "tests/support/RulesMatrices.h"
#include "tests/support/SceneTestKit.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Reshape, SetsViewportPerspectiveAndCamera)
{
    useGlWindow();
    onReshape(800, 600);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 800);
    EXPECT_EQ(viewport[3], 600);
    const auto projection = currentMatrix(GL_PROJECTION_MATRIX);
    const auto modelview = currentMatrix(GL_MODELVIEW_MATRIX);
    // gluPerspective(120, 4/3, 1, 150): f = cot(60 degrees).
    const double f = 1.0 / std::tan(60.0 * M_PI / 180.0);
    EXPECT_NEAR(projection[0], f / (800.0 / 600.0), 1e-6);
    EXPECT_NEAR(projection[5], f, 1e-6);
    EXPECT_NEAR(projection[10], (150.0 + 1.0) / (1.0 - 150.0), 1e-6);
    EXPECT_NEAR(projection[14], 2 * 150.0 * 1.0 / (1.0 - 150.0), 1e-6);
    EXPECT_NEAR(projection[11], -1.0, 1e-12);
    expectMatrixNear(modelview, rulesCameraMatrix());
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    onReshape(800, 800);
}

TEST(Reshape, TallWindowsWidenTheViewToShowTheWholeScene)
{
    useGlWindow();
    onReshape(600, 1200);
    const auto projection = currentMatrix(GL_PROJECTION_MATRIX);
    // Across, the scene shows as in a square window; upwards the view is
    // twice as tall, so the square scene stands whole in its middle.
    const double f = 1.0 / std::tan(60.0 * M_PI / 180.0);
    EXPECT_NEAR(projection[0], f, 1e-6);
    EXPECT_NEAR(projection[5], f / 2, 1e-6);
    onReshape(800, 800);
}

TEST(Reshape, ZeroHeightIsTreatedAsOne)
{
    useGlWindow();
    onReshape(800, 0);
    const auto projection = currentMatrix(GL_PROJECTION_MATRIX);
    for (double element : projection)
        EXPECT_TRUE(std::isfinite(element));
    EXPECT_NEAR(projection[0], (1.0 / std::tan(M_PI / 3.0)) / 800.0, 1e-9);
    onReshape(800, 800);
}

TEST(Turntable, SetAngleKeepsFractionAndSign)
{
    Turntable table;
    const std::pair<double, double> cases[] = {
        {725.5, 5.5}, {360.0, 0.0}, {359.9, 359.9}, {-370.25, -10.25}, {-0.5, -0.5}, {7.0, 7.0}};
    for (const auto& [in, out] : cases) {
        table.setAngle(in);
        EXPECT_DOUBLE_EQ(table.getAngle(), out) << in;
    }
    table.setAngle(1e300);
    EXPECT_GT(table.getAngle(), -360.0);
    EXPECT_LT(table.getAngle(), 360.0);
}

}  // namespace
