#pragma once
// A fixture for tests that write 3DS files and read them back: a scratch
// folder of its own, and the reader's notices and damage lines recorded
// instead of shown.

#include "model3ds/ModelData.h"
#include "devlibs/chunk_writer/ChunkWriter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct RecordedNotice {
    std::string text;
    std::string caption;
};

class ModelFileTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the bytes into the scratch folder; returns the file's path.
    std::string save(const ChunkWriter& writer, const std::string& name = "model.3ds") const;
    std::string saveBytes(const std::vector<std::uint8_t>& bytes, const std::string& name = "model.3ds") const;

    // Loads the file with a fresh reader into the model, as the game does.
    bool load(tModelData& model, const std::string& path) const;
    // Writes and loads; expects the load to succeed.
    tModelData loadWritten(const ChunkWriter& writer) const;

    const std::vector<RecordedNotice>& notices() const;
    const std::vector<std::string>& damageLines() const;

    std::string folder;
};

// A root chunk around whatever `fill` writes.
template <typename Fill>
ChunkWriter rootFile(Fill fill)
{
    ChunkWriter writer;
    writer.begin(0x4D4D);
    fill(writer);
    writer.end();
    return writer;
}
