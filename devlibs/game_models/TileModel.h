#pragma once
// The tile: one slot of one column of the six-sided tower.

#include "devlibs/game_models/Mesh.h"

#include <array>
#include <cstdint>

// The face of the tile, drawn in the tile's colour: a flat plate in the
// 60-degree sector around -z, one slot (15 units) high less a gap, on the
// hexagon's side.
Mesh makeTileMesh();

// The grout round the plate, drawn in a colour of its own: it fills the rest
// of the tile's cell of the tower's wall just behind the plate, shaped so
// that a look through the thin slits between cells meets grout too, and not
// the columns at the back of the tower.  Open at the back: from inside the
// tower the plate's back shows through it.
Mesh makeGroutMesh();
// A mid grey, so that the empty caps at the top of the tower, which show
// little but their grout, stand out at 3:1 or more (WCAG) from every
// theme's background, dark or light.
constexpr std::array<std::uint8_t, 3> kGroutColor = {135, 135, 135};
