#pragma once
// What the drawing code relies on in a loaded model, checked.

#include "model3ds/ModelData.h"

#include <string>

// Empty when the model is safe to draw: counts match the lists, every face
// index names a vertex, a normal and (where present) a texture coordinate,
// names end within their fields and material indices lie in range.
// Otherwise a description of the first fault found.
std::string findModelFault(const tModelData& model);
