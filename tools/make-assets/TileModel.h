#pragma once
// The tile: one slot of one column of the six-sided tower.

#include "tools/make-assets/Mesh.h"

// A slab of a hexagonal ring in the 60-degree sector around -z, one slot
// (15 units) high less a gap: a thin plate with cut corners, its front on
// the hexagon's side.
Mesh makeTileMesh();
