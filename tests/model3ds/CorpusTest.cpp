// Model files written by other tools must read exactly as the corpus
// manifest says.  The corpus lies beside the project and may be absent.

#include "devlibs/model_summary/ModelSummary.h"
#include "devlibs/model_samples/ModelChecks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

const std::string kCorpusFolder = HEXTOWER_SOURCE_DIR "/../shared/corpus/3ds";

struct ManifestEntry {
    std::string file;
    std::vector<std::string> lines;  // its first line and object lines
};

// Every line that is not an object line opens a file's entry.
std::vector<ManifestEntry> readManifest(const std::string& path)
{
    std::vector<ManifestEntry> entries;
    std::ifstream manifest(path);
    std::string line;
    while (std::getline(manifest, line)) {
        if (line.empty())
            continue;
        if (line.rfind("object ", 0) != 0)
            entries.push_back({line.substr(0, line.find(": ok=")), {}});
        if (!entries.empty())
            entries.back().lines.push_back(line);
    }
    return entries;
}

}  // namespace

TEST(Corpus, ReadsAsTheManifestSays)
{
    if (!std::filesystem::exists(kCorpusFolder + "/MANIFEST"))
        GTEST_SKIP() << "no corpus at " << kCorpusFolder;
    const std::vector<ManifestEntry> entries = readManifest(kCorpusFolder + "/MANIFEST");
    ASSERT_FALSE(entries.empty());
    testing::internal::CaptureStdout();  // the reader names the textures it meets
    for (const ManifestEntry& entry : entries) {
        const ModelLoad load = loadModel(kCorpusFolder + "/" + entry.file, entry.file);
        EXPECT_EQ(summaryLines(load), entry.lines) << entry.file;
        EXPECT_EQ(findModelFault(load.model), "") << entry.file;
    }
    testing::internal::GetCapturedStdout();
}
