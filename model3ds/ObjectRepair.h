#pragma once
// Makes a freshly read object safe to draw: every face index must name one
// of its vertices, and of its texture coordinates when it has them.

#include "model3ds/ModelData.h"
#include "model3ds/ModelDamage.h"

// Drops the faces that name a vertex the object does not have, keeping the
// others in order, and pads texture coordinates shorter than the vertex
// list with (0, 0); notes in damage what it had to do.
void RepairObject(t3DObject& object, tModelDamage& damage);
