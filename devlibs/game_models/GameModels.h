#pragma once
// Every model file the game reads, with the mesh it holds.

#include "devlibs/game_models/Mesh.h"
#include "devlibs/game_models/ModelFile.h"

#include <string>
#include <vector>

struct GameModel {
    std::string path;        // relative to the game's working directory
    std::string objectName;  // the object drawn in the piece's colour
    Mesh mesh;
    ColoredPart colored;   // a second object in its own colour; most models have none (no faces)
};

std::vector<GameModel> gameModels();

// The file's bytes.
std::vector<std::uint8_t> encodeGameModel(const GameModel& model);
