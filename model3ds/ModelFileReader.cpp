#include "model3ds/ModelFileReader.h"

#include "model3ds/Notice.h"
#include "model3ds/ObjectRepair.h"

ModelFileReader::ModelFileReader() : buffer(new unsigned char[kScratchBufferSize]) {}

ModelFileReader::~ModelFileReader()
{
    CloseFile();
}

bool ModelFileReader::LoadFile(tModelData& model, const char* szFileName)
{
    char strMessage[255] = {};
    file = std::fopen(szFileName, "rb");
    if (file == nullptr) {
        std::snprintf(strMessage, sizeof strMessage, "Unable to find the file: %s!", szFileName);
        ShowNotice(strMessage, "Error");
        return false;
    }
    endOfFile = false;
    tChunkHeader root;
    ReadHeader(root);
    if (root.bytesRead < kChunkHeaderSize || root.id != kChunkRoot) {
        std::snprintf(strMessage, sizeof strMessage, "Unable to load PRIMARY chuck from file: %s!", szFileName);
        ShowNotice(strMessage, "Error");
        CloseFile();
        return false;
    }
    ParseSceneChunks(model, root);
    for (t3DObject& object : model.objects)
        RepairObject(object);
    BuildVertexNormals(model);
    CloseFile();
    return true;
}

void ModelFileReader::CloseFile()
{
    if (file != nullptr)
        std::fclose(file);
    file = nullptr;
}
