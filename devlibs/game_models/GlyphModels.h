#pragma once
// The score digits and the power-up button labels.

#include "devlibs/game_models/Mesh.h"

// The digit 0 to 9, facing +z.  Its box runs from (0, 0) to (8, 15): the
// number display draws it at half size, as a row in front of the tower and,
// turned a quarter to the right, as a column beside it.
Mesh makeDigitMesh(int digit);

// The button labels "+", "-3" and "Stop", each sized and placed to fill the
// window rectangle that picks its button.
Mesh makePlusMesh();
Mesh makeMinusThreeMesh();
Mesh makeStopMesh();
