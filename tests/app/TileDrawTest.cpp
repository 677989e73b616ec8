#include "app/Window.h"
#include "game/Board.h"
#include "game/Tile.h"
#include "tests/support/SceneTestKit.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// Board frame seen through an orthographic box of +-100 on every axis: a
// window x of 0..800 is a board x of -100..100, and so on.
void useBoxView()
{
    useGlWindow();
    glViewport(0, 0, kRulesWindowSize, kRulesWindowSize);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-100, 100, -100, 100, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

struct Point {
    double x, y, z;
};

// Draws the tile once in feedback mode and returns the centre of all the
// corners it sent, in board coordinates.
Point drawnCentre(Tile& tile)
{
    useBoxView();
    std::vector<GLfloat> buffer(4096);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    tile.draw();
    const GLint used = glRenderMode(GL_RENDER);
    Point sum{0, 0, 0};
    int corners = 0;
    for (GLint i = 0; i < used;) {
        EXPECT_EQ(buffer[static_cast<std::size_t>(i)], GL_POLYGON_TOKEN);
        const int count = static_cast<int>(buffer[static_cast<std::size_t>(i + 1)]);
        i += 2;
        for (int k = 0; k < count; ++k, i += 3) {
            sum.x += buffer[static_cast<std::size_t>(i)] / 4.0 - 100;
            sum.y += buffer[static_cast<std::size_t>(i + 1)] / 4.0 - 100;
            sum.z += 100 * (1 - 2 * buffer[static_cast<std::size_t>(i + 2)]);
            ++corners;
        }
    }
    EXPECT_GT(corners, 0) << "the tile drew nothing";
    if (corners == 0)
        return sum;
    return Point{sum.x / corners, sum.y / corners, sum.z / corners};
}

void expectPointNear(Point actual, Point expected, const char* what)
{
    EXPECT_NEAR(actual.x, expected.x, 1e-3) << what;
    EXPECT_NEAR(actual.y, expected.y, 1e-3) << what;
    EXPECT_NEAR(actual.z, expected.z, 1e-3) << what;
}

// A tile whose model is a 10 x 10 square 100 units towards -z of its own
// coordinates: its centre (5, 5, -100) is (1, 1, -20) at the tile's scale.
Tile tileAt(int column, int slot)
{
    Tile tile;
    tile.model = makeRectModel(0, 0, 10, 10, -100);
    tile.setPosition(column, slot);
    return tile;
}

TEST(TileDraw, ColumnsTurnAboutTheAxisAndSlotsStackThreeUnitsApart)
{
    Tile tile = tileAt(3, 0);
    expectPointNear(drawnCentre(tile), {1, 1, -20}, "column 3, slot 0: the model's own place");
    tile.setPosition(0, 0);
    expectPointNear(drawnCentre(tile), {-1, 1, 20}, "column 0 faces +z, the camera's side");
    tile.setPosition(5, 0);
    const double turn = 120 * M_PI / 180;
    expectPointNear(drawnCentre(tile),
                    {std::cos(turn) - 20 * std::sin(turn), 1, -std::sin(turn) - 20 * std::cos(turn)},
                    "column 5 turned by 120 degrees");
    tile.setPosition(3, 10);
    expectPointNear(drawnCentre(tile), {1, 31, -20}, "slot 10 stands 30 units up");
    tile.selected = true;
    expectPointNear(drawnCentre(tile), {1, 31, -20}, "a selected tile looks the same");
}

TEST(TileDraw, SlideDownOneSlotMovesPointThreePerFrameAndEndsInSettle)
{
    Tile tile = tileAt(3, 5);
    tile.startSlide(GridPos{3, 4}, 20);
    gamePhase = kPhaseWait;
    for (int frame = 1; frame <= 10; ++frame) {
        EXPECT_EQ(gamePhase, kPhaseWait) << "frame " << frame;
        EXPECT_NEAR(drawnCentre(tile).y, 1 + 15 - 0.3 * frame, 1e-3) << "frame " << frame;
    }
    EXPECT_FALSE(tile.sliding);
    EXPECT_EQ(gamePhase, kPhaseSettle);
    EXPECT_NEAR(drawnCentre(tile).y, 16, 1e-3) << "at rest again in its own slot until the rules move it";
}

TEST(TileDraw, RiseOfOneSlotMovesUpOverFiftyFramesAndEndsInNewRow)
{
    Tile tile = tileAt(2, 7);
    tile.riseOneSlot(100);
    gamePhase = kPhaseWait;
    double height = 0;
    for (int frame = 1; frame <= 50; ++frame) {
        height = drawnCentre(tile).y - 1;
        EXPECT_NEAR(height, 21 + 0.06 * frame, 1e-3) << "frame " << frame;
        if (frame < 50) {
            EXPECT_EQ(gamePhase, kPhaseWait);
        }
    }
    EXPECT_NEAR(height, 24, 1e-3);
    EXPECT_EQ(gamePhase, kPhaseNewRow);

    // A slide that goes nowhere also ends in NewRow, even once the game is over.
    gameOver = true;
    tile.startSlide(GridPos{2, 7}, 20);
    gamePhase = kPhaseWait;
    for (int frame = 1; frame <= 10; ++frame)
        drawnCentre(tile);
    EXPECT_EQ(gamePhase, kPhaseNewRow);
    gameOver = false;
}

// A white tile over black: the drawn red is the drawn alpha.
int drawnAlpha(Tile& tile)
{
    useFlatView(0, 0, 0);
    glScalef(0.01f, 0.01f, 0.01f);
    tile.draw();
    return readPixel(400, 400)[0];
}

Tile whiteTileOverTheCentre()
{
    Tile tile;
    tile.model = makeRectModel(-100, -100, 100, 100);
    tile.setPosition(3, 0);
    tile.color = PackedColor{255, 255, 255, 255};
    return tile;
}

TEST(TileDraw, FadeDrawsFifteenFallingAlphasThenVanishesAndAsksForTheFall)
{
    for (const bool over : {false, true}) {
        gameOver = over;
        Tile tile = whiteTileOverTheCentre();
        EXPECT_EQ(drawnAlpha(tile), 255) << "at rest it is drawn with its own alpha";
        tile.startFade(30);
        tile.startSlide(GridPos{3, 0}, 20);  // fading wins; the slide waits
        gamePhase = kPhaseWait;
        std::vector<int> alphas;
        for (int frame = 0; frame < 15; ++frame) {
            EXPECT_FALSE(tile.vanished);
            alphas.push_back(drawnAlpha(tile));
        }
        const std::vector<int> expected = {238, 221, 204, 187, 170, 153, 136, 119, 102, 85, 68, 51, 34, 17, 0};
        ASSERT_EQ(alphas.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i)
            EXPECT_NEAR(alphas[i], expected[i], 1) << "frame " << i + 1;
        EXPECT_TRUE(tile.vanished);
        EXPECT_FALSE(tile.fading);
        EXPECT_EQ(tile.color.a, 0);
        EXPECT_EQ(tile.slideElapsed, 0);
        EXPECT_EQ(gamePhase, over ? kPhaseWait : kPhaseFall) << "game over: " << over;
    }
    gameOver = false;
}

TEST(TileDraw, SlidingTileIsOpaqueWhateverItsAlpha)
{
    Tile tile = whiteTileOverTheCentre();
    tile.color.a = 40;
    EXPECT_NEAR(drawnAlpha(tile), 40, 1);
    tile.startSlide(GridPos{3, 0}, 20);
    EXPECT_EQ(drawnAlpha(tile), 255);
}

}  // namespace
