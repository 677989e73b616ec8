#include "devlibs/chunk_writer/ChunkWriter.h"

#include <cstdio>
#include <cstring>

void ChunkWriter::begin(std::uint16_t id)
{
    open_.push_back(bytes_.size());
    u16(id);
    u32(0);  // the length, filled in by end()
}

void ChunkWriter::end()
{
    const std::size_t start = open_.back();
    open_.pop_back();
    const auto length = static_cast<std::uint32_t>(bytes_.size() - start);
    for (int i = 0; i < 4; ++i)
        bytes_[start + 2 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(length >> (8 * i));
}

void ChunkWriter::u8(std::uint8_t value)
{
    bytes_.push_back(value);
}

void ChunkWriter::u16(std::uint16_t value)
{
    u8(static_cast<std::uint8_t>(value));
    u8(static_cast<std::uint8_t>(value >> 8));
}

void ChunkWriter::u32(std::uint32_t value)
{
    u16(static_cast<std::uint16_t>(value));
    u16(static_cast<std::uint16_t>(value >> 16));
}

void ChunkWriter::f32(float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    u32(bits);
}

void ChunkWriter::cstring(const std::string& text)
{
    bytes_.insert(bytes_.end(), text.begin(), text.end());
    u8(0);
}

void ChunkWriter::raw(const std::vector<std::uint8_t>& data)
{
    bytes_.insert(bytes_.end(), data.begin(), data.end());
}

void ChunkWriter::leaf(std::uint16_t id, const std::vector<std::uint8_t>& data)
{
    begin(id);
    raw(data);
    end();
}

bool ChunkWriter::save(const std::string& path) const
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(bytes_.data(), 1, bytes_.size(), file) == bytes_.size();
    return std::fclose(file) == 0 && written;
}
