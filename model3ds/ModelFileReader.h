#pragma once
// Reads one 3DS model file into a tModelData: mesh objects (vertices,
// triangles, texture coordinates, one material each) and materials (name,
// diffuse colour, texture file).  Every other chunk is skipped.
//
// Hostile or damaged files are read as far as they make sense and never
// overrun anything:
// - a chunk that claims more than its parent has left is read whole while it
//   stays inside the file and the root chunk, and the parent ends with it;
//   one that would reach past either is cut to its parent; nothing past the
//   root chunk is read; a header that is cut short ends the read; a chunk
//   whose length is smaller than its header carries nothing and is passed
//   over;
// - names, texture file names and colours are cut to their fields;
// - a vertex or texture-coordinate list keeps its count when its chunk holds
//   fewer records, the missing ones zero-filled, while the zero-filled
//   records of the whole file stay within kMaxZeroFilledRecords; beyond
//   that, and for faces always, the count is cut to the whole records held;
// - chunks nested deeper than kMaxChunkDepth are skipped whole;
// - a material at index kMaxTextureSlots or above gets no texture, as it has
//   no slot, though its object is still marked textured;
// - after the parse, faces that name a vertex the object does not have are
//   dropped, and texture coordinates shorter than the vertex list are padded
//   with (0, 0), so every face index is valid for vertices, normals and
//   texture coordinates alike.
// What the file itself got wrong (so not the cut names, nor a material past
// the last slot) is told after the load as one line on standard error, never
// in a dialog (ReportDamage): "FILE: damaged model file: WHAT; WHAT".

#include "model3ds/ChunkHeader.h"
#include "model3ds/ModelData.h"
#include "model3ds/ModelDamage.h"

#include <cstdio>
#include <memory>

constexpr int kMaxChunkDepth = 32;
constexpr std::uint32_t kScratchBufferSize = 200000;
// One full list's worth: what zero-filling may add to a load's memory stays
// a few megabytes, however many short lists a file holds.
constexpr std::uint32_t kMaxZeroFilledRecords = 65535;

class ModelFileReader {
public:
    ModelFileReader();
    ~ModelFileReader();
    ModelFileReader(const ModelFileReader&) = delete;
    ModelFileReader& operator=(const ModelFileReader&) = delete;

    // Appends what the file holds to the model and gives it vertex normals.
    // False, after an error notice, when the file cannot be opened or does
    // not start with the root chunk; the model is then left as it was.
    bool LoadFile(tModelData& model, const char* szFileName);

private:
    // Reading, each adding what it consumed to the chunk it reads from and
    // never reading past that chunk's end.
    std::uint32_t ReadFromFile(void* pDest, std::uint32_t nBytes);
    std::uint32_t ReadBytes(void* pDest, std::uint32_t nBytes, tChunkHeader& chunk);
    void ReadHeader(tChunkHeader& header);
    bool ReadChildHeader(tChunkHeader& child, tChunkHeader& parent);
    void ReadCString(char* szDest, std::uint32_t nDestSize, tChunkHeader& chunk);
    void ReadIntoField(char* szField, std::uint32_t nFieldSize, tChunkHeader& chunk);
    void SkipChunkRest(tChunkHeader& chunk);
    void SkipFirstSubChunk(tChunkHeader& parent);
    void CloseFile();

    // Runs onChild for each child chunk of parent, as one nesting level.
    template <typename tHandler>
    void ForEachChild(tChunkHeader& parent, tHandler onChild);

    // The three levels.
    void ParseSceneChunks(tModelData& model, tChunkHeader& parent);
    void ParseMaterialChunks(tModelData& model, tChunkHeader& parent);
    void ParseMeshChunks(tModelData& model, t3DObject& object, tChunkHeader& parent);

    // The chunk handlers.
    void ReadVersion(tChunkHeader& chunk, std::uint32_t& version);
    void ReadNamedObject(tModelData& model, tChunkHeader& chunk);
    void ReadMaterialColor(tMaterialInfo& material, tChunkHeader& chunk);
    template <typename tRecord>
    std::uint32_t ReadRecords(std::shared_ptr<tRecord[]>& pRecords, tChunkHeader& chunk, std::uint32_t nStored,
                              bool zeroFillMissing);
    void ReadVertexList(t3DObject& object, tChunkHeader& chunk);
    void ReadTriangleList(t3DObject& object, tChunkHeader& chunk);
    void ReadTexCoordList(t3DObject& object, tChunkHeader& chunk);
    void ReadMeshMaterial(tModelData& model, t3DObject& object, tChunkHeader& chunk);

    std::FILE* file = nullptr;
    bool endOfFile = false;  // a read came up short: nothing more to parse
    int depth = 0;           // nesting levels now running
    std::uint64_t filePosition = 0;  // bytes of the file read so far
    std::uint64_t readLimit = 0;     // where the root chunk or the file ends, the nearer
    std::uint32_t zeroFillBudget = kMaxZeroFilledRecords;
    tModelDamage damage;
    std::unique_ptr<unsigned char[]> buffer;  // where skipped data goes
};
