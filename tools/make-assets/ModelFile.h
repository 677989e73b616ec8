#pragma once
// Encodes a mesh as a 3DS model file of one object and no materials.

#include "tools/make-assets/Mesh.h"

#include <cstdint>
#include <string>
#include <vector>

// The whole file.  The file's axes differ from the model's: a model point
// (x, y, z) is stored as (x, -z, y), which the game's reader turns back.
std::vector<std::uint8_t> encodeModelFile(const Mesh& mesh, const std::string& objectName);
