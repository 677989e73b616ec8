// Picking against real rendered frames: a press over a tile must select
// exactly that tile at any turn of the tower, and presses elsewhere fall
// through to the power-up buttons' rectangles.

#include "app/Frame.h"
#include "app/Input.h"
#include "app/StartUp.h"
#include "app/Window.h"
#include "game/Board.h"
#include "pieces/PieceDrawing.h"
#include "tests/support/GlWindow.h"
#include "themes/Theme.h"

#include <GL/glu.h>
#include <GL/glut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

class Picking : public testing::Test {
protected:
    void SetUp() override
    {
        useGlWindow();
        onReshape(kRulesWindowSize, kRulesWindowSize);
        startUp();
        startFreshGame(1);  // whatever the tests before left behind
        turntable.setAngle(0);  // the window's, which a new game leaves as it is
    }

    void TearDown() override { turntable.setAngle(0); }

    // Draws a frame and puts it on screen, as the game does before a press.
    static void showFrame()
    {
        drawScene();
        glutSwapBuffers();
        glFinish();
    }

    static void clearSelection()
    {
        for (auto& column : tiles)
            for (Tile& tile : column)
                tile.selected = false;
    }

    // Where the middle of the outer face of tile (c, s) lands in the window,
    // y counted from the top as the mouse reports it.
    static bool tileFaceOnScreen(int c, int s, int& x, int& y)
    {
        const tModelData& model = tiles[c][s].model;
        if (model.objectCount == 0)
            return false;
        float outer = 0, bottom = 1e9f, top = -1e9f;
        for (const t3DObject& object : model.objects)
            for (int v = 0; v < object.vertexCount; ++v) {
                outer = std::max(outer, -object.vertices[v].z);
                bottom = std::min(bottom, object.vertices[v].y);
                top = std::max(top, object.vertices[v].y);
            }
        GLdouble modelview[16], projection[16];
        GLint viewport[4];
        glPushMatrix();
        applyTransform(tiles[c][s].transform);  // where the last frame placed it
        glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
        glPopMatrix();
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        glGetIntegerv(GL_VIEWPORT, viewport);
        GLdouble wx = 0, wy = 0, wz = 0;
        gluProject(0, (bottom + top) / 2, -outer, modelview, projection, viewport, &wx, &wy, &wz);
        x = static_cast<int>(std::lround(wx));
        y = kRulesWindowSize - static_cast<int>(std::lround(wy));
        return true;
    }

    // How far column c's face is turned away from the camera, in degrees.
    static double turnAwayFromCamera(int c, double angle)
    {
        const double turned = std::remainder(c * 60.0 + angle, 360.0);
        return std::fabs(turned);
    }

    static int selectedCount()
    {
        int count = 0;
        for (const auto& column : tiles)
            for (const Tile& tile : column)
                count += tile.selected;
        return count;
    }
};

TEST_F(Picking, PressOnATileSelectsExactlyThatTileAtAnyTurn)
{
    for (int c = 0; c < kColumns; ++c) {
        tileCount[c] = pendingCount[c] = 6;
        for (int s = 4; s < 6; ++s) {
            tiles[c][s].setPosition(c, s);
            tiles[c][s].color = themes[themeIndex].tileColors[s];
        }
    }
    int checked = 0;
    for (double angle : {0.0, 60.0, 187.0, -95.0, 120.0}) {
        turntable.setAngle(angle);
        for (int c = 0; c < kColumns; ++c) {
            if (turnAwayFromCamera(c, angle) > 45)
                continue;  // its faces are hidden or seen edge-on
            for (int s : {0, 2, 5}) {
                showFrame();
                int x = 0, y = 0;
                ASSERT_TRUE(tileFaceOnScreen(c, s, x, y)) << "the tile model did not load";
                clearSelection();
                gamePhase = kPhaseWait;
                onMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, x, y);
                EXPECT_TRUE(tiles[c][s].selected) << "angle " << angle << " column " << c << " slot " << s;
                EXPECT_EQ(selectedCount(), 1) << "angle " << angle << " column " << c << " slot " << s;
                EXPECT_EQ(gamePhase, kPhasePop);
                EXPECT_EQ(gameController.hitCode, kHitNothing);
                ++checked;
            }
        }
    }
    // Every column faces the camera at one of these turns.
    EXPECT_GE(checked, 6 * 3);
}

TEST_F(Picking, DepthUnderThePointerSurvivesTheSwap)
{
    drawScene();
    int x = 0, y = 0;
    ASSERT_TRUE(tileFaceOnScreen(0, 0, x, y));
    const float beforeSwap = readDepth(x, kRulesWindowSize - y);
    glutSwapBuffers();
    glFinish();
    EXPECT_LT(beforeSwap, 1.0f);
    EXPECT_EQ(readDepth(x, kRulesWindowSize - y), beforeSwap);
}

TEST_F(Picking, BackgroundPressesFallThroughToTheButtonRectangles)
{
    showFrame();
    powerButtons[kSlotColorSweep].armed = true;
    // 644 lies just left of every rectangle: nothing happens.
    onMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 644, 475);
    EXPECT_TRUE(powerButtons[kSlotColorSweep].armed);
    EXPECT_FALSE(gameController.colorSweepArmed);
    EXPECT_EQ(gamePhase, kPhaseIdle);
    // 645, 475 (window y 325) is the lower-left corner of the "+" rectangle.
    onMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 645, 475);
    EXPECT_EQ(gameController.clickX, 645);
    EXPECT_EQ(gameController.clickY, 325);
    EXPECT_EQ(gameController.buttonIndex, kSlotColorSweep);
    EXPECT_FALSE(powerButtons[kSlotColorSweep].armed);
    EXPECT_TRUE(gameController.colorSweepArmed);
    EXPECT_EQ(gameController.hitCode, kHitNothing);
    // Pressed again before it is re-armed: nothing more happens.
    gameController.colorSweepArmed = false;
    onMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 660, 470);
    EXPECT_FALSE(gameController.colorSweepArmed);

    // The lower rectangles: "-3" in the middle, "Stop" at the bottom.
    onMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 660, kRulesWindowSize - 220);
    EXPECT_EQ(gameController.buttonIndex, kSlotBottomClear);
    onMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 650, kRulesWindowSize - 130);
    EXPECT_EQ(gameController.buttonIndex, kSlotStop);
}

