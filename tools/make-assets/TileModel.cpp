#include "tools/make-assets/TileModel.h"

#include <cmath>

namespace {

// Model units; the game draws the tile at a fifth of this size, one slot
// (3 board units) being 15 model units.  The tower must stay within 37.5
// units of its axis in x and z whatever the column's turn, which bounds the
// outer apothem by 37.5 * cos 30 = 32.5 at the hexagon's corners.
constexpr float kOuterApothem = 32.0f;
constexpr float kBottom = 1.0f;     // half the gap to the slot below
constexpr float kTop = 14.0f;       // half the gap to the slot above
constexpr float kColumnGap = 1.6f;  // width of the slit between neighbouring columns

// The slab is a thin wedge: its top and bottom slope steeply to a narrow
// back edge.  The game draws a tile in one flat colour, so a gap between two
// tiles shows only if the eye sees past both.  The camera looks down on
// most rows (up on the top ones); a ray through the gap over a tile then
// passes behind it into the hollow tower instead of meeting its top, and the
// gap shows what lies beyond, mostly the background.
constexpr float kDepth = 0.8f;
constexpr float kBackEdge = 0.2f;   // height of the back face

// The front's corners are cut off, so that where four tiles meet the gaps
// widen into a notch: the tiles read as separate plates even where the
// gaps are thin on screen.
constexpr float kCornerCut = 1.5f;
constexpr float kBackCornerCut = 0.05f;

// Half the tile's width at distance r from the axis: the ring's side runs
// along the hexagon's edge, cut short by half the slit at each corner.  The
// corner's radial line is x = r / sqrt 3; its parallel at distance g / 2 is
// x = (r - g) / sqrt 3.
float halfWidthAt(float r)
{
    return (r - kColumnGap) / std::sqrt(3.0f);
}

// A cross-section of the slab at distance r from the axis (z = -r): a
// rectangle with its corners cut off.
Loop crossSection(float r, float halfWidth, float bottom, float top, float cut)
{
    return {{-halfWidth + cut, bottom, -r}, {halfWidth - cut, bottom, -r}, {halfWidth, bottom + cut, -r},
            {halfWidth, top - cut, -r},     {halfWidth - cut, top, -r},    {-halfWidth + cut, top, -r},
            {-halfWidth, top - cut, -r},    {-halfWidth, bottom + cut, -r}};
}

}  // namespace

Mesh makeTileMesh()
{
    const float back = kOuterApothem - kDepth;
    const float middle = (kBottom + kTop) / 2;
    Mesh mesh;
    mesh.addLoft({
        crossSection(kOuterApothem, halfWidthAt(kOuterApothem), kBottom, kTop, kCornerCut),
        crossSection(back, halfWidthAt(back), middle - kBackEdge / 2, middle + kBackEdge / 2, kBackCornerCut),
    });
    return mesh;
}
