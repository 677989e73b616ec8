#include "model3ds/ModelDamage.h"

std::string DescribeDamage(const tModelDamage& damage)
{
    std::string strParts;
    const auto add = [&strParts](bool happened, const std::string& strPart) {
        if (!happened)
            return;
        if (!strParts.empty())
            strParts += "; ";
        strParts += strPart;
    };
    add(damage.cutShort, "cut short");
    add(damage.chunkOverrun, "a chunk overruns its parent");
    add(damage.chunkTooShort, "a chunk is shorter than its header");
    add(damage.strayBytes, "stray bytes at the end of a chunk");
    add(damage.nestedTooDeep, "chunks nested too deep were skipped");
    add(damage.recordsZeroFilled, "a list holds fewer records than its count, the rest zero-filled");
    add(damage.countClipped, "a list count was cut to the records it holds");
    add(damage.facesDropped == 1, "1 face naming a missing vertex dropped");
    add(damage.facesDropped > 1, std::to_string(damage.facesDropped) + " faces naming missing vertices dropped");
    add(damage.texCoordsPadded, "texture coordinates padded to the vertex count");
    return strParts;
}
