#pragma once
// Builds a 3DS file in memory.  Chunks nest: begin() opens one, end() closes
// the innermost and fills in its length.  Everything is little-endian.

#include <cstdint>
#include <string>
#include <vector>

class ChunkWriter {
public:
    void begin(std::uint16_t id);
    void end();

    void u8(std::uint8_t value);
    void u16(std::uint16_t value);
    void u32(std::uint32_t value);
    void f32(float value);
    void cstring(const std::string& text);  // the text and its NUL
    void raw(const std::vector<std::uint8_t>& data);

    // A chunk that only carries raw data, written whole.
    void leaf(std::uint16_t id, const std::vector<std::uint8_t>& data);

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    bool save(const std::string& path) const;

private:
    std::vector<std::uint8_t> bytes_;
    std::vector<std::size_t> open_;  // offsets of the open chunks' headers
};
