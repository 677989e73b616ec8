#include "app/DataFolder.h"

#include "game/Tile.h"
#include "themes/Theme.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <unistd.h>

// ---- The search ------------------------------------------------------------

namespace fs = std::filesystem;

namespace {

// A function, not a global string: the search runs while the globals of
// other files are built, perhaps before this file's.
std::string whatHoldsTheData()
{
    return std::string(kThemeFileName) + " and " + kTileModelFile;
}

bool isFile(const fs::path& path)
{
    std::error_code error;
    return fs::is_regular_file(path, error);
}

}  // namespace

std::string errorLinePrefix(const DataFolderPlaces& places)
{
    const std::string name = fs::path(places.programPath).filename().string();
    return (name.empty() ? "hextower" : name) + ": ";
}

// A program in its build tree reads its own checkout's data, never an
// installed copy; an installed one finds its data from its own place, so that
// a moved prefix or a staged install tree works as it is.
std::string ownDataFolder(const DataFolderPlaces& places)
{
    if (places.programPath.empty())
        return "";  // the program's own place is unknown
    const fs::path programFolder = fs::path(places.programPath).parent_path();
    const fs::path note = programFolder.parent_path() / places.checkoutNoteName;
    std::string checkoutData;
    if (!places.checkoutNoteName.empty() && isFile(note) && std::getline(std::ifstream(note), checkoutData))
        return checkoutData;
    return (programFolder / places.installedDataFromProgram).lexically_normal().string();
}

bool holdsGameData(const std::string& folder)
{
    const fs::path path(folder);
    return isFile(path / kThemeFileName) && isFile(path / kTileModelFile);
}

DataFolderChoice chooseDataFolder(const DataFolderPlaces& places)
{
    const std::string prefix = errorLinePrefix(places);
    // An empty HEXTOWER_DATA counts as unset, as an empty HEXTOWER_FPS does.
    if (places.namedFolder != nullptr && places.namedFolder[0] != '\0') {
        if (holdsGameData(places.namedFolder))
            return {places.namedFolder, ""};
        return {"", prefix + "HEXTOWER_DATA names " + places.namedFolder + ", which does not hold the game's data (" +
                        whatHoldsTheData() + "); point it at the game's data folder or unset it"};
    }
    if (holdsGameData(places.workingDirectory))
        return {places.workingDirectory, ""};
    const std::string own = ownDataFolder(places);
    if (!own.empty() && holdsGameData(own))
        return {own, ""};
    return {"", prefix + "found no game data (" + whatHoldsTheData() + ") in the working directory " +
                    places.workingDirectory + (own.empty() ? "" : " nor in " + own) +
                    "; set HEXTOWER_DATA to the game's data folder, or reinstall the game"};
}

// ---- Entering the folder ---------------------------------------------------

namespace {

// Held in a function so that it exists before the global objects of other
// files, which are built in no set order, ask for it.
std::string& startFolder()
{
    static std::string folder;
    return folder;
}

// What the data-folder search looks at, as this process sees it.
DataFolderPlaces placesOfThisProcess()
{
    DataFolderPlaces places;
    places.namedFolder = std::getenv("HEXTOWER_DATA");
    std::error_code error;
    places.workingDirectory = std::filesystem::current_path(error).string();
    places.programPath = std::filesystem::read_symlink("/proc/self/exe", error).string();
    places.checkoutNoteName = HEXTOWER_CHECKOUT_NOTE;
    places.installedDataFromProgram = HEXTOWER_INSTALLED_DATA_FROM_PROGRAM;
    return places;
}

}  // namespace

const std::string& startingFolder()
{
    return startFolder();
}

std::string programDataFolder()
{
    return ownDataFolder(placesOfThisProcess());
}

void enterDataFolder()
{
    const DataFolderPlaces places = placesOfThisProcess();
    startFolder() = places.workingDirectory;
    DataFolderChoice choice = chooseDataFolder(places);
    if (choice.failure.empty() && chdir(choice.folder.c_str()) != 0)
        choice.failure = errorLinePrefix(places) + "cannot enter the data folder " + choice.folder;
    if (choice.failure.empty())
        return;
    std::fprintf(stderr, "%s\n", choice.failure.c_str());
    std::exit(1);
}
