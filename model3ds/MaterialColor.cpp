#include "model3ds/ModelFileReader.h"

#include <algorithm>

// The colour chunk's first sub-chunk gives the colour: its first three bytes
// are red, green and blue in the 24-bit form.  Any further colour forms are
// met by the material level as siblings and skipped there.
void ModelFileReader::ReadMaterialColor(tMaterialInfo& material, tChunkHeader& chunk)
{
    tChunkHeader subChunk;
    if (!ReadChildHeader(subChunk, chunk))
        return;
    ReadBytes(material.color, sizeof material.color, subChunk);
    SkipChunkRest(subChunk);
    chunk.bytesRead += subChunk.bytesRead;
}
