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

#include "model3ds/ModelData.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

// ---- The chunks ----
//
// The chunks of a 3DS file: a 6-byte header (id, then the whole chunk's
// length), the chunk's own data, then its sub-chunks.

constexpr std::uint32_t kChunkHeaderSize = 6;

constexpr std::uint16_t kChunkRoot = 0x4D4D;
constexpr std::uint16_t kChunkFileVersion = 0x0002;
constexpr std::uint16_t kChunkScene = 0x3D3D;
constexpr std::uint16_t kChunkMaterial = 0xAFFF;
constexpr std::uint16_t kChunkNamedObject = 0x4000;
constexpr std::uint16_t kChunkMaterialName = 0xA000;
constexpr std::uint16_t kChunkDiffuseColor = 0xA020;
constexpr std::uint16_t kChunkTextureMap = 0xA200;
constexpr std::uint16_t kChunkMapFileName = 0xA300;
constexpr std::uint16_t kChunkTriMesh = 0x4100;
constexpr std::uint16_t kChunkVertexList = 0x4110;
constexpr std::uint16_t kChunkFaceList = 0x4120;
constexpr std::uint16_t kChunkFaceMaterial = 0x4130;
constexpr std::uint16_t kChunkTexCoordList = 0x4140;
constexpr std::uint16_t kChunkKeyframes = 0xB000;

// A little-endian unsigned 32-bit value from four bytes.
inline std::uint32_t DecodeU32(const unsigned char* pBytes)
{
    return static_cast<std::uint32_t>(pBytes[0]) | static_cast<std::uint32_t>(pBytes[1]) << 8 |
           static_cast<std::uint32_t>(pBytes[2]) << 16 | static_cast<std::uint32_t>(pBytes[3]) << 24;
}

// One chunk being read: its header and how many of its bytes, header
// included, have been consumed so far.
struct tChunkHeader {
    std::uint16_t id = 0;
    std::uint32_t length = 0;
    std::uint32_t bytesRead = 0;

    // The bytes of the chunk not yet consumed; none once it is overread.
    std::uint32_t Remaining() const { return bytesRead < length ? length - bytesRead : 0; }
};

// ---- Damage and its repair ----
//
// What was wrong with a model file that still loaded.  The reader gathers
// it while it reads and repairs, and tells it afterwards as one line.

struct tModelDamage {
    bool cutShort = false;         // the file ends before its chunks do
    bool chunkOverrun = false;     // a chunk claims more than its parent has left
    bool chunkTooShort = false;    // a chunk's length is smaller than its header
    bool strayBytes = false;       // bytes at the end of a chunk too few for a header
    bool nestedTooDeep = false;    // chunks past the nesting limit were skipped
    bool recordsZeroFilled = false;  // a vertex or texture-coordinate list is short of its count
    bool countClipped = false;     // a list's count was cut to the records it holds
    int facesDropped = 0;          // faces that named a vertex the object lacks
    bool texCoordsPadded = false;  // fewer texture coordinates than vertices
};

// What went wrong, the parts joined by "; "; empty when nothing did.
std::string DescribeDamage(const tModelDamage& damage);

// Makes a freshly read object safe to draw: every face index must name one
// of its vertices, and of its texture coordinates when it has them.  Drops
// the faces that name a vertex the object does not have, keeping the others
// in order, and pads texture coordinates shorter than the vertex list with
// (0, 0); notes in damage what it had to do.
void RepairObject(t3DObject& object, tModelDamage& damage);

// ---- The reader ----

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
