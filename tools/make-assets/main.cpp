// make-assets OUTDIR: writes the game's model files below OUTDIR (the game's
// working directory is assets/, so `make-assets assets` refreshes them).

#include "devlibs/game_models/GameModels.h"
#include "devlibs/tool_usage/ToolUsage.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

bool writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error)
        return false;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

}  // namespace

void printUsage(std::FILE* out, const char* program)
{
    std::fprintf(out, "usage: %s OUTDIR  (writes the game's models as OUTDIR/Data/3DS/*.3DS)\n", program);
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        printUsage(stderr, argv[0]);
        return 2;
    }
    for (const GameModel& model : gameModels()) {
        const std::filesystem::path path = std::filesystem::path(argv[1]) / model.path;
        if (!writeFile(path, encodeGameModel(model))) {
            std::fprintf(stderr, "make-assets: cannot write %s\n", path.string().c_str());
            return 1;
        }
        std::printf("%s: %zu triangles\n", path.string().c_str(),
                    model.mesh.faces.size() + model.colored.mesh.faces.size());
    }
    return 0;
}
