#pragma once
// Every model file the game reads, with the mesh it holds.

#include "tools/make-assets/Mesh.h"

#include <string>
#include <vector>

struct GameModel {
    std::string path;        // relative to the game's working directory
    std::string objectName;  // the name of the file's one object
    Mesh mesh;
};

std::vector<GameModel> gameModels();

// The file's bytes.
std::vector<std::uint8_t> encodeGameModel(const GameModel& model);
