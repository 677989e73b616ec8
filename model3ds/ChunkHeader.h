#pragma once
// The chunks of a 3DS file: a 6-byte header (id, then the whole chunk's
// length), the chunk's own data, then its sub-chunks.

#include <cstdint>

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
