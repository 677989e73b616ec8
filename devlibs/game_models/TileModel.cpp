#include "devlibs/game_models/TileModel.h"

#include <cmath>

namespace {

constexpr float kPi = 3.14159265f;

// Model units; the game draws the tile at a fifth of this size, one slot
// (3 board units) being 15 model units.  The tower must stay within 37.5
// units of its axis in x and z whatever the column's turn.
constexpr float kOuterApothem = 32.0f;

// The plate: the tile's face, in the tile's colour.
constexpr float kPlateBottom = 1.0f;
constexpr float kPlateTop = 14.0f;
constexpr float kColumnGap = 1.2f;  // between the plates of neighbouring columns

// The grout fills the tile's cell of the wall up to just short of where the
// pick's rows and columns change: a row changes at every 15 units of height,
// the top row's cell must end below the pick's upper bound (14.6 units
// above the slot's base), and a column changes a little short of 30 degrees
// either side of the middle (29.46 degrees on the tightest side, between
// columns 3 and 4).  So thin slits stay open between the cells.
constexpr float kCellBottom = 0.05f;
constexpr float kCellTop = 14.55f;
constexpr float kCellHalfAngle = 29.4f * kPi / 180;
// The grout's front stands just behind the plate and reaches in behind the
// plate's edge, so that the gaps between plates show only grout.
constexpr float kGroutSetBack = 0.1f;
constexpr float kGroutTuck = 0.5f;
// Looks through the slits: the slit above a cell is closed for a look from
// above by setting the cell's top edge back into the tower, so that the
// grout below it slopes away under the slit, and for a look from below by a
// floor along the cell's bottom edge; walls along the cell's sides close
// the slits at the hexagon's corners.
constexpr float kTopSetBack = 2.0f;
constexpr float kWallDepth = 2.5f;

// Half the plate's width: it runs along the hexagon's side, cut short by
// half the gap at each corner.  The corner's radial line is x = r / sqrt 3;
// its parallel at distance g / 2 is x = (r - g) / sqrt 3.
float plateHalfWidth()
{
    return (kOuterApothem - kColumnGap) / std::sqrt(3.0f);
}

Point3 at(float x, float y, float r)
{
    return {x, y, -r};
}

// A corner of the cell at distance r from the axis, on the side `side`
// (-1 left, +1 right): on the radial line that bounds the cell.
Point3 cellCorner(float side, float y, float r)
{
    return at(side * r * std::tan(kCellHalfAngle), y, r);
}

}  // namespace

Mesh makeTileMesh()
{
    const float w = plateHalfWidth();
    Mesh mesh;
    mesh.addQuad(at(-w, kPlateBottom, kOuterApothem), at(w, kPlateBottom, kOuterApothem),
                 at(w, kPlateTop, kOuterApothem), at(-w, kPlateTop, kOuterApothem));
    return mesh;
}

Mesh makeGroutMesh()
{
    const float front = kOuterApothem - kGroutSetBack;
    const float top = front - kTopSetBack;
    const float tuck = plateHalfWidth() - kGroutTuck;
    const Loop behindPlate = {at(-tuck, kPlateBottom + kGroutTuck, front), at(tuck, kPlateBottom + kGroutTuck, front),
                              at(tuck, kPlateTop - kGroutTuck, front), at(-tuck, kPlateTop - kGroutTuck, front)};
    const Loop cellEdge = {cellCorner(-1, kCellBottom, front), cellCorner(1, kCellBottom, front),
                           cellCorner(1, kCellTop, top), cellCorner(-1, kCellTop, top)};
    Mesh mesh;
    mesh.addStrip({behindPlate, cellEdge});
    mesh.addQuad(cellEdge[0], cellEdge[1], cellCorner(1, kCellBottom, front - kWallDepth),
                 cellCorner(-1, kCellBottom, front - kWallDepth));
    for (float side : {-1.0f, 1.0f})
        mesh.addQuad(cellCorner(side, kCellBottom, front), cellCorner(side, kCellBottom, front - kWallDepth),
                     cellCorner(side, kCellTop, top - kWallDepth), cellCorner(side, kCellTop, top));
    return mesh;
}
