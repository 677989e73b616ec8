#include "model3ds/ModelData.h"

tModelData MakeEmptyModel()
{
    return tModelData{};
}
