#include "devlibs/game_models/GameModels.h"

#include "devlibs/game_models/GlyphModels.h"
#include "devlibs/game_models/ModelFile.h"
#include "devlibs/game_models/TileModel.h"

std::vector<GameModel> gameModels()
{
    std::vector<GameModel> models;
    models.push_back({"Data/3DS/tile.3DS", "tile", makeTileMesh(), {"grout", kGroutColor, makeGroutMesh()}});
    for (int digit = 0; digit < 10; ++digit) {
        const std::string name = std::to_string(digit);
        models.push_back({"Data/3DS/" + name + ".3DS", "digit" + name, makeDigitMesh(digit), {}});
    }
    models.push_back({"Data/3DS/+.3DS", "plus", makePlusMesh(), {}});
    models.push_back({"Data/3DS/-3.3DS", "minus3", makeMinusThreeMesh(), {}});
    models.push_back({"Data/3DS/Stop.3DS", "stop", makeStopMesh(), {}});
    return models;
}

std::vector<std::uint8_t> encodeGameModel(const GameModel& model)
{
    return encodeModelFile(model.mesh, model.objectName, model.colored);
}