TEST_F(Picking, ButtonSlotFollowsTheClickHeight)
{
    const std::pair<int, int> cases[] = {{301, 0}, {300, 1}, {161, 1}, {160, 2}, {120, 2}, {380, 0}};
    for (const auto& [clickY, slot] : cases) {
        gameController.clickY = clickY;
        EXPECT_EQ(gameController.buttonFromClick(), slot) << clickY;
        EXPECT_EQ(gameController.buttonIndex, slot);
    }
}

TEST_F(Picking, RowsAndColumnsFollowTheHitPoint)
{
    struct Case {
        double x, y, z;
        int column, slot;
    };
    tileCount[1] = 3;
    const Case cases[] = {
        {0, 46, 1, 0, 0},      // just under the first boundary: row 0 by truncation
        {0, 47.5, 1, 0, 1},
        {0, 60, -1, 3, 4},
        {2, 62, 1, 2, 4},      // column 1 has only 3 tiles: row 4 belongs to column 2
        {2, 55.5, 1, 1, 3},    // row 3 stays in column 1
        {-2, 50, 1, 5, 1},
        {-2, 50, -1, 4, 1},
        {2, 50, -1, 2, 1},
    };
    for (const Case& hit : cases) {
        clearSelection();
        gameController.hitX = hit.x;
        gameController.hitY = hit.y;
        gameController.hitZ = hit.z;
        gameController.selectPickedTile();
        EXPECT_TRUE(tiles[hit.column][hit.slot].selected) << hit.x << " " << hit.y << " " << hit.z;
        EXPECT_EQ(selectedCount(), 1);
    }
}

TEST_F(Picking, ColumnChangesOnEitherSideOfEachFaceBoundary)
{
    // A hit's column comes from the ratio x / z: on the camera side (z > 0)
    // the faces meet at +-0.57, behind at +0.59 and -0.58.
    struct Case {
        double z, ratio;
        int column;
    };
    const Case cases[] = {
        {2, 0.565, 0},   {2, 0.575, 1},   {2, -0.565, 0},  {2, -0.575, 5},
        {-2, 0.585, 3},  {-2, 0.595, 4},  {-2, -0.575, 3}, {-2, -0.585, 2},
    };
    for (const Case& hit : cases) {
        clearSelection();
        gameController.hitX = hit.ratio * hit.z;
        gameController.hitY = 50;  // row 1, below every column's top
        gameController.hitZ = hit.z;
        gameController.selectPickedTile();
        EXPECT_TRUE(tiles[hit.column][1].selected) << "z " << hit.z << ", x / z " << hit.ratio;
        EXPECT_EQ(selectedCount(), 1);
    }
}

TEST_F(Picking, DragTurnsFromTheLastLeftPressOrMotion)
{
    showFrame();
    onMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 100, 10);
    onMouse(GLUT_LEFT_BUTTON, GLUT_UP, 100, 10);
    onMouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 700, 10);  // steps the theme, not the drag origin
    onMotion(130, 400);
    EXPECT_DOUBLE_EQ(turntable.getAngle(), 30.0);
    onMotion(120, 0);
    EXPECT_DOUBLE_EQ(turntable.getAngle(), 20.0);
}

TEST_F(Picking, ADragTurnsByPixelsOfTheRulesWindow)
{
    const auto turnOfDrag = [](int windowSide, int from, int to) {
        onReshape(windowSide, windowSide);
        onMotion(from, 0);
        turntable.setAngle(0);
        onMotion(to, 0);
        return turntable.getAngle();
    };
    const double at800 = turnOfDrag(kRulesWindowSize, 300, 345);
    EXPECT_DOUBLE_EQ(at800, 45.0);
    EXPECT_DOUBLE_EQ(turnOfDrag(2 * kRulesWindowSize, 600, 690), at800) << "90 pixels at 1600 x 1600";
    onReshape(kRulesWindowSize, kRulesWindowSize);
}

TEST_F(Picking, RightPressStepsTheThemeByWhichHalfItIsIn)
{
    onMouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 401, 10);
    EXPECT_EQ(themeIndex, 6);
    onMouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 400, 10);
    EXPECT_EQ(themeIndex, 5);
    onMouse(GLUT_RIGHT_BUTTON, GLUT_UP, 700, 10);
    onMouse(GLUT_MIDDLE_BUTTON, GLUT_DOWN, 700, 10);
    EXPECT_EQ(themeIndex, 5) << "releases and other buttons do nothing";
}

}  // namespace

namespace {

TEST(MouseAfterGameOver, AnyMouseEventEndsTheProgramWithStatusZero)
{
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    gameOver = true;
    EXPECT_EXIT(onMouse(GLUT_LEFT_BUTTON, GLUT_UP, 10, 10), testing::ExitedWithCode(0), "");
    EXPECT_EXIT(onMouse(GLUT_MIDDLE_BUTTON, GLUT_DOWN, 400, 400), testing::ExitedWithCode(0), "");
    EXPECT_EXIT(onMouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 700, 10), testing::ExitedWithCode(0), "");
    gameOver = false;
}

}  // namespace
