#include "devlibs/game_models/GameModels.h"

#include "devlibs/game_models/GlyphModels.h"
#include "devlibs/game_models/ModelFile.h"
#include "devlibs/game_models/TileModel.h"
#include "game/Tile.h"
#include "pieces/NumberDisplay.h"
#include "pieces/PowerButton.h"

std::vector<GameModel> gameModels()
{
    std::vector<GameModel> models;
    models.push_back({kTileModelFile, "tile", makeTileMesh(), {"grout", kGroutColor, makeGroutMesh()}});
    for (int digit = 0; digit < 10; ++digit) {
        models.push_back({digitModelFile(digit), "digit" + std::to_string(digit), makeDigitMesh(digit), {}});
    }
    models.push_back({kPowerButtonFacts[kSlotColorSweep].modelFile, "plus", makePlusMesh(), {}});
    models.push_back({kPowerButtonFacts[kSlotBottomClear].modelFile, "minus3", makeMinusThreeMesh(), {}});
    models.push_back({kPowerButtonFacts[kSlotStop].modelFile, "stop", makeStopMesh(), {}});
    return models;
}

std::vector<std::uint8_t> encodeGameModel(const GameModel& model)
{
    return encodeModelFile(model.mesh, model.objectName, model.colored);
}
