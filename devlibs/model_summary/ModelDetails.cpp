// The inspector's lines for modellers, after the summary.

#include "devlibs/model_summary/ModelSummary.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string format(const char* pattern, double a, double b, double c)
{
    char text[128];
    std::snprintf(text, sizeof text, pattern, a, b, c);
    return text;
}

std::string colorText(const unsigned char* color)
{
    return format("(%.0f, %.0f, %.0f)", color[0], color[1], color[2]);
}

std::string materialLine(const tModelData& model, std::size_t index)
{
    const tMaterialInfo& material = model.materials[index];
    std::string line = "  material " + std::to_string(index) + " \"" + material.name + "\" colour " +
                       colorText(material.color);
    if (material.textureFile[0] != '\0')
        line += std::string(" texture \"") + material.textureFile + "\"";
    if (index < static_cast<std::size_t>(kMaxTextureSlots))
        line += " texture id " + std::to_string(model.textureIds[index]);
    return line;
}

std::string boundsLine(const t3DObject& object)
{
    if (object.vertexCount == 0)
        return std::string("  ") + object.name + ": no vertices";
    tVec3 low = object.vertices[0];
    tVec3 high = low;
    for (int i = 1; i < object.vertexCount; ++i) {
        const tVec3& v = object.vertices[i];
        low = tVec3{std::min(low.x, v.x), std::min(low.y, v.y), std::min(low.z, v.z)};
        high = tVec3{std::max(high.x, v.x), std::max(high.y, v.y), std::max(high.z, v.z)};
    }
    return std::string("  ") + object.name + ": bounds " + format("(%g, %g, %g)", low.x, low.y, low.z) + " .. " +
           format("(%g, %g, %g)", high.x, high.y, high.z) + " (y is up)";
}

// The game draws an object in the colour it passes in only when the object
// is neither textured with texture coordinates nor has a usable material.
std::string colorLine(const tModelData& model, const t3DObject& object)
{
    const std::string prefix = std::string("  ") + object.name + ": ";
    if (object.textured && object.texCoords != nullptr)
        return prefix + "textured, drawn white: the game's colour will not show";
    const bool usable = !object.textured && object.materialIndex >= 0 &&
                        object.materialIndex < static_cast<int>(model.materials.size());
    if (usable) {
        const tMaterialInfo& material = model.materials[static_cast<std::size_t>(object.materialIndex)];
        return prefix + "material " + std::to_string(object.materialIndex) + " colour " + colorText(material.color) +
               " replaces the game's colour";
    }
    return prefix + "drawn in the game's colour";
}

}  // namespace

std::vector<std::string> detailLines(const ModelLoad& load)
{
    std::vector<std::string> lines;
    for (const std::string& notice : load.notices)
        lines.push_back("  notice " + notice);
    if (!load.damage.empty())
        lines.push_back("  " + load.damage);
    if (!load.ok)
        return lines;
    for (std::size_t i = 0; i < load.model.materials.size(); ++i)
        lines.push_back(materialLine(load.model, i));
    for (const t3DObject& object : load.model.objects) {
        lines.push_back(boundsLine(object));
        lines.push_back(colorLine(load.model, object));
    }
    return lines;
}
