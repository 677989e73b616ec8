#include "tests/model3ds/ModelFileTest.h"

#include "model3ds/ModelFileReader.h"
#include "model3ds/Notice.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

std::vector<RecordedNotice> recorded;
std::vector<std::string> recordedDamage;
tNoticeFunction shownBefore = nullptr;
tDamageFunction damageBefore = nullptr;

void recordNotice(const char* text, const char* caption)
{
    recorded.push_back({text, caption});
}

void recordDamage(const char* line)
{
    recordedDamage.push_back(line);
}

}  // namespace

void ModelFileTest::SetUp()
{
    char pattern[] = "/tmp/hextower-model-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder = pattern;
    recorded.clear();
    recordedDamage.clear();
    shownBefore = SetNoticeFunction(recordNotice);
    damageBefore = SetDamageFunction(recordDamage);
}

void ModelFileTest::TearDown()
{
    SetNoticeFunction(shownBefore);
    SetDamageFunction(damageBefore);
    std::filesystem::remove_all(folder);
}

std::string ModelFileTest::save(const ChunkWriter& writer, const std::string& name) const
{
    return saveBytes(writer.bytes(), name);
}

std::string ModelFileTest::saveBytes(const std::vector<std::uint8_t>& bytes, const std::string& name) const
{
    const std::string path = folder + "/" + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    EXPECT_NE(file, nullptr);
    if (file != nullptr) {
        const std::size_t written = bytes.empty() ? 0 : std::fwrite(bytes.data(), 1, bytes.size(), file);
        EXPECT_EQ(written, bytes.size());
        std::fclose(file);
    }
    return path;
}

bool ModelFileTest::load(tModelData& model, const std::string& path) const
{
    ModelFileReader reader;
    return reader.LoadFile(model, path.c_str());
}

tModelData ModelFileTest::loadWritten(const ChunkWriter& writer) const
{
    tModelData model = MakeEmptyModel();
    EXPECT_TRUE(load(model, save(writer)));
    return model;
}

const std::vector<RecordedNotice>& ModelFileTest::notices() const
{
    return recorded;
}

const std::vector<std::string>& ModelFileTest::damageLines() const
{
    return recordedDamage;
}
