// Where the tile model lands in the tower, checked against the relations the
// game's pick uses to turn a point under the mouse into a column and a row.

#include "tools/make-assets/TileModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTileScale = 0.2;  // the tile's model scale
constexpr double kSlotHeight = 3.0;

struct Vec {
    double x, y, z;
};

Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec cross(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }

// A model point of the tile in column c, slot s, in the board's frame: turned
// (c - 3) * 60 degrees about y, scaled, lifted to the slot.
Vec onBoard(Point3 p, int column, int slot)
{
    const double angle = (column - 3) * 60 * kPi / 180;
    const double x = kTileScale * p.x;
    const double z = kTileScale * p.z;
    return {std::cos(angle) * x + std::sin(angle) * z, slot * kSlotHeight + kTileScale * p.y,
            -std::sin(angle) * x + std::cos(angle) * z};
}

// The pick works in a frame where a board point (x, y, z) is
// (x / 1.5, (y + 35) / 0.8, z / 1.5).
Vec toPickFrame(Vec board)
{
    return {board.x / 1.5, (board.y + 35) / 0.8, board.z / 1.5};
}

bool inTileBox(Vec hit)
{
    return -5 < hit.x && hit.x < 5 && -5 < hit.z && hit.z < 5 && 43 < hit.y && hit.y < 114.9 && hit.z != 0;
}

int pickedRow(Vec hit)
{
    return static_cast<int>((hit.y - 47.5) / 3.75 + 1.0);
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
    const Mesh tile = makeTileMesh();
    for (int column = 0; column < 6; ++column)
        for (int slot = 0; slot < 19; ++slot)
            for (const Point3& p : tile.vertices) {
                const Vec hit = toPickFrame(onBoard(p, column, slot));
                ASSERT_TRUE(inTileBox(hit)) << "column " << column << " slot " << slot;
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
        EXPECT_TRUE(inTileBox(hit));
        EXPECT_EQ(pickedRow(hit), slot);
        EXPECT_EQ(pickedColumn(hit), 0);
    }
}

// Gaps on every side: between slots (so stacked tiles of one colour read as
// two) and between columns, where the ring's corners are cut back.
TEST(TileModel, LeavesGapsToItsNeighbours)
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
        EXPECT_GE(r * sin30 - std::abs(p.x) * cos30, 0.75);
    }
    EXPECT_GE(bottom, 0.75f);
    EXPECT_LE(top, 14.25f);
    EXPECT_GE(top - bottom, 12.5f);  // most of the slot's 15 units
}

// Möller-Trumbore: the distance along the ray to the triangle, if it meets it.
std::optional<double> rayMeetsTriangle(Vec origin, Vec direction, Vec a, Vec b, Vec c)
{
    const Vec ab = b - a, ac = c - a;
    const Vec p = cross(direction, ac);
    const double det = dot(ab, p);
    if (std::abs(det) < 1e-12)
        return std::nullopt;
    const Vec t = origin - a;
    const double u = dot(t, p) / det;
    const Vec q = cross(t, ab);
    const double v = dot(direction, q) / det;
    const double along = dot(ac, q) / det;
    if (u < 0 || v < 0 || u + v > 1 || along <= 0)
        return std::nullopt;
    return along;
}

bool rayMeetsTile(const Mesh& tile, int column, int slot, Vec origin, Vec direction)
{
    for (const Face& face : tile.faces)
        if (rayMeetsTriangle(origin, direction, onBoard(tile.vertices[face[0]], column, slot),
                             onBoard(tile.vertices[face[1]], column, slot),
                             onBoard(tile.vertices[face[2]], column, slot)))
            return true;
    return false;
}

// The tiles are drawn in one flat colour, so a gap only shows if the eye can
// see past both tiles beside it.  From the camera (the eye (0, 3.5, 25) is
// the board point (0, 39.375, 16.67)) a ray through the middle of the gap
// above any tile of the front column must miss that tile and the one above.
TEST(TileModel, GapsInTheFrontColumnShowThrough)
{
    const Mesh tile = makeTileMesh();
    const Vec eye{0, (3.5 + 28) / 0.8, 25 / 1.5};
    double front = 0, halfWidth = 0;
    for (const Point3& p : tile.vertices) {
        front = std::max(front, -double(p.z));
        halfWidth = std::max(halfWidth, double(p.x));
    }
    for (int slot = 0; slot + 1 < 19; ++slot)
        for (double across : {-0.6, 0.0, 0.6}) {
            // The gap's middle on the front, in the model frame of slot `slot`.
            const Point3 gap{static_cast<float>(across * halfWidth), 15.0f, static_cast<float>(-front)};
            const Vec direction = onBoard(gap, 0, slot) - eye;
            EXPECT_FALSE(rayMeetsTile(tile, 0, slot, eye, direction)) << "slot " << slot << " across " << across;
            EXPECT_FALSE(rayMeetsTile(tile, 0, slot + 1, eye, direction)) << "slot " << slot << " across " << across;
        }
}

}  // namespace
