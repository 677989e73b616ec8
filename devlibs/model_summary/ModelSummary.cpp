#include "devlibs/model_summary/ModelSummary.h"

#include "model3ds/ModelFileReader.h"
#include "model3ds/Notice.h"

#include <cstdio>

namespace {

ModelLoad* loading = nullptr;

void recordNotice(const char* text, const char* caption)
{
    loading->notices.push_back(std::string(caption) + ": " + text);
}

void recordDamage(const char* line)
{
    loading->damage = line;
}

bool canOpen(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file != nullptr)
        std::fclose(file);
    return file != nullptr;
}

}  // namespace

ModelLoad loadModel(const std::string& path, const std::string& name)
{
    ModelLoad load;
    load.name = name;
    loading = &load;
    const tNoticeFunction previousNotice = SetNoticeFunction(recordNotice);
    const tDamageFunction previousDamage = SetDamageFunction(recordDamage);
    ModelFileReader reader;
    load.ok = reader.LoadFile(load.model, path.c_str());
    SetNoticeFunction(previousNotice);
    SetDamageFunction(previousDamage);
    loading = nullptr;
    if (!load.ok)
        load.error = canOpen(path) ? "primary" : "missing";
    return load;
}

std::vector<std::string> summaryLines(const ModelLoad& load)
{
    std::vector<std::string> lines;
    if (!load.ok) {
        lines.push_back(load.name + ": ok=0 error=" + load.error);
        return lines;
    }
    lines.push_back(load.name + ": ok=1 objects=" + std::to_string(load.model.objectCount) +
                    " materials=" + std::to_string(load.model.materialCount));
    for (const t3DObject& object : load.model.objects) {
        lines.push_back(std::string("object ") + object.name + " vertices=" + std::to_string(object.vertexCount) +
                        " faces=" + std::to_string(object.faceCount) +
                        " texcoords=" + std::to_string(object.texCoordCount) +
                        " material=" + std::to_string(object.materialIndex) +
                        " textured=" + (object.textured ? "1" : "0"));
    }
    return lines;
}
