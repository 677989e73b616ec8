// Where the tile model lands in the tower, checked against the relations the
// game's pick uses to turn a point under the mouse into a column and a row:
// a press may land on the plate or, between plates, on the grout.

#include "devlibs/game_models/TileModel.h"
#include "game/Press.h"
#include "game/Tile.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTileScale = 0.2;  // the tile's model scale

struct Vec {
    double x, y, z;
};

// A model point of the tile in column c, slot s, in the board's frame: turned
// (c - 3) * 60 degrees about y, scaled, lifted to the slot.
Vec onBoard(Point3 p, int column, int slot)
{
    const double angle = (column - 3) * kColumnAngle * kPi / 180;
    const double x = kTileScale * p.x;
    const double z = kTileScale * p.z;
    return {std::cos(angle) * x + std::sin(angle) * z, slot * kSlotPitch + kTileScale * p.y,
            -std::sin(angle) * x + std::cos(angle) * z};
}

// The pick works in a frame where a board point (x, y, z) is
// (x / 1.5, (y + 35) / 0.8, z / 1.5).
Vec toPickFrame(Vec board)
{
    return {board.x / 1.5, (board.y + 35) / 0.8, board.z / 1.5};
}

int pickedRow(Vec hit)
{
    return static_cast<int>(rowsUpTo(hit.y));
}

// The pick's column for a hit, with every column full.
int pickedColumn(Vec hit)
{
    const double ratio = hit.x / hit.z;
    if (hit.z > 0)
        return ratio > 0.57 ? 1 : ratio < -0.57 ? 5 : 0;
    return ratio > 0.59 ? 4 : ratio < -0.58 ? 2 : 3;
}

TEST(TileModel, EveryPointPicksItsOwnColumnAndRow)
{
    Mesh tile = makeTileMesh();
    const Mesh grout = makeGroutMesh();
    tile.vertices.insert(tile.vertices.end(), grout.vertices.begin(), grout.vertices.end());
    for (int column = 0; column < 6; ++column)
        for (int slot = 0; slot < 19; ++slot)
            for (const Point3& p : tile.vertices) {
                const Vec hit = toPickFrame(onBoard(p, column, slot));
                ASSERT_TRUE(insideTileBox(hit.x, hit.y, hit.z)) << "column " << column << " slot " << slot;
                ASSERT_EQ(pickedColumn(hit), column) << "slot " << slot;
                ASSERT_EQ(pickedRow(hit), slot) << "column " << column;
            }
}

TEST(TileModel, MiddleOfTheFrontFacePicksItsRow)
{
    const Mesh tile = makeTileMesh();
    double front = 0, bottom = 1e9, top = -1e9;
    for (const Point3& p : tile.vertices) {
        front = std::max(front, -double(p.z));
        bottom = std::min(bottom, double(p.y));
        top = std::max(top, double(p.y));
    }
    const Point3 middle{0, static_cast<float>((bottom + top) / 2), static_cast<float>(-front)};
    for (int slot = 0; slot < 19; ++slot) {
        const Vec hit = toPickFrame(onBoard(middle, 0, slot));
        EXPECT_TRUE(insideTileBox(hit.x, hit.y, hit.z));
        EXPECT_EQ(pickedRow(hit), slot);
        EXPECT_EQ(pickedColumn(hit), 0);
    }
}

// The plate leaves gaps on every side, which show the grout: between slots
// (so stacked tiles of one colour read as two) and between columns.
TEST(TileModel, PlateLeavesGapsToItsNeighbours)
{
    const Mesh tile = makeTileMesh();
    const double sin30 = 0.5;
    const double cos30 = std::sqrt(3.0) / 2;
    float bottom = 1e9f, top = -1e9f;
    for (const Point3& p : tile.vertices) {
        bottom = std::min(bottom, p.y);
        top = std::max(top, p.y);
        // Distance inside the sector's edge, the line at 30 degrees from -z.
        const double r = -p.z;
        EXPECT_GE(r * sin30 - std::abs(p.x) * cos30, 0.5);
    }
    EXPECT_GE(bottom, 0.75f);
    EXPECT_LE(top, 14.25f);
    EXPECT_GE(top - bottom, 12.5f);  // most of the slot's 15 units
}

}  // namespace
