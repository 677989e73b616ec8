#pragma once
// Encodes a mesh as a 3DS model file: one object drawn in the piece's
// colour, and optionally, before it, a second one in a material colour of
// its own.

#include "devlibs/game_models/Mesh.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// An object that keeps its own colour whatever the piece is drawn in: the
// file gives it a material of that colour, named after the object.
struct ColoredPart {
    std::string objectName;
    std::array<std::uint8_t, 3> color;
    Mesh mesh;
};

// The name the piece-coloured object gives as its material when the file
// has one: no material carries it, so the reader leaves the object without
// one and the piece's colour and alpha show.
constexpr const char* kPieceColorMaterial = "piece colour";

// The whole file.  The file's axes differ from the model's: a model point
// (x, y, z) is stored as (x, -z, y), which the game's reader turns back.
// Without a coloured part (no faces) the file holds no material at all.
std::vector<std::uint8_t> encodeModelFile(const Mesh& mesh, const std::string& objectName,
                                          const ColoredPart& colored);
